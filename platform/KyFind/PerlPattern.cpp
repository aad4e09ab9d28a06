// Rewriting a Perl pattern's "x" and "s" options into plain ECMAScript.
#include "PerlPattern.h"

#include <cctype>

namespace Kyvant {
namespace StandIn {

namespace {

const char kAnyCharacter[] = "[\\s\\S]";

bool IsBlank(char c)
{
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

// Copies the character class that starts at p[i] ('['), returns the index
// behind it; a ']' right after "[" or "[^" belongs to the class.
std::size_t CopyClass(const std::string& p, std::size_t i, std::string& out)
{
    out += p[i++];
    if (i < p.size() && p[i] == '^')
        out += p[i++];
    if (i < p.size() && p[i] == ']')
        out += p[i++];
    while (i < p.size()) {
        const char c = p[i++];
        out += c;
        if (c == '\\' && i < p.size())
            out += p[i++];
        else if (c == ']')
            break;
    }
    return i;
}

} // namespace

std::string TranslatePerlPattern(const std::string& p, bool legible, bool dotAll)
{
    std::string out;
    std::size_t i = 0;
    while (i < p.size()) {
        const char c = p[i];
        if (c == '\\' && i + 1 < p.size()) {
            const char next = p[i + 1];
            if (legible && (IsBlank(next) || next == '#'))
                out += next;
            else
                out.append(p, i, 2);
            i += 2;
        } else if (c == '[') {
            i = CopyClass(p, i, out);
        } else if (legible && IsBlank(c)) {
            ++i;
        } else if (legible && c == '#') {
            while (i < p.size() && p[i] != '\n')
                ++i;
        } else {
            out += dotAll && c == '.' ? kAnyCharacter : std::string(1, c);
            ++i;
        }
    }
    return out;
}

} // namespace StandIn
} // namespace Kyvant
