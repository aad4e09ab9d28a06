// The Replace view in a test frame with a document, as the front-end will
// host it: the task dialog answered through the view's seam with a given
// command line (written into the hand-off block as the settings dialog's OK
// writes it), beeps counted, the status texts recorded, and helpers that
// wait for a question or the task's end and read the panes back.
#pragma once

#include "KyReplace/Gui/View/KyReplaceGView.h"
#include "KyReplace/Gui/View/ReplaceViewFrame.h"

#include <afxext.h>
#include <afxwin.h>

#include <string>
#include <vector>

namespace replgtest {

class TestReplaceDoc : public CDocument {
    DECLARE_DYNCREATE(TestReplaceDoc)
};

class TestReplaceFrame : public CFrameWnd, public Kyvant::ReplaceViewFrame {
    DECLARE_DYNCREATE(TestReplaceFrame)
public:
    void SetStatus(UINT id) override { statuses.push_back(id); }

    std::vector<UINT> statuses;
    int newCommands = 0;

protected:
    afx_msg void OnFileNew() { ++newCommands; }
    DECLARE_MESSAGE_MAP()
};

// The format of one character of a rich edit, and its colour (automatic:
// CLR_DEFAULT).
CHARFORMATA CharFormat(CRichEditCtrl& pane, long pos);
COLORREF CharColour(CRichEditCtrl& pane, long pos);
std::string PaneString(CWnd& pane);

class ReplaceViewHost {
public:
    ReplaceViewHost();
    ~ReplaceViewHost();
    ReplaceViewHost(const ReplaceViewHost&) = delete;
    ReplaceViewHost& operator=(const ReplaceViewHost&) = delete;

    // The next task dialog accepts this command line (after KyReplace.exe),
    // or is cancelled.
    void AcceptNext(const std::vector<std::string>& args);
    void CancelNext();
    int Dialogs() const;

    // The first update (which starts a task), or a later start.
    void InitialUpdate();
    void StartTask();

    // Serve messages until a question waits, or until the task has ended;
    // false on time-out (or when the task ended without a question).
    bool WaitForQuestion();
    bool WaitForEnd();

    // Presses a button of the view as a click does.
    void Click(UINT id);
    bool Enabled(UINT id);
    std::string Text(UINT id);
    CRichEditCtrl& Pane(UINT id);

    CKyReplaceGView& view() { return *view_; }
    TestReplaceFrame& frame() { return *frame_; }
    TestReplaceDoc& document() { return *document_; }
    int beeps() const;
    const std::vector<UINT>& beepTypes() const;

private:
    bool Started();

    TestReplaceDoc* document_;
    TestReplaceFrame* frame_;
    CKyReplaceGView* view_;
};

} // namespace replgtest
