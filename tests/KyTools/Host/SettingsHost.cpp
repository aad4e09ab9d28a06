// The tests' tool settings dialog, control driving, task-file records,
// registry keys and message-box answers.
#include "Host/SettingsHost.h"

#include "Host/HostIds.h"
#include "KyGuiTool/TaskFiles/ToolDocFile.h"
#include "KyStd/Containers/Sequencer.h"
#include "KyStd/Registry/RegValues.h"

#include <gtest/gtest.h>

#include <afxwin.h>

namespace hosttest {

const char kTestsKey[] = "Software\\Kyvant\\Tools\\KyToolsTests";

namespace {

const char kToolsKey[] = "Software\\Kyvant\\Tools";
const char kTestsSubkey[] = "KyToolsTests";
const unsigned kRecordHeaderSize = 6;

using ArgList = std::vector<Kyvant::ky_BSB<char>>;

} // namespace

SettingsHost::SettingsHost(Kyvant::SubDialogBridge& page)
    : CDialog(IDD_KYTOOLS_TEST_HOST), m_page(page)
{
}

INT_PTR SettingsHost::Run(const std::function<void()>& script)
{
    OnNextModalIdle([this, script](CWnd*) {
        script();
        PumpPending();
        if (ContinueModal())
            EndDialog(static_cast<int>(kLeftOpen));
    });
    return DoModal();
}

void SettingsHost::PressOK()
{
    SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                reinterpret_cast<LPARAM>(GetDlgItem(IDOK)->m_hWnd));
    PumpPending();
}

void SettingsHost::PressCancel()
{
    SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                reinterpret_cast<LPARAM>(GetDlgItem(IDCANCEL)->m_hWnd));
    PumpPending();
}

BOOL SettingsHost::OnInitDialog()
{
    CDialog::OnInitDialog();
    MergePage();
    return TRUE;
}

// The page in the proxy's place; the dialog grows by what the page needs more.
void SettingsHost::MergePage()
{
    CWnd* proxy = GetDlgItem(m_page.GetProxyID());
    ASSERT_NE(nullptr, proxy);
    CRect place;
    proxy->GetWindowRect(&place);
    ScreenToClient(&place);
    ASSERT_TRUE(m_page.CreateGUI(*this, place));
    CWnd& window = m_page.GetCWnd();
    CRect size;
    window.GetWindowRect(&size);
    window.SetWindowPos(proxy, place.left, place.top, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
    proxy->DestroyWindow();
    const int dx = size.Width() - place.Width();
    const int dy = size.Height() - place.Height();
    for (int id : {IDOK, IDCANCEL}) {
        CWnd* button = GetDlgItem(id);
        CRect at;
        button->GetWindowRect(&at);
        ScreenToClient(&at);
        ::SetWindowPos(button->m_hWnd, nullptr, at.left + dx, at.top, 0, 0,
                       SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    CRect frame;
    GetWindowRect(&frame);
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, frame.Width() + dx, frame.Height() + dy,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    window.ShowWindow(SW_SHOW);
}

void SettingsHost::DoDataExchange(CDataExchange* pDX)
{
    if (m_page.GetCWnd().m_hWnd != nullptr && !m_page.UpdateData(pDX->m_bSaveAndValidate))
        pDX->Fail();
}

void SettingsHost::OnOK()
{
    if (!UpdateData(TRUE) || !m_page.AllowOK())
        return;
    ArgList args;
    m_page.UpdateArgv(Kyvant::back_insert_sequencer<ArgList>(args));
    argv.clear();
    for (const auto& arg : args)
        argv.push_back(arg.c_str());
    m_page.SaveState();
    ++saves;
    EndDialog(IDOK);
}

void SettingsHost::OnCancel()
{
    if (m_page.AllowCancel())
        EndDialog(IDCANCEL);
}

void Click(CWnd& page, int id)
{
    page.GetDlgItem(id)->SendMessage(BM_CLICK);
    PumpPending();
}

void ShiftClick(CWnd& page, int id)
{
    BYTE keys[256] = {};
    ::GetKeyboardState(keys);
    keys[VK_SHIFT] = 0x80;
    ::SetKeyboardState(keys);
    Click(page, id);
    keys[VK_SHIFT] = 0;
    ::SetKeyboardState(keys);
}

bool Checked(CWnd& page, int id)
{
    return page.IsDlgButtonChecked(id) == BST_CHECKED;
}

bool Enabled(CWnd& page, int id)
{
    return page.GetDlgItem(id)->IsWindowEnabled() != FALSE;
}

std::string Text(CWnd& page, int id)
{
    CString text;
    page.GetDlgItemText(id, text);
    return static_cast<LPCSTR>(text);
}

void Type(CWnd& page, int id, const char* text)
{
    page.GetDlgItem(id)->SetWindowText(text);
    PumpPending();
}

int FocusId()
{
    const HWND focus = ::GetFocus();
    return focus != nullptr ? ::GetDlgCtrlID(focus) : 0;
}

std::vector<int> CheckedIn(CWnd& page, int first, int last)
{
    std::vector<int> ids;
    for (int id = first; id <= last; ++id) {
        if (page.GetDlgItem(id) != nullptr && Checked(page, id))
            ids.push_back(id);
    }
    return ids;
}

std::string SaveRecords(Kyvant::SubDialogBridge& page)
{
    Kyvant::ToolDoc::File file(new CMemFile);
    page.DocWriteRecords(file);
    CFile& memory = file.GetFile();
    std::string bytes(static_cast<size_t>(memory.GetLength()), '\0');
    memory.SeekToBegin();
    if (!bytes.empty())
        memory.Read(&bytes[0], static_cast<UINT>(bytes.size()));
    return bytes;
}

void LoadRecords(Kyvant::SubDialogBridge& page, const std::string& records)
{
    std::vector<BYTE> buffer(records.begin(), records.end());
    Kyvant::ToolDoc::File file(new CMemFile(buffer.data(), static_cast<UINT>(buffer.size())));
    page.DocOnStartLoad(Kyvant::ky_F("C:\\task"));
    Kyvant::ToolDoc::RecHeader header = {};
    while (char* payload = file.Read(header))
        page.DocProcessRecord(header, payload);
    if (page.GetCWnd().m_hWnd != nullptr)
        page.UpdateData(FALSE);
    page.DocOnFinishLoad(true);
    PumpPending();
}

std::string Record(int type, const std::string& payload)
{
    std::string bytes;
    bytes += static_cast<char>(type & 0xFF);
    bytes += static_cast<char>((type >> 8) & 0xFF);
    for (int shift = 0; shift < 32; shift += 8)
        bytes += static_cast<char>((payload.size() >> shift) & 0xFF);
    return bytes + payload;
}

std::string Int32(int value)
{
    std::string bytes;
    for (int shift = 0; shift < 32; shift += 8)
        bytes += static_cast<char>((static_cast<unsigned>(value) >> shift) & 0xFF);
    return bytes;
}

std::vector<int> RecordTypes(const std::string& records)
{
    std::vector<int> types;
    size_t at = 0;
    while (at + kRecordHeaderSize <= records.size()) {
        const unsigned char* p = reinterpret_cast<const unsigned char*>(records.data() + at);
        types.push_back(p[0] | p[1] << 8);
        const size_t length = p[2] | p[3] << 8 | p[4] << 16 | static_cast<size_t>(p[5]) << 24;
        at += kRecordHeaderSize + length;
    }
    return types;
}

Kyvant::RegKey FreshKey(const char* name)
{
    Kyvant::RegKey tests(HKEY_CURRENT_USER, kTestsKey);
    tests.DeleteKey(name);
    return Kyvant::RegKey(tests, name);
}

void DeleteTestsKey()
{
    Kyvant::RegKey(HKEY_CURRENT_USER, kToolsKey).DeleteKey(kTestsSubkey);
}

DWORD ReadDword(const Kyvant::RegKey& key, const char* name, DWORD missing)
{
    return Kyvant::GetRegistryDWORD(key.get(), name, missing);
}

void WriteDword(const Kyvant::RegKey& key, const char* name, DWORD value)
{
    Kyvant::WriteRegistryDWORD(key.get(), name, value);
}

std::vector<std::string> BoxTexts()
{
    std::vector<std::string> texts;
    for (const RecordedBox& box : theApp.m_boxes)
        texts.push_back(box.text);
    return texts;
}

std::string ResourceText(UINT id)
{
    CString text;
    if (!text.LoadString(id))
        return "<missing>";
    return static_cast<LPCSTR>(text);
}

namespace {

// A shown box of the thread: a dialog without a page inside it.
BOOL CALLBACK FindBox(HWND window, LPARAM found)
{
    char name[16] = "";
    ::GetClassNameA(window, name, sizeof name);
    if (std::string(name) != "#32770" || !::IsWindowVisible(window) ||
        ::FindWindowExA(window, nullptr, "#32770", nullptr) != nullptr)
        return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

void Press(int button, const char* screenshot)
{
    RunSoon([button, screenshot] {
        HWND box = nullptr;
        ::EnumThreadWindows(::GetCurrentThreadId(), &FindBox, reinterpret_cast<LPARAM>(&box));
        if (box == nullptr) {
            Press(button, screenshot);
            return;
        }
        if (screenshot != nullptr) {
            // One more tick first, so that the box is on the screen whole.
            RunSoon([box, button, screenshot] {
                ::RedrawWindow(box, nullptr, nullptr,
                               RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
                SaveWindowPng(box, screenshot);
                ::PostMessageA(box, WM_COMMAND, static_cast<WPARAM>(button), 0);
            });
            return;
        }
        ::PostMessageA(box, WM_COMMAND, static_cast<WPARAM>(button), 0);
    });
}

} // namespace

BoxAnswers::BoxAnswers(std::vector<int> buttons, const char* screenshot)
    : m_buttons(std::move(buttons)), m_screenshot(screenshot)
{
    theApp.m_boxes.clear();
    theApp.m_showRealBoxes = true;
    theApp.m_onBox = [this] {
        const int button = m_next < m_buttons.size() ? m_buttons[m_next++] : IDCANCEL;
        Press(button, m_screenshot);
        m_screenshot = nullptr;
    };
}

BoxAnswers::~BoxAnswers()
{
    theApp.m_showRealBoxes = false;
    theApp.m_onBox = nullptr;
}

} // namespace hosttest
