// The frame's double: scripted dialog answers, the task's messages recorded.
#include "TaskFrame.h"

#include "DirGTestApp.h"

#include "FinderLink/Task/TaskWords.h"
#include "KyConTool/App/ConGuiHandoff.h"
#include "KyConTool/App/ProtocolPrefix.h"
#include "KyDir/Gui/Model/DirModel.h"
#include "KyDir/Gui/Task/DirJob.h"
#include "KyDir/Gui/Task/TaskLink.h"
#include "KyStd/Strings/String.h"
#include "KyStd/Win32/SharedMemory.h"

#include <cstdio>
#include <cstring>
#include <exception>

namespace DirTask = Kyvant::DirTask;
namespace FinderLink = Kyvant::FinderLink;

namespace {

const UINT kListId = 100;

// As the task dialog's OK does: argc, then each argument with its NUL and
// one more NUL, into the hand-off block the tool made.
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
ON_MESSAGE(DirTask::kToolMessage, OnToolMessage)
ON_MESSAGE(DirTask::kTaskEndMessage, OnTaskEnd)
ON_MESSAGE(FinderLink::kTextMessage, OnText)
END_MESSAGE_MAP()

TaskFrame* TaskFrame::Create(Finder& finder)
{
    TaskFrame* frame = new TaskFrame(finder);
    if (!frame->CreateEx(0, AfxRegisterWndClass(0), "Dir task frame",
                         WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20, 20, 620, 360, nullptr, nullptr)) {
        delete frame;
        return nullptr;
    }
    CRect client;
    frame->GetClientRect(&client);
    frame->m_list.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | LBS_NOINTEGRALHEIGHT,
                         client, frame, kListId);
    theApp.m_pMainWnd = frame;
    return frame;
}

void TaskFrame::PostNcDestroy()
{
    if (theApp.m_pMainWnd == this)
        theApp.m_pMainWnd = nullptr;
    delete this;
}

LRESULT TaskFrame::OnToolMessage(WPARAM wParam, LPARAM)
{
    if (wParam == DirTask::kAskForDialog) {
        ++m_asks;
        AnswerDialog();
    } else {
        m_ignored.push_back(wParam);
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
        if (answer.accept)
            WriteArguments(answer.args);
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
    ShowItems();
    return 0;
}

LRESULT TaskFrame::OnText(WPARAM wParam, LPARAM)
{
    Kyvant::ky_S* text = reinterpret_cast<Kyvant::ky_S*>(wParam);
    m_texts.push_back(text->c_str());
    delete text;
    return 0;
}

void TaskFrame::ShowItems()
{
    m_list.ResetContent();
    const Finder::Model& model = m_finder.GetModel();
    for (unsigned i = 0; i < model.GetItemCount(); ++i) {
        const Finder::Model::Item& item = *model.GetItem(static_cast<int>(i));
        char row[64];
        std::snprintf(row, sizeof row, " %llu %02lx %lu", item.GetSize(), item.GetAttributes(),
                      item.GetRank());
        m_list.AddString((std::string(item.GetName().c_str()) + row).c_str());
    }
}

std::vector<std::string> TaskFrame::ShownRows() const
{
    std::vector<std::string> rows;
    for (int i = 0; i < m_list.GetCount(); ++i) {
        CString text;
        m_list.GetText(i, text);
        rows.push_back(static_cast<LPCSTR>(text));
    }
    return rows;
}
