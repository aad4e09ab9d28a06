// Tests of KyShellObjListEditCtrl's text: where an added object goes and what
// is left selected, masks appended to the caret's line, and file dropping
// switched by the mode.
#include "ShellObjEdit/ShellObjEditFixture.h"

using namespace ShellObjTest;

namespace {

using ShellObjEditText = ShellObjEditFixture;

struct AddCase {
    const char* name;
    bool multiLine;
    bool trailingSep;
    bool replace;
    const char* before;
    const char* object;
    bool isFolder;
    const char* after;
    const char* selected;
};

const AddCase kAddCases[] = {
    {"new line after text", true, false, false, "C:\\a", "C:\\src", true, "C:\\a\r\nC:\\src",
     "C:\\src"},
    {"empty last line", true, true, false, "C:\\a\r\n", "C:\\src", true, "C:\\a\r\nC:\\src\\",
     "C:\\src\\"},
    {"folder keeps its separator", true, true, false, "", "C:\\src\\", true, "C:\\src\\",
     "C:\\src\\"},
    {"drive needs none", true, true, false, "x", "D:", true, "x\r\nD:", "D:"},
    {"slash needs none", true, true, false, "", "C:/src/", true, "C:/src/", "C:/src/"},
    {"file gets none", true, true, false, "", "C:\\a.c", false, "C:\\a.c", "C:\\a.c"},
    {"token as a folder", true, true, false, "C:\\a", "<LocalDrives>", true,
     "C:\\a\r\n<LocalDrives>\\", "<LocalDrives>\\"},
    {"replace in multi-line", true, true, true, "old\r\nlines", "C:\\src", true, "C:\\src\\",
     "C:\\src\\"},
    {"single line appends", false, false, false, "C:\\a", "C:\\src", true, "C:\\aC:\\src",
     "C:\\src"},
    {"single line replaces", false, true, true, "C:\\a", "<Desktop>", true, "<Desktop>\\",
     "<Desktop>\\"},
    {"empty object changes nothing", false, false, true, "C:\\a", "", true, "C:\\a", ""},
};

struct MaskCase {
    const char* name;
    bool multiLine;
    const char* before;
    int caret; // -1: the end
    const char* after;
    const char* selected;
};

const MaskCase kMaskCases[] = {
    {"masked path", false, "C:\\src\\", -1, "C:\\src\\*.c", "*.c"},
    {"list separator after a name", false, "C:\\a.c", -1, "C:\\a.c, *.c", ", *.c"},
    {"empty line", false, "", -1, "*.c", "*.c"},
    {"after a drive", false, "D:", 0, "D:*.c", "*.c"},
    {"the caret's line", true, "C:\\a.c\r\nC:\\src\\\r\nx", 9, "C:\\a.c\r\nC:\\src\\*.c\r\nx",
     "*.c"},
    {"an empty caret line", true, "C:\\a.c\r\n\r\nx", 8, "C:\\a.c\r\n*.c\r\nx", "*.c"},
};

} // namespace

TEST_F(ShellObjEditText, AddedObjectsGoToTheEndOrReplaceTheTextAndStaySelected)
{
    for (const AddCase& c : kAddCases) {
        KyShellObjListEditCtrl& edit = c.multiLine ? m_multi : m_single;
        edit.SetTrailingDirSep(c.trailingSep);
        edit.SetReplaceSemantics(c.replace);
        Show(edit, c.before);
        edit.AddFsObject(Kyvant::ky_S(c.object), c.isFolder);
        EXPECT_EQ(c.after, Text(edit.m_hWnd)) << c.name;
        if (c.object[0] != '\0') {
            EXPECT_EQ(c.selected, SelectedText(edit.m_hWnd)) << c.name;
        }
    }
}

TEST_F(ShellObjEditText, MasksGoToTheEndOfTheCaretsLine)
{
    for (const MaskCase& c : kMaskCases) {
        KyShellObjListEditCtrl& edit = c.multiLine ? m_multi : m_single;
        edit.SetWindowText(c.before);
        edit.SetSel(c.caret, c.caret);
        edit.AppendMask(Kyvant::ky_S("*.c"));
        EXPECT_EQ(c.after, Text(edit.m_hWnd)) << c.name;
        EXPECT_EQ(c.selected, SelectedText(edit.m_hWnd)) << c.name;
    }
}

TEST_F(ShellObjEditText, TheModeSwitchesFileDroppingOnTheWindow)
{
    const auto accepts = [this] { return (m_single.GetExStyle() & WS_EX_ACCEPTFILES) != 0; };
    EXPECT_TRUE(accepts());
    m_single.SetMode(KyShellObjListEditCtrl::PlainText);
    EXPECT_FALSE(accepts());
    m_single.SetMode(KyShellObjListEditCtrl::FoldersOnly);
    EXPECT_TRUE(accepts());
    // Set before the window exists, the mode counts when it is made.
    KyShellObjListEditCtrl plain(KyShellObjListEditCtrl::PlainText);
    ASSERT_TRUE(m_host.AddEdit(plain, 0, CRect(10, 210, 200, 230), 102));
    EXPECT_EQ(0u, plain.GetExStyle() & WS_EX_ACCEPTFILES);
}
