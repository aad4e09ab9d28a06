// KyProgressDlg: the modeless progress dialog that serves a running console
// tool through the progress channel: it shows the current folder and file,
// asks the tool's questions about files, shows its message boxes and its
// Indexing Service summary, and closes when the tool is done or gone.
#pragma once

#include "KyGuiTool/KyGuiToolExport.h"
#include "KyStd/Files/FileName.h"
#include "KyStd/Strings/String.h"
#include "KyStd/Win32/SharedMemory.h"

#include <afxcmn.h>
#include <afxwin.h>

#include <map>

class KYGUITOOL_API KyProgressDlg : public CDialog {
public:
    // channel: the progress block the console writes each message's text to.
    explicit KyProgressDlg(const Kyvant::Win32::SharedMemory& channel, CWnd* pParent = nullptr);
    ~KyProgressDlg() override;

    // The window, hidden, from its template; false when it cannot be made.
    BOOL Create();
    // Set when the dialog becomes the application's main window because
    // there was none.
    void SetMadeMainWindow(bool made) { m_madeMainWindow = made; }

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnDestroy();
    afx_msg LRESULT OnChannelInit(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnStartFile(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnQuery(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnDone(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnMessageBox(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnStartFolder(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSummary(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    class ModalScope;
    static const int kQueryKinds = 5;

    // The first text of the channel, never read past the block's end.
    Kyvant::ky_S ChannelText() const;
    bool IsMainWindow() const;
    void ShowNow();
    void SetAnimationOn();
    void PlayAnimation();
    void ShowPath(int controlId, const Kyvant::ky_F& path);
    void NoteActivity(bool isFile);

    int Ask(WPARAM kind, LPARAM code);
    int StoredAnswer(int kind, DWORD attributes) const;
    void StoreAnswer(int kind, DWORD attributes, int answer);
    int ShowBox(const Kyvant::ky_S& text, WPARAM type);

    Kyvant::Win32::SharedMemory m_channel;
    bool m_guiFlag;
    bool m_activitySeen;
    bool m_lastStartWasFile;
    bool m_showTimerRunning;
    bool m_madeMainWindow;
    bool m_animationOn;
    HICON m_smallIcon;
    HICON m_bigIcon;
    CAnimateCtrl m_animation;
    int m_toAllByKind[kQueryKinds];
    std::map<DWORD, int> m_toAllByAttributes;
    Kyvant::ky_F m_shownFolder;
    Kyvant::ky_F m_shownFile;
    CDialog* m_openQuestion; // the question being asked, ended when the dialog goes
};
