// Finder::Job: one find task, one run of the console finder (the shared
// task job, FinderLink/Task/ToolJob.h); its results pipe carries lines that
// it reads into the result model, both pipes in the task's binary mode.
#pragma once

#include "FinderLink/Task/ToolJob.h"
#include "KyFind/Gui/App/KyFindGApp.h"
#include "KyFind/Gui/Finder/Finder.h"

class Finder::Job : public Kyvant::FinderLink::AppToolJob<CKyFindGApp> {
public:
    // The finder's process with the objects of its task.
    using KyFindProcess = Kyvant::FinderLink::TaskProcess;

    // Registers itself as the finder's current job, then starts the task.
    explicit Job(Finder& finder);

private:
    bool MessagesDropCR() const override;
    int ReadResults(int fd) override;

    Model& m_model;
};
