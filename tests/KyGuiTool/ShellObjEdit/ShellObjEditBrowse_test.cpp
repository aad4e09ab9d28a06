// Tests of KyShellObjListEditCtrl's folder and file browsers, which start at
// and update the remembered browse folder, and of files dropped on it.
#include "KyStd/Files/FileName.h"
#include "KyStd/Registry/RegValues.h"
#include "ShellObjEdit/ShellObjEditFixture.h"

using namespace ShellObjTest;
using Kyvant::ky_F;

namespace {

class ShellObjEditBrowse : public ShellObjEditFixture {
protected:
    std::string Remembered() const
    {
        Kyvant::ky_S value;
        value.LoadStringA(Kyvant::RegKey(HKEY_CURRENT_USER, Kyvant::kSharedSettingsKey).get(),
                          kBrowseFolderValue, "");
        return value.c_str();
    }
    void Remember(const std::string& folder) const
    {
        Kyvant::WriteRegistryString(
            Kyvant::RegKey(HKEY_CURRENT_USER, Kyvant::kSharedSettingsKey).get(), kBrowseFolderValue,
            folder.c_str(), static_cast<DWORD>(folder.size() + 1));
    }
    // Chooses an item of the top menu by its position.
    void Choose(KyShellObjListEditCtrl& edit, int position)
    {
        RightClickMenu(edit, {{1, Downs(position + 1, {VK_RETURN})}});
    }

    static const int kFolderItem = 0;
    static const int kFileItem = 1;
    Scratch m_scratch;
};

// Paths compared as the file system does.
bool SamePath(const std::string& a, const std::string& b)
{
    return ky_F(a.c_str()) == ky_F(b.c_str());
}

} // namespace

TEST_F(ShellObjEditBrowse, TheFolderBrowserStartsAtTheRememberedFolderAndUpdatesIt)
{
    const std::string start = m_scratch.Folder("start");
    const std::string chosen = m_scratch.Folder("chosen");
    Remember(start);
    m_multi.SetTrailingDirSep(true);
    Show(m_multi, "C:\\a");
    {
        FolderBrowserScript browser(chosen);
        Choose(m_multi, kFolderItem);
        EXPECT_EQ(1, browser.Calls());
        EXPECT_TRUE(SamePath(start, browser.StartedAt())) << browser.StartedAt();
    }
    EXPECT_TRUE(SamePath("C:\\a\r\n" + chosen + "\\", Text(m_multi.m_hWnd)))
        << Text(m_multi.m_hWnd);
    EXPECT_TRUE(SamePath(chosen, Remembered())) << Remembered();
    // Cancel changes neither the text nor the remembered folder.
    FolderBrowserScript cancel("");
    Choose(m_multi, kFolderItem);
    EXPECT_TRUE(SamePath("C:\\a\r\n" + chosen + "\\", Text(m_multi.m_hWnd)));
    EXPECT_TRUE(SamePath(chosen, Remembered()));
}

TEST_F(ShellObjEditBrowse, TheFileBrowserAddsOneFileAndRemembersItsFolder)
{
    const std::string folder = m_scratch.Folder("files");
    const std::string file = m_scratch.File("files\\b.txt");
    Remember(folder);
    m_single.SetTrailingDirSep(true);
    std::string title;
    AnswerNextFileDialog("b.txt", true, &title);
    Choose(m_single, kFileItem);
    EXPECT_EQ("Select a file", title);
    EXPECT_TRUE(SamePath(file, Text(m_single.m_hWnd))) << Text(m_single.m_hWnd);
    EXPECT_TRUE(SamePath(folder, Remembered()));
}

TEST_F(ShellObjEditBrowse, WithMultipleFilePermissionTheChosenFilesAreAddedAsOneText)
{
    const std::string folder = m_scratch.Folder("many");
    const std::string a = m_scratch.File("many\\a.txt");
    const std::string b = m_scratch.File("many\\b.txt");
    Remember(m_scratch.Path());
    m_multi.SetMultipleFilePermission(true);
    Show(m_multi, "C:\\x");
    std::string title;
    AnswerNextFileDialog("\"" + a + "\" \"" + b + "\"", true, &title);
    Choose(m_multi, kFileItem);
    EXPECT_EQ("Select Files", title);
    const std::string added = a + "\r\n" + b + "\r\n";
    EXPECT_TRUE(SamePath("C:\\x\r\n" + added, Text(m_multi.m_hWnd))) << Text(m_multi.m_hWnd);
    EXPECT_TRUE(SamePath(added, SelectedText(m_multi.m_hWnd)));
    EXPECT_TRUE(SamePath(folder, Remembered())) << Remembered();
}

TEST_F(ShellObjEditBrowse, DroppedFilesAreAddedAndShortcutsGiveTheirTargets)
{
    const std::vector<std::string> files = {m_scratch.File("one.txt"), m_scratch.File("two.txt"),
                                            m_scratch.File("three.txt")};
    const std::string folder = m_scratch.Folder("dir");
    const std::string link = m_scratch.Shortcut("dir.lnk", folder);
    m_single.SetReplaceSemantics(true);
    Show(m_single, "old");
    DropFiles(m_single.m_hWnd, files);
    EXPECT_EQ(files[0], Text(m_single.m_hWnd));

    m_multi.SetTrailingDirSep(true);
    DropFiles(m_multi.m_hWnd, {files[1], folder, link});
    EXPECT_TRUE(
        SamePath(files[1] + "\r\n" + folder + "\\\r\n" + folder + "\\", Text(m_multi.m_hWnd)))
        << Text(m_multi.m_hWnd);
}
