// CKyReplaceGApp: the command table: New with the task start dispatched at once, word wrap, Text
// Options, Stop, Save Log File, Select Matched Text, and the update handlers that disable their
// commands while a stop waits for the engine.
#include "KyReplace/Gui/App/KyReplaceGApp.h"

#include "KyGui/Shell/InitialDirManager.h"
#include "KyGui/Shell/KyFileDialog.h"
#include "KyGuiTool/App/AppResource.h"
#include "KyReplace/Gui/Dialogs/TextOptionsDlg.h"
#include "KyReplace/Gui/Frame/FrameResource.h"
#include "KyReplace/Gui/Frame/MainFrame.h"
#include "KyReplace/Gui/View/KyReplaceGView.h"

namespace {

const char kLogExtension[] = "txt";
const DWORD kLogDialogFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;

} // namespace

BEGIN_MESSAGE_MAP(CKyReplaceGApp, KyGuiApp)
ON_COMMAND(ID_FILE_NEW, OnNewTask)
ON_UPDATE_COMMAND_UI(ID_FILE_NEW, OnUpdateAlways)
ON_COMMAND(ID_VIEW_WORD_WRAP, OnWordWrap)
ON_UPDATE_COMMAND_UI(ID_VIEW_WORD_WRAP, OnUpdateWordWrap)
ON_COMMAND(ID_VIEW_TEXT_OPTIONS, OnTextOptions)
ON_UPDATE_COMMAND_UI(ID_VIEW_TEXT_OPTIONS, OnUpdateAlways)
ON_COMMAND(ID_TASK_STOP, OnStop)
ON_UPDATE_COMMAND_UI(ID_TASK_STOP, OnUpdateTaskCommand)
ON_COMMAND(ID_FILE_SAVE_LOG, OnSaveLog)
ON_UPDATE_COMMAND_UI(ID_FILE_SAVE_LOG, OnUpdateSaveLog)
ON_COMMAND(ID_EDIT_SELECT_MATCHED, OnSelectMatched)
ON_UPDATE_COMMAND_UI(ID_EDIT_SELECT_MATCHED, OnUpdateTaskCommand)
ON_UPDATE_COMMAND_UI(ID_APP_EXIT, OnUpdateAlways)
ON_UPDATE_COMMAND_UI(ID_KY_APP_ABOUT, OnUpdateAlways)
ON_UPDATE_COMMAND_UI(ID_KY_HELP_MAIN, OnUpdateAlways)
ON_UPDATE_COMMAND_UI(IDC_TAB_SIZE_COMBO, OnUpdateAlways)
END_MESSAGE_MAP()

// The view's first update (and every later one) posts the task's start:
// it runs now, so that the first task runs inside the start-up.
void CKyReplaceGApp::OnNewTask()
{
    CWinApp::OnFileNew();
    CKyReplaceGView* view = GetReplaceView();
    MSG start;
    if (view != nullptr && ::PeekMessageA(&start, view->m_hWnd, CKyReplaceGView::kStartTaskMessage,
                                          CKyReplaceGView::kStartTaskMessage, PM_REMOVE))
        ::DispatchMessageA(&start);
}

void CKyReplaceGApp::OnWordWrap()
{
    if (CKyReplaceGView* view = GetReplaceView())
        view->SetWordWrap(!view->Options().wordWrap);
}

void CKyReplaceGApp::OnUpdateWordWrap(CCmdUI* pCmdUI)
{
    const CKyReplaceGView* view = GetReplaceView();
    pCmdUI->Enable(!m_inCommand && view != nullptr);
    pCmdUI->SetCheck(view != nullptr && view->Options().wordWrap ? 1 : 0);
}

// The changes are applied to the view; a new tab size also to the tab-size bar.
void CKyReplaceGApp::OnTextOptions()
{
    CKyReplaceGView* view = GetReplaceView();
    if (view == nullptr)
        return;
    TextOptionsDlg dialog(view->Options(), m_pMainWnd);
    if (dialog.DoModal() != IDOK)
        return;
    if (dialog.MainFontChanged() || dialog.LogFontChanged())
        view->SetFonts(
            dialog.MainFontChanged() ? &dialog.MainFont() : nullptr, dialog.MainPointSize(),
            dialog.LogFontChanged() ? &dialog.LogFont() : nullptr, dialog.LogPointSize());
    view->SetColours(dialog.MatchColour(), dialog.ReplacementColour(), dialog.SkipColour(),
                     dialog.UseColours());
    if (dialog.TabSize() != view->Options().tabSize) {
        view->SetTabSize(dialog.TabSize());
        if (CMainFrame* frame = GetMainFrame())
            frame->ShowTabSize();
    }
}

void CKyReplaceGApp::OnStop()
{
    if (CKyReplaceGView* view = GetReplaceView())
        view->StopTask();
}

void CKyReplaceGApp::OnUpdateTaskCommand(CCmdUI* pCmdUI)
{
    const CKyReplaceGView* view = GetReplaceView();
    pCmdUI->Enable(!m_inCommand && view != nullptr && view->TaskRunning());
}

void CKyReplaceGApp::OnSaveLog()
{
    CKyReplaceGView* view = GetReplaceView();
    CString path;
    if (view != nullptr && !view->LogEmpty() && ChooseLogFile(m_pMainWnd, path))
        view->SaveLog(path);
}

void CKyReplaceGApp::OnUpdateSaveLog(CCmdUI* pCmdUI)
{
    const CKyReplaceGView* view = GetReplaceView();
    pCmdUI->Enable(!m_inCommand && view != nullptr && !view->LogEmpty());
}

void CKyReplaceGApp::OnSelectMatched()
{
    CKyReplaceGView* view = GetReplaceView();
    if (view != nullptr && view->TaskRunning())
        view->SelectMatchedText();
}

void CKyReplaceGApp::OnUpdateAlways(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(!m_inCommand);
}

bool CKyReplaceGApp::ChooseLogFile(CWnd* parent, CString& path)
{
    CString filter;
    filter.LoadString(IDS_KY_TEXT_FILES_FILTER);
    KyFileDialog dialog(FALSE, kLogExtension, nullptr, kLogDialogFlags, filter, parent);
    Kyvant::InitialDirManager folder(dialog, Instance().GetRegKey(),
                                     Kyvant::ky_S(kLastLogDirValue));
    if (dialog.DoModal() != IDOK)
        return false;
    folder.Update();
    path = dialog.GetPathName();
    return true;
}
