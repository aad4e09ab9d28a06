// The Replace view's text options: defaults, registry values and the colours drawn with.
#include "KyReplace/Gui/View/ReplaceTextOptions.h"

#include "KyStd/Registry/RegValues.h"

#include <algorithm>

namespace Kyvant {

namespace {

const char kTabSizeValue[] = "TabSize";
const char kWordWrapValue[] = "WordWrap";
const char kMatchColourValue[] = "MatchColor";
const char kReplacementColourValue[] = "ReplColor";
const char kSkipColourValue[] = "SkipColor";
const char kUseColoursValue[] = "UseColors";
const char kMainFontKey[] = "MainFont";
const char kLogFontKey[] = "LogWindowFont";

const char kDefaultFace[] = "Courier New";
const int kDefaultTabSize = 8;
const int kMainPointSize = 100; // tenths of a point
const int kLogPointSize = 90;
const int kNormalWeight = FW_NORMAL;

COLORREF Chosen(COLORREF value, COLORREF automatic)
{
    return value == ReplaceTextOptions::kAutomatic ? automatic : value;
}

} // namespace

ReplaceTextOptions::ReplaceTextOptions()
    : tabSize(kDefaultTabSize), wordWrap(false), matchColour(kAutomatic),
      replacementColour(kAutomatic), skipColour(kAutomatic), useColours(true)
{
    mainFont.Create(kMainPointSize, kDefaultFace);
    logFont.Create(kLogPointSize, kDefaultFace);
}

void ReplaceTextOptions::Load(const RegKey& key)
{
    HKEY k = key.get();
    tabSize = ClampTabSize(static_cast<long>(GetRegistryDWORD(k, kTabSizeValue, kDefaultTabSize)));
    wordWrap = GetRegistryDWORD(k, kWordWrapValue, 0) != 0;
    matchColour = GetRegistryDWORD(k, kMatchColourValue, kAutomatic);
    replacementColour = GetRegistryDWORD(k, kReplacementColourValue, kAutomatic);
    skipColour = GetRegistryDWORD(k, kSkipColourValue, kAutomatic);
    useColours = GetRegistryDWORD(k, kUseColoursValue, 1) != 0;
    mainFont.Load(key, kMainFontKey, kDefaultFace, kMainPointSize, kNormalWeight, false,
                  DEFAULT_CHARSET);
    logFont.Load(key, kLogFontKey, kDefaultFace, kLogPointSize, kNormalWeight, false,
                 DEFAULT_CHARSET);
}

void ReplaceTextOptions::Store(const RegKey& key) const
{
    try {
        HKEY k = key.get();
        WriteRegistryDWORD(k, kTabSizeValue, static_cast<DWORD>(tabSize));
        WriteRegistryDWORD(k, kWordWrapValue, wordWrap ? 1 : 0);
        WriteRegistryDWORD(k, kMatchColourValue, matchColour);
        WriteRegistryDWORD(k, kReplacementColourValue, replacementColour);
        WriteRegistryDWORD(k, kSkipColourValue, skipColour);
        WriteRegistryDWORD(k, kUseColoursValue, useColours ? 1 : 0);
        mainFont.Store(key, kMainFontKey);
        logFont.Store(key, kLogFontKey);
    } catch (...) {
        // Settings that cannot be written are the next start's defaults.
    }
}

COLORREF ReplaceTextOptions::MatchColour() const
{
    return Chosen(matchColour, kAutomaticMatch);
}

COLORREF ReplaceTextOptions::ReplacementColour() const
{
    return Chosen(replacementColour, kAutomaticReplacement);
}

COLORREF ReplaceTextOptions::SkipColour() const
{
    return Chosen(skipColour, kAutomaticSkip);
}

int ReplaceTextOptions::ClampTabSize(long size)
{
    return static_cast<int>(std::min<long>(std::max<long>(size, kMinTabSize), kMaxTabSize));
}

} // namespace Kyvant
