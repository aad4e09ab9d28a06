// The application's commands on the running program: Save Log File (enabled
// with a non-empty log, the pane's text written, its folder remembered),
// Text Options (values, validation, fonts through the chooser's seam,
// colours, help popups), word wrap, copy and select-all in the focused
// pane, and what closing, New and the end of the session do while a task
// runs, while a stop waits under the watchdog, or while a dialog is up.
#include "App/AppUnderTest.h"

#include "KyGuiTool/Watchdog/ProcessKiller.h"
#include "KyReplace/Gui/Dialogs/TextOptionsDlg.h"
#include "KyReplace/Gui/Frame/FrameResource.h"
#include "KyReplace/Gui/View/ReplaceViewResource.h"
#include "KyStd/Registry/RegValues.h"

#include <gtest/gtest.h>

#include <dlgs.h>

#include <algorithm>
#include <cstring>
#include <string>

using namespace apptest;

namespace {

const char kStopQuestion[] = "Stop this Replace Task?";
const char kCloseFirst[] = "Please close this application before shutting down.";
const COLORREF kGreen = RGB(0, 0x80, 0);

class CommandsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(StartOnce().result);
        ASSERT_TRUE(WaitForEnd());
        App().boxes.clear();
        App().answerBox = nullptr;
    }
    void TearDown() override
    {
        App().answerBox = nullptr;
        if (View().TaskRunning()) {
            View().StopTask();
            WaitForEnd();
        }
    }

    // Runs a task with no questions over one file, so that the log has lines.
    void RunQuietTask()
    {
        StartTask({"a cat\n"}, {"-N", "-pcat", "-qdog"});
        ASSERT_TRUE(WaitForEnd());
        ASSERT_TRUE(PumpUntil([] { return !View().LogEmpty(); }, 5000));
    }

    size_t Asked(const char* text)
    {
        return static_cast<size_t>(std::count(App().boxes.begin(), App().boxes.end(), text));
    }
};

std::string Normalised(std::string text)
{
    text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
    return text;
}

// The next file dialog gets the path typed in and OK pressed.
void AnswerFileDialog(const std::string& path)
{
    OnModalIdle([path](CWnd* hook) {
        HWND dialog = ::GetParent(hook->m_hWnd);
        if (dialog == nullptr || ::GetDlgItem(dialog, IDOK) == nullptr)
            dialog = hook->m_hWnd;
        bool typed = false;
        for (int id : {cmb13, edt1}) {
            if (::GetDlgItem(dialog, id) != nullptr) {
                ::SetDlgItemTextA(dialog, id, path.c_str());
                typed = true;
            }
        }
        if (!typed)
            return false;
        ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                       reinterpret_cast<LPARAM>(::GetDlgItem(dialog, IDOK)));
        return true;
    });
}

struct HelpCall {
    UINT command = 0;
    std::vector<DWORD> ids;
};
HelpCall g_help;

BOOL RecordHelp(HWND, LPCSTR, UINT command, ULONG_PTR data)
{
    g_help.command = command;
    g_help.ids.clear();
    for (const DWORD* id = reinterpret_cast<const DWORD*>(data); id != nullptr && id[0] != 0;
         id += 2)
        g_help.ids.push_back(id[0]);
    return TRUE;
}

bool ChooseArial(CWnd&, LOGFONTA& font, int& pointSize)
{
    std::strcpy(font.lfFaceName, "Arial");
    font.lfWeight = FW_NORMAL;
    pointSize = 120;
    return true;
}

// The face of the pane's text at its insertion point.
std::string PaneFace(UINT id)
{
    CHARFORMATA format = {};
    format.cbSize = sizeof format;
    format.dwMask = CFM_FACE;
    View().GetDlgItem(id)->SendMessage(EM_GETCHARFORMAT, SCF_SELECTION,
                                       reinterpret_cast<LPARAM>(&format));
    return format.szFaceName;
}

} // namespace

TEST_F(CommandsTest, SaveLogFileWritesThePaneAndRemembersTheFolder)
{
    StartTask({"a cat\n"}, {"-pcat", "-qdog"});
    ASSERT_TRUE(WaitForQuestion());
    EXPECT_TRUE(View().LogEmpty());
    EXPECT_FALSE(Update(ID_FILE_SAVE_LOG).enabled) << "an empty log";
    Click(IDC_KY_REPLACE_ANSWER_REPLACE);
    ASSERT_TRUE(WaitForEnd());
    ASSERT_TRUE(PumpUntil([] { return !View().LogEmpty(); }, 5000));
    EXPECT_TRUE(Update(ID_FILE_SAVE_LOG).enabled);

    const std::string folder = Scratch("log");
    const std::string path = folder + "replace.log";
    AnswerFileDialog(path);
    Command(ID_FILE_SAVE_LOG);
    const std::string saved = Normalised(ReadFileText(path));
    EXPECT_EQ(PaneText(IDC_KY_REPLACE_LOG), saved);
    EXPECT_NE(std::string::npos, saved.find("Made 1 replacement.")) << saved;
    Kyvant::ky_S remembered;
    remembered.LoadStringA(App().GetRegKey().get(), CKyReplaceGApp::kLastLogDirValue, "");
    std::string kept(remembered.c_str());
    if (!kept.empty() && kept.back() != '\\')
        kept += '\\';
    EXPECT_EQ(0, _stricmp(folder.c_str(), kept.c_str())) << kept;
}

// The dialog shows the view's values; a tab size out of range is refused;
// OK applies the fonts, colours and tab size to the view and the tab-size
// box; help popups name the control.
TEST_F(CommandsTest, TextOptionsChangeTheView)
{
    const TextOptionsDlg::FontChooser previous = TextOptionsDlg::SetFontChooser(&ChooseArial);
    const AFX_WINHELPPROC previousHelp = AfxSetWinHelpProc(&RecordHelp);
    std::string shownTabSize;
    bool shownColours = false;
    OnModalIdle([&](CWnd* window) {
        auto* dialog = dynamic_cast<TextOptionsDlg*>(window);
        if (dialog == nullptr)
            return false;
        CString text;
        dialog->GetDlgItemText(IDC_TO_TAB_SIZE, text);
        shownTabSize = static_cast<const char*>(text);
        shownColours = dialog->IsDlgButtonChecked(IDC_TO_USE_COLORS) == BST_CHECKED;
        HELPINFO help = {};
        help.cbSize = sizeof help;
        help.iContextType = HELPINFO_WINDOW;
        help.iCtrlId = IDC_TO_SKIP_COLOR;
        help.hItemHandle = dialog->GetDlgItem(IDC_TO_SKIP_COLOR)->m_hWnd;
        dialog->SendMessage(WM_HELP, 0, reinterpret_cast<LPARAM>(&help));
        dialog->SetDlgItemText(IDC_TO_TAB_SIZE, "21");
        dialog->SendMessage(WM_COMMAND, IDOK);
        EXPECT_TRUE(dialog->IsWindowVisible()) << "21 is refused";
        dialog->SetDlgItemText(IDC_TO_TAB_SIZE, "3");
        dialog->CheckDlgButton(IDC_TO_USE_COLORS, BST_UNCHECKED);
        dynamic_cast<KyColorButton&>(*dialog->GetDlgItem(IDC_TO_MATCH_COLOR)).SetColor(kGreen);
        dialog->GetDlgItem(IDC_TO_MAIN_FONT)->SendMessage(BM_CLICK);
        dialog->PostMessage(WM_COMMAND, IDOK);
        return true;
    });
    Command(ID_VIEW_TEXT_OPTIONS);
    TextOptionsDlg::SetFontChooser(previous);
    AfxSetWinHelpProc(previousHelp);

    EXPECT_EQ("8", shownTabSize);
    EXPECT_TRUE(shownColours);
    EXPECT_EQ(static_cast<UINT>(HELP_WM_HELP), g_help.command);
    EXPECT_NE(g_help.ids.end(),
              std::find(g_help.ids.begin(), g_help.ids.end(), DWORD(IDC_TO_SKIP_COLOR)));
    EXPECT_EQ(1u, App().boxes.size()) << "the range check's message";
    const Kyvant::ReplaceTextOptions& options = View().Options();
    EXPECT_EQ(3, options.tabSize);
    EXPECT_FALSE(options.useColours);
    EXPECT_EQ(kGreen, options.matchColour);
    EXPECT_EQ(Kyvant::ReplaceTextOptions::kAutomatic, options.skipColour);
    EXPECT_EQ(120, options.mainFont.GetPointSize());
    EXPECT_EQ("Arial", PaneFace(IDC_KY_REPLACE_BEFORE));
    EXPECT_EQ("Arial", PaneFace(IDC_KY_REPLACE_REPLACING_WITH));
    EXPECT_NE("Arial", PaneFace(IDC_KY_REPLACE_LOG));
    CString combo;
    Frame().GetTabSizeCombo().GetWindowText(combo);
    EXPECT_STREQ("3", combo);

    // Back to the defaults for the other tests.
    View().SetTabSize(8);
    Frame().ShowTabSize();
    View().SetColours(Kyvant::ReplaceTextOptions::kAutomatic,
                      Kyvant::ReplaceTextOptions::kAutomatic,
                      Kyvant::ReplaceTextOptions::kAutomatic, true);
}

TEST_F(CommandsTest, WordWrapIsToggledAndChecked)
{
    const bool was = View().Options().wordWrap;
    EXPECT_EQ(was ? 1 : 0, Update(ID_VIEW_WORD_WRAP).check);
    Command(ID_VIEW_WORD_WRAP);
    EXPECT_EQ(!was, View().Options().wordWrap);
    EXPECT_EQ(was ? 0 : 1, Update(ID_VIEW_WORD_WRAP).check);
    Command(ID_VIEW_WORD_WRAP);
    EXPECT_EQ(was, View().Options().wordWrap);
}

// Copy and select-all go to the rich edit that has the focus.
TEST_F(CommandsTest, SelectAllAndCopyInTheFocusedPane)
{
    RunQuietTask();
    CRichEditCtrl& log = *static_cast<CRichEditCtrl*>(View().GetDlgItem(IDC_KY_REPLACE_LOG));
    log.SetFocus();
    log.SetSel(0, 0);
    EXPECT_FALSE(Update(ID_EDIT_COPY).enabled) << "nothing selected";
    Command(ID_EDIT_SELECT_ALL);
    EXPECT_EQ(PaneText(IDC_KY_REPLACE_LOG), Normalised(static_cast<const char*>(log.GetSelText())));
    EXPECT_TRUE(Update(ID_EDIT_COPY).enabled);
    Command(ID_EDIT_COPY);
    ASSERT_TRUE(::OpenClipboard(nullptr));
    HANDLE data = ::GetClipboardData(CF_TEXT);
    const std::string copied = data ? static_cast<const char*>(::GlobalLock(data)) : "";
    if (data)
        ::GlobalUnlock(data);
    ::CloseClipboard();
    EXPECT_EQ(PaneText(IDC_KY_REPLACE_LOG), Normalised(copied));
}

// Closing and New during a task ask first; Cancel keeps the window and the
// task; OK stops it, and New then shows the next task's dialog.
TEST_F(CommandsTest, ClosingAndNewDuringATaskAskToStopIt)
{
    StartTask({"a cat\n"}, {"-pcat", "-qdog"});
    ASSERT_TRUE(WaitForQuestion());
    EXPECT_TRUE(Update(ID_TASK_STOP).enabled);
    App().answerBox = [](const std::string&) { return IDCANCEL; };
    Frame().SendMessage(WM_CLOSE);
    EXPECT_EQ(1u, Asked(kStopQuestion));
    ASSERT_TRUE(::IsWindow(Frame().m_hWnd));
    EXPECT_TRUE(View().TaskRunning());

    const int dialogs = Dialogs();
    Command(ID_FILE_NEW);
    EXPECT_EQ(2u, Asked(kStopQuestion));
    EXPECT_TRUE(View().TaskRunning());
    EXPECT_EQ(dialogs, Dialogs());

    App().answerBox = [](const std::string&) { return IDOK; };
    CancelNext();
    Command(ID_FILE_NEW);
    EXPECT_EQ(3u, Asked(kStopQuestion));
    EXPECT_EQ(dialogs + 1, Dialogs());
    EXPECT_FALSE(View().TaskRunning());
    EXPECT_FALSE(Update(ID_TASK_STOP).enabled);
}

// While a stop waits for the engine under the watchdog, closing only beeps,
// commands are swallowed and their update handlers disable them.
TEST_F(CommandsTest, WhileTheWatchdogRuns)
{
    StartTask({"a cat\n"}, {"-pcat", "-qdog"});
    ASSERT_TRUE(WaitForQuestion());
    const int dialogs = Dialogs();
    {
        Kyvant::ProcessKiller::Manager watchdog(View());
        ASSERT_NE(Kyvant::ProcessKiller::User::kIdle, View().GetState());
        Frame().SendMessage(WM_CLOSE);
        EXPECT_TRUE(::IsWindow(Frame().m_hWnd));
        Command(ID_FILE_NEW);
        Command(ID_TASK_STOP);
        EXPECT_TRUE(App().boxes.empty());
        EXPECT_EQ(dialogs, Dialogs());
        EXPECT_TRUE(View().TaskRunning());
        for (UINT id : {UINT(ID_FILE_NEW), UINT(ID_TASK_STOP), UINT(ID_VIEW_TEXT_OPTIONS),
                        UINT(ID_EDIT_COPY), UINT(ID_EDIT_SELECT_ALL), UINT(ID_APP_EXIT)})
            EXPECT_FALSE(Update(id).enabled) << id;
        EXPECT_FALSE(App().InCommand());
    }
    EXPECT_TRUE(Update(ID_FILE_NEW).enabled);
    EXPECT_TRUE(Update(ID_TASK_STOP).enabled);
}

// A shutdown while a dialog is up is refused with a message; without one
// and without a task it is allowed.
TEST_F(CommandsTest, EndOfSession)
{
    LRESULT during = TRUE;
    OnModalIdle([&during](CWnd* window) {
        if (dynamic_cast<TextOptionsDlg*>(window) == nullptr)
            return false;
        during = Frame().SendMessage(WM_QUERYENDSESSION);
        window->PostMessage(WM_COMMAND, IDCANCEL);
        return true;
    });
    Command(ID_VIEW_TEXT_OPTIONS);
    EXPECT_FALSE(during);
    EXPECT_EQ(1u, Asked(kCloseFirst));
    EXPECT_TRUE(Frame().SendMessage(WM_QUERYENDSESSION));
}
