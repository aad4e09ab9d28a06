// A Dir task: the Dir front-end's protocol, its hand-back into the
// application's flag, and the results read as records into the listing.
#include "KyDir/Gui/Task/DirJob.h"

#include "KyDir/Gui/App/KyDirGApp.h"
#include "KyDir/Gui/Model/DirModel.h"
#include "KyDir/Gui/Model/RecordReader.h"
#include "KyDir/Gui/Task/TaskLink.h"
#include "KyGuiTool/ResultList/KyFileListViewBase.h"

namespace FinderLink = Kyvant::FinderLink;

namespace Kyvant {
namespace DirTask {

const FinderLink::LinkProtocol kProtocol = {
    kBlockName,        kDialogEndedName, kGoName,         kGoAwayName,      kToolCommandLine,
    kToolMissingError, kToolEndedError,  kTaskEndMessage, kMessageReadSize,
};

} // namespace DirTask
} // namespace Kyvant

Finder::Job::KyDirProcess::KyDirProcess() : TaskProcess(Kyvant::DirTask::kProtocol) {}

Finder::Job::Job(Finder& finder)
    : m_finder(finder), m_registration(finder, this), m_readers(m_process, *this)
{
}

Finder::Job::~Job() {}

void Finder::Job::HandBack(bool accepted)
{
    m_process.HandBack(accepted, &RecordAnswer);
}

void Finder::Job::RecordAnswer(bool accepted)
{
    CKyDirGApp::Instance().SetDialogAccepted(accepted);
}

void Finder::Job::Stop()
{
    m_process.GetGoAway().Set();
}

bool Finder::Job::DialogAccepted() const
{
    return CKyDirGApp::Instance().GetDialogAccepted();
}

void Finder::Job::OnReadersStarted()
{
    if (KyFileListViewBase* view = m_finder.GetListView())
        view->EnableMonitorTimer(true);
}

int Finder::Job::ReadResults(int fd)
{
    Kyvant::DirResults::RecordReader reader;
    FinderLink::DescriptorSource source(fd);
    return reader.Run(source, m_finder.GetModel());
}

// The message pipe is in text mode: the C runtime has dropped the CR already.
bool Finder::Job::MessagesDropCR() const
{
    return true;
}
