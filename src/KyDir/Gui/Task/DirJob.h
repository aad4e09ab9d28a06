// Finder::Job: one Dir task, one run of the console Dir program (the shared
// task job, FinderLink/Task/ToolJob.h); its results pipe carries records
// that it reads into the listing.
#pragma once

#include "FinderLink/Task/ToolJob.h"
#include "KyDir/Gui/App/KyDirGApp.h"
#include "KyDir/Gui/Finder/Finder.h"

class Finder::Job : public Kyvant::FinderLink::AppToolJob<CKyDirGApp> {
public:
    // The Dir program's process with the objects of its task.
    using KyDirProcess = Kyvant::FinderLink::TaskProcess;

    // Registers itself as the finder's current job, then starts the task.
    explicit Job(Finder& finder);

private:
    int ReadResults(int fd) override;

    Model& m_model;
};
