// The file view: files over 64 KB shown whole, the current match coloured
// (or selected) exactly where the finder reported it, with binary mode off
// and on, and Find Next and Previous with their wrapping notices.
#include "Panes/PanesTestSupport.h"

#include "KyFind/Gui/TextView/FileTextView.h"

#include <cstdio>
#include <exception>
#include <functional>
#include <utility>

namespace findgtest {
namespace {

const COLORREF kRed = RGB(255, 0, 0);

class FileTextView_ : public PanesTest {
protected:
    const Finder::Model::MatchRec& Match(int file, int match)
    {
        const Finder::Model::MatchRec* record =
            Finder::Model::GetMatch(*finder->GetModel().GetFile(file), match);
        EXPECT_NE(nullptr, record);
        static const Finder::Model::MatchRec none = {0, 0, ""};
        return record != nullptr ? *record : none;
    }
    CHARRANGE Range() const { return frame->Text().GetMatchRange(); }
    std::string RangeText() const { return TextAt(Range().cpMin, Range().cpMax); }
    static bool EndsWith(const std::string& text, const std::string& tail)
    {
        return text.size() >= tail.size() &&
               text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
    }
};

TEST_F(FileTextView_, FileOver64KbIsShownWholeWithAFarMatchAtItsPosition)
{
    std::string content;
    for (int line = 0; content.size() < 100000; ++line) {
        char text[64];
        std::snprintf(text, sizeof text, "filler line %05d of the long file\n", line);
        content += text;
    }
    content += "the alpha far away\nlast\n";
    MakeFile("big.txt", content);
    RunTask({"big.txt"});
    Edit().LimitText(1000); // where a platform limits streamed text, the view raises it
    Command(ID_NEXT_MATCH);
    EXPECT_EQ(static_cast<long>(content.size()), Edit().GetTextLength());
    const Finder::Model::MatchRec& match = Match(0, 0);
    EXPECT_GT(match.position, 65536);
    EXPECT_EQ(match.position, Range().cpMin);
    EXPECT_EQ("alpha far away", RangeText());
    EXPECT_EQ((CHARRANGE{match.position, match.position}).cpMin, Selection().cpMin) << "the caret";
    EXPECT_EQ(kRed, ColourAt(match.position));
    const long visible = Edit().GetFirstVisibleLine();
    EXPECT_GT(visible, 1000) << "scrolled to the match";
}

// A file that cannot be opened fails once: asked for again (as the list's
// ticks may) the view stays empty without a word, until another file was
// shown or the results were discarded.
TEST_F(FileTextView_, AFileThatCannotBeOpenedFailsOnceUntilAnotherIsShown)
{
    MakeFile("here.txt", "alpha here\n");
    const Kyvant::ky_F here((folder + "here.txt").c_str());
    const Kyvant::ky_F gone((folder + "gone.txt").c_str());
    FileTextView& view = frame->Text();
    EXPECT_THROW(view.Load(gone), std::exception);
    EXPECT_NO_THROW(view.Load(gone));
    EXPECT_FALSE(view.IsShowingFile());
    EXPECT_EQ(0, Edit().GetTextLength());

    view.Load(here);
    EXPECT_TRUE(view.IsShowingFile());
    EXPECT_THROW(view.Load(gone), std::exception);
    EXPECT_NO_THROW(view.Load(gone));
    view.ForgetFailedFile();
    EXPECT_THROW(view.Load(gone), std::exception);
}

// Every match's range from its position to its line's end is exactly the
// finder's text from that position, whether CR is kept or not; the last
// range gets its colour back when the next one is shown.
TEST_F(FileTextView_, CrLfMatchesAreColouredWhereTheFinderReportedThem)
{
    MakeFile("crlf.txt", "first line\r\nsecond alpha here\r\n\tthird alpha\r\nlast\r\n");
    for (const bool binary : {false, true}) {
        SCOPED_TRACE(binary ? "binary mode" : "text mode");
        RunTask({"crlf.txt"}, "alpha", binary ? "aU" : "", binary);
        ASSERT_EQ(2, MatchRows().GetItemCount());
        CHARRANGE previous = {-1, -1};
        for (int i = 0; i < 2; ++i) {
            Command(ID_NEXT_MATCH);
            const Finder::Model::MatchRec& match = Match(0, i);
            EXPECT_EQ(match.position, Range().cpMin);
            const std::string shown = RangeText();
            EXPECT_EQ(0u, shown.find("alpha")) << shown;
            EXPECT_TRUE(EndsWith(match.text, shown))
                << "\"" << match.text << "\" ends with \"" << shown << "\"";
            EXPECT_EQ(binary, EndsWith(shown, "\xB7")) << "the CR of CR LF";
            EXPECT_EQ(kRed, ColourAt(Range().cpMin));
            EXPECT_EQ(kRed, ColourAt(Range().cpMax - 1));
            EXPECT_NE(kRed, ColourAt(Range().cpMax)) << "the line end";
            EXPECT_EQ(Range().cpMin, Selection().cpMin);
            EXPECT_EQ(Range().cpMin, Selection().cpMax) << "the caret at the start";
            if (previous.cpMin >= 0) {
                EXPECT_EQ(::GetSysColor(COLOR_WINDOWTEXT), ColourAt(previous.cpMin))
                    << "colour given back";
            }
            previous = Range();
        }
        if (binary)
            Snapshot("KyFindG-text-view-match");
    }
}

TEST_F(FileTextView_, WithColoursOffTheRangeIsSelectedAndSelectedAgain)
{
    MakeFile("plain.txt", "one\ntwo alpha two\nthree\n");
    Views().GetTextOptions().SetUseColors(false);
    RunTask({"plain.txt"});
    Command(ID_NEXT_MATCH);
    const CHARRANGE range = Range();
    EXPECT_EQ("alpha two", RangeText());
    EXPECT_EQ(range.cpMin, Selection().cpMin);
    EXPECT_EQ(range.cpMax, Selection().cpMax);
    EXPECT_NE(kRed, ColourAt(range.cpMin));

    Edit().SetSel(0, 0);
    frame->SetActiveView(&frame->Text());
    Command(ID_SELECT_MATCHED_TEXT);
    EXPECT_EQ(range.cpMin, Selection().cpMin);
    EXPECT_EQ(range.cpMax, Selection().cpMax);
    EXPECT_EQ("Ln 2, Col 5", std::string(frame->Text().GetCaretText()));
}

class FindInText : public FileTextView_ {
protected:
    void SetUp() override
    {
        FileTextView_::SetUp();
        MakeFile("find.txt", "alpha beta\nbeta gamma\nalpha Beta\n");
        RunTask({"find.txt"});
        Command(ID_NEXT_MATCH);
        frame->SetActiveView(&frame->Text());
    }
    using Span = std::pair<long, long>;
    Span Selected() const { return {Selection().cpMin, Selection().cpMax}; }
};

TEST_F(FindInText, FindNextFromTheSelectedWordWrapsAtTheEnd)
{
    Edit().SetSel(6, 10);
    Command(ID_FIND_NEXT_SELECTED);
    EXPECT_EQ(Span(11, 15), Selected());
    EXPECT_EQ("beta", std::string(frame->Text().GetSearchText()));
    Command(ID_FIND_NEXT);
    EXPECT_EQ(Span(28, 32), Selected()) << "case is ignored";
    frame->m_statusIds.clear();
    Command(ID_FIND_NEXT);
    EXPECT_EQ(Span(6, 10), Selected()) << "wrapped to the start";
    ASSERT_FALSE(frame->m_statusIds.empty());
    EXPECT_EQ(static_cast<UINT>(IDS_PASSED_END_OF_FILE), frame->m_statusIds.back());
    EXPECT_EQ("Passed the end of the file", StatusText());

    Command(ID_FIND_PREVIOUS);
    EXPECT_EQ(Span(28, 32), Selected()) << "wrapped to the end";
    EXPECT_EQ("Passed the beginning of the file", StatusText());
    Command(ID_FIND_PREVIOUS);
    EXPECT_EQ(Span(11, 15), Selected());

    Command(ID_TOGGLE_MATCH_CASE);
    EXPECT_TRUE(frame->Text().GetMatchCase());
    Edit().SetSel(28, 32);
    Command(ID_FIND_NEXT_SELECTED);
    EXPECT_EQ(Span(28, 32), Selected()) << "\"Beta\" matching case is there once";
    Command(ID_TOGGLE_MATCH_CASE);
}

TEST_F(FindInText, TextThatIsNotThereLeavesTheSelection)
{
    frame->Text().SetSearch("delta", false, false);
    Edit().SetSel(11, 15);
    EXPECT_FALSE(frame->Text().Find(true));
    EXPECT_EQ(Span(11, 15), Selected());
    EXPECT_FALSE(frame->Text().Find(false));
    EXPECT_EQ(Span(11, 15), Selected());
    frame->Text().SetSearch("alph", false, true);
    EXPECT_FALSE(frame->Text().Find(true)) << "whole words only";
    Edit().SetSel(3, 3);
    Command(ID_FIND_NEXT_SELECTED);
    EXPECT_EQ(Span(3, 3), Selected()) << "nothing selected: nothing searched";
    EXPECT_EQ("alph", std::string(frame->Text().GetSearchText()));
}

// The Find dialog, answered from its modal loop: a text that is not there
// keeps it open with the focus in the combo; the combo keeps 20 texts.
class FindDialog : public FindInText {
protected:
    static void Hook(CWnd* dialog) { s_answer(dialog); }
    void Run(const std::function<void(CWnd*)>& answer)
    {
        s_answer = answer;
        const AFX_MODALIDLEHOOK previous = AfxSetModalIdleHook(&Hook);
        Command(ID_EDIT_FIND);
        AfxSetModalIdleHook(previous);
    }
    static void Submit(CWnd* dialog, const std::string& text)
    {
        dialog->GetDlgItem(IDC_FT_TEXT)->SetWindowText(text.c_str());
        dialog->SendMessage(WM_COMMAND, IDOK);
    }
    static inline std::function<void(CWnd*)> s_answer;
};

TEST_F(FindDialog, NotFoundSaysSoAndKeepsTheFocusInTheCombo)
{
    bool focusInCombo = false;
    bool stillOpen = false;
    std::string title;
    std::string initial;
    std::string kept;
    Edit().SetSel(11, 15);
    Run([&](CWnd* dialog) {
        char text[64] = "";
        ::GetWindowTextA(dialog->m_hWnd, text, sizeof text);
        title = text;
        ::GetDlgItemTextA(dialog->m_hWnd, IDC_FT_TEXT, text, sizeof text);
        initial = text;
        Submit(dialog, "delta");
        const HWND combo = dialog->GetDlgItem(IDC_FT_TEXT)->m_hWnd;
        focusInCombo = ::GetFocus() == combo || ::IsChild(combo, ::GetFocus());
        stillOpen = ::IsWindowVisible(dialog->m_hWnd) != 0;
        ::GetDlgItemTextA(dialog->m_hWnd, IDC_FT_TEXT, text, sizeof text);
        kept = text;
        DialogSnapshot(dialog, "KyFindG-find-dialog");
        Submit(dialog, "gamma");
    });
    EXPECT_EQ("Find", title);
    EXPECT_EQ("beta", initial) << "the selection";
    EXPECT_EQ((std::vector<std::string>{"Could not find the text."}), theApp.m_boxes);
    EXPECT_TRUE(focusInCombo);
    EXPECT_EQ("delta", kept) << "the text stays for another try";
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(Span(16, 21), Selected()) << "found: the dialog closed";
    EXPECT_EQ("gamma", std::string(frame->Text().GetSearchText()));
}

TEST_F(FindDialog, ComboKeepsTheTwentyLatestTexts)
{
    int count = 0;
    std::string first;
    Run([&](CWnd* dialog) {
        for (int i = 0; i < 22; ++i)
            Submit(dialog, "missing " + std::to_string(i));
        CComboBox* combo = static_cast<CComboBox*>(dialog->GetDlgItem(IDC_FT_TEXT));
        count = combo->GetCount();
        CString text;
        combo->GetLBText(0, text);
        first = text;
        dialog->SendMessage(WM_COMMAND, IDCANCEL);
    });
    EXPECT_EQ(20, count);
    EXPECT_EQ("missing 21", first);
    EXPECT_EQ(22u, theApp.m_boxes.size());
}

} // namespace
} // namespace findgtest
