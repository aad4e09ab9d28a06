// Finder: the task controller of the Find front-end's document. It owns the
// result model and the one running task (Finder::Job), starts tasks, ends
// and discards them; stopping, the finder's announced process and what the
// process watchdog asks are the shared controller's.
#pragma once

#include "FinderLink/Controller/TaskController.h"

#include <afxwin.h>

#include <memory>

class KyFileListViewBase;
class ViewCoordinator;

class Finder : public Kyvant::FinderLink::TaskController {
public:
    class Job;
    class Model;

    // fileList: the view whose monitor timer follows the running task;
    // resultPanes: the window whose input is dropped while a stop waits.
    // Either may be null (no view shows the task).
    explicit Finder(KyFileListViewBase* fileList = nullptr, CWnd* resultPanes = nullptr);
    ~Finder();

    Model& GetModel() { return *m_model; }
    const Model& GetModel() const { return *m_model; }
    KyFileListViewBase* GetFileListView() const { return m_fileList; }
    // The coordinator of the panes that show the results.
    ViewCoordinator& GetViews() const { return *m_views; }

    // The job being started or running; null when there is none.
    Job* GetCurrentJob() const;

    // Clears the results and runs a new task up to its readers; false when
    // the task dialog was cancelled or the task could not start (the error
    // was shown).
    bool Start();
    // Asks the running task to go away, saying so in the status bar, and
    // waits until it has ended (whatever asked: the Stop command, closing,
    // the end of the session, a new document).
    void Stop();
    // The end message of the results reader: destroys the job that sent it.
    void OnTaskEnd();
    // Empties the results and the panes, and drops the job.
    void Discard();

private:
    std::unique_ptr<Model> m_model;
    KyFileListViewBase* m_fileList;
    std::unique_ptr<ViewCoordinator> m_views; // goes before the model
};
