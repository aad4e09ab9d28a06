// The file pickers and initial folders: dialogs answered by a script, registry-held folders.
#include "KyGui/Shell/Browse.h"
#include "KyGui/Shell/BrowseFileIterator.h"
#include "KyGui/Shell/InitialDirManager.h"
#include "KyGui/Shell/KyFileDialog.h"
#include "KyStd/Shell/ShellFolders.h"

#include "TestApp.h"

#include <dlgs.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

using Kyvant::ky_F;
using Kyvant::RegKey;

namespace {

const char kFilter[] = "Kyvant files (*.kyt)|*.kyt|All files (*.*)|*.*||";
const char kKeyPath[] = "Software\\Kyvant\\Tools\\Test28";

std::string Folder(const char* name)
{
    char temp[MAX_PATH];
    ::GetTempPathA(MAX_PATH, temp);
    std::string folder = std::string(temp) + name;
    ::CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}

std::string FilesFolder()
{
    const std::string folder = Folder("kygui28-files");
    for (const char* name : {"a.kyt", "b.kyt", "c.kyt"}) {
        HANDLE h = ::CreateFileA((folder + "\\" + name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        ::CloseHandle(h);
    }
    return folder;
}

// Types the names into the Explorer dialog and presses OK, or presses Cancel.
void Answer(CWnd* hookWnd, const char* names, bool ok)
{
    HWND dialog = ::GetParent(hookWnd->m_hWnd);
    if (ok) {
        for (int id : {cmb13, edt1})
            if (::GetDlgItem(dialog, id) != nullptr)
                ::SetDlgItemTextA(dialog, id, names);
    }
    const int button = ok ? IDOK : IDCANCEL;
    ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(dialog, button)));
}

RegKey TestKey(const char* sub)
{
    return RegKey(HKEY_CURRENT_USER, (std::string(kKeyPath) + "\\" + sub).c_str());
}

void ClearTestKeys()
{
    ::RegDeleteKeyA(HKEY_CURRENT_USER, (std::string(kKeyPath) + "\\A").c_str());
    ::RegDeleteKeyA(HKEY_CURRENT_USER, (std::string(kKeyPath) + "\\B").c_str());
    ::RegDeleteKeyA(HKEY_CURRENT_USER, kKeyPath);
}

void SetValue(const RegKey& key, const char* name, const std::string& value)
{
    ::RegSetValueExA(key.get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                     static_cast<DWORD>(value.size() + 1));
}

TEST(BrowseFile, CancelLeavesTheOutputAndOkGivesThePath)
{
    const std::string folder = FilesFolder();
    Kyvant::ky_BSB<char> path("untouched");
    OnNextModalIdle([](CWnd* w) { Answer(w, "", false); });
    EXPECT_FALSE(Kyvant::Shell::BrowseFile(true, path, kFilter, folder.c_str(), nullptr, nullptr,
                                           OFN_HIDEREADONLY | OFN_EXPLORER, "Pick", nullptr));
    EXPECT_STREQ("untouched", path.c_str());
    OnNextModalIdle([](CWnd* w) { Answer(w, "b.kyt", true); });
    EXPECT_TRUE(Kyvant::Shell::BrowseFile(true, path, kFilter, folder.c_str(), nullptr, nullptr,
                                          OFN_HIDEREADONLY | OFN_EXPLORER, "Pick", nullptr));
    EXPECT_EQ(ky_F((folder + "\\b.kyt").c_str()), ky_F(path.c_str()));
}

TEST(BrowseFileIterator, YieldsEveryChosenPathThenTheEnd)
{
    const std::string folder = FilesFolder();
    struct Case {
        DWORD flags;
        const char* typed;
        bool ok;
        std::vector<std::string> expected;
    } cases[] = {
        {OFN_HIDEREADONLY | OFN_EXPLORER | OFN_ALLOWMULTISELECT, "\"a.kyt\" \"b.kyt\" \"c.kyt\"", true,
         {folder + "\\a.kyt", folder + "\\b.kyt", folder + "\\c.kyt"}},
        {OFN_HIDEREADONLY | OFN_EXPLORER, "c.kyt", true, {folder + "\\c.kyt"}},
        {OFN_HIDEREADONLY | OFN_EXPLORER | OFN_ALLOWMULTISELECT, "", false, {}},
    };
    for (const Case& c : cases) {
        OnNextModalIdle([&](CWnd* w) { Answer(w, c.typed, c.ok); });
        Kyvant::Shell::BrowseFile_iterator it(kFilter, folder.c_str(), c.flags, "Files", nullptr);
        std::vector<std::string> got;
        for (const Kyvant::Shell::BrowseFile_iterator end; it != end; ++it)
            got.push_back(it->c_str());
        ASSERT_EQ(c.expected.size(), got.size()) << c.typed;
        for (size_t i = 0; i < got.size(); ++i)
            EXPECT_EQ(ky_F(c.expected[i].c_str()), ky_F(got[i].c_str())) << c.typed;
    }
}

TEST(InitialDirManager, ChoosesInitialNameFolderThenRegistryThenDocuments)
{
    ClearTestKeys();
    const std::string stored = Folder("kygui28-stored");
    RegKey key = TestKey("A");
    SetValue(key, "LastDir", stored);
    struct Case {
        const char* name;
        const char* fileName;
        const char* initialDir;
        bool registry;
        std::string expected;
    } cases[] = {
        {"initial name's folder", "C:\\from\\name.kyt", nullptr, true, "C:\\from"},
        {"registry value", "name.kyt", nullptr, true, stored},
        {"already set", nullptr, "C:\\given", true, "C:\\given"},
    };
    for (const Case& c : cases) {
        KyFileDialog dialog(TRUE, nullptr, c.fileName, OFN_HIDEREADONLY, kFilter);
        if (c.initialDir)
            dialog.m_ofn.lpstrInitialDir = c.initialDir;
        Kyvant::InitialDirManager manager(dialog, key, Kyvant::ky_BSB<char>("LastDir"));
        ASSERT_NE(nullptr, dialog.m_ofn.lpstrInitialDir) << c.name;
        EXPECT_EQ(ky_F(c.expected.c_str()), ky_F(dialog.m_ofn.lpstrInitialDir)) << c.name;
    }
    KyFileDialog noValue(TRUE, nullptr, nullptr, OFN_HIDEREADONLY, kFilter);
    Kyvant::InitialDirManager documents(noValue, TestKey("B"), Kyvant::ky_BSB<char>("LastDir"));
    ASSERT_NE(nullptr, noValue.m_ofn.lpstrInitialDir);
    EXPECT_FALSE(std::string(noValue.m_ofn.lpstrInitialDir).empty());
    ClearTestKeys();
}

TEST(InitialDirManager, UpdateStoresChosenFolderOrGivenPath)
{
    ClearTestKeys();
    const std::string folder = FilesFolder();
    RegKey preferred = TestKey("A");
    RegKey fallback = TestKey("B");
    SetValue(fallback, "LastDir", folder);
    KyFileDialog dialog(TRUE, nullptr, nullptr, OFN_HIDEREADONLY | OFN_EXPLORER, kFilter);
    dialog.m_ofn.lpstrInitialDir = nullptr;
    Kyvant::InitialDirManager2 manager(dialog, preferred, fallback, Kyvant::ky_BSB<char>("LastDir"));
    ASSERT_NE(nullptr, dialog.m_ofn.lpstrInitialDir);
    EXPECT_EQ(ky_F(folder.c_str()), ky_F(dialog.m_ofn.lpstrInitialDir));
    OnNextModalIdle([](CWnd* w) { Answer(w, "a.kyt", true); });
    ASSERT_EQ(IDOK, dialog.DoModal());
    manager.Update();
    EXPECT_EQ(ky_F(folder.c_str()), Kyvant::ReadRegistryPath(preferred, "LastDir"));
    EXPECT_EQ(ky_F(folder.c_str()), Kyvant::ReadRegistryPath(fallback, "LastDir"));
    manager.Update(ky_F("C:\\elsewhere\\x"));
    EXPECT_EQ(ky_F("C:\\elsewhere\\x"), Kyvant::ReadRegistryPath(preferred, "LastDir"));
    ClearTestKeys();
}

// The scripted folder browser: runs the callback the way the browser would.
struct BrowserScript {
    std::vector<std::pair<UINT, LPARAM>> sent;
    LPITEMIDLIST selectChange = nullptr;
};
BrowserScript g_browser;

LRESULT CALLBACK RecordingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == BFFM_SETSELECTIONA || message == BFFM_ENABLEOK) {
        g_browser.sent.push_back({message, lParam});
        return 0;
    }
    return ::DefWindowProcA(hwnd, message, wParam, lParam);
}

LPITEMIDLIST WINAPI ScriptedBrowser(LPBROWSEINFOA info)
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = RecordingProc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = "Ky28Browser";
    ::RegisterClassA(&wc);
    HWND browser = ::CreateWindowA("Ky28Browser", "", 0, 0, 0, 1, 1, nullptr, nullptr, wc.hInstance, nullptr);
    info->lpfn(browser, BFFM_INITIALIZED, 0, info->lParam);
    if (g_browser.selectChange)
        info->lpfn(browser, BFFM_SELCHANGED, reinterpret_cast<LPARAM>(g_browser.selectChange), info->lParam);
    ::DestroyWindow(browser);
    return nullptr;
}

TEST(BrowseFolder, CallbackSelectsExistingFolderAndEnablesOkForPaths)
{
    ::OleInitialize(nullptr);  // the shell's parser needs COM, as the real browser does
    const std::string folder = FilesFolder();
    Kyvant::Shell::BrowseForFolderFunction old = Kyvant::Shell::SetBrowseForFolderFunction(ScriptedBrowser);
    Kyvant::ky_BSB<char> path("untouched");

    g_browser = BrowserScript();
    EXPECT_FALSE(Kyvant::Shell::BrowseFolder(path, nullptr, "Folder", folder.c_str(), 0));
    ASSERT_EQ(1u, g_browser.sent.size());
    EXPECT_EQ(static_cast<UINT>(BFFM_SETSELECTIONA), g_browser.sent[0].first);
    EXPECT_STREQ("untouched", path.c_str());

    g_browser = BrowserScript();
    Kyvant::Shell::BrowseFolder(path, nullptr, "Folder", (folder + "\\missing").c_str(), 0);
    EXPECT_TRUE(g_browser.sent.empty());

    LPITEMIDLIST drives = nullptr;
    ::SHGetSpecialFolderLocation(nullptr, CSIDL_DRIVES, &drives);
    LPITEMIDLIST files = nullptr;
    files = Kyvant::Shell::GetPidl(Kyvant::Shell::GetDesktopFolder(), folder.c_str());
    for (auto item : {std::make_pair(drives, FALSE), std::make_pair(files, TRUE)}) {
        g_browser = BrowserScript();
        g_browser.selectChange = item.first;
        Kyvant::Shell::BrowseFolder(path, nullptr, "Folder", nullptr, 0);
        ASSERT_EQ(1u, g_browser.sent.size());
        EXPECT_EQ(static_cast<UINT>(BFFM_ENABLEOK), g_browser.sent[0].first);
        EXPECT_EQ(item.second, g_browser.sent[0].second);
    }
    ::CoTaskMemFree(drives);
    ::CoTaskMemFree(files);
    Kyvant::Shell::SetBrowseForFolderFunction(old);
}

} // namespace
