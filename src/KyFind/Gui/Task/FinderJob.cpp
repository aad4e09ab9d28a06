// A find task: the Find front-end's protocol, and the results read as lines
// into the result model, both pipes as the task's binary mode says.
#include "KyFind/Gui/Task/FinderJob.h"

#include "FinderLink/Results/LineReader.h"
#include "KyFind/Gui/Model/FinderModel.h"
#include "KyFind/Gui/Task/TaskLink.h"

namespace FinderLink = Kyvant::FinderLink;

namespace {

class ModelSink : public FinderLink::LineSink {
public:
    explicit ModelSink(Finder::Model& model) : m_model(model) {}
    void OnLine(const char* text, unsigned length) override { m_model.AddLine(text, length); }

private:
    Finder::Model& m_model;
};

} // namespace

Finder::Job::Job(Finder& finder)
    : AppToolJob(finder, Kyvant::FindTask::kProtocol, finder.GetFileListView()),
      m_model(finder.GetModel())
{
}

bool Finder::Job::MessagesDropCR() const
{
    return !CKyFindGApp::Instance().GetBinaryMode();
}

// The whole pipe, in lines; the binary-mode flag of the task is read now.
int Finder::Job::ReadResults(int fd)
{
    FinderLink::LineReader reader(!CKyFindGApp::Instance().GetBinaryMode());
    FinderLink::DescriptorSource source(fd);
    ModelSink sink(m_model);
    return reader.Run(source, sink);
}
