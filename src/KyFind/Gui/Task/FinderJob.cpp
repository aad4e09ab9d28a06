// A find task: the Find front-end's protocol, its hand-back into the
// application's flags, and the results read as lines into the result model.
#include "KyFind/Gui/Task/FinderJob.h"

#include "FinderLink/Results/LineReader.h"
#include "KyFind/Gui/App/KyFindGApp.h"
#include "KyFind/Gui/Model/FinderModel.h"
#include "KyFind/Gui/Task/TaskLink.h"
#include "KyGuiTool/ResultList/KyFileListViewBase.h"

namespace FinderLink = Kyvant::FinderLink;

namespace Kyvant {
namespace FindTask {

const FinderLink::LinkProtocol kProtocol = {
    kBlockName,          kDialogEndedName,  kGoName,         kGoAwayName,      kFinderCommandLine,
    kFinderMissingError, kFinderEndedError, kTaskEndMessage, kMessageReadSize,
};

} // namespace FindTask
} // namespace Kyvant

namespace {

class ModelSink : public FinderLink::LineSink {
public:
    explicit ModelSink(Finder::Model& model) : m_model(model) {}
    void OnLine(const char* text, unsigned length) override { m_model.AddLine(text, length); }

private:
    Finder::Model& m_model;
};

} // namespace

Finder::Job::KyFindProcess::KyFindProcess() : TaskProcess(Kyvant::FindTask::kProtocol) {}

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
    CKyFindGApp::Instance().SetDialogAccepted(accepted);
}

void Finder::Job::Stop()
{
    m_process.GetGoAway().Set();
}

bool Finder::Job::DialogAccepted() const
{
    return CKyFindGApp::Instance().GetDialogAccepted();
}

void Finder::Job::OnReadersStarted()
{
    if (KyFileListViewBase* view = m_finder.GetFileListView())
        view->EnableMonitorTimer(true);
}

// The whole pipe, in lines; the binary-mode flag of the task is read now.
int Finder::Job::ReadResults(int fd)
{
    FinderLink::LineReader reader(!CKyFindGApp::Instance().GetBinaryMode());
    FinderLink::DescriptorSource source(fd);
    ModelSink sink(m_finder.GetModel());
    return reader.Run(source, sink);
}

bool Finder::Job::MessagesDropCR() const
{
    return !CKyFindGApp::Instance().GetBinaryMode();
}
