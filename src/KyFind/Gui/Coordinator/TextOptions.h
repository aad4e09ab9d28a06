// TextOptions: how the match list and the file view show text: tab size,
// word wrap, the colour of the current match and whether it is coloured or
// selected, and the fonts of both panes; kept under the application key.
#pragma once

#include "KyGui/Helpers/GdiEx.h"
#include "KyStd/Registry/RegKey.h"

#include <windows.h>

class TextOptions {
public:
    static const int kDefaultTabSize = 8;
    static const int kMinTabSize = 1;
    static const int kMaxTabSize = 20;
    // "Auto": the match is red.
    static const COLORREF kAutoColor = 0xFFFFFFFF;
    static const COLORREF kAutoMatchColor = RGB(255, 0, 0);

    TextOptions();
    TextOptions(const TextOptions&) = delete;
    TextOptions& operator=(const TextOptions&) = delete;

    // The values under "TextView", each defaulting when missing; the file
    // view's font is made here. Registry failures throw Kyvant::os_error.
    void Load(const Kyvant::RegKey& appKey);
    // The match list's own font under "MatchList\Font", when one is stored;
    // false (nothing made) when none is.
    bool LoadMatchListFont(const Kyvant::RegKey& appKey, const CFont& defaultFont);
    // Writes the values, and the match list's font when it was changed.
    void Store(const Kyvant::RegKey& appKey) const;

    // The tab size as stored; a stored value below 1 expands and sets tab
    // stops as 1.
    int GetTabSize() const { return m_tabSize; }
    int GetUsableTabSize() const { return m_tabSize < kMinTabSize ? kMinTabSize : m_tabSize; }
    void SetTabSize(int size) { m_tabSize = size; }

    bool GetWordWrap() const { return m_wordWrap; }
    void SetWordWrap(bool wrap) { m_wordWrap = wrap; }
    bool GetUseColors() const { return m_useColors; }
    void SetUseColors(bool use) { m_useColors = use; }
    COLORREF GetMatchColor() const { return m_matchColor; }
    void SetMatchColor(COLORREF colour) { m_matchColor = colour; }
    // The colour the match is drawn in: Auto is red.
    COLORREF GetShownMatchColor() const
    {
        return m_matchColor == kAutoColor ? kAutoMatchColor : m_matchColor;
    }

    Kyvant::GdiEx::Font& FileViewFont() { return m_fileViewFont; }
    Kyvant::GdiEx::Font& MatchListFont() { return m_matchListFont; }
    bool HasMatchListFont() const { return m_matchListFont.GetSafeHandle() != nullptr; }
    // The match list's font was chosen in Text Options: it is stored.
    void SetMatchListFontChanged() { m_matchListFontChanged = true; }

private:
    int m_tabSize;
    bool m_wordWrap;
    COLORREF m_matchColor;
    bool m_useColors;
    Kyvant::GdiEx::Font m_fileViewFont;
    Kyvant::GdiEx::Font m_matchListFont;
    bool m_matchListFontChanged;
};
