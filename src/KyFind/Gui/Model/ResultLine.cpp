// Cutting the finder's result lines into group sizes and match fields.
#include "KyFind/Gui/Model/ResultLine.h"

#include "KyStd/Core/Errors.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>

namespace Kyvant {
namespace FindResults {

namespace {

const char kGroupPrefix[] = "::";
const unsigned kGroupPrefixLength = 2;
// Number fields longer than this are parsed from a heap copy.
const unsigned kShortField = 32;

// The first "):" in [from, end), or null.
const char* FindFieldEnd(const char* from, const char* end)
{
    for (const char* p = from; p + 1 < end; ++p) {
        if (p[0] == ')' && p[1] == ':')
            return p;
    }
    return nullptr;
}

// The last '(' in [from, before), or null.
const char* FindFieldStart(const char* from, const char* before)
{
    for (const char* p = before; p != from;) {
        --p;
        if (*p == '(')
            return p;
    }
    return nullptr;
}

// The whole text as a decimal int, as ky_BSB::GetInt reads a string: strtol
// must take every character (else EINVAL), and the value must fit (else
// ERANGE). strtol may leave another errno behind when it stops at a byte
// from 0x80 up; that is no number either.
int WholeInt(const char* text, unsigned length)
{
    char shortCopy[kShortField + 1];
    std::string longCopy;
    const char* copy = shortCopy;
    if (length <= kShortField) {
        std::memcpy(shortCopy, text, length);
        shortCopy[length] = '\0';
    } else {
        longCopy.assign(text, length);
        copy = longCopy.c_str();
    }
    char* end = nullptr;
    errno = 0;
    const long value = std::strtol(copy, &end, 10);
    const int error = errno;
    if (end == copy || end != copy + length)
        throw rtl_error(EINVAL);
    if (error == ERANGE)
        throw rtl_error(ERANGE);
    return static_cast<int>(value);
}

// One "(NUMBER):" field searched from from: its number and the position
// after its "):". False when the field is missing or empty.
bool ReadField(const char* from, const char* end, const char*& fieldStart, int& number,
               const char*& after)
{
    const char* close = FindFieldEnd(from, end);
    if (!close)
        return false;
    const char* open = FindFieldStart(from, close);
    if (!open || open + 1 == close)
        return false;
    number = WholeInt(open + 1, static_cast<unsigned>(close - open - 1));
    fieldStart = open;
    after = close + 2;
    return true;
}

} // namespace

bool IsGroupLine(const char* text, unsigned length, unsigned long& size)
{
    if (length < kGroupPrefixLength || std::memcmp(text, kGroupPrefix, kGroupPrefixLength) != 0)
        return false;
    char digits[kShortField + 1];
    const unsigned count =
        length - kGroupPrefixLength < kShortField ? length - kGroupPrefixLength : kShortField;
    std::memcpy(digits, text + kGroupPrefixLength, count);
    digits[count] = '\0';
    size = std::strtoul(digits, nullptr, 10);
    return true;
}

bool ParseMatchLine(const char* text, unsigned length, MatchLine& out)
{
    const char* end = text + length;
    const char* lineField = nullptr;
    const char* positionField = nullptr;
    const char* afterLine = nullptr;
    const char* afterPosition = nullptr;
    int line = 0;
    int position = 0;
    if (!ReadField(text, end, lineField, line, afterLine))
        return false;
    if (!ReadField(afterLine, end, positionField, position, afterPosition))
        return false;
    out.name = text;
    out.nameLength = static_cast<unsigned>(lineField - text);
    out.line = line;
    out.position = position;
    out.text = afterPosition;
    out.textLength = static_cast<unsigned>(end - afterPosition);
    return true;
}

} // namespace FindResults
} // namespace Kyvant
