// Kyvant::FinderLink::TaskDocument<Controller>: what the documents of the
// Find and Dir front-ends share. The document owns its task controller (the
// front-end's Finder), which the front-end makes with the first new document
// and binds to its views; each new document then starts the front-end's
// task. A new document asked for while a task's start is under way is
// refused with a beep; the results are discarded when the contents go,
// except while the document closes; and a running task is stopped instead
// of asking to save.
#pragma once

#include <afxwin.h>

#include <memory>

namespace Kyvant {
namespace FinderLink {

template <class Controller>
class TaskDocument : public CDocument {
public:
    // The task controller; null before the first new document.
    Controller* GetFinder() const { return m_finder.get(); }

    BOOL OnNewDocument() override
    {
        if (m_finder && m_finder->IsStarting()) {
            MessageBeep(0); // asked for from the message loop of a task's start
            return FALSE;
        }
        CWaitCursor wait;
        if (!CDocument::OnNewDocument())
            return FALSE;
        if (!m_finder)
            MakeController();
        return StartTask();
    }

    void DeleteContents() override
    {
        if (m_finder && !m_closing)
            m_finder->Discard();
        CDocument::DeleteContents();
    }

    void OnCloseDocument() override
    {
        m_closing = true;
        CDocument::OnCloseDocument();
    }

    // Stops a running task; closing never asks to save.
    BOOL SaveModified() override
    {
        if (m_finder)
            m_finder->Stop();
        return TRUE;
    }

protected:
    TaskDocument() : m_closing(false) {}

    // Makes m_finder and binds it to the document's views.
    virtual void MakeController() = 0;
    // The new document's task, when the program may run one: whether the
    // new document stands.
    virtual BOOL StartTask() = 0;

    std::unique_ptr<Controller> m_finder;

private:
    bool m_closing;
};

} // namespace FinderLink
} // namespace Kyvant
