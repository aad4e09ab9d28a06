// The Replace view's text options: tab size, word wrap, the colours of
// matches, replacements and skips, whether colours are used, and the main and
// log fonts; kept under the application's registry key.
#pragma once

#include "KyGui/Helpers/GdiEx.h"
#include "KyStd/Registry/RegKey.h"

#include <windows.h>

namespace Kyvant {

class ReplaceTextOptions {
public:
    static constexpr int kMinTabSize = 1;
    static constexpr int kMaxTabSize = 20;
    // A colour value that stands for the colour's automatic choice.
    static constexpr COLORREF kAutomatic = 0xFFFFFFFF;
    static constexpr COLORREF kAutomaticMatch = RGB(0, 0, 0xFF);
    static constexpr COLORREF kAutomaticReplacement = RGB(0xFF, 0, 0);
    static constexpr COLORREF kAutomaticSkip = RGB(0x80, 0x80, 0x80);

    // The built-in defaults: tab size 8, no word wrap, automatic colours in
    // use, "Courier New" at 10 points for the panes and 9 for the log.
    ReplaceTextOptions();

    // The stored values, each defaulting to the built-in one; a tab size out
    // of range is taken at the nearer end of it.
    void Load(const RegKey& key);
    // Writes every value; failures are ignored.
    void Store(const RegKey& key) const;

    int tabSize;
    bool wordWrap;
    COLORREF matchColour; // kAutomatic or a colour, likewise the next two
    COLORREF replacementColour;
    COLORREF skipColour;
    bool useColours;
    GdiEx::Font mainFont;
    GdiEx::Font logFont;

    // The colours to draw with: the automatic ones stand in for kAutomatic.
    COLORREF MatchColour() const;
    COLORREF ReplacementColour() const;
    COLORREF SkipColour() const;

    static int ClampTabSize(long size);
};

} // namespace Kyvant
