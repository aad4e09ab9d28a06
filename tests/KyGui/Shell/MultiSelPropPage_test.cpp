// The multi-object properties page, read while it is shown and then closed.
#include "KyGui/Shell/MultiSelPropPage.h"
#include "KyGui/Shell/ShellIds.h"

#include "TestApp.h"

#include <gtest/gtest.h>
#include <shellapi.h>

#include <string>
#include <vector>

using Kyvant::ky_F;
using Kyvant::Shell::FsObj;

namespace {

std::string Folder(const char* name)
{
    char temp[MAX_PATH];
    ::GetTempPathA(MAX_PATH, temp);
    std::string folder = std::string(temp) + name;
    ::CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}

void WriteFile(const std::string& path, unsigned bytes)
{
    HANDLE h = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    std::string data(bytes, 'x');
    DWORD written = 0;
    ::WriteFile(h, data.data(), bytes, &written, nullptr);
    ::CloseHandle(h);
}

struct Shown {
    std::string summary, type, location, size;
};

std::string ItemText(HWND page, int id)
{
    char text[256] = {};
    ::GetDlgItemTextA(page, id, text, sizeof text);
    return text;
}

Shown ShowAndRead(const std::vector<FsObj>& objects, const char* shot = nullptr)
{
    Kyvant::forward_input_sequencer<std::vector<FsObj>> selection(objects);
    Shown shown;
    CWnd* main = AfxGetMainWnd();
    OnNextModalIdle([&](CWnd* sheet) {
        HWND page = reinterpret_cast<HWND>(::SendMessageA(sheet->m_hWnd, PSM_GETCURRENTPAGEHWND, 0, 0));
        shown.summary = ItemText(page, IDC_KY_PROP_SUMMARY);
        shown.type = ItemText(page, IDC_KY_PROP_TYPE);
        shown.location = ItemText(page, IDC_KY_PROP_LOCATION);
        shown.size = ItemText(page, IDC_KY_PROP_SIZE);
        if (shot) {
            ::RedrawWindow(sheet->m_hWnd, nullptr, nullptr,
                           RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
            SaveWindowPng(sheet->m_hWnd, shot);
        }
        ::PostMessageA(sheet->m_hWnd, WM_COMMAND, IDCANCEL, 0);
    });
    CWnd dummy;
    EXPECT_TRUE(Kyvant::Shell::DoExplorerProperties(selection, main ? *main : dummy));
    return shown;
}

std::string TypeNameOf(const char* name)
{
    SHFILEINFOA info = {};
    ::SHGetFileInfoA(name, FILE_ATTRIBUTE_NORMAL, &info, sizeof info, SHGFI_TYPENAME | SHGFI_USEFILEATTRIBUTES);
    return info.szTypeName[0] ? info.szTypeName : "File";
}

TEST(MultiSelPropPage, SummarisesFilesTypesLocationsAndSizes)
{
    const std::string folder = Folder("kygui28-props");
    const std::string other = Folder("kygui28-props2");
    WriteFile(folder + "\\a.kyt", 1);
    WriteFile(folder + "\\b.kyt", 0);
    WriteFile(folder + "\\c.kyt", 0);
    WriteFile(other + "\\d.kyt", 1024);
    const std::vector<FsObj> three = {FsObj(ky_F((folder + "\\a.kyt").c_str())),
                                      FsObj(ky_F((folder + "\\b.kyt").c_str())),
                                      FsObj(ky_F((folder + "\\c.kyt").c_str()))};
    Shown s = ShowAndRead(three, "multisel-properties");
    EXPECT_EQ("3 Files, 0 Folders", s.summary);
    EXPECT_EQ("All of type " + TypeNameOf("a.kyt"), s.type);
    EXPECT_EQ("All in " + folder, s.location);
    EXPECT_EQ("1 KB (1 bytes)", s.size);

    std::vector<FsObj> mixed = three;
    mixed.push_back(FsObj(ky_F(other.c_str())));
    s = ShowAndRead(mixed);
    EXPECT_EQ("3 Files, 1 Folders", s.summary);
    EXPECT_EQ("Multiple types", s.type);
    EXPECT_EQ("Multiple locations", s.location);

    const std::vector<FsObj> twoPlaces = {FsObj(ky_F((folder + "\\a.kyt").c_str())),
                                          FsObj(ky_F((other + "\\d.kyt").c_str()))};
    s = ShowAndRead(twoPlaces);
    EXPECT_EQ("2 KB (1025 bytes)", s.size);
}

TEST(MultiSelPropPage, FormatsNumbersWithoutSeparatorInTheCLocale)
{
    EXPECT_STREQ("1234567", static_cast<LPCSTR>(Kyvant::Shell::MultiSelPropPage::FormatNumber(1234567)));
    EXPECT_STREQ("0", static_cast<LPCSTR>(Kyvant::Shell::MultiSelPropPage::FormatNumber(0)));
}

} // namespace
