// Shortening a path to a pixel width: folders after the root give way to
// "..." one at a time, then the text as a whole gets a leading ellipsis if it
// still does not fit.
#include "KyStd/Files/FileName.h"
#include "KyStd/Strings/TextMeasure.h"
#include "KyStd/Win32/GdiScopes.h"

namespace Kyvant {

namespace {

// Fits: true; too wide: false; the measurement failed: fails set.
bool Fits(HDC dc, const ky_F& text, int width, bool& failed)
{
    int w = 0;
    if (!MeasureText(dc, text.data(), static_cast<int>(text.length()), &w, nullptr)) {
        failed = true;
        return false;
    }
    return w <= width;
}

const unsigned kNotFound = ky_F::npos;

} // namespace

ky_F& ky_F::ToPathEllipsis(HDC dc, int width)
{
    if (empty())
        return *this;
    bool failed = false;
    if (Fits(dc, *this, width, failed) || failed)
        return *this;

    unsigned anchor =
        find_first_of(m_dirSeps.data(), LooksLikeUNC(data(), length()) ? 2 : 0, m_dirSeps.length());
    if (anchor == kNotFound)
        anchor = find(':');
    if (anchor != kNotFound) {
        unsigned next = find_first_of(m_dirSeps.data(), anchor + 1, m_dirSeps.length());
        if (next != kNotFound) {
            ky_F copy(*this);
            copy.replace(anchor + 1, next - anchor - 1, "...", 3);
            // Position just after "...\": the next folder to drop starts there.
            const unsigned drop = anchor + 5;
            for (;;) {
                if (Fits(dc, copy, width, failed)) {
                    assign(copy);
                    ToEllipsis(dc, width, EllipsisFront);
                    return *this;
                }
                if (failed)
                    break;
                unsigned end = copy.find_first_of(m_dirSeps.data(), drop, m_dirSeps.length());
                if (end == kNotFound)
                    break;
                copy.erase(drop, end - drop + 1);
            }
        }
    }
    ToEllipsis(dc, width, EllipsisFront);
    return *this;
}

ky_F& ky_F::ToPathEllipsis(HDC dc, int width, HFONT font)
{
    SelectedFont selected(dc, font);
    ToPathEllipsis(dc, width);
    return *this;
}

ky_F& ky_F::ToPathEllipsis(HWND window, HFONT font)
{
    RECT client;
    if (!GetClientRect(window, &client))
        return *this;
    WindowDC dc(window);
    if (!dc.get())
        return *this;
    ToPathEllipsis(dc.get(), client.right - client.left, font);
    return *this;
}

} // namespace Kyvant
