// Which bytes of a file's text the windowed programs show as they are: tab,
// line feed, printable ASCII and, from 0x80 up, the bytes the C runtime's
// current locale calls printable. Every other byte shows as a middle dot, so
// that each shown character still stands for one byte of the file.
#pragma once

#include "KyStd/KyStdExport.h"

namespace Kyvant {
namespace LegibleText {

// The byte shown in place of one that is not legible.
const unsigned char kMark = 0xB7;

// The rule, asking the current locale each time.
KYSTD_API bool IsLegible(unsigned char byte);

// The rule for all 256 bytes, with the locale read once, at construction.
class KYSTD_API Table {
public:
    Table();

    bool Legible(unsigned char byte) const { return m_legible[byte]; }
    // Replaces, in place, every byte of [first, last) that is not legible.
    void MarkIllegible(char* first, char* last) const;

private:
    bool m_legible[256];
};

} // namespace LegibleText
} // namespace Kyvant
