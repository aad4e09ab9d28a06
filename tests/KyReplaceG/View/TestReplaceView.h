// The window that plays the Replace view's part in the tests: it owns a
// replace job and answers what reaches a view. KyReplace's requests: the
// task dialog (a real modal dialog, answered from the script in the modal
// loop's idle hook, handing the command line back as the settings dialog
// does), the engine's process to watch, log lines. The reader's packets:
// each logged as one line, 400's line-count reply, questions answered from
// the script, the file text streamed into a rich edit (or a string), 404
// handled as the view handles it, 410 answered with Resume or DoQuit; 401
// and 402 end the task (402 first sets DoQuit, as a stop would).
#pragma once

#include "View/ViewScript.h"

#include "KyReplace/Gui/Packets/ReplPacket.h"
#include "KyReplace/Gui/Task/ReplaceJob.h"
#include "KyReplace/Gui/Task/ReplaceJobHost.h"

#include <afxcmn.h>
#include <afxwin.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace replgtest {

class TestReplaceView : public CWnd, public Kyvant::ReplaceJobHost {
public:
    explicit TestReplaceView(const ViewScript& script);
    ~TestReplaceView() override;

    // A visible top-level window with a log list and a text pane.
    bool Create(const char* title);

    // Builds the job (its task dialog runs meanwhile) and lets it go; a
    // failure is logged as "start failed: <text>" and ends the task.
    void StartTask();
    bool Ended() const { return ended_; }
    Kyvant::ReplaceJob* Job() const { return job_.get(); }

    // Without a job: where 407's stream comes from, and the abort event
    // that 402 reports.
    void UseReader(std::function<Kyvant::TextStream()> textSource, HANDLE abort);

    const std::vector<std::string>& Log() const { return log_; }
    std::string LogText() const; // one line each, '\n' after each
    const std::string& LastText() const { return lastText_; }
    CRichEditCtrl& TextPane() { return text_; }

    HWND JobWindow() const override { return m_hWnd; }
    void SetJobUnderConstruction(Kyvant::ReplaceJob* job) override { underConstruction_ = job; }

protected:
    afx_msg LRESULT OnRequest(WPARAM request, LPARAM value);
    afx_msg LRESULT OnPacket(WPARAM code, LPARAM value);
    DECLARE_MESSAGE_MAP()

private:
    void Add(const std::string& line);
    void RunTaskDialog();
    void ReadLogLine(WPARAM kind, LPARAM length);
    void OnQuestion(const Kyvant::ReplPacketBase& packet);
    void OnFileText(int size);
    void OnEndOfFile(int count);
    void OnPaused();
    void OnFailure(const std::exception& error);
    void EndTask();
    void Reply(int code);

    ViewScript script_;
    std::unique_ptr<Kyvant::ReplaceJob> job_;
    Kyvant::ReplaceJob* underConstruction_ = nullptr;
    std::function<Kyvant::TextStream()> textSource_;
    HANDLE readerAbort_ = nullptr;
    size_t repliesUsed_ = 0;
    bool ended_ = false;
    bool ending_ = false;
    std::vector<std::string> log_;
    std::string lastText_;
    CListBox list_;
    CRichEditCtrl text_;
};

// Writes the command line (argument 0 first) into the hand-off block, as
// the task dialog's OK does.
void WriteHandoffCommandLine(const std::vector<std::string>& words);

// Serves this thread's messages until done() holds or timeoutMs pass;
// false on time-out.
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs);

// Control characters shown as escapes ("\n", "\r", "\t").
std::string Escaped(const std::string& text);

} // namespace replgtest
