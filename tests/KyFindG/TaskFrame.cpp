// The frame's double: scripted dialog answers, the task's messages recorded.
#include "TaskFrame.h"

#include "FindGTestApp.h"

#include "FinderLink/Task/TaskWords.h"
#include "KyConTool/App/ConGuiHandoff.h"
#include "KyConTool/App/ProtocolPrefix.h"
#include "KyFind/Gui/Model/FinderModel.h"
#include "KyFind/Gui/Task/FinderJob.h"
#include "KyFind/Gui/Task/TaskLink.h"
#include "KyStd/Strings/String.h"
#include "KyStd/Win32/SharedMemory.h"

#include <cstring>
#include <exception>

namespace FindTask = Kyvant::FindTask;
namespace FinderLink = Kyvant::FinderLink;

namespace {

const UINT kListId = 100;

// As the task dialog's OK does: argc, then each argument with its NUL and
// one more NUL, into the hand-off block the finder made.
void WriteArguments(const std::vector<std::string>& args)
{
    std::string strings;
    for (const std::string& arg : args)
        strings += arg + '\0';
    strings += '\0';
    Kyvant::Win32::SharedMemory block(
        (Kyvant::GetProtocolPrefix() + Kyvant::ToolHandoffBlock::kName).c_str());
    char* words = static_cast<char*>(block.GetBegin());
    const DWORD argc = static_cast<DWORD>(args.size());
    std::memcpy(words + 8, &argc, sizeof argc);
    std::memcpy(words + 16, strings.data(), strings.size());
}

} // namespace

BEGIN_MESSAGE_MAP(TaskFrame, CWnd)
ON_MESSAGE(FindTask::kFinderMessage, OnFinderMessage)
ON_MESSAGE(FindTask::kTaskEndMessage, OnTaskEnd)
ON_MESSAGE(FinderLink::kTextMessage, OnText)
END_MESSAGE_MAP()

TaskFrame* TaskFrame::Create(Finder& finder)
{
    TaskFrame* frame = new TaskFrame(finder);
    if (!frame->CreateEx(0, AfxRegisterWndClass(0), "Find task frame",
                         WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20, 20, 520, 360, nullptr, nullptr)) {
        delete frame;
        return nullptr;
    }
    CRect client;
    frame->GetClientRect(&client);
    frame->m_list.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOINTEGRALHEIGHT, client, frame,
                         kListId);
    theApp.m_pMainWnd = frame;
    return frame;
}

void TaskFrame::PostNcDestroy()
{
    if (theApp.m_pMainWnd == this)
        theApp.m_pMainWnd = nullptr;
    delete this;
}

LRESULT TaskFrame::OnFinderMessage(WPARAM wParam, LPARAM lParam)
{
    if (wParam == FindTask::kFinderProcess) {
        m_announced.push_back(reinterpret_cast<HANDLE>(lParam));
        m_finder.SetToolProcess(reinterpret_cast<HANDLE>(lParam));
    } else if (wParam == FindTask::kAskForDialog) {
        ++m_asks;
        AnswerDialog();
    }
    return 0;
}

void TaskFrame::AnswerDialog()
{
    Finder::Job* job = m_finder.GetCurrentJob();
    if (!job || m_answers.empty())
        return;
    const Answer answer = m_answers.front();
    m_answers.pop_front();
    if (m_onAsk)
        m_onAsk();
    try {
        if (answer.accept) {
            WriteArguments(answer.args);
            theApp.SetBinaryMode(answer.binaryMode);
        }
        job->HandBack(answer.accept);
    } catch (const std::exception& e) {
        m_errors.push_back(e.what());
    }
    if (m_afterHandBack)
        m_afterHandBack();
}

LRESULT TaskFrame::OnTaskEnd(WPARAM wParam, LPARAM)
{
    m_taskEnds.push_back(static_cast<int>(wParam));
    m_finder.OnTaskEnd();
    ShowFiles();
    return 0;
}

LRESULT TaskFrame::OnText(WPARAM wParam, LPARAM)
{
    Kyvant::ky_S* text = reinterpret_cast<Kyvant::ky_S*>(wParam);
    m_texts.push_back(text->c_str());
    delete text;
    return 0;
}

void TaskFrame::ShowFiles()
{
    m_list.ResetContent();
    Finder::Model& model = m_finder.GetModel();
    for (unsigned i = 0; i < model.GetFileCount(); ++i) {
        const Finder::Model::FileRec* file = model.GetFile(static_cast<int>(i));
        const std::string row = std::string(file->GetName().c_str()) + " (" +
                                std::to_string(file->GetMatchCount()) + ")";
        m_list.AddString(row.c_str());
    }
}

std::vector<std::string> TaskFrame::ShownRows() const
{
    std::vector<std::string> rows;
    for (int i = 0; i < m_list.GetCount(); ++i) {
        CString text;
        m_list.GetText(i, text);
        rows.push_back(static_cast<const char*>(text));
    }
    return rows;
}
