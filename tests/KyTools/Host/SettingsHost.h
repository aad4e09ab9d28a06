// The tests' tool settings dialog and what drives a page in it: the page takes
// the proxy's place; OK runs the data exchange, the page's OK check, its
// arguments and its registry state, as the tools' dialog does; task-file
// records are written and read through the real record stream; message boxes
// are recorded, or shown and answered from a timer. Cancel asks the page too.
#pragma once

#include "KyGuiTool/Pages/SubDialogBridge.h"
#include "KyStd/Registry/RegKey.h"
#include "TestApp.h"

#include <afxwin.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace hosttest {

// DoModal's result when the script ended with the dialog still open.
const INT_PTR kLeftOpen = 99;
// The tests' settings keys live under this key of HKEY_CURRENT_USER.
extern const char kTestsKey[];

class CountingBridge : public Kyvant::AppBridge {
public:
    void DocSetModified() override { ++modified; }
    bool DocFileIncludesTool() override { return true; }
    bool DocFileIncludesFileSearch() override { return true; }
    void SetPathPlanLoadedFromNonDocFile() override {}

    int modified = 0;
};

class SettingsHost : public CDialog {
public:
    explicit SettingsHost(Kyvant::SubDialogBridge& page);

    // Runs the dialog modally; the script runs once it is up. A dialog the
    // script left open ends with kLeftOpen.
    INT_PTR Run(const std::function<void()>& script);
    // OK and Cancel as the buttons give them.
    void PressOK();
    void PressCancel();

    // The arguments of the last OK that passed.
    std::vector<std::string> argv;
    int saves = 0;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    // Closes only when the page allows it, as the tools' dialog does.
    void OnCancel() override;

private:
    void MergePage();

    Kyvant::SubDialogBridge& m_page;
};

// Runs a page of the class, made anew for each run on a counting bridge, in
// a settings dialog; a test fixture derives from it.
template <class Page>
class PageRunner {
protected:
    INT_PTR Run(const Kyvant::RegKey& key, const std::function<void(Page&, SettingsHost&)>& script)
    {
        m_bridge = new CountingBridge;
        m_page.reset(new Page(Kyvant::rc_ptr<Kyvant::AppBridge>(m_bridge), key));
        m_host.reset(new SettingsHost(*m_page));
        return m_host->Run([this, script] { script(*m_page, *m_host); });
    }
    // The arguments of the last OK that passed.
    const std::vector<std::string>& Argv() const { return m_host->argv; }

    CountingBridge* m_bridge = nullptr;
    std::unique_ptr<Page> m_page;
    std::unique_ptr<SettingsHost> m_host;
};

// Driving a page's controls.
void Click(CWnd& page, int id);
// A click with Shift held, as GetKeyState reports it.
void ShiftClick(CWnd& page, int id);
bool Checked(CWnd& page, int id);
bool Enabled(CWnd& page, int id);
std::string Text(CWnd& page, int id);
void Type(CWnd& page, int id, const char* text);
// The id of the control that holds the focus (0 when none of a dialog does).
int FocusId();
// The ids of the checked buttons from first to last.
std::vector<int> CheckedIn(CWnd& page, int first, int last);

// Task files: the page's records as the stream writes them, and a load of
// records as the settings dialog runs it (start, records, exchange, finish).
std::string SaveRecords(Kyvant::SubDialogBridge& page);
void LoadRecords(Kyvant::SubDialogBridge& page, const std::string& records);
std::string Record(int type, const std::string& payload);
std::string Int32(int value);
// The record types of a stream, in order.
std::vector<int> RecordTypes(const std::string& records);

// A new, empty settings key under the tests' key; DeleteTestsKey removes them all.
Kyvant::RegKey FreshKey(const char* name);
void DeleteTestsKey();
DWORD ReadDword(const Kyvant::RegKey& key, const char* name, DWORD missing = 0xDEADBEEF);
void WriteDword(const Kyvant::RegKey& key, const char* name, DWORD value);

// The texts of the boxes recorded since the last clear.
std::vector<std::string> BoxTexts();
// The text of a string of the resource chain.
std::string ResourceText(UINT id);

// Shows the next message boxes for real and presses the given buttons in turn
// from a timer inside each box's loop; the first box is saved as a screenshot
// when a name is given.
class BoxAnswers {
public:
    explicit BoxAnswers(std::vector<int> buttons, const char* screenshot = nullptr);
    ~BoxAnswers();
    BoxAnswers(const BoxAnswers&) = delete;
    BoxAnswers& operator=(const BoxAnswers&) = delete;

private:
    std::vector<int> m_buttons;
    size_t m_next = 0;
    const char* m_screenshot;
};

} // namespace hosttest
