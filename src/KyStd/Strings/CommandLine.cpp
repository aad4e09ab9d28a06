// Quoting of one argument and reading of a whole command line.
#include "KyStd/Strings/CommandLine.h"

#include <cctype>
#include <cstring>

namespace Kyvant {
namespace CommandLine {

namespace {

bool IsSpace(char c)
{
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

bool IsPlain(char c)
{
    static const char kPlain[] = ":\\.-+@!/_";
    return std::isalnum(static_cast<unsigned char>(c)) ||
           (c != '\0' && std::strchr(kPlain, c) != nullptr);
}

} // namespace

ky_S QuoteArg(const char* arg, unsigned len, bool force)
{
    if (len == ky_S::npos)
        len = arg ? static_cast<unsigned>(std::strlen(arg)) : 0;
    if (!force) {
        unsigned i = 0;
        while (i < len && IsPlain(arg[i]))
            ++i;
        if (i == len)
            return ky_S(arg, len);
    }
    // Backslashes added: a run before a quote or the end is doubled, and each
    // quote gets one.
    unsigned added = 0;
    for (unsigned i = 0; i < len;) {
        if (arg[i] == '\\') {
            unsigned j = i;
            while (j < len && arg[j] == '\\')
                ++j;
            if (j == len || arg[j] == '"')
                added += j - i;
            i = j;
        } else {
            if (arg[i] == '"')
                ++added;
            ++i;
        }
    }
    ky_S out;
    out.reserve(len + 2 + added);
    out.append(1, '"');
    for (unsigned i = 0; i < len;) {
        if (arg[i] == '\\') {
            unsigned j = i;
            while (j < len && arg[j] == '\\')
                ++j;
            unsigned run = j - i;
            out.append(j == len || arg[j] == '"' ? 2 * run : run, '\\');
            i = j;
        } else {
            if (arg[i] == '"')
                out.append(1, '\\');
            out.append(1, arg[i]);
            ++i;
        }
    }
    out.append(1, '"');
    return out;
}

Iterator::Iterator() : pos_(nullptr) {}

Iterator::Iterator(const ky_S& commandLine) : line_(commandLine), pos_(line_.c_str())
{
    Next();
}

Iterator& Iterator::operator++()
{
    Next();
    return *this;
}

Iterator::Proxy Iterator::operator++(int)
{
    Proxy before(arg_);
    Next();
    return before;
}

bool Iterator::operator==(const Iterator& other) const
{
    if (!pos_ || !other.pos_)
        return !pos_ && !other.pos_;
    return pos_ == other.pos_ && line_.c_str() == other.line_.c_str() && arg_ == other.arg_;
}

void Iterator::Next()
{
    arg_ = ky_S();
    if (!pos_)
        return;
    const char* p = pos_;
    const char* end = line_.c_str() + line_.length();
    for (;;) {
        while (p < end && IsSpace(*p))
            ++p;
        if (p == end) {
            pos_ = nullptr;
            return;
        }
        ky_S arg;
        bool quoted = false;
        while (p < end && (quoted || !IsSpace(*p))) {
            if (*p == '\\') {
                const char* q = p;
                while (q < end && *q == '\\')
                    ++q;
                unsigned run = static_cast<unsigned>(q - p);
                if (q < end && *q == '"') {
                    arg.append(run / 2, '\\');
                    if (run % 2 == 1)
                        arg.append(1, '"');
                    else
                        quoted = !quoted;
                    p = q + 1;
                } else {
                    arg.append(run, '\\');
                    p = q;
                }
            } else if (*p == '"') {
                quoted = !quoted;
                ++p;
            } else {
                arg.append(1, *p);
                ++p;
            }
        }
        if (!arg.empty()) {
            arg_ = arg;
            pos_ = p;
            return;
        }
    }
}

} // namespace CommandLine
} // namespace Kyvant
