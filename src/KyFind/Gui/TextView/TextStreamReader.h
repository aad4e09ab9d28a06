// TextStreamReader: feeds a file to the file view's rich edit block by
// block. Without binary mode a CR LF becomes one LF, also when the CR ends a
// block; every byte that cannot be shown (a lone CR, every CR in binary
// mode, control bytes) becomes 0xB7, so that each character of the view
// stands for one byte of the file as the finder counted it. Tabs stay: the
// view sets its own tab stops.
#pragma once

#include "KyStd/Strings/LegibleText.h"

#include <windows.h>

#include <cstdio>

namespace Kyvant {
namespace TextView {

class TextStreamReader {
public:
    // The byte shown in place of one that cannot be shown.
    static const unsigned char kUnprintable = LegibleText::kMark;

    // Shown as they are: the legible bytes of LegibleText, with the C
    // runtime's current locale read now.
    TextStreamReader(std::FILE* file, bool binaryMode);
    TextStreamReader(const TextStreamReader&) = delete;
    TextStreamReader& operator=(const TextStreamReader&) = delete;

    // Up to size bytes into buffer; *got 0 at the end. False when reading
    // failed.
    bool Read(unsigned char* buffer, long size, long* got);
    bool Failed() const { return m_failed; }
    // The characters handed out so far.
    long Delivered() const { return m_delivered; }

    // The EDITSTREAM callback; the cookie is a TextStreamReader.
    static DWORD CALLBACK Callback(DWORD_PTR cookie, LPBYTE buffer, LONG size, LONG* got);

private:
    long JoinLineEnds(unsigned char* buffer, long count);

    std::FILE* m_file;
    bool m_binaryMode;
    bool m_failed;
    long m_delivered;
    LegibleText::Table m_legible;
};

} // namespace TextView
} // namespace Kyvant
