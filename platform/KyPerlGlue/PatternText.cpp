// Rule texts made ready to compile: search-text escapes, the pattern dialect, replacement pieces.
#include "KyPerlGlue/PatternText.h"

#include <cctype>
#include <cstdlib>
#include <stdexcept>

namespace Kyvant {
namespace PerlGlue {

namespace {

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Copies a character class starting at pattern[i] == '[' up to its ']'.
std::size_t CopyClass(const std::string& pattern, std::size_t i, std::string& out)
{
    out += pattern[i++];
    if (i < pattern.size() && pattern[i] == '^')
        out += pattern[i++];
    if (i < pattern.size() && pattern[i] == ']')
        out += pattern[i++];
    while (i < pattern.size() && pattern[i] != ']') {
        if (pattern[i] == '\\' && i + 1 < pattern.size())
            out += pattern[i++];
        out += pattern[i++];
    }
    if (i < pattern.size())
        out += pattern[i++];
    return i;
}

} // namespace

std::string ExpandEscapes(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        const char c = text[++i];
        switch (c) {
        case 'n':
            out += '\n';
            break;
        case 't':
            out += '\t';
            break;
        case 'r':
            out += '\r';
            break;
        case 'f':
            out += '\f';
            break;
        case 'a':
            out += '\a';
            break;
        case 'e':
            out += '\x1b';
            break;
        case '0':
            out += '\0';
            break;
        case 'x': {
            int value = 0, digits = 0;
            while (digits < 2 && i + 1 < text.size() && HexValue(text[i + 1]) >= 0) {
                value = value * 16 + HexValue(text[++i]);
                ++digits;
            }
            out += static_cast<char>(value);
            break;
        }
        default:
            out += c;
        }
    }
    return out;
}

std::string TranslatePattern(const std::string& pattern, bool dotMatchesNL, bool legible)
{
    std::string out;
    out.reserve(pattern.size() + 16);
    std::size_t i = 0;
    while (i < pattern.size()) {
        const char c = pattern[i];
        if (c == '\\' && i + 1 < pattern.size()) {
            out += c;
            out += pattern[i + 1];
            i += 2;
        } else if (c == '[') {
            i = CopyClass(pattern, i, out);
        } else if (c == '.') {
            out += dotMatchesNL ? "[\\s\\S]" : "[^\\n]";
            ++i;
        } else if (legible && std::isspace(static_cast<unsigned char>(c))) {
            ++i;
        } else if (legible && c == '#') {
            while (i < pattern.size() && pattern[i] != '\n')
                ++i;
        } else {
            out += c;
            ++i;
        }
    }
    return out;
}

std::vector<ReplacementPiece> ParseReplacement(const std::string& replacement, unsigned groupCount)
{
    std::vector<ReplacementPiece> pieces(1);
    auto addGroup = [&](int group) {
        if (group > static_cast<int>(groupCount))
            throw std::runtime_error("Replacement refers to group $" + std::to_string(group) +
                                     ", but the pattern has " + std::to_string(groupCount));
        pieces.back().group = group;
        pieces.emplace_back();
    };
    for (std::size_t i = 0; i < replacement.size(); ++i) {
        const char c = replacement[i];
        const char next = i + 1 < replacement.size() ? replacement[i + 1] : '\0';
        if (c == '\\' && next) {
            ++i;
            pieces.back().text += next == 'n'   ? '\n'
                                  : next == 't' ? '\t'
                                  : next == 'r' ? '\r'
                                                : next;
        } else if (c == '$' && next == '&') {
            ++i;
            addGroup(0);
        } else if (c == '$' && std::isdigit(static_cast<unsigned char>(next))) {
            int group = 0;
            while (i + 1 < replacement.size() &&
                   std::isdigit(static_cast<unsigned char>(replacement[i + 1])))
                group = group * 10 + (replacement[++i] - '0');
            addGroup(group);
        } else if (c == '$' && next == '{') {
            const std::size_t close = replacement.find('}', i + 2);
            const std::string digits =
                close == std::string::npos ? "" : replacement.substr(i + 2, close - i - 2);
            if (digits.empty() || digits.find_first_not_of("0123456789") != std::string::npos)
                throw std::runtime_error("Bad group reference in replacement: " +
                                         replacement.substr(i));
            i = close;
            addGroup(std::atoi(digits.c_str()));
        } else {
            pieces.back().text += c;
        }
    }
    return pieces;
}

} // namespace PerlGlue
} // namespace Kyvant
