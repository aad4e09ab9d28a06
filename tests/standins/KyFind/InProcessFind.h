// The finder's search of one file run in this process: the option words
// read as the finder reads them, the patterns compiled with or without their
// literals, and the file's result lines as the finder writes them.
#pragma once

#include "KyFind/FileSearcher.h"
#include "KyFind/FindOptions.h"
#include "KyFind/PatternSet.h"
#include "KyStandInTool/CommandLine.h"

#include <string>
#include <vector>

namespace sitest {

// The name the result lines give the searched text.
constexpr char kSearchedName[] = "text.txt";

// The finder's options from its option words (before "@!").
inline Kyvant::StandIn::FindOptions FindOptionsOf(const std::vector<std::string>& words)
{
    std::vector<std::string> args = {"KyFind.exe"};
    args.insert(args.end(), words.begin(), words.end());
    args.push_back("@!");
    args.push_back(kSearchedName);
    std::vector<char*> argv;
    for (std::string& arg : args)
        argv.push_back(&arg[0]);
    argv.push_back(nullptr);
    Kyvant::StandIn::CommandLine commandLine(static_cast<int>(args.size()), argv.data(),
                                             {Kyvant::StandIn::kIdeOutputWord});
    return Kyvant::StandIn::ParseFindOptions(commandLine);
}

// The result lines for a file of these bytes; a pattern that does not
// compile throws std::runtime_error.
inline std::string FindInText(const Kyvant::StandIn::FindOptions& options, const std::string& bytes,
                              Kyvant::StandIn::LiteralUse literals)
{
    const Kyvant::StandIn::PatternSet patterns(options, literals);
    return Kyvant::StandIn::ResultLinesOf(kSearchedName, bytes, options, patterns);
}

} // namespace sitest
