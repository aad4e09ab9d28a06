// The two reader threads of a find task: the results reader feeds the result
// model and ends the task, the message reader posts each line as a text.
// Errors are shown unless the task was asked to go away.
#include "KyFind/Gui/Task/FinderJob.h"

#include "KyFind/Gui/App/KyFindGApp.h"
#include "KyFind/Gui/Model/FinderModel.h"
#include "KyFind/Gui/Model/LineReader.h"
#include "KyFind/Gui/Task/PostText.h"
#include "KyGuiTool/App/AppResource.h"
#include "KyGuiTool/Module/KyGuiToolModule.h"

#include <fcntl.h>
#include <io.h>

#include <exception>

namespace FindTask = Kyvant::FindTask;
namespace FindResults = Kyvant::FindResults;

namespace {

class ModelSink : public FindResults::LineSink {
public:
    explicit ModelSink(Finder::Model& model) : m_model(model) {}
    void OnLine(const char* text, unsigned length) override { m_model.AddLine(text, length); }

private:
    Finder::Model& m_model;
};

class PostingSink : public FindResults::LineSink {
public:
    explicit PostingSink(HWND window) : m_window(window) {}
    void OnLine(const char* text, unsigned length) override
    {
        FindTask::PostText(m_window, text, length);
    }

private:
    HWND m_window;
};

// The whole pipe, in lines; the binary-mode flag of the task is read now.
int ReadPipe(int fd, FindResults::LineSink& sink)
{
    FindResults::LineReader reader(!CKyFindGApp::Instance().GetBinaryMode());
    FindResults::DescriptorSource source(fd);
    return reader.Run(source, sink);
}

// What a failed reader left in its pipe is read and dropped, so that the
// finder is never stuck writing to a pipe nobody reads.
void Drain(int fd)
{
    if (fd == -1)
        return;
    char discarded[FindResults::LineReader::kBufferSize];
    while (_read(fd, discarded, sizeof discarded) > 0) {
    }
}

} // namespace

UINT AFX_CDECL Finder::Job::ResultsReaderEntry(LPVOID job)
{
    return static_cast<UINT>(static_cast<Job*>(job)->ReadResults());
}

UINT AFX_CDECL Finder::Job::MessageReaderEntry(LPVOID job)
{
    return static_cast<UINT>(static_cast<Job*>(job)->ReadMessages());
}

int Finder::Job::ReadResults()
{
    int result = FindTask::kReadFailed;
    try {
        if (WaitForGo()) {
            _setmode(m_results.Get(), _O_BINARY);
            ModelSink sink(m_finder.GetModel());
            result = ReadPipe(m_results.Get(), sink);
        } else {
            result = FindTask::kNotStarted;
        }
    } catch (const std::exception& e) {
        ReportReaderError(e.what());
        Drain(m_results.Get());
    } catch (...) {
        ReportUnknownReaderError();
        Drain(m_results.Get());
    }
    __sync_lock_test_and_set(&m_done, 1);
    PostMessageA(m_frame, FindTask::kTaskEndMessage, static_cast<WPARAM>(result), 0);
    return result;
}

int Finder::Job::ReadMessages()
{
    int result = FindTask::kReadFailed;
    try {
        if (WaitForGo()) {
            PostingSink sink(m_frame);
            result = ReadPipe(m_messages.Get(), sink);
        } else {
            result = FindTask::kNotStarted;
        }
    } catch (const std::exception& e) {
        ReportReaderError(e.what());
        Drain(m_messages.Get());
    } catch (...) {
        ReportUnknownReaderError();
        Drain(m_messages.Get());
    }
    return result;
}

bool Finder::Job::WaitForGo() const
{
    m_process.GetGo().Wait();
    return m_process.ReadWord(FindTask::kReadersStarted) != 0;
}

// Once the task was asked to go away, its errors are nobody's concern.
void Finder::Job::ReportReaderError(const char* text) const
{
    if (WaitForSingleObject(m_process.GetGoAway().get(), 0) == WAIT_TIMEOUT)
        FindTask::PostText(m_frame, text);
}

void Finder::Job::ReportUnknownReaderError() const
{
    if (WaitForSingleObject(m_process.GetGoAway().get(), 0) == WAIT_TIMEOUT)
        FindTask::PostText(m_frame, Kyvant::KyGuiToolModule(), IDS_KY_UNKNOWN_EXCEPTION);
}
