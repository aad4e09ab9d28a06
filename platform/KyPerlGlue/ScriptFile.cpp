// Writing and reading the engine's script: escapes, tab-separated fields, option and rule letters.
#include "KyPerlGlue/ScriptFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace Kyvant {
namespace PerlGlue {

namespace {

const char kHeader[] = "KyPerl script 1";

std::string Escape(const std::string& text)
{
    static const char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (char ch : text) {
        const unsigned char c = static_cast<unsigned char>(ch);
        if (c == '\\')
            out += "\\\\";
        else if (c == '\t')
            out += "\\t";
        else if (c == '\n')
            out += "\\n";
        else if (c == '\r')
            out += "\\r";
        else if (c < 0x20 || c == 0x7F) {
            out += "\\x";
            out += kHex[c >> 4];
            out += kHex[c & 15];
        } else
            out += ch;
    }
    return out;
}

[[noreturn]] void Damaged(const std::string& what)
{
    throw std::runtime_error("Damaged engine script: " + what);
}

int Hex(char c)
{
    const char* p = std::strchr("0123456789ABCDEF", c);
    return c && p ? static_cast<int>(p - "0123456789ABCDEF") : -1;
}

std::string Unescape(const std::string& text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            out += text[i];
            continue;
        }
        if (++i == text.size())
            Damaged("escape at the end of a text");
        switch (text[i]) {
        case '\\':
            out += '\\';
            break;
        case 't':
            out += '\t';
            break;
        case 'n':
            out += '\n';
            break;
        case 'r':
            out += '\r';
            break;
        case 'x': {
            const int high = i + 1 < text.size() ? Hex(text[i + 1]) : -1;
            const int low = i + 2 < text.size() ? Hex(text[i + 2]) : -1;
            if (high < 0 || low < 0)
                Damaged("bad \\x escape");
            out += static_cast<char>(high * 16 + low);
            i += 2;
            break;
        }
        default:
            Damaged("unknown escape");
        }
    }
    return out;
}

std::vector<std::string> SplitTabs(const std::string& line)
{
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab - start));
        if (tab == std::string::npos)
            return fields;
        start = tab + 1;
    }
}

std::string OptionLetters(const EngineOptions& o)
{
    std::string letters;
    if (o.relaxedOpening)
        letters += 'A';
    if (o.backups)
        letters += 'B';
    if (o.binaryMode)
        letters += 'I';
    if (o.lineMode)
        letters += 'L';
    if (o.noConfirm)
        letters += 'N';
    if (o.resultsToStdout)
        letters += 'V';
    return letters;
}

EngineOptions ParseOptions(const std::string& letters)
{
    EngineOptions o;
    for (char c : letters) {
        bool* flag = c == 'A'   ? &o.relaxedOpening
                     : c == 'B' ? &o.backups
                     : c == 'I' ? &o.binaryMode
                     : c == 'L' ? &o.lineMode
                     : c == 'N' ? &o.noConfirm
                     : c == 'V' ? &o.resultsToStdout
                                : nullptr;
        if (!flag)
            Damaged("unknown option letter");
        *flag = true;
    }
    return o;
}

std::string RuleLetters(const RuleSpec& r)
{
    std::string letters(1, r.enabled ? '+' : '-');
    const struct {
        bool on;
        char letter;
    } kFlags[] = {{r.ignoreCase, 'i'},      {r.wholeWords, 'w'},   {r.dotMatchesNL, 's'},
                  {r.regEx, 'r'},           {r.legibleRegEx, 'x'}, {r.noConfirm, 'n'},
                  {r.evalReplacement, 'e'}, {r.doubleQuote, 'd'}};
    for (const auto& f : kFlags)
        if (f.on)
            letters += f.letter;
    return letters;
}

RuleSpec ParseRule(const std::vector<std::string>& fields)
{
    if (fields.size() != 4 || fields[1].empty() || (fields[1][0] != '+' && fields[1][0] != '-'))
        Damaged("bad rule line");
    RuleSpec r;
    r.enabled = fields[1][0] == '+';
    for (std::size_t i = 1; i < fields[1].size(); ++i) {
        switch (fields[1][i]) {
        case 'i':
            r.ignoreCase = true;
            break;
        case 'w':
            r.wholeWords = true;
            break;
        case 's':
            r.dotMatchesNL = true;
            break;
        case 'r':
            r.regEx = true;
            break;
        case 'x':
            r.legibleRegEx = true;
            break;
        case 'n':
            r.noConfirm = true;
            break;
        case 'e':
            r.evalReplacement = true;
            break;
        case 'd':
            r.doubleQuote = true;
            break;
        default:
            Damaged("unknown rule letter");
        }
    }
    r.find = Unescape(fields[2]);
    r.replace = Unescape(fields[3]);
    return r;
}

} // namespace

void WriteScript(const char* fileName, const ScriptContents& contents)
{
    std::ostringstream text;
    text << kHeader << '\n';
    text << "ready\t" << Escape(contents.readyEventName) << '\n';
    text << "exit\t" << Escape(contents.normalExitEventName) << '\n';
    text << "options\t" << OptionLetters(contents.options) << '\n';
    for (const RuleSpec& rule : contents.rules)
        text << "rule\t" << RuleLetters(rule) << '\t' << Escape(rule.find) << '\t'
             << Escape(rule.replace) << '\n';
    const std::string data = text.str();
    std::FILE* file = std::fopen(fileName, "wb");
    if (!file)
        throw std::runtime_error(std::string("Cannot write the engine script ") + fileName + ": " +
                                 std::strerror(errno));
    const bool written = std::fwrite(data.data(), 1, data.size(), file) == data.size();
    if (std::fclose(file) != 0 || !written)
        throw std::runtime_error(std::string("Cannot write the engine script ") + fileName);
}

ScriptContents ReadScript(const char* fileName)
{
    std::ifstream in(fileName, std::ios::binary);
    if (!in)
        throw std::runtime_error(std::string("Cannot open the engine script ") + fileName);
    std::string line;
    if (!std::getline(in, line) || line != kHeader)
        Damaged("no header");
    ScriptContents contents;
    bool ready = false, exit = false, options = false;
    while (std::getline(in, line)) {
        const std::vector<std::string> fields = SplitTabs(line);
        if (fields[0] == "ready" && fields.size() == 2) {
            contents.readyEventName = Unescape(fields[1]);
            ready = true;
        } else if (fields[0] == "exit" && fields.size() == 2) {
            contents.normalExitEventName = Unescape(fields[1]);
            exit = true;
        } else if (fields[0] == "options" && fields.size() == 2) {
            contents.options = ParseOptions(fields[1]);
            options = true;
        } else if (fields[0] == "rule") {
            contents.rules.push_back(ParseRule(fields));
        } else {
            Damaged("unknown line");
        }
    }
    if (!ready || !exit || !options)
        Damaged("missing lines");
    return contents;
}

} // namespace PerlGlue
} // namespace Kyvant
