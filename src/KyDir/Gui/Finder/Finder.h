// Finder: the task controller of the Dir front-end's document. It owns the
// listing (Finder::Model) and the one running task (Finder::Job), starts
// tasks, ends and discards them; stopping, the watchdog and the tool's
// process are the shared controller's.
#pragma once

#include "FinderLink/Controller/TaskController.h"

#include <afxwin.h>

#include <functional>
#include <memory>

class KyFileListViewBase;

class Finder : public Kyvant::FinderLink::TaskController {
public:
    class Job;
    class Model;

    // listView: the view whose monitor timer follows the running task and
    // whose message window tells of an empty listing (null: none).
    explicit Finder(KyFileListViewBase* listView = nullptr);
    ~Finder();

    Model& GetModel() { return *m_model; }
    const Model& GetModel() const { return *m_model; }
    KyFileListViewBase* GetListView() const { return m_listView; }

    // The job being started or running; null when there is none.
    Job* GetCurrentJob() const;

    // Clears the listing and runs a new task up to its readers; false when
    // the task dialog was cancelled or the task could not start (the error
    // was shown).
    bool Start();
    // The end message of the results reader: destroys the job that sent it.
    void OnTaskEnd();
    // Empties the listing and drops the job.
    void Discard();
    // Shows "Stopping...", then the shared controller's stop.
    void Stop();

    // Where the controller's status texts go: (string id, at once). The
    // idle text is AFX_IDS_IDLEMESSAGE.
    using StatusSink = std::function<void(UINT id, bool now)>;
    void SetStatusSink(StatusSink sink) { m_status = std::move(sink); }

private:
    void SetStatus(UINT id, bool now);

    std::unique_ptr<Model> m_model;
    StatusSink m_status;
    KyFileListViewBase* m_listView;
};
