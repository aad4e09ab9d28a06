// A Dir task: the Dir front-end's protocol, and the results read as records
// into the listing.
#include "KyDir/Gui/Task/DirJob.h"

#include "KyDir/Gui/Model/DirModel.h"
#include "KyDir/Gui/Model/RecordReader.h"
#include "KyDir/Gui/Task/TaskLink.h"

Finder::Job::Job(Finder& finder)
    : AppToolJob(finder, Kyvant::DirTask::kProtocol, finder.GetListView()),
      m_model(finder.GetModel())
{
}

int Finder::Job::ReadResults(int fd)
{
    Kyvant::DirResults::RecordReader reader;
    Kyvant::FinderLink::DescriptorSource source(fd);
    return reader.Run(source, m_model);
}
