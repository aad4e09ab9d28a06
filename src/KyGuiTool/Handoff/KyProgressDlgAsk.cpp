// What the progress dialog asks the user for the console tool: questions
// about files (with the answers kept for "to all"), the tool's message boxes
// and its summary, each inside a modal scope.
#include "KyGuiTool/Handoff/KyProgressDlg.h"

#include "KyConTool/App/ConGuiHandoff.h"
#include "KyGuiTool/App/DlgMainWndManager.h"
#include "KyGuiTool/App/KyGuiApp.h"
#include "KyGuiTool/Handoff/FileQueryDlg.h"
#include "KyGuiTool/Handoff/HandoffResource.h"
#include "KyGuiTool/Handoff/QueryTexts.h"
#include "KyStd/Core/Errors.h"

#include <exception>

using namespace Kyvant;

namespace {

// The parts of a message-box type that the channel may choose: buttons,
// icon and default button. Modality and desktop flags stay this program's.
const UINT kBoxTypeMask = MB_TYPEMASK | MB_ICONMASK | MB_DEFMASK;

bool QuitPending()
{
    MSG msg;
    return ::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE) != FALSE;
}

} // namespace

// While a question or message box is up. Before the tool started any work,
// a progress dialog that made itself the main window hands that role to the
// question (to nobody for a message box), so that the question stands on its
// own instead of under a hidden owner; afterwards it takes the role back and
// drops the WM_QUIT that the question's end as main window posted. Otherwise
// a hidden progress dialog that is the main window shows first.
class KyProgressDlg::ModalScope {
public:
    ModalScope(KyProgressDlg& dialog, CDialog* question) : m_dialog(dialog), m_handedOver(false)
    {
        CWinApp* app = AfxGetApp();
        if (!dialog.m_activitySeen && dialog.m_madeMainWindow && dialog.IsMainWindow()) {
            app->m_pMainWnd = question;
            m_handedOver = true;
        } else if (dialog.IsMainWindow() && !dialog.IsWindowVisible()) {
            dialog.ShowNow();
        }
        dialog.m_openQuestion = question;
        if (dialog.m_animation.GetSafeHwnd())
            dialog.m_animation.Stop();
    }

    ~ModalScope()
    {
        m_dialog.m_openQuestion = nullptr;
        if (m_handedOver) {
            CWinApp* app = AfxGetApp();
            if (m_dialog.GetSafeHwnd()) {
                app->m_pMainWnd = &m_dialog;
                RemovePendingQuit();
            } else {
                // The progress dialog went meanwhile: nothing is left to end
                // the program but its message loop.
                app->m_pMainWnd = nullptr;
                if (!QuitPending())
                    AfxPostQuitMessage(0);
            }
        }
        if (m_dialog.GetSafeHwnd())
            m_dialog.PlayAnimation();
    }

    ModalScope(const ModalScope&) = delete;
    ModalScope& operator=(const ModalScope&) = delete;

private:
    KyProgressDlg& m_dialog;
    bool m_handedOver;
};

int KyProgressDlg::StoredAnswer(int kind, DWORD attributes) const
{
    if (kind != GuiProgress::kAttributes)
        return m_toAllByKind[kind];
    const auto found = m_toAllByAttributes.find(attributes);
    return found == m_toAllByAttributes.end() ? 0 : found->second;
}

void KyProgressDlg::StoreAnswer(int kind, DWORD attributes, int answer)
{
    if (kind == GuiProgress::kAttributes)
        m_toAllByAttributes[attributes] = answer;
    else
        m_toAllByKind[kind] = answer;
}

int KyProgressDlg::Ask(WPARAM wParam, LPARAM lParam)
{
    // The kind comes from another process: an unknown one ends the run.
    if (wParam >= static_cast<WPARAM>(kQueryKinds))
        return GuiProgress::kCancel;
    const int kind = static_cast<int>(wParam);
    const DWORD code = static_cast<DWORD>(lParam);
    if (const int stored = StoredAnswer(kind, code))
        return stored;

    ky_S text;
    int mode = FileQueryDlg::kWithToAll;
    switch (kind) {
    case GuiProgress::kAttributes:
        text = QueryTexts::Attributes(code, !m_lastStartWasFile);
        break;
    case GuiProgress::kBinaryFile:
        text = QueryTexts::Load(IDS_KY_QUERY_BINARY);
        break;
    case GuiProgress::kNotFileOrFolder:
        text = QueryTexts::Load(IDS_KY_QUERY_NOT_FILE);
        mode = FileQueryDlg::kError;
        break;
    case GuiProgress::kRuntimeError:
        text = QueryTexts::Error(rtl_error(static_cast<int>(code)).what());
        mode = FileQueryDlg::kError;
        break;
    default:
        text = QueryTexts::Error(os_error(code).what());
        mode = FileQueryDlg::kError;
        break;
    }

    FileQueryDlg question(text, ky_F(ChannelText()), mode, nullptr);
    INT_PTR button;
    {
        ModalScope scope(*this, &question);
        button = question.DoModal();
    }
    if (mode == FileQueryDlg::kWithToAll) {
        switch (button) {
        case IDC_KY_QUERY_YES:
            return GuiProgress::kProcess;
        case IDC_KY_QUERY_YES_TO_ALL:
            StoreAnswer(kind, code, GuiProgress::kProcess);
            return GuiProgress::kProcess;
        case IDC_KY_QUERY_NO:
            return GuiProgress::kSkip;
        case IDC_KY_QUERY_NO_TO_ALL:
            StoreAnswer(kind, code, GuiProgress::kSkip);
            return GuiProgress::kSkip;
        default:
            return GuiProgress::kCancel;
        }
    }
    switch (button) {
    case IDC_KY_QUERY_YES:
        return GuiProgress::kSkip;
    case IDC_KY_QUERY_NO:
        // Skipped, and this kind of error is not reported again.
        StoreAnswer(kind, code, GuiProgress::kSkip);
        return GuiProgress::kSkip;
    default:
        return GuiProgress::kCancel;
    }
}

LRESULT KyProgressDlg::OnQuery(WPARAM wParam, LPARAM lParam)
{
    int answer = GuiProgress::kCancel;
    try {
        answer = Ask(wParam, lParam);
    } catch (CException* e) {
        e->Delete();
    } catch (const std::exception&) {
    }
    if (answer == GuiProgress::kCancel && GetSafeHwnd())
        PostMessage(WM_CLOSE);
    return answer;
}

int KyProgressDlg::ShowBox(const ky_S& text, WPARAM type)
{
    try {
        ModalScope scope(*this, nullptr);
        return AfxMessageBox(text.c_str(), static_cast<UINT>(type) & kBoxTypeMask);
    } catch (CException* e) {
        e->Delete();
    } catch (const std::exception&) {
    }
    return 0;
}

LRESULT KyProgressDlg::OnMessageBox(WPARAM wParam, LPARAM)
{
    return ShowBox(ChannelText(), wParam);
}

LRESULT KyProgressDlg::OnSummary(WPARAM wParam, LPARAM)
{
    const ky_S text = ChannelText();
    KyGuiApp& app = KyGuiApp::Instance();
    if (IsMainWindow() && app.KyStarted())
        return ShowBox(text, wParam);
    app.SetIndexingServiceMessage(text);
    return 0;
}
