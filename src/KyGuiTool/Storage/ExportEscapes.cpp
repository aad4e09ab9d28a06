// The escapes of the export file: every byte outside printable ASCII as "\x"
// with two hexadecimal digits, backslashes doubled, and the way back.
#include "KyGuiTool/Storage/ExportFile.h"

#include "KyStd/Core/Errors.h"

#include <cerrno>
#include <stdexcept>

namespace Kyvant {
namespace ky_StorageMapSupport {

namespace {

const char kEscape = '\\';
const char kHexMark = 'x';
const unsigned char kFirstPlain = 0x20;
const unsigned char kFirstHigh = 0x80;
const unsigned kHexDigits = 2;
const int kHexRadix = 16;
const char kLowerDigits[] = "0123456789abcdef";

bool NeedsHexEscape(unsigned char c)
{
    return c < kFirstPlain || c >= kFirstHigh;
}

bool IsHexDigit(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// The byte that the two characters at p spell in hexadecimal. The number
// parser alone would also take a sign or a blank, so both characters are
// checked to be digits first.
char HexByte(const char* p)
{
    if (!IsHexDigit(p[0]) || !IsHexDigit(p[1]))
        throw rtl_error(EINVAL);
    return static_cast<char>(ky_S(p, kHexDigits).GetUnsignedInt(kHexRadix));
}

} // namespace

ky_S Exporter::ExportToText(const ky_BSB<char>& text)
{
    ky_S out;
    out.reserve(text.length());
    for (unsigned i = 0; i < text.length(); ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (NeedsHexEscape(c)) {
            const char escape[] = {kEscape, kHexMark, kLowerDigits[c >> 4], kLowerDigits[c & 0xF]};
            out.append(escape, sizeof escape);
        } else if (c == kEscape) {
            out.append(2, kEscape);
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

ky_S Importer::ImportFromText(const ky_BSB<char>& text)
{
    ky_S out;
    const unsigned length = text.length();
    const char* p = text.data();
    for (unsigned i = 0; i < length; ++i) {
        if (p[i] != kEscape) {
            out += p[i];
            continue;
        }
        if (i + 1 == length)
            throw std::runtime_error("Dangling escape character");
        if (p[i + 1] != kHexMark) {
            out += p[++i];
            continue;
        }
        if (length - (i + 2) < kHexDigits)
            throw std::runtime_error("Truncated escape sequence");
        out += HexByte(p + i + 2);
        i += 1 + kHexDigits;
    }
    return out;
}

} // namespace ky_StorageMapSupport
} // namespace Kyvant
