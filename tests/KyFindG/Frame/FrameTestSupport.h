// What the frame's tests share: the Find front-end's document, frame and
// file list made in this process as the program makes them, a fixture
// folder handed to the task dialog as the shell extension does, the task
// dialog answered from the modal loop's first idle step, and the update
// state of a command.
#pragma once

#include "FindGTestApp.h"
#include "KyFind/Gui/Document/KyFindGDoc.h"
#include "KyFind/Gui/FileList/FileListView.h"
#include "KyFind/Gui/Frame/FrameResource.h"
#include "KyFind/Gui/Frame/MainFrame.h"
#include "common/TempFolder.h"
#include "common/WholeFile.h"

#include <afxwin.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace frametest {

const unsigned kTaskTimeoutMs = 30000;
const int kPatternId = 1000;

// A command's state as its update handler leaves it.
class CommandState : public CCmdUI {
public:
    explicit CommandState(UINT id) { m_nID = id; }
    void Enable(BOOL on = TRUE) override
    {
        enabled = on != FALSE;
        m_bEnableChanged = TRUE;
    }
    void SetCheck(int) override {}
    void SetText(LPCSTR text) override { this->text = text ? text : ""; }

    bool enabled = false;
    std::string text;
};

inline bool Enabled(CMainFrame& frame, UINT id)
{
    CommandState state(id);
    state.DoUpdate(&frame, TRUE);
    return state.enabled;
}

// Runs the script as the first idle step of each modal loop while it lives.
class ModalScript {
public:
    explicit ModalScript(std::function<void(CWnd*)> step)
    {
        s_step = std::move(step);
        m_old = AfxSetModalIdleHook(&Run);
    }
    ~ModalScript()
    {
        AfxSetModalIdleHook(m_old);
        s_step = nullptr;
    }
    ModalScript(const ModalScript&) = delete;
    ModalScript& operator=(const ModalScript&) = delete;

private:
    static void Run(CWnd* dialog)
    {
        if (s_step)
            s_step(dialog);
    }
    static std::function<void(CWnd*)> s_step;
    AFX_MODALIDLEHOOK m_old;
};

class FrameTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Writes the fixture folder and hands it to the next task dialog.
    void HandOverFixture();
    // Starts a task whose dialog is answered with the pattern; true when it
    // started.
    bool StartTask(const std::string& pattern);
    // The same, waiting for its end; true when it ran and ended.
    bool RunTask(const std::string& pattern);
    bool TaskEnded();

    CMainFrame* frame = nullptr;
    CKyFindGDoc* doc = nullptr;
    Finder* finder = nullptr;
    FileListView* list = nullptr;
    std::string folder;
};

} // namespace frametest
