// The bridge to the console tool: the progress channel it creates, the
// release of the tool through the hand-off block and the done event.
#include "KyGuiTool/Handoff/ConGuiBridge.h"

#include "KyConTool/App/ConGuiHandoff.h"
#include "KyConTool/App/ProtocolPrefix.h"
#include "KyGuiTool/App/DlgMainWndManager.h"
#include "KyGuiTool/App/KyGuiApp.h"
#include "KyGuiTool/Handoff/KyProgressDlg.h"
#include "KyStd/Core/Errors.h"
#include "KyStd/Core/HandleTags.h"
#include "KyStd/Win32/HandleWord.h"
#include "KyStd/Win32/SyncObjects.h"

#include <cstddef>
#include <cstring>

namespace Kyvant {

namespace {

ConGuiBridge* g_bridge = nullptr;

void WriteWord(void* block, size_t offset, DWORD value)
{
    std::memcpy(static_cast<char*>(block) + offset, &value, sizeof value);
}

// This process's handle, made for the console process: same access, not
// inheritable.
DWORD OwnHandleFor(HANDLE console)
{
    HANDLE handle = nullptr;
    if (!::DuplicateHandle(::GetCurrentProcess(), ::GetCurrentProcess(), console, &handle, 0, FALSE,
                           DUPLICATE_SAME_ACCESS))
        throw os_error();
    return Win32::HandleToWord(handle);
}

} // namespace

ConGuiBridge& ConGuiBridge::Instance()
{
    if (!g_bridge)
        g_bridge = new ConGuiBridge;
    return *g_bridge;
}

void ConGuiBridge::Reset()
{
    ConGuiBridge* bridge = g_bridge;
    g_bridge = nullptr;
    delete bridge;
}

ConGuiBridge::ConGuiBridge()
    : m_channel(KyCreate, GuiProgressBlock::kSize,
                (GetProtocolPrefix() + GuiProgressBlock::kName).c_str(), PAGE_READWRITE, nullptr,
                FILE_MAP_ALL_ACCESS),
      m_dialog(new KyProgressDlg(m_channel)), m_madeMainWindow(false), m_released(false)
{
}

ConGuiBridge::~ConGuiBridge()
{
    DropProgressDialog();
    delete m_dialog;
}

CWnd& ConGuiBridge::MsgTarget()
{
    return *m_dialog;
}

void ConGuiBridge::CreateProgressDialog()
{
    CWinApp* app = AfxGetApp();
    const bool noMainWindow = !app->m_pMainWnd;
    m_dialog->SetMadeMainWindow(noMainWindow);
    if (!m_dialog->Create())
        AfxThrowResourceException();
    if (noMainWindow) {
        app->m_pMainWnd = m_dialog;
        m_madeMainWindow = true;
    }
}

void ConGuiBridge::DropProgressDialog()
{
    CWinApp* app = AfxGetApp();
    if (m_dialog->GetSafeHwnd())
        m_dialog->DestroyWindow();
    // A main window that never got its window is no main window.
    if (app && app->m_pMainWnd == m_dialog)
        app->m_pMainWnd = nullptr;
    m_madeMainWindow = false;
}

bool ConGuiBridge::ReleaseConApp(bool run)
{
    CRT::Process& console = KyGuiApp::Instance().GetConProcess();
    if (console.empty() || m_released)
        return false;
    const ky_S& prefix = GetProtocolPrefix();
    Win32::SharedMemory block((prefix + ToolHandoffBlock::kName).c_str(),
                              ToolHandoffBlock::kAccess);
    Win32::Event done(KyOpen, (prefix + ToolHandoffBlock::kDoneEventName).c_str(),
                      EVENT_ALL_ACCESS);
    void* words = block.GetBegin();
    if (run) {
        RemovePendingQuit();
        CreateProgressDialog();
        try {
            WriteWord(words, offsetof(ToolHandoffBlock, progressWindow),
                      Win32::HandleToWord(m_dialog->GetSafeHwnd()));
            WriteWord(words, offsetof(ToolHandoffBlock, guiProcess), OwnHandleFor(console.get()));
        } catch (...) {
            DropProgressDialog();
            throw;
        }
    }
    WriteWord(words, offsetof(ToolHandoffBlock, runFlag), run ? 1 : 0);
    done.Set();
    m_released = true;
    return run;
}

void ConGuiBridge::Run()
{
    if (ReleaseConApp(true))
        KyGuiApp::Instance().CWinApp::Run();
}

} // namespace Kyvant
