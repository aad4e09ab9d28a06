// Kyvant::FinderLink::TaskDocument<Controller>: what the documents of the
// Find and Dir front-ends share. The document owns its task controller (the
// front-end's Finder, made with the first new document); a new document
// asked for while a task's start is under way is refused with a beep; the
// results are discarded when the contents go, except while the document
// closes; and a running task is stopped instead of asking to save.
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

    // True, after a beep, when a new document is asked for from the message
    // loop of a task's start: it must be refused.
    bool StartUnderWay() const
    {
        if (!m_finder || !m_finder->IsStarting())
            return false;
        MessageBeep(0);
        return true;
    }

    std::unique_ptr<Controller> m_finder;

private:
    bool m_closing;
};

} // namespace FinderLink
} // namespace Kyvant
