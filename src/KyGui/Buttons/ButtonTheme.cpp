// The buttons' visual-style calls, resolved from uxtheme.dll at run time.
#include "KyGui/Buttons/ButtonTheme.h"

#include "KyGui/Helpers/UserEx.h"
#include "KyGui/Helpers/VisualStyles.h"
#include "KyStd/Win32/OsVersion.h"

namespace Kyvant {
namespace {

using OpenFn = HTHEME(WINAPI*)(HWND, LPCWSTR);
using CloseFn = HRESULT(WINAPI*)(HTHEME);
using ParentBgFn = HRESULT(WINAPI*)(HWND, HDC, const RECT*);
using BgFn = HRESULT(WINAPI*)(HTHEME, HDC, int, int, const RECT*, const RECT*);
using TextFn = HRESULT(WINAPI*)(HTHEME, HDC, int, int, LPCWSTR, int, DWORD, DWORD, const RECT*);
using ExtentFn = HRESULT(WINAPI*)(HTHEME, HDC, int, int, LPCWSTR, int, DWORD, const RECT*, RECT*);

struct UxTheme {
    OpenFn open = nullptr;
    CloseFn close = nullptr;
    ParentBgFn parentBackground = nullptr;
    BgFn background = nullptr;
    TextFn text = nullptr;
    ExtentFn extent = nullptr;
};

const UxTheme& Api()
{
    static const UxTheme api = [] {
        UxTheme a;
        if (!OsVersion::AtLeastXP())
            return a;
        a.open = VisualStyles::Function<OpenFn>("OpenThemeData");
        a.close = VisualStyles::Function<CloseFn>("CloseThemeData");
        a.parentBackground = VisualStyles::Function<ParentBgFn>("DrawThemeParentBackground");
        a.background = VisualStyles::Function<BgFn>("DrawThemeBackground");
        a.text = VisualStyles::Function<TextFn>("DrawThemeText");
        a.extent = VisualStyles::Function<ExtentFn>("GetThemeTextExtent");
        return a;
    }();
    return api;
}

} // namespace

ButtonTheme::ButtonTheme(const wchar_t* themeClass) : m_class(themeClass), m_theme(nullptr) {}

ButtonTheme::~ButtonTheme()
{
    Close();
}

bool ButtonTheme::AppThemed()
{
    return UserEx::IsAppThemed();
}

void ButtonTheme::Close()
{
    if (m_theme && Api().close)
        Api().close(m_theme);
    m_theme = nullptr;
}

void ButtonTheme::Update(HWND hWnd)
{
    if (!OsVersion::AtLeastXP())
        return;
    Close();
    if (AppThemed() && Api().open)
        m_theme = Api().open(hWnd, m_class);
}

bool ButtonTheme::DrawParentBackground(HWND hWnd, HDC hdc, const RECT& rc) const
{
    return Api().parentBackground && SUCCEEDED(Api().parentBackground(hWnd, hdc, &rc));
}

bool ButtonTheme::DrawBackground(HDC hdc, int part, int state, const RECT& rc) const
{
    return m_theme && Api().background &&
           SUCCEEDED(Api().background(m_theme, hdc, part, state, &rc, nullptr));
}

bool ButtonTheme::DrawThemedText(HDC hdc, int part, int state, const wchar_t* text, int length,
                                 DWORD flags, DWORD flags2, const RECT& rc) const
{
    return m_theme && Api().text &&
           SUCCEEDED(Api().text(m_theme, hdc, part, state, text, length, flags, flags2, &rc));
}

bool ButtonTheme::GetTextExtent(HDC hdc, int part, int state, const wchar_t* text, int length,
                                DWORD flags, const RECT& bound, RECT& extent) const
{
    return m_theme && Api().extent &&
           SUCCEEDED(Api().extent(m_theme, hdc, part, state, text, length, flags, &bound, &extent));
}

} // namespace Kyvant
