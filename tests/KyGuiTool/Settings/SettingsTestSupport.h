// What the settings dialog's tests share: the hand-off block a console tool
// would have made, the dialog with the test pages run by a script inside its
// modal loop, and task files as records; message boxes and modifier keys are
// handled as in the storage tests.
#pragma once

#include "KyConTool/App/ConGuiHandoff.h"
#include "KyConTool/App/ProtocolPrefix.h"
#include "KyGuiTool/Settings/AppBridges.h"
#include "KyGuiTool/Settings/KyBaseDialog.h"
#include "KyGuiTool/Settings/SettingsResource.h"
#include "KyGuiTool/TaskFiles/ToolDocRecords.h"
#include "KyStd/Core/HandleTags.h"
#include "KyStd/Registry/RegKey.h"
#include "KyStd/Win32/SharedMemory.h"
#include "Settings/SettingsPageIds.h"
#include "Settings/SettingsPages.h"
#include "Storage/StorageTestSupport.h"
#include "TestApp.h"
#include "common/WholeFile.h"

#include <afxwin.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace settingstest {

const char kToolsKey[] = "Software\\Kyvant\\Tools";
const char kPagesKey[] = "Software\\Kyvant\\Tools\\SettingsTests";
const char kTitle[] = "Test Task";
const char kConsoleProgram[] = "KyTest.exe";
const char kGuiProgram[] = "KyTestG.exe";
const char kExtension[] = "kytst";
const char kFilter[] = "Test Tasks (*.kytst)|*.kytst|All Files (*.*)|*.*||";
const int kHelpId = 7;

// The dialogs' application key: the test program's, named after it.
inline std::string AppKeyPath()
{
    return std::string(kToolsKey) + "\\" + AfxGetAppName();
}

// A fresh start: no recent files, no last file, no remembered page.
inline void ClearAppKey()
{
    Kyvant::RegKey app(HKEY_CURRENT_USER, AppKeyPath().c_str());
    app.DeleteKey(KyBaseDialog::kRecentFilesList);
    app.DeleteValue(KyBaseDialog::kLastFileValue);
    Kyvant::RegKey(HKEY_CURRENT_USER, kToolsKey).DeleteKey("SettingsTests");
}

inline std::string LastFileUsed()
{
    Kyvant::ky_S value;
    value.LoadStringA(Kyvant::RegKey(HKEY_CURRENT_USER, AppKeyPath().c_str()).get(),
                      KyBaseDialog::kLastFileValue, "<missing>");
    return value.c_str();
}

inline void SetLastFileUsed(const std::string& file)
{
    ::RegSetValueExA(Kyvant::RegKey(HKEY_CURRENT_USER, AppKeyPath().c_str()).get(),
                     KyBaseDialog::kLastFileValue, 0, REG_SZ,
                     reinterpret_cast<const BYTE*>(file.c_str()),
                     static_cast<DWORD>(file.size() + 1));
}

// The console tool's hand-off block under this process's prefix, made once.
inline Kyvant::Win32::SharedMemory& HandoffBlock()
{
    static Kyvant::Win32::SharedMemory block(
        Kyvant::KyCreate, Kyvant::ToolHandoffBlock::kSize,
        (Kyvant::GetProtocolPrefix() + Kyvant::ToolHandoffBlock::kName).c_str());
    return block;
}

inline DWORD HandoffArgc()
{
    DWORD argc;
    std::memcpy(&argc, static_cast<const char*>(HandoffBlock().GetBegin()) + 8, sizeof argc);
    return argc;
}

// The strings from offset 16 up to the empty one.
inline std::vector<std::string> HandoffStrings()
{
    std::vector<std::string> strings;
    const char* at = static_cast<const char*>(HandoffBlock().GetBegin()) + 16;
    while (*at != '\0') {
        strings.push_back(at);
        at += strings.back().size() + 1;
    }
    return strings;
}

inline void ClearHandoff()
{
    std::memset(HandoffBlock().GetBegin(), 0x55, Kyvant::ToolHandoffBlock::kSize);
}

// Real message boxes answered in turn, and held modifier keys.
using StorageTest::BoxAnswers;
using StorageTest::HeldKeys;

// Lines as a derived dialog might have them: one under the tool's proxy that
// takes the tool page's width, one right of it that takes its height.
class LinedDialog : public KyBaseDialog {
public:
    using KyBaseDialog::KyBaseDialog;

    // In dialog units.
    static CRect WidthLine() { return CRect(7, 82, 303, 83); }
    static CRect HeightLine() { return CRect(305, 7, 306, 80); }

    BOOL OnInitDialog() override
    {
        AddLine(WidthLine(), IDC_SETTINGS_WIDTH_LINE);
        AddLine(HeightLine(), IDC_SETTINGS_HEIGHT_LINE);
        return KyBaseDialog::OnInitDialog();
    }

private:
    void AddLine(CRect rect, int id)
    {
        MapDialogRect(&rect);
        ::CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE | SS_ETCHEDFRAME, rect.left,
                          rect.top, rect.Width(), rect.Height(), m_hWnd,
                          reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), nullptr, nullptr);
    }
};

// Makes the hand-off block before the dialog opens it.
struct WithHandoffBlock {
    WithHandoffBlock() { HandoffBlock(); }
};

// The settings dialog with the test pages; the calls the pages got are in
// the log.
class TestDialog : private WithHandoffBlock {
public:
    enum Pages { kBothParts, kSingleSearchTab, kToolOnly };

    explicit TestDialog(Pages pages = kBothParts)
        : dialog(kHelpId, Kyvant::ky_S(kTitle), Kyvant::ky_F(kGuiProgram),
                 Kyvant::ky_F(kConsoleProgram), Kyvant::ky_S(kExtension), Kyvant::ky_S(kFilter))
    {
        const Logger logger = [this](const std::string& call) { log.push_back(call); };
        if (pages == kToolOnly) {
            const Kyvant::rc_ptr<Kyvant::AppBridge> bridge(new Kyvant::ToolAppBridge(dialog));
            dialog.SetSubDialogs(new ToolPage(bridge, logger), nullptr);
            return;
        }
        AddTestPages(dialog, Kyvant::RegKey(HKEY_CURRENT_USER, kPagesKey), logger,
                     pages == kBothParts);
    }

    // Runs the script when the dialog's loop first idles; the dialog's
    // result. A dialog still open after the time limit fails the test and
    // is ended.
    INT_PTR Run(std::function<void()> script)
    {
        OnNextModalIdle([script](CWnd*) { script(); });
        Running() = &dialog;
        const UINT_PTR timer = ::SetTimer(nullptr, 0, kLimitMs, &OnLimit);
        const INT_PTR result = dialog.DoModal();
        ::KillTimer(nullptr, timer);
        Running() = nullptr;
        return result;
    }

    ToolPage& Tool() { return ToolOf(dialog); }
    SearchTabs& Tabs() { return TabsOf(dialog); }
    HWND Window() const { return dialog.GetSafeHwnd(); }
    std::string Caption() const
    {
        char text[256] = "";
        ::GetWindowTextA(Window(), text, sizeof text);
        return text;
    }
    // A menu command as the menu sends it.
    void Command(UINT id) { ::SendMessageA(Window(), WM_COMMAND, MAKEWPARAM(id, 0), 0); }
    void Click(int id) { ::SendMessageA(::GetDlgItem(Window(), id), BM_CLICK, 0, 0); }
    // Typing into a page's edit, as the user does.
    void TypeTool(const std::string& text)
    {
        ::SetDlgItemTextA(Tool().m_hWnd, IDC_SETTINGS_TOOL_EDIT, text.c_str());
    }
    void TypeFiles(const std::string& text)
    {
        ::SetDlgItemTextA(Tabs().Files().m_hWnd, IDC_SETTINGS_SEARCH_EDIT, text.c_str());
    }
    // The calls logged since the last look.
    std::vector<std::string> TakeLog()
    {
        std::vector<std::string> calls;
        calls.swap(log);
        return calls;
    }

    LinedDialog dialog;
    std::vector<std::string> log;

private:
    static const UINT kLimitMs = 20000;

    static KyBaseDialog*& Running()
    {
        static KyBaseDialog* running = nullptr;
        return running;
    }
    static void CALLBACK OnLimit(HWND, UINT, UINT_PTR timer, DWORD)
    {
        ::KillTimer(nullptr, timer);
        if (Running() == nullptr || Running()->GetSafeHwnd() == nullptr)
            return;
        ADD_FAILURE() << "the settings dialog was still open";
        Running()->EndDialog(IDABORT);
        Running()->PostMessage(WM_NULL);
    }
};

// Task files as records.
inline std::string LittleEndian(std::uint32_t value, int bytes)
{
    std::string out;
    for (int i = 0; i < bytes; ++i)
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
    return out;
}

inline std::string Record(int type, const std::string& payload)
{
    return LittleEndian(static_cast<std::uint32_t>(type), 2) +
           LittleEndian(static_cast<std::uint32_t>(payload.size()), 4) + payload;
}

inline std::string Header(unsigned extent)
{
    return Record(Kyvant::ToolDoc::HeaderRecord, LittleEndian(Kyvant::ToolDoc::kTaskFileMagic, 4) +
                                                     LittleEndian(0, 4) + LittleEndian(extent, 4));
}

struct Rec {
    int type;
    std::string payload;
    bool operator==(const Rec& other) const
    {
        return type == other.type && payload == other.payload;
    }
};

// The records of a file, in order; a damaged tail ends the list.
inline std::vector<Rec> RecordsOf(const std::string& path)
{
    const std::string bytes = kytest::ReadFile(path);
    std::vector<Rec> records;
    size_t at = 0;
    while (at + 6 <= bytes.size()) {
        const auto byte = [&](size_t i) { return static_cast<unsigned char>(bytes[at + i]); };
        const int type = byte(0) | byte(1) << 8;
        const size_t length = byte(2) | byte(3) << 8 | byte(4) << 16 | byte(5) << 24;
        if (at + 6 + length > bytes.size())
            break;
        records.push_back({type, bytes.substr(at + 6, length)});
        at += 6 + length;
    }
    return records;
}

inline std::ostream& operator<<(std::ostream& out, const Rec& rec)
{
    return out << rec.type << ":" << rec.payload.size() << ":" << rec.payload.substr(0, 40);
}

} // namespace settingstest
