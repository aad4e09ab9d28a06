// What the development-environment page tests share: the classes and
// program identifiers under which the environments are installed and
// published, running stand-ins, environment variables for a test's span,
// a fixture that clears the pages' settings, and reading back the pages'
// controls.
#pragma once

#include "KyGuiTool/DevEnvPages/DevEnvPagesResource.h"
#include "KyGuiTool/DevEnvPages/PathPlanVcSubDialog.h"
#include "KyGuiTool/DevEnvPages/PathPlanVsNetSubDialog.h"
#include "KyGuiTool/Settings/SettingsResource.h"
#include "PathPlans/PathPlanTestSupport.h"
#include "TaskFiles/ScratchFolder.h"
#include "devenv/DevEnvModel.h"
#include "devenv/Registration.h"

#include <dlgs.h>
#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace devenvtest {

using namespace pathplantest;

// Developer Studio's application class, as the add-in's hosts know it.
const CLSID kDevStudioClass = {
    0xFB7FDAE2, 0x89B8, 0x11CF, {0x9B, 0xE8, 0x00, 0xA0, 0xC9, 0x0A, 0x63, 0x2C}};
const wchar_t kDevStudioProgIdKey[] = L"CLSID\\{FB7FDAE2-89B8-11CF-9BE8-00A0C90A632C}";
// The classes the tests give Visual Studio .NET's program identifiers.
const CLSID kDteClass = {
    0x6D1A0F30, 0x3E0B, 0x4C55, {0x9C, 0x5A, 0x2B, 0x1F, 0x00, 0xD7, 0xE0, 0x01}};
const CLSID kDte71Class = {
    0x6D1A0F30, 0x3E0B, 0x4C55, {0x9C, 0x5A, 0x2B, 0x1F, 0x00, 0xD7, 0xE0, 0x71}};

const char kSelectAction[] = "You must select an action.";
const char kNeedMasks[] = "You must enter a value in the Masks field, because you have "
                          "specified a search on at least one folder.";

const std::string kVcGuid = Kyvant::PageGuids::PathPlan::VcChooser.c_str();
const std::string kVsNetGuid = Kyvant::PageGuids::PathPlan::VsNetChooser.c_str();

// Developer Studio's class with its ProgID, and "VisualStudio.DTE", as setup
// writes them; removed again with the object.
class Installation {
public:
    Installation() : m_dte(new DevEnvStandIn::ProgIdKey(L"VisualStudio.DTE", kDteClass))
    {
        HKEY key = nullptr;
        const std::wstring path = std::wstring(kDevStudioProgIdKey) + L"\\ProgID";
        if (::RegCreateKeyExW(HKEY_CLASSES_ROOT, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr,
                              &key, nullptr) != ERROR_SUCCESS)
            return;
        const wchar_t progId[] = L"MSDEV.APPLICATION";
        ::RegSetValueExW(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(progId),
                         sizeof progId);
        ::RegCloseKey(key);
    }
    ~Installation()
    {
        m_dte.reset();
        ::RegDeleteKeyW(HKEY_CLASSES_ROOT,
                        (std::wstring(kDevStudioProgIdKey) + L"\\ProgID").c_str());
        ::RegDeleteKeyW(HKEY_CLASSES_ROOT, kDevStudioProgIdKey);
    }
    Installation(const Installation&) = delete;
    Installation& operator=(const Installation&) = delete;

private:
    std::unique_ptr<DevEnvStandIn::ProgIdKey> m_dte;
};

// The process's installation, made before the first test.
std::unique_ptr<Installation>& ProcessInstallation();

// A running Developer Studio, published under its class.
struct RunningDevStudio {
    DevEnvStandIn::ComRef<DevEnvStandIn::DispObject> app = DevEnvStandIn::VcApplication();
    DevEnvStandIn::RunningObject published{app.get(), kDevStudioClass};
};

// A running Visual Studio .NET, published under the class of "VisualStudio.DTE".
struct RunningVsNet {
    DevEnvStandIn::ComRef<DevEnvStandIn::DispObject> dte = DevEnvStandIn::Dte(L"7.0");
    DevEnvStandIn::RunningObject published{dte.get(), kDteClass};
};

// An environment variable of the C runtime, set (null: removed) for the
// object's lifetime; the pages read it with getenv.
class EnvVar {
public:
    EnvVar(const char* name, const char* value) : m_name(name)
    {
        const char* old = std::getenv(name);
        m_had = old != nullptr;
        if (m_had)
            m_old = old;
        Put(value);
    }
    ~EnvVar() { Put(m_had ? m_old.c_str() : nullptr); }
    EnvVar(const EnvVar&) = delete;
    EnvVar& operator=(const EnvVar&) = delete;

private:
    void Put(const char* value)
    {
        const std::string assignment = m_name + "=" + (value != nullptr ? value : "");
        _putenv(assignment.c_str());
    }

    std::string m_name;
    std::string m_old;
    bool m_had = false;
};

// No shared settings of the two pages, and none of the variables they and
// the tab control read.
inline void ClearDevEnvSettings()
{
    for (const std::string& guid : {kVcGuid, kVsNetGuid})
        Kyvant::RegKey(HKEY_CURRENT_USER, kPathPlanDbKey).DeleteKey(guid.c_str());
    for (const char* name : {"MSVCDir", "MSSDK", "KYVANT_VC_CLSID", "KYVANT_VSNET_CLSID"})
        _putenv((std::string(name) + "=").c_str());
}

// Each test starts and ends without stored settings of the path-plan pages,
// and without a last task file that the dialog would load at its start.
class DevEnvPageTest : public PathPlanTest {
protected:
    DevEnvPageTest()
    {
        ClearDevEnvSettings();
        settingstest::ClearAppKey();
    }
    ~DevEnvPageTest() override
    {
        ClearDevEnvSettings();
        settingstest::ClearAppKey();
    }

    // The page the dialog opens on.
    static void StartOn(const std::string& guid) { SetValue(OptionsKey(), "PageGUID", guid); }
};

// DWORD values under a key, as the pages store them.
inline void SetDwordValue(const std::string& key, const char* name, DWORD value)
{
    RegValue{true, REG_DWORD, std::string(reinterpret_cast<const char*>(&value), 4)}.Write(key,
                                                                                           name);
}
// A DWORD value; -1 when it is missing.
inline long long Dword(const std::string& key, const char* name)
{
    const RegValue value = RegValue::Read(key, name);
    if (!value.exists || value.data.size() != 4)
        return -1;
    DWORD number;
    std::memcpy(&number, value.data.data(), 4);
    return number;
}

using Values = std::vector<std::pair<const char*, DWORD>>;

// A page's stored settings: DWORD values, masks and exception rules.
struct Stored {
    Values values;
    std::string masks;
    Strings exceptions;
};

inline void StorePage(const std::string& key, const Stored& stored)
{
    for (const auto& value : stored.values)
        SetDwordValue(key, value.first, value.second);
    SetValue(key, "Masks", stored.masks);
    SetList(key, "Exceptions", stored.exceptions);
}

inline bool Checked(CWnd& page, int id)
{
    return ::SendMessageA(::GetDlgItem(page.m_hWnd, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

// The ids among these whose controls are checked, and those enabled.
inline std::vector<int> CheckedOf(CWnd& page, const std::vector<int>& ids)
{
    std::vector<int> checked;
    for (int id : ids) {
        if (Checked(page, id))
            checked.push_back(id);
    }
    return checked;
}
inline std::vector<int> EnabledOf(CWnd& page, const std::vector<int>& ids)
{
    std::vector<int> enabled;
    for (int id : ids) {
        if (Host::Enabled(page, id))
            enabled.push_back(id);
    }
    return enabled;
}

inline std::vector<int> Joined(std::vector<int> a, const std::vector<int>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// A click as the button reports it, optionally with Shift held.
inline void Click(CWnd& page, int id, bool shift = false)
{
    HeldKeys keys(shift, false);
    Host::Click(page, id);
}

// The ids from first to last.
inline std::vector<int> Ids(int first, int last)
{
    std::vector<int> ids;
    for (int id = first; id <= last; ++id)
        ids.push_back(id);
    return ids;
}

// Task files: the records of the path-plan pages, written as the dialog's
// menu commands write them and read back.
using settingstest::Header;
using settingstest::Rec;
using settingstest::Record;
using Recs = std::vector<Rec>;

// The records of the file-search part after the page GUID's.
inline Recs PageRecords(const std::string& path)
{
    Recs records;
    for (const Rec& rec : settingstest::RecordsOf(path)) {
        if (rec.type > KyPathPlanSubDialogTabCtrl::kPageGuidRecord && rec.type < 1000)
            records.push_back(rec);
    }
    return records;
}

// A file-search task file of the records.
inline std::string TaskFile(const std::vector<std::string>& records)
{
    std::string file = Header(Kyvant::ToolDoc::FileSearchSettings);
    for (const std::string& record : records)
        file += record;
    return file + Record(Kyvant::ToolDoc::EndRecord, "");
}

// One-byte and 16-bit payloads.
inline std::string Byte(int value)
{
    return std::string(1, static_cast<char>(value));
}
inline std::string Index(int value)
{
    return std::string{static_cast<char>(value & 0xFF), static_cast<char>(value >> 8)};
}

// The next file dialog gets the path typed in and OK pressed.
inline void AnswerFileDialog(const std::string& path)
{
    OnNextModalIdle([path](CWnd* hook) {
        HWND dialog = ::GetParent(hook->m_hWnd);
        for (int id : {cmb13, edt1}) {
            if (::GetDlgItem(dialog, id) != nullptr)
                ::SetDlgItemTextA(dialog, id, path.c_str());
        }
        ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                       reinterpret_cast<LPARAM>(::GetDlgItem(dialog, IDOK)));
    });
}
inline void Command(Host& host, UINT id)
{
    ::SendMessageA(host.dialog.m_hWnd, WM_COMMAND, MAKEWPARAM(id, 0), 0);
}
inline void SaveAs(Host& host, const std::string& path)
{
    AnswerFileDialog(path);
    Command(host, ID_KY_DOC_SAVE_AS);
}
inline void Open(Host& host, const std::string& path)
{
    AnswerFileDialog(path);
    Command(host, ID_KY_DOC_OPEN);
}

} // namespace devenvtest
