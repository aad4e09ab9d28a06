// The one rule for the bytes a text view shows as they are.
#include "KyStd/Strings/LegibleText.h"

#include <cctype>

namespace Kyvant {
namespace LegibleText {

namespace {

const unsigned kFirstPlain = 0x20;
const unsigned kLastPlain = 0x7E;
const unsigned kFirstLocaleByte = 0x80;
const unsigned kByteValues = 256;

} // namespace

// Tabs stay so that each view can expand them by its own tab size. Below
// 0x80 the locale has no say: its tables call some control bytes printable.
bool IsLegible(unsigned char byte)
{
    if (byte == '\t' || byte == '\n')
        return true;
    if (byte >= kFirstPlain && byte <= kLastPlain)
        return true;
    return byte >= kFirstLocaleByte && std::isprint(byte) != 0;
}

Table::Table()
{
    for (unsigned byte = 0; byte < kByteValues; ++byte)
        m_legible[byte] = IsLegible(static_cast<unsigned char>(byte));
}

void Table::MarkIllegible(char* first, char* last) const
{
    for (char* p = first; p != last; ++p) {
        if (!m_legible[static_cast<unsigned char>(*p)])
            *p = static_cast<char>(kMark);
    }
}

} // namespace LegibleText
} // namespace Kyvant
