// The resource chain with the test DLL registered: program, then DLLs, then the layer.
#include "TestApp.h"
#include "TestIds.h"
#include "dll/KyMfcTestDll.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

HINSTANCE Program() { return ::GetModuleHandleA(nullptr); }
HINSTANCE TestDll() { return DllModule(); }

TEST(ResourceChain, EachKindOfDllResourceIsFound)
{
    struct Case { UINT id; LPCSTR type; };
    const Case cases[] = {
        { IDD_DLL_DIALOG, RT_DIALOG }, { IDR_DLL_MENU, RT_MENU }, { IDB_DLL_BITMAP, RT_BITMAP },
        { IDI_DLL_ICON, RT_GROUP_ICON }, { IDC_DLL_CURSOR, RT_GROUP_CURSOR }, { IDR_DLL_ACCEL, RT_ACCELERATOR },
        { IDR_DLL_DATA, "KYDATA" },
    };
    ASSERT_NE(nullptr, TestDll());
    for (const Case& c : cases)
        EXPECT_EQ(TestDll(), AfxFindResourceHandle(MAKEINTRESOURCEA(c.id), c.type)) << c.id;
    EXPECT_EQ(Program(), AfxFindResourceHandle(MAKEINTRESOURCEA(IDD_DATA), RT_DIALOG));
    EXPECT_EQ(Program(), AfxFindResourceHandle(MAKEINTRESOURCEA(12345), RT_DIALOG));  // none: the program's
}

TEST(ResourceChain, DllResourcesLoad)
{
    CMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDR_DLL_MENU));
    EXPECT_EQ(1u, menu.GetMenuItemCount());
    EXPECT_EQ(2u, menu.GetSubMenu(0)->GetMenuItemCount());
    EXPECT_NE(nullptr, theApp.LoadIcon(IDI_DLL_ICON));
    EXPECT_NE(nullptr, theApp.LoadCursor(IDC_DLL_CURSOR));
    HINSTANCE hBitmap = AfxFindResourceHandle(MAKEINTRESOURCEA(IDB_DLL_BITMAP), RT_BITMAP);
    HBITMAP bitmap = ::LoadBitmapA(hBitmap, MAKEINTRESOURCEA(IDB_DLL_BITMAP));
    ASSERT_NE(nullptr, bitmap);
    BITMAP info;
    ::GetObjectA(bitmap, sizeof info, &info);
    EXPECT_EQ(16, info.bmWidth);
    ::DeleteObject(bitmap);
    HINSTANCE hAccel = AfxFindResourceHandle(MAKEINTRESOURCEA(IDR_DLL_ACCEL), RT_ACCELERATOR);
    EXPECT_NE(nullptr, ::LoadAcceleratorsA(hAccel, MAKEINTRESOURCEA(IDR_DLL_ACCEL)));
    HINSTANCE hData = AfxFindResourceHandle(MAKEINTRESOURCEA(IDR_DLL_DATA), "KYDATA");
    HRSRC hResource = ::FindResourceA(hData, MAKEINTRESOURCEA(IDR_DLL_DATA), "KYDATA");
    ASSERT_NE(nullptr, hResource);
    const char* data = static_cast<const char*>(::LockResource(::LoadResource(hData, hResource)));
    EXPECT_EQ(std::string("dll data"), std::string(data, std::strlen("dll data")));
}

TEST(ResourceChain, StringsComeFromTheFirstModuleThatHasThem)
{
    struct Case { UINT id; const char* expected; };
    const Case cases[] = {
        { IDS_BOTH, "The program's version" },            // program before DLL
        { IDS_EXE_ONLY, "Only in the program" },
        { IDS_DLL_TEXT, "Text from the test DLL" },
        { AFX_IDP_PARSE_INT, "The DLL's number prompt" },  // DLL before layer
        { AFX_IDP_PARSE_INT_RANGE, "Enter a whole number from %1 to %2." },
        { 0x7ABC, "" },                                     // nowhere
    };
    for (const Case& c : cases) {
        CString text;
        EXPECT_EQ(*c.expected != '\0', text.LoadString(c.id) != FALSE) << c.id;
        EXPECT_EQ(std::string(c.expected), std::string(text)) << c.id;
    }
    CString formatted;
    AfxFormatString2(formatted, AFX_IDP_PARSE_INT_RANGE, "1", "32");
    EXPECT_EQ(std::string("Enter a whole number from 1 to 32."), std::string(formatted));
}

TEST(ResourceChain, ADialogFromADllTemplateGetsTheDllsInstance)
{
    CDialog dlg(IDD_DLL_DIALOG);
    ASSERT_TRUE(dlg.Create(IDD_DLL_DIALOG));
    EXPECT_EQ(reinterpret_cast<LONG_PTR>(TestDll()), ::GetWindowLongPtrA(dlg.m_hWnd, GWLP_HINSTANCE));
    CString caption;
    dlg.GetWindowText(caption);
    EXPECT_EQ(std::string("DLL Dialog"), std::string(caption));
    dlg.DestroyWindow();
}

}  // namespace
