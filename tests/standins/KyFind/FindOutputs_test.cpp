// The console finder's output for every kind of option word, compared with
// the output recorded from the line-by-line std::regex finder that came
// before the literal search: a fixture tree of CR LF, lone CR, NUL, long
// lines and case variants, searched with literal, basic, extended and Perl
// patterns under each option letter. The recording holds each run's exit
// code, output length and a hash of its output and messages (the fixture
// folder written as "{D}"); KYFIND_RECORD=path writes a new recording.
#include "StandInRun.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

const char kProgram[] = "KyFind.exe";
const char kIde[] = "--kyvant_ide_output";
const char kRecording[] = KY_TEST_DATA_DIR "/KyFind/data/FindOutputs.txt";

std::string LongLine()
{
    std::string line(40000, 'q');
    line.replace(20000, 6, "buffer");
    line.replace(33000, 6, "Needle");
    line.replace(39990, 3, "cat");
    return line;
}

void AddFixtures(const sitest::Fixtures& files)
{
    files.Add("plain.txt", "Buffer one\n"
                           "a buffer and a BUFFER\n"
                           "buffers rebuffer buf_fer bufer bufffer\n"
                           "\n"
                           "a.b a+b x|y (paren) {brace} [bracket] ]x\n"
                           "tab\there\tbuffer\n"
                           "the cat sat on the catalog\n"
                           "bobcat cat_ cat9 _cat cat\n"
                           "bufferbuffer buffer\n"
                           "\xC4PFEL \xE4pfel \xC4pfel caf\xE9 CAF\xC9\n"
                           "foo bar baz foobarbaz\n"
                           "last line without end buffer");
    files.Add("crlf.txt", "alpha buffer\r\n"
                          "one\rtwo buffer\r\n"
                          "double\r\r\n"
                          "\r\n"
                          "BUFFER cat\r\n"
                          "ends in CR buffer\r");
    files.Add("bin.dat", std::string("abc\0buffer\r\nmatch cat\r\n\0\0", 27));
    files.Add("long.txt", LongLine() + "\nshort buffer\n" + LongLine() + "\n");
    files.Add("empty.txt", "");
    files.Add("nl.txt", "\n");
    files.Add("ctx.txt", "hit 1 buffer\nl2\nhit 3 buffer\nl4\nl5\nl6\nl7\nl8\nl9\nl10\n"
                         "hit 11 buffer\nhit 12 buffer");
    files.Add("multi.txt", "begin\nfoo\nbar end\nfoo\n\nbar\nfoo bar\n");
    files.Add("sub\\deep.txt", "deep buffer\ncat\n");
}

const char* const kFiles[] = {"plain.txt", "crlf.txt", "bin.dat", "long.txt",
                              "empty.txt", "nl.txt",   "ctx.txt", "multi.txt"};

struct Pattern {
    const char* flavor; // the option letter of the flavour
    std::vector<std::string> patterns;
};

// The grep family's words: flavour letter, patterns, and the other letters.
std::vector<std::vector<std::string>> GrepCases()
{
    const Pattern patterns[] = {
        {"F", {"buffer"}},
        {"F", {"BUFFER"}},
        {"F", {"cat"}},
        {"F", {"a.b"}},
        {"F", {"x|y"}},
        {"F", {"buffer", "cat", "bar baz"}},
        {"F", {"bufferbuffer", "buffer"}},
        {"F", {"\xE4pfel"}},
        {"F", {"Needle"}},
        {"F", {"on"}},
        {"G", {"buffer"}},
        {"G", {"a+b"}},
        {"G", {"x|y"}},
        {"G", {"(paren)"}},
        {"G", {"{brace}"}},
        {"G", {"buf*er"}},
        {"G", {"b[aeiu]ffer"}},
        {"G", {"^buffer"}},
        {"G", {"buffer$"}},
        {"G", {"\\(cat\\)alog"}},
        {"G", {"buf\\{2\\}er"}},
        {"G", {"[[:alpha:]]uffer"}},
        {"G", {"[]]x"}},
        {"G", {"a.b"}},
        {"G", {"cat", "buf.er"}},
        {"E", {"buffer"}},
        {"E", {"buf+er"}},
        {"E", {"buffer|cat"}},
        {"E", {"(foo|bar)baz"}},
        {"E", {"bu?ffer"}},
        {"E", {"buf{2,3}er"}},
        {"E", {"ca(t)"}},
        {"E", {"[^a-z]cat"}},
        {"E", {"x\\|y"}},
        {"E", {"\xC4pfel"}},
        {"E", {"Need(le)?"}},
    };
    const char* const letters[] = {"n", "in", "wn", "vn", "iwn", "nl", "h", "nC", "inaU", "ivn"};
    std::vector<std::vector<std::string>> cases;
    for (const Pattern& p : patterns) {
        for (const char* l : letters) {
            std::vector<std::string> words = {std::string("-") + l + p.flavor, kIde};
            for (const std::string& text : p.patterns)
                words.push_back("-e" + text);
            cases.push_back(words);
        }
    }
    return cases;
}

// The Perl page's words: "-zperl -P", the patterns, then "-nr" and letters.
std::vector<std::vector<std::string>> PerlCases()
{
    const std::vector<std::string> patterns[] = {
        {"buffer"},      {"BUFFER"},        {"buf+er"},  {"\\bcat\\b"}, {"foo\\nbar"},
        {"o.b"},         {"buf fer # c\n"}, {"cat|bar"}, {"^bar"},      {"end$"},
        {"(?:cat)alog"}, {"buffer", "cat"}, {"\\d+"},    {"[\\]]x"},    {"ca\\t"},
    };
    const char* const letters[] = {"Y", "iY", "wY", "LY", "sY", "xY", "IY", "Z", "LvY", "iLY"};
    std::vector<std::vector<std::string>> cases;
    for (const std::vector<std::string>& p : patterns) {
        for (const char* l : letters) {
            std::vector<std::string> words = {"-zperl", "-P"};
            for (const std::string& text : p)
                words.push_back("-p" + text);
            words.push_back(std::string("-nr") + l);
            cases.push_back(words);
        }
    }
    return cases;
}

std::uint64_t Fnv1a(const std::string& bytes)
{
    std::uint64_t h = 14695981039346656037ull;
    for (unsigned char c : bytes) {
        h ^= c;
        h *= 1099511628211ull;
    }
    return h;
}

std::string Replaced(std::string text, const std::string& what, const std::string& with)
{
    for (std::size_t at = text.find(what); at != std::string::npos;
         at = text.find(what, at + with.size()))
        text.replace(at, what.size(), with);
    return text;
}

// One recording line: the case's words, then exit code, output length and hash.
std::string Key(const std::vector<std::string>& words)
{
    std::string key;
    for (const std::string& w : words) {
        for (char c : w)
            key += c == '\n' ? '~' : c;
        key += ' ';
    }
    return key;
}

std::string Outcome(const sitest::StandInRun& run, const std::string& root)
{
    const std::string out = Replaced(run.out, root, "{D}");
    const std::string err = Replaced(run.err, root, "{D}");
    char text[80];
    std::snprintf(text, sizeof text, "%lu %u %016llx", static_cast<unsigned long>(run.exitCode),
                  static_cast<unsigned>(out.size()),
                  static_cast<unsigned long long>(Fnv1a(out) ^ (Fnv1a(err) * 31)));
    return text;
}

std::map<std::string, std::string> ReadRecording()
{
    std::map<std::string, std::string> recorded;
    std::istringstream in(kytest::ReadFile(kRecording));
    for (std::string line; std::getline(in, line);) {
        const std::size_t bar = line.rfind(" | ");
        if (bar != std::string::npos)
            recorded[line.substr(0, bar)] = line.substr(bar + 3);
    }
    return recorded;
}

} // namespace

TEST(FindOutputs, EveryOptionWordGivesTheRecordedOutput)
{
    sitest::Fixtures files("outputs");
    AddFixtures(files);
    std::vector<std::string> paths;
    for (const char* name : kFiles)
        paths.push_back(files(name));
    std::vector<std::vector<std::string>> cases = GrepCases();
    for (const std::vector<std::string>& c : PerlCases())
        cases.push_back(c);
    // Both families over a walked folder too.
    cases.push_back({"-inF", kIde, "-ebuffer"});
    cases.push_back({"-zperl", "-P", "-pbuf+er", "-nrY"});

    const char* record = std::getenv("KYFIND_RECORD");
    const std::map<std::string, std::string> recorded =
        record ? std::map<std::string, std::string>() : ReadRecording();
    std::string recording;
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const bool walked = i + 2 >= cases.size();
        const std::vector<std::string> args =
            walked ? std::vector<std::string>{files("*.txt|+")} : paths;
        const sitest::StandInRun run = sitest::RunStandIn(kProgram, cases[i], args);
        const std::string key = Key(cases[i]) + (walked ? "(walked)" : "");
        const std::string outcome = Outcome(run, files.Root());
        recording += key + " | " + outcome + "\n";
        if (record)
            continue;
        auto it = recorded.find(key);
        ASSERT_NE(it, recorded.end()) << "not recorded: " << key;
        EXPECT_EQ(outcome, it->second)
            << key << "\n"
            << Replaced(run.out, files.Root(), "{D}").substr(0, 2000) << run.err;
    }
    if (record)
        kytest::WriteFile(record, recording);
    else
        EXPECT_EQ(recorded.size(), cases.size());
}
