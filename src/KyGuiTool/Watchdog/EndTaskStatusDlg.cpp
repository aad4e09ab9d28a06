// The "Task Status" dialog of the process watchdog.
#include "KyGuiTool/Watchdog/EndTaskStatusDlg.h"

#include "KyGuiTool/Module/KyGuiToolModule.h"
#include "KyGuiTool/Watchdog/WatchdogResource.h"
#include "KyStd/Win32/Resource.h"

#include <string>

BEGIN_MESSAGE_MAP(EndTaskStatusDlg, CDialog)
    ON_COMMAND(IDC_KY_WAIT, OnWait)
    ON_COMMAND(IDC_KY_END_TASK, OnEndTask)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

EndTaskStatusDlg::EndTaskStatusDlg(Listener& listener)
    : CDialog(IDD_KY_END_TASK_STATUS), m_listener(&listener)
{
}

BOOL EndTaskStatusDlg::Create()
{
    // The desktop as parent: the dialog stands on its own, whatever the main
    // window is.
    return CDialog::Create(IDD_KY_END_TASK_STATUS, CWnd::GetDesktopWindow());
}

BOOL EndTaskStatusDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    const Kyvant::Win32::Resource text(
        Kyvant::KyGuiToolModule(), MAKEINTRESOURCEA(IDR_KY_END_TASK_TEXT), KY_MESSAGE_TEXT_TYPE);
    SetDlgItemText(IDC_KY_END_TASK_TEXT, std::string(text.GetBegin(), text.GetEnd()).c_str());
    GotoDlgCtrl(GetDlgItem(IDC_KY_WAIT));
    return FALSE;
}

void EndTaskStatusDlg::Answer(bool endTask)
{
    if (m_listener)
        m_listener->OnStatusAnswer(endTask);
    else
        DestroyWindow();
}

void EndTaskStatusDlg::OnWait()
{
    Answer(false);
}

void EndTaskStatusDlg::OnEndTask()
{
    Answer(true);
}

void EndTaskStatusDlg::OnOK()
{
    Answer(false);
}

void EndTaskStatusDlg::OnCancel()
{
    Answer(false);
}

void EndTaskStatusDlg::OnDestroy()
{
    Listener* listener = m_listener;
    m_listener = nullptr;
    CDialog::OnDestroy();
    if (listener)
        listener->OnStatusDialogDestroyed();
}

void EndTaskStatusDlg::PostNcDestroy()
{
    delete this;
}
