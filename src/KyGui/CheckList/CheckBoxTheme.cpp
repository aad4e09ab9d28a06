// CheckBoxTheme: the check list's theme record, its size query and its drawing.
#include "KyGui/CheckList/CheckBoxTheme.h"

#include "KyGui/Helpers/VisualStyles.h"
#include "KyGui/Lists/ListsResource.h"
#include "KyGui/Module/KyGuiModule.h"

#include <vssym32.h>

namespace Kyvant {

namespace {

constexpr int kImageCount = 3; // unchecked, checked, indeterminate
constexpr int kTrueSize = 1;   // TS_TRUE

using PartSizeFn = HRESULT(WINAPI*)(HTHEME, HDC, int, int, const RECT*, int, SIZE*);

PartSizeFn PartSizeQuery()
{
    static const PartSizeFn query = VisualStyles::Function<PartSizeFn>("GetThemePartSize");
    return query;
}

int ThemeState(int check)
{
    switch (check) {
    case 1:
        return CBS_CHECKEDNORMAL;
    case 2:
        return CBS_UNCHECKEDDISABLED;
    default:
        return CBS_UNCHECKEDNORMAL;
    }
}

} // namespace

CheckBoxTheme::CheckBoxTheme()
    : m_bitmap(::LoadBitmapA(KyGuiModule(), MAKEINTRESOURCEA(IDB_KY_CHECK_BOXES))),
      m_theme(L"button"), m_checkSize(0, 0), m_imageSize(0, 0)
{
    BITMAP info = {};
    if (m_bitmap != nullptr && ::GetObjectA(m_bitmap, sizeof info, &info) != 0)
        m_imageSize = CSize(info.bmWidth / kImageCount, info.bmHeight);
    m_checkSize = m_imageSize;
}

CheckBoxTheme::~CheckBoxTheme()
{
    if (m_bitmap != nullptr)
        ::DeleteObject(m_bitmap);
}

void CheckBoxTheme::Update(HWND window)
{
    m_theme.Update(window);
    SIZE size = {};
    if (m_theme.IsOpen()) {
        PartSizeFn query = PartSizeQuery();
        HDC dc = ::GetDC(window);
        const bool measured =
            query != nullptr && SUCCEEDED(query(m_theme.Handle(), dc, BP_CHECKBOX,
                                                CBS_UNCHECKEDNORMAL, nullptr, kTrueSize, &size));
        ::ReleaseDC(window, dc);
        if (!measured)
            m_theme.Close();
    }
    m_checkSize = m_theme.IsOpen() ? CSize(size) : m_imageSize;
}

void CheckBoxTheme::Draw(HDC dc, const CRect& rect, int state) const
{
    if (m_theme.IsOpen()) {
        m_theme.DrawBackground(dc, BP_CHECKBOX, ThemeState(state), rect);
        return;
    }
    if (m_bitmap == nullptr)
        return;
    const int image = state == 1 || state == 2 ? state : 0;
    HDC source = ::CreateCompatibleDC(dc);
    HGDIOBJ old = ::SelectObject(source, m_bitmap);
    ::BitBlt(dc, rect.left, rect.top, m_imageSize.cx, m_imageSize.cy, source,
             image * m_imageSize.cx, 0, SRCCOPY);
    ::SelectObject(source, old);
    ::DeleteDC(source);
}

} // namespace Kyvant
