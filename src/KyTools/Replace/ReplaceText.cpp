// Line ends, the blank rule and strings of the Replace page.
#include "KyTools/Replace/ReplaceText.h"

namespace Kyvant {
namespace ReplaceText {

ky_S ToEditLines(const ky_BSB<char>& text)
{
    ky_S lines(text);
    lines.Substitute("\n", "\r\n");
    return lines;
}

ky_S FromEditLines(const ky_BSB<char>& text)
{
    ky_S lines(text);
    lines.Substitute("\r\n", "\n");
    return lines;
}

ReplaceRule BlankRule()
{
    return ReplaceRule(false, ky_S(), ky_S(), false, false, false, false, false, false, false,
                       false);
}

ky_S Load(UINT id)
{
    CString text;
    if (!text.LoadString(id))
        return ky_S();
    return ky_S(static_cast<LPCSTR>(text));
}

} // namespace ReplaceText
} // namespace Kyvant
