// Loading and storing the text options.
#include "KyFind/Gui/Coordinator/TextOptions.h"

#include "KyStd/Registry/RegValues.h"

namespace {

const char kTextViewKey[] = "TextView";
const char kTabSizeValue[] = "TabSize";
const char kWordWrapValue[] = "WordWrap";
const char kMatchColorValue[] = "MatchColor";
const char kUseColorsValue[] = "UseColors";
const char kFontKey[] = "Font";
const char kMatchListFontKey[] = "MatchList\\Font";

const char kDefaultFace[] = "Courier New";
const int kDefaultPointSize = 100; // tenths of a point
const int kDefaultWeight = FW_NORMAL;

} // namespace

TextOptions::TextOptions()
    : m_tabSize(kDefaultTabSize), m_wordWrap(false), m_matchColor(kAutoColor), m_useColors(true),
      m_matchListFontChanged(false)
{
}

void TextOptions::Load(const Kyvant::RegKey& appKey)
{
    const Kyvant::RegKey key(appKey, kTextViewKey);
    m_tabSize =
        static_cast<int>(Kyvant::GetRegistryDWORD(key.get(), kTabSizeValue, kDefaultTabSize));
    m_wordWrap = Kyvant::GetRegistryDWORD(key.get(), kWordWrapValue, 0) != 0;
    m_matchColor = Kyvant::GetRegistryDWORD(key.get(), kMatchColorValue, kAutoColor);
    m_useColors = Kyvant::GetRegistryDWORD(key.get(), kUseColorsValue, 1) != 0;
    m_fileViewFont.Load(key, kFontKey, kDefaultFace, kDefaultPointSize, kDefaultWeight, false,
                        DEFAULT_CHARSET);
}

bool TextOptions::LoadMatchListFont(const Kyvant::RegKey& appKey, const CFont& defaultFont)
{
    Kyvant::RegKey stored;
    if (stored.Open(appKey.get(), kMatchListFontKey, KEY_READ) != ERROR_SUCCESS)
        return false;
    m_matchListFont.Load(appKey, kMatchListFontKey, defaultFont);
    return true;
}

void TextOptions::Store(const Kyvant::RegKey& appKey) const
{
    const Kyvant::RegKey key(appKey, kTextViewKey);
    Kyvant::WriteRegistryDWORD(key.get(), kTabSizeValue, static_cast<DWORD>(m_tabSize));
    Kyvant::WriteRegistryDWORD(key.get(), kWordWrapValue, m_wordWrap ? 1 : 0);
    Kyvant::WriteRegistryDWORD(key.get(), kMatchColorValue, m_matchColor);
    Kyvant::WriteRegistryDWORD(key.get(), kUseColorsValue, m_useColors ? 1 : 0);
    m_fileViewFont.Store(key, kFontKey);
    if (m_matchListFontChanged && HasMatchListFont())
        m_matchListFont.Store(appKey, kMatchListFontKey);
}
