// KyFileDialog on Windows 98: a typed three-letter extension is completed to the long default extension.
#include "KyGui/Shell/KyFileDialog.h"
#include "KyStd/Files/FileName.h"
#include "KyStd/Win32/OsVersion.h"

#include "TestApp.h"

#include <dlgs.h>
#include <gtest/gtest.h>

#include <string>

namespace {

std::string Folder()
{
    char temp[MAX_PATH];
    ::GetTempPathA(MAX_PATH, temp);
    std::string folder = std::string(temp) + "kygui28-save98";
    ::CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}

void TypeAndSave(CWnd* hookWnd, const char* name)
{
    HWND dialog = ::GetParent(hookWnd->m_hWnd);
    for (int id : {cmb13, edt1})
        if (::GetDlgItem(dialog, id) != nullptr)
            ::SetDlgItemTextA(dialog, id, name);
    ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(dialog, IDOK)));
}

TEST(KyFileDialog98, CompletesAShortenedDefaultExtension)
{
    ASSERT_TRUE(Kyvant::OsVersion::Is98()) << "the prefix should report Windows 98 for this program";
    const std::string folder = Folder();
    struct Case {
        const char* typed;
        const char* expected;
    } cases[] = {
        {"t.KYR", "t.kyrep"},
        {"t.txt", "t.txt"},
    };
    for (const Case& c : cases) {
        KyFileDialog dialog(FALSE, "kyrep", nullptr, OFN_HIDEREADONLY | OFN_EXPLORER, "All files (*.*)|*.*||");
        dialog.m_ofn.lpstrInitialDir = folder.c_str();
        OnNextModalIdle([&](CWnd* w) { TypeAndSave(w, c.typed); });
        ASSERT_EQ(IDOK, dialog.DoModal()) << c.typed;
        EXPECT_EQ(Kyvant::ky_F((folder + "\\" + c.expected).c_str()),
                  Kyvant::ky_F(static_cast<LPCSTR>(dialog.GetPathName())))
            << c.typed;
        EXPECT_STREQ(c.expected, static_cast<LPCSTR>(dialog.GetFileName())) << c.typed;
    }
}

} // namespace
