// Renaming a row in place: a name with a character files may not hold is
// refused with the text and the old name stays; a valid name renames the
// file and its row; a new extension has the icon and type fetched anew;
// Delete while renaming acts on the edit; and Refresh drops the rows of vanished files and fetches
// the others' details again.
#include "FileList/FileListTestSupport.h"

#include "KyGuiTool/ResultList/ResultListResource.h"

using namespace findgtest;

namespace {

using FileListRename = FileListTest;

} // namespace

class FileListRenameEdit : public FileListTest {
protected:
    // Renames the row by the Rename command, typing the name and Enter.
    void Rename(int row, const char* name)
    {
        Select({row});
        view->SetFocus();
        Command(ID_KY_RENAME);
        CEdit* edit = List().GetEditControl();
        ASSERT_NE(nullptr, edit);
        edit->SetWindowText(name);
        edit->SendMessage(WM_KEYDOWN, VK_RETURN, 0);
        PumpPending();
        EXPECT_EQ(nullptr, List().GetEditControl());
    }
};

TEST_F(FileListRenameEdit, ANameWithAForbiddenCharacterIsRefusedWithTheText)
{
    MakeFiles({{"keep.txt", "alpha\n"}});
    RunTask({"keep.txt"});
    Rename(0, "what?.txt");
    EXPECT_EQ(Strings{"Filenames cannot contain any of the following characters: :/\\<>|*?\""},
              theApp.m_boxes);
    EXPECT_EQ("keep.txt", Cell(0, FileListView::Name));
    EXPECT_TRUE(Exists("keep.txt"));
    EXPECT_TRUE(std::find(link.heard.begin(), link.heard.end(), "renamed") == link.heard.end());
}

TEST_F(FileListRenameEdit, AValidNameRenamesTheFileAndANewExtensionRefetchesTheType)
{
    MakeFiles({{"first.txt", "alpha\n"}, {"other.txt", "alpha\n"}});
    RunTask({"first.txt", "other.txt"});
    const std::string textType = Cell(0, FileListView::Type);

    Rename(0, "second.txt");
    EXPECT_FALSE(Exists("first.txt"));
    EXPECT_TRUE(Exists("second.txt"));
    EXPECT_EQ("second.txt", Cell(0, FileListView::Name));
    EXPECT_EQ(folder + "second.txt", view->GetRecord(0)->GetFullFileName().c_str());
    EXPECT_EQ("renamed", link.heard.back());
    EXPECT_EQ(textType, Cell(0, FileListView::Type));

    Rename(0, "second.dat");
    EXPECT_TRUE(Exists("second.dat"));
    const std::string datType = Cell(0, FileListView::Type);
    EXPECT_NE(textType, datType);
    EXPECT_NE(std::string::npos, datType.find("dat")) << datType;
    EXPECT_EQ(textType, Cell(1, FileListView::Type)) << "the shared .txt record is untouched";
    EXPECT_TRUE(theApp.m_boxes.empty());
}

TEST_F(FileListRenameEdit, DeleteWhileRenamingDeletesTheEditsSelectionNotTheFile)
{
    MakeFiles({{"keep.txt", "alpha\n"}});
    RunTask({"keep.txt"});
    view->SetFocus();
    Command(ID_KY_RENAME);
    CEdit* edit = List().GetEditControl();
    ASSERT_NE(nullptr, edit);
    edit->SetWindowText("new name.txt");
    edit->SetSel(0, 4);
    Command(ID_EDIT_CLEAR);
    CString text;
    edit->GetWindowText(text);
    EXPECT_STREQ("name.txt", text);
    edit->SendMessage(WM_KEYDOWN, VK_ESCAPE, 0);
    PumpPending();
    EXPECT_TRUE(Exists("keep.txt"));
    EXPECT_EQ(Strings{"keep.txt"}, Column(FileListView::Name));
}

TEST_F(FileListRename, RefreshDropsVanishedFilesAndFetchesTheOthersAgain)
{
    MakeFiles({{"grows.txt", "alpha\n"}, {"vanishes.txt", "alpha\n"}, {"current.txt", "alpha\n"}});
    RunTask({"grows.txt", "vanishes.txt", "current.txt"});
    Select({2});
    ASSERT_EQ(2, link.current);
    EXPECT_EQ("1 KB", Cell(0, FileListView::Size));

    kytest::WriteFile(folder + "grows.txt", "alpha\n" + std::string(3000, 'x'));
    ASSERT_TRUE(DeleteFileA((folder + "vanishes.txt").c_str()));
    EXPECT_EQ("1 KB", Cell(0, FileListView::Size)) << "until the refresh";
    Command(ID_KY_REFRESH);

    EXPECT_EQ(Strings({"grows.txt", "current.txt"}), Column(FileListView::Name));
    EXPECT_EQ("3 KB", Cell(0, FileListView::Size));
    EXPECT_EQ(1, link.current);
    EXPECT_EQ(std::vector<int>{1}, SelectedRows());
    EXPECT_EQ(2u, finder->GetModel().GetMatchTotal());
}
