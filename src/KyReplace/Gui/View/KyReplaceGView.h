// CKyReplaceGView: the Replace front-end's one view, a form on template 6. It
// starts replace tasks (the task dialog runs when KyReplace asks for it),
// shows each match the engine proposes in context (Before, After, the rule's
// two sides, the position line), takes the user's answer from eight buttons,
// keeps KyReplace's log, and pauses, resumes and stops the task. It is the
// job's host (Task/ReplaceJobHost.h), the nexus's host (NexusHost.h) and the
// process watchdog's user while a stop waits for the engine.
#pragma once

#include "KyGui/Layout/SimpleLayoutManager.h"
#include "KyGui/RichEdit/KyRichEditCtrl.h"
#include "KyGuiTool/App/DatabaseFreshness.h"
#include "KyGuiTool/Watchdog/ProcessKiller.h"
#include "KyReplace/Gui/Task/ReplaceJobHost.h"
#include "KyReplace/Gui/View/NexusHost.h"
#include "KyReplace/Gui/View/ReplaceTaskState.h"
#include "KyReplace/Gui/View/ReplaceTextOptions.h"
#include "KyStd/Files/FileName.h"
#include "KyStd/Strings/String.h"

#include <afxcmn.h>
#include <afxext.h>
#include <afxwin.h>

#include <memory>

namespace Kyvant {
class NexusBase;
class ReplaceJob;
} // namespace Kyvant

class CKyReplaceGView : public CFormView,
                        public Kyvant::ReplaceJobHost,
                        public Kyvant::NexusHost,
                        public Kyvant::ProcessKiller::User {
    DECLARE_DYNCREATE(CKyReplaceGView)
public:
    // The messages the view takes besides the job's (Task/ReplaceMessages.h):
    // a task start, wParam true for the first one.
    static const UINT kStartTaskMessage = WM_APP + 3;
    static const UINT kOneSecondTimer = 1;

    ~CKyReplaceGView() override;

    void OnInitialUpdate() override;

    // What the frame and the application ask of the view.
    bool TaskRunning() const;
    // A match waits for the user's answer.
    bool AnswerPending() const { return m_state.QuestionWaits(); }
    // The running task's job, or null.
    Kyvant::ReplaceJob* CurrentJob() const { return m_job.get(); }
    // A stop or a task's end is under way.
    bool StoppingOrEnding() const { return m_state.StoppingOrEnding(); }
    // A task's start is under way (its dialog, the wait for KyReplace).
    bool StartingTask() const { return m_state.Starting(); }
    // While a task starts the frame must not close (the start runs on the
    // view's behalf): the close is put off and asked again of the frame once
    // the start is through. False when no start is under way.
    bool PutOffCloseWhileStarting();
    // Asks, and stops the task when the user agrees; true once stopped.
    bool StopTask();
    // While a task runs: the match and its replacement selected again.
    void SelectMatchedText();
    // The log pane's text into the file; a failure is reported in a message
    // box and leaves the file as it was. True when saved.
    bool SaveLog(const char* path);
    bool LogEmpty() const;
    void PlayAnimation(bool play);

    // Text options, applied to the panes at once and kept for next time.
    const Kyvant::ReplaceTextOptions& Options() const { return m_options; }
    void SetWordWrap(bool wrap);
    void SetTabSize(int size);
    // The fonts of the panes (Before, After and the rule's sides) and of the
    // log, each when given; the line height is measured again.
    void SetFonts(const LOGFONTA* main, int mainPointSize, const LOGFONTA* log, int logPointSize);
    void SetColours(COLORREF match, COLORREF replacement, COLORREF skip, bool useColours);

    // Kyvant::ReplaceJobHost
    HWND JobWindow() const override { return m_hWnd; }
    void SetJobUnderConstruction(Kyvant::ReplaceJob* job) override { m_jobUnderConstruction = job; }

    // Kyvant::NexusHost
    KyRichEditCtrl& BeforePane() override { return m_before; }
    KyRichEditCtrl& AfterPane() override { return m_after; }
    Kyvant::ReplaceTextOptions& TextOptions() override { return m_options; }
    int BeforeLines() const override { return m_beforeLines; }
    int AfterLines() const override { return m_afterLines; }
    void ShowStatus(UINT id) override;
    void WriteReply(int code) override;
    void WriteLineCountReply() override;
    void ShowRuleSides(const Kyvant::ky_S& matched, const Kyvant::ky_S& replacingWith) override;
    void ClearRuleSideColours() override;
    void ShowPosition(const Kyvant::MatchPosition& position) override;
    CWnd* FrameWindow() override;

    // Kyvant::ProcessKiller::User
    CWnd* GetOwnerWindow() override;
    HANDLE GetProcessHandle() override;
    bool PromptNow() override { return m_state.InStop(); }
    void OnProcessTerminated() override {}
    void OnFirstTick() override;
    void OnStatusDialogClosed() override {}
    void OnWatchdogEnded() override;

protected:
    CKyReplaceGView();
    void DoDataExchange(CDataExchange* pDX) override;

    afx_msg void OnAnswer(UINT id);
    afx_msg void OnNewTask();
    afx_msg void OnStopButton();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnDestroy();
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg LRESULT OnPerlPacket(WPARAM code, LPARAM value);
    afx_msg LRESULT OnKyReplaceRequest(WPARAM request, LPARAM value);
    afx_msg LRESULT OnStartTask(WPARAM firstUpdate, LPARAM);
    DECLARE_MESSAGE_MAP()

private:
    class InStop;

    // Set-up of the first update.
    void SetUpPanes();
    void ApplyOptions();
    void MeasureLines();
    void SetUpLayout();
    void Layout();

    // A task's start, KyReplace's requests and the packets.
    void StartTask(bool first);
    void ReportStartError(const char* text);
    void RunTaskDialog();
    void WatchEngine(HANDLE engine);
    void ReadLogLine(WPARAM kind, LPARAM length);
    void AppendLog(const Kyvant::ky_S& text);
    void HandlePacket(int code, LPARAM value);
    void ShowPacketStatus(int code, LPARAM value);
    void FollowPacket(int code, LPARAM value);
    void OnPacketFailure(const char* text);
    void OnEndOfFile(int count);
    void OnFileName(const Kyvant::ky_F& name);
    void OnQuestion();
    void StartOneSecondTimer();
    void StopOneSecondTimer();
    void ClearRuleSides();

    // Answers, the stop sequence, the task's end.
    void EnableAnswers(bool enable);
    bool AskToStop();
    bool PauseAndAsk(InStop& stop);
    void TakeFileCheck(HANDLE fileCheck);
    bool WaitUntilPausedOrAsked();
    void ResumeAfterPause();
    bool StopEngine();
    void EndTask(bool forced);
    void ClearPanes();
    void DispatchPendingRequests();
    // One round of a nested wait: queued messages (input dropped), idle
    // processing, then a short wait for the handle or a message; the wait's
    // result.
    DWORD PumpIdleAndWait(HANDLE handle);
    HANDLE WatchedProcess() const;
    bool KyReplaceEnded() const;
    bool AskStopQuestion();

    CWnd* Frame();
    // The view's permanent window object for a control it lays out.
    CWnd& Control(UINT id);

    KyRichEditCtrl m_before;
    KyRichEditCtrl m_after;
    KyRichEditCtrl m_matched;
    KyRichEditCtrl m_replacingWith;
    KyRichEditCtrl m_log;
    KyRichEditCtrl m_measure;
    CAnimateCtrl m_animation;
    // The buttons, groups, labels and statics that the layout moves: the
    // layout keeps their window objects, so they must outlive idle time.
    static const size_t kPlainControls = 19;
    CWnd m_plainControls[kPlainControls];

    Kyvant::ReplaceTextOptions m_options;
    std::unique_ptr<Kyvant::ReplaceJob> m_job;
    Kyvant::ReplaceJob* m_jobUnderConstruction;
    std::unique_ptr<Kyvant::NexusBase> m_nexus;
    std::unique_ptr<Kyvant::ProcessKiller::Manager> m_watchdog;
    Kyvant::DatabaseFreshness m_freshness;
    Kyvant::SimpleLayoutManager m_layout;

    // What is under way with the task, and whether a question waits; its
    // states and moves are listed in ReplaceTaskState.h.
    Kyvant::ReplaceTaskState m_state;
    bool m_firstUpdate;
    bool m_timerRunning;
    bool m_layoutReady;
    int m_beforeLines;
    int m_afterLines;
    int m_lineHeight;
    Kyvant::ky_S m_shownMatched;
    Kyvant::ky_S m_shownReplacingWith;
    bool m_matchedShown;
    bool m_replacingWithShown;
    Kyvant::MatchPosition m_position;
    bool m_positionShown;
    Kyvant::ky_F m_fileName;
};
