// Tests of the Options dialog: the font chooser starts on the alternate
// editor font, and OK makes the font again only when the choice changed it.
#include "KyGuiTool/Settings/KyOptionsDialog.h"

#include "KyGuiTool/Settings/SettingsResource.h"
#include "TestApp.h"

#include <dlgs.h>
#include <gtest/gtest.h>

#include <string>

namespace {

const int kTenPoint = 100;

int CALLBACK TakeTrueType(const LOGFONTA* font, const TEXTMETRICA*, DWORD type, LPARAM found)
{
    if (!(type & TRUETYPE_FONTTYPE) || font->lfFaceName[0] == '@')
        return 1;
    *reinterpret_cast<std::string*>(found) = font->lfFaceName;
    return 0;
}

// A TrueType face the font chooser lists on this system.
std::string ScreenFace()
{
    std::string face;
    LOGFONTA all = {};
    all.lfCharSet = DEFAULT_CHARSET;
    HDC screen = ::GetDC(nullptr);
    ::EnumFontFamiliesExA(screen, &all, &TakeTrueType, reinterpret_cast<LPARAM>(&face), 0);
    ::ReleaseDC(nullptr, screen);
    return face;
}

struct Chooser {
    std::string size;      // chosen in the size box; empty: left as it is
    bool ok = true;        // the font chooser's button
    int optionsButton = 0; // then pressed in the Options dialog
    std::string shownFace;
};

// Clicks the font button; the chooser that opens shows its face, gets the
// size chosen and is closed; then the Options dialog is closed.
void Drive(Chooser& chooser)
{
    OnNextModalIdle([&chooser](CWnd* options) {
        OnNextModalIdle([&chooser](CWnd* fonts) {
            char face[LF_FACESIZE] = "";
            ::GetDlgItemTextA(fonts->m_hWnd, cmb1, face, sizeof face);
            chooser.shownFace = face;
            if (!chooser.size.empty()) {
                HWND sizes = ::GetDlgItem(fonts->m_hWnd, cmb3);
                ::SendMessageA(sizes, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                               reinterpret_cast<LPARAM>(chooser.size.c_str()));
                ::SendMessageA(fonts->m_hWnd, WM_COMMAND, MAKEWPARAM(cmb3, CBN_SELCHANGE),
                               reinterpret_cast<LPARAM>(sizes));
            }
            ::SendMessageA(fonts->m_hWnd, WM_COMMAND, chooser.ok ? IDOK : IDCANCEL, 0);
        });
        ::SendMessageA(::GetDlgItem(options->m_hWnd, IDC_KY_OPTIONS_FONT), BM_CLICK, 0, 0);
        ::SendMessageA(options->m_hWnd, WM_COMMAND, chooser.optionsButton, 0);
    });
}

TEST(OptionsDialog, TheFontIsMadeAgainOnlyWhenTheChoiceChangedIt)
{
    const struct {
        const char* name;
        const char* size;
        bool chooserOk;
        int optionsButton;
        bool remade;
        int pointSize;
    } cases[] = {
        {"nothing changed", "", true, IDOK, false, kTenPoint},
        {"chooser cancelled", "14", false, IDOK, false, kTenPoint},
        {"a new size", "14", true, IDOK, true, 140},
        {"a new size, Options cancelled", "14", true, IDCANCEL, false, kTenPoint},
    };
    const std::string face = ScreenFace();
    ASSERT_FALSE(face.empty());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Kyvant::GdiEx::Font font;
        font.Create(kTenPoint, face.c_str());
        const HGDIOBJ before = font.GetSafeHandle();
        Chooser chooser;
        chooser.size = c.size;
        chooser.ok = c.chooserOk;
        chooser.optionsButton = c.optionsButton;
        Drive(chooser);
        KyOptionsDialog options(font, nullptr);
        EXPECT_EQ(c.optionsButton, options.DoModal());
        EXPECT_EQ(face, chooser.shownFace);
        EXPECT_EQ(c.remade, font.GetSafeHandle() != before);
        EXPECT_EQ(c.pointSize, font.GetPointSize());
    }
}

} // namespace
