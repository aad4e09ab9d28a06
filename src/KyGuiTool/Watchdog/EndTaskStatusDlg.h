// EndTaskStatusDlg: the watchdog's modeless "Task Status" dialog. It shows
// why it is up and offers End Task and Wait; it deletes itself once its
// window is gone.
#pragma once

#include <afxwin.h>

class EndTaskStatusDlg : public CDialog {
public:
    // Told what the user chose and when the window is gone.
    class Listener {
    public:
        virtual void OnStatusAnswer(bool endTask) = 0;
        virtual void OnStatusDialogDestroyed() = 0;

    protected:
        ~Listener() = default;
    };

    explicit EndTaskStatusDlg(Listener& listener);

    // The window, unowned; false when it cannot be made (the object is then
    // the caller's to delete).
    BOOL Create();
    // Forgets the listener: the window may go without telling anyone.
    void Detach() { m_listener = nullptr; }

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    void PostNcDestroy() override;

    afx_msg void OnWait();
    afx_msg void OnEndTask();
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

private:
    void Answer(bool endTask);

    Listener* m_listener;
};
