// The text options: the Text Options dialog applied to both panes and
// kept under "TextView", the older search values, and stored tab sizes
// outside 1 to 20.
#include "Panes/PanesTestSupport.h"

#include "KyFind/Gui/Coordinator/TextOptionsDlg.h"
#include "KyFind/Gui/MatchList/FileMatchListView.h"
#include "KyStd/Registry/RegValues.h"

#include <afxres.h>

namespace findgtest {
namespace {

const COLORREF kBlue = RGB(0, 0, 255);

class TextOptionsTest : public PanesTest {
protected:
    // A file whose match text holds a tab at column 3.
    void RunWithTab()
    {
        MakeFile("t.txt", "one\nabc alpha\n");
        RunTask({"t.txt"});
        const std::string line = folder + "t.txt(7):x(8):abc\talpha";
        finder->GetModel().AddLine(line.c_str(), static_cast<unsigned>(line.size()));
        Command(ID_NEXT_MATCH);
        frame->Matches().Refresh();
    }
    // The face of the file view's character at the position.
    std::string FaceAt(long position)
    {
        const CHARRANGE saved = Selection();
        CHARRANGE one = {position, position + 1};
        Edit().CRichEditCtrl::SetSel(one);
        CHARFORMATA format = {};
        format.cbSize = sizeof format;
        Edit().SendMessage(EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
        CHARRANGE back = saved;
        Edit().CRichEditCtrl::SetSel(back);
        return format.szFaceName;
    }
    std::string TabbedCell() { return MatchCell(1, FileMatchListView::TextColumn); }

    static DWORD Stored(const char* key, const char* value, DWORD missing = 0xDEADBEEF)
    {
        Kyvant::RegKey opened(HKEY_CURRENT_USER, key);
        return Kyvant::GetRegistryDWORD(opened.get(), value, missing);
    }
    static void Store(const char* value, DWORD data)
    {
        Kyvant::RegKey opened(HKEY_CURRENT_USER, kTextViewKey);
        Kyvant::WriteRegistryDWORD(opened.get(), value, data);
    }

    static void Hook(CWnd* dialog) { s_answer(dialog); }
    bool RunDialog(const std::function<void(CWnd*)>& answer)
    {
        s_answer = answer;
        const AFX_MODALIDLEHOOK previous = AfxSetModalIdleHook(&Hook);
        const bool accepted = Views().DoTextOptions();
        AfxSetModalIdleHook(previous);
        return accepted;
    }
    static std::string Title(CWnd* window)
    {
        char text[64] = "";
        ::GetWindowTextA(window->m_hWnd, text, sizeof text);
        return text;
    }
    static inline std::function<void(CWnd*)> s_answer;
};

LOGFONTA Face(const char* face, int height)
{
    LOGFONTA font = {};
    lstrcpynA(font.lfFaceName, face, LF_FACESIZE);
    font.lfHeight = height;
    font.lfWeight = FW_NORMAL;
    return font;
}

std::string FaceOf(HFONT font)
{
    LOGFONTA logFont = {};
    ::GetObjectA(font, sizeof logFont, &logFont);
    return logFont.lfFaceName;
}

TEST_F(TextOptionsTest, DialogChangesApplyToThePanesAndPersist)
{
    RunWithTab();
    EXPECT_EQ("abc     alpha", TabbedCell());
    const CHARRANGE range = frame->Text().GetMatchRange();
    std::vector<std::string> titles;
    const bool accepted = RunDialog([&titles](CWnd* window) {
        titles.push_back(Title(window));
        TextOptionsDlg& dialog = *static_cast<TextOptionsDlg*>(window);
        DialogSnapshot(window, "KyFindG-text-options");
        dialog.SetDlgItemText(IDC_TO_TAB_SIZE, "4");
        dialog.ChooseColor(kBlue);
        dialog.ChooseFont(true, Face("Tahoma", -16), 120);
        dialog.ChooseFont(false, Face("Tahoma", -13), 100);
        dialog.SendMessage(WM_COMMAND, IDOK);
    });
    ASSERT_TRUE(accepted);
    EXPECT_EQ((std::vector<std::string>{"Text Options"}), titles);
    EXPECT_EQ(4, Views().GetTextOptions().GetTabSize());
    EXPECT_EQ(1, frame->m_tabSizeChanges);
    EXPECT_EQ("abc alpha", TabbedCell());
    EXPECT_EQ(kBlue, ColourAt(range.cpMin)) << "the match shown again";
    EXPECT_EQ("Tahoma", FaceOf(frame->Matches().GetFont()));
    EXPECT_EQ("Tahoma", FaceAt(0));

    Close();
    EXPECT_EQ(4u, Stored(kTextViewKey, "TabSize"));
    EXPECT_EQ(kBlue, Stored(kTextViewKey, "MatchColor"));
    EXPECT_EQ(1u, Stored(kTextViewKey, "UseColors"));
    EXPECT_EQ(0u, Stored(kTextViewKey, "WordWrap"));
    EXPECT_EQ(120u, Stored("Software\\Kyvant\\Tools\\KyFindG\\TextView\\Font", "Height"));
    EXPECT_EQ(100u, Stored("Software\\Kyvant\\Tools\\KyFindG\\MatchList\\Font", "Height"));

    Open();
    EXPECT_EQ(4, Views().GetTextOptions().GetTabSize()) << "read when the coordinator is made";
    EXPECT_EQ(kBlue, Views().GetTextOptions().GetMatchColor());
    EXPECT_EQ("Tahoma", FaceOf(frame->Matches().GetFont()));
}

// Colours turned off take the colour off the match and select it; the font
// buttons run the font dialog; a tab size outside 1 to 20 is refused.
TEST_F(TextOptionsTest, ColoursOffFontDialogAndTabSizeChecks)
{
    RunWithTab();
    const CHARRANGE range = frame->Text().GetMatchRange();
    std::vector<std::string> titles;
    const bool accepted = RunDialog([&titles](CWnd* window) {
        titles.push_back(Title(window));
        if (titles.size() > 1) { // the font dialog: another face, then OK
            CComboBox* faces = static_cast<CComboBox*>(window->GetDlgItem(0x470));
            faces->SetCurSel((faces->GetCurSel() + 1) % faces->GetCount());
            window->SendMessage(WM_COMMAND, MAKEWPARAM(0x470, CBN_SELCHANGE),
                                reinterpret_cast<LPARAM>(faces->m_hWnd));
            window->PostMessage(WM_COMMAND, IDOK);
            return;
        }
        window->CheckDlgButton(IDC_TO_USE_COLORS, BST_UNCHECKED);
        window->SetDlgItemText(IDC_TO_TAB_SIZE, "0");
        window->SendMessage(WM_COMMAND, IDOK);
        window->SetDlgItemText(IDC_TO_TAB_SIZE, "21");
        window->SendMessage(WM_COMMAND, IDOK);
        window->SetDlgItemText(IDC_TO_TAB_SIZE, "20");
        window->SendMessage(
            WM_COMMAND, MAKEWPARAM(IDC_TO_FILE_VIEW_FONT, BN_CLICKED),
            reinterpret_cast<LPARAM>(window->GetDlgItem(IDC_TO_FILE_VIEW_FONT)->m_hWnd));
        window->SendMessage(WM_COMMAND, IDOK);
    });
    ASSERT_TRUE(accepted);
    ASSERT_EQ(2u, titles.size());
    EXPECT_EQ("Font", titles[1]);
    EXPECT_EQ(2u, theApp.m_boxes.size()) << "0 and 21 refused";
    EXPECT_EQ(20, Views().GetTextOptions().GetTabSize());
    EXPECT_FALSE(Views().GetTextOptions().GetUseColors());
    EXPECT_EQ(::GetSysColor(COLOR_WINDOWTEXT), ColourAt(range.cpMin)) << "the colour taken off";
    EXPECT_EQ(range.cpMin, Selection().cpMin) << "the match selected";
    EXPECT_EQ(range.cpMax, Selection().cpMax);
    EXPECT_EQ(FaceOf(Views().GetTextOptions().FileViewFont()), FaceAt(0));
    EXPECT_NE("Tahoma", FaceAt(0)) << "another face chosen";
}

TEST_F(TextOptionsTest, OlderIgnoreCaseValueIsReadOnceAndDeleted)
{
    Close();
    Store("FindIgnoreCase", 1);
    Store("FindMatchCase", 1);
    Store("FindDown", 1);
    Open();
    EXPECT_FALSE(frame->Text().GetMatchCase()) << "ignore case 1: match case off";
    const DWORD kMissing = 0xDEADBEEF;
    EXPECT_EQ(kMissing, Stored(kTextViewKey, "FindIgnoreCase", kMissing));
    EXPECT_EQ(kMissing, Stored(kTextViewKey, "FindDown", kMissing));
    Close();
    EXPECT_EQ(0u, Stored(kTextViewKey, "FindMatchCase"));
    Store("FindMatchCase", 1);
    Open();
    EXPECT_TRUE(frame->Text().GetMatchCase());
}

// 0 acts as 1 (no division by zero, no failed tab stops); 25 is used as
// read; both are stored back as read.
TEST_F(TextOptionsTest, StoredTabSizesOutsideTheRange)
{
    const struct {
        DWORD stored;
        const char* shown;
    } cases[] = {{0, "abc alpha"}, {25, "abc                      alpha"}};
    for (const auto& c : cases) {
        SCOPED_TRACE("TabSize " + std::to_string(c.stored));
        Close();
        Store("TabSize", c.stored);
        Open();
        EXPECT_EQ(static_cast<int>(c.stored), Views().GetTextOptions().GetTabSize());
        RunWithTab();
        EXPECT_EQ(c.shown, TabbedCell());
        EXPECT_TRUE(frame->Text().IsShowingFile());
        Close();
        EXPECT_EQ(c.stored, Stored(kTextViewKey, "TabSize"));
        Open();
    }
}

TEST_F(TextOptionsTest, WordWrapToggles)
{
    RunWithTab();
    Command(ID_WORD_WRAP);
    EXPECT_TRUE(Views().GetTextOptions().GetWordWrap());
    EXPECT_TRUE(Edit().GetWordWrap());
    Command(ID_WORD_WRAP);
    EXPECT_FALSE(Edit().GetWordWrap());
}

} // namespace
} // namespace findgtest
