// The stand-ins' command line: option words before "@!", file arguments
// after it (without "@!", the words that getopt leaves behind the options).
#pragma once

#include <string>
#include <vector>

namespace Kyvant {
namespace StandIn {

class CommandLine {
public:
    // Words equal to one of longWords are taken out of the options and
    // remembered (getopt knows no long options).
    CommandLine(int argc, char** argv, const std::vector<std::string>& longWords);
    CommandLine(const CommandLine&) = delete;
    CommandLine& operator=(const CommandLine&) = delete;

    // argv[0] and the option words, for getopt; valid while this object lives.
    int OptionCount() const { return static_cast<int>(options_.size()) - 1; }
    char** Options() { return options_.data(); }
    bool Has(const std::string& longWord) const;

    // Called once getopt is done with its optind: fixes the file arguments;
    // a word that is no option before "@!" is an error.
    void TakeGetoptEnd(int optind);
    // argv[0] and the file arguments, for GuiProcessFoldersAndFiles from 1.
    int FileArgc() const { return static_cast<int>(files_.size()) - 1; }
    char** Files() { return files_.data(); }

private:
    std::vector<char*> options_;
    std::vector<char*> files_;
    std::vector<std::string> longWords_;
    bool separator_;
};

} // namespace StandIn
} // namespace Kyvant
