// The settings dialog's test pages: their arguments, records and calls.
#include "Settings/SettingsPages.h"

#include "KyGuiTool/Settings/AppBridges.h"
#include "KyGuiTool/Settings/KyBaseDialog.h"
#include "KyGuiTool/Settings/SettingsResource.h"
#include "Settings/SettingsPageIds.h"

namespace settingstest {

namespace {

std::string EditText(const CWnd& page, int id)
{
    char text[1024] = "";
    if (page.GetSafeHwnd() != nullptr)
        ::GetDlgItemTextA(page.m_hWnd, id, text, sizeof text);
    return text;
}

std::string Payload(const Kyvant::ToolDoc::RecHeader& header, const void* payload)
{
    return std::string(static_cast<const char*>(payload), header.length);
}

std::string Ok(bool ok)
{
    return ok ? "ok" : "failed";
}

} // namespace

BEGIN_MESSAGE_MAP(ToolPage, KySubDialog)
    ON_EN_CHANGE(IDC_SETTINGS_TOOL_EDIT, OnChange)
END_MESSAGE_MAP()

ToolPage::ToolPage(const Kyvant::rc_ptr<Kyvant::AppBridge>& bridge, Logger log)
    : KySubDialog(IDD_SETTINGS_TOOL_PAGE, nullptr, bridge, IDC_KY_TOOL_PROXY), m_log(std::move(log))
{
}

BOOL ToolPage::OnInitDialog()
{
    KySubDialog::OnInitDialog();
    SendDlgItemMessage(IDC_SETTINGS_TOOL_EDIT, EM_LIMITTEXT, 0, 0);
    return TRUE;
}

void ToolPage::OnChange()
{
    DocSetModified();
}

std::string ToolPage::Text() const
{
    return EditText(*this, IDC_SETTINGS_TOOL_EDIT);
}

void ToolPage::UpdateArgv(const ArgSink& argv)
{
    if (!Text().empty())
        argv.append(Kyvant::ky_S(Text().c_str()));
    for (const std::string& arg : extraArgs)
        argv.append(Kyvant::ky_S(arg.c_str(), static_cast<unsigned>(arg.size())));
}

void ToolPage::SaveState()
{
    m_log("tool:SaveState");
}

bool ToolPage::AllowOK()
{
    m_log("tool:AllowOK");
    return !refuseOK;
}

bool ToolPage::AllowCancel()
{
    m_log("tool:AllowCancel");
    return !refuseCancel;
}

void ToolPage::DocProcessRecord(Kyvant::ToolDoc::RecHeader& header, void* payload)
{
    m_log("tool:record " + std::to_string(header.type) + " " + Payload(header, payload));
    if (header.type == kToolRecord)
        SetDlgItemText(IDC_SETTINGS_TOOL_EDIT, Payload(header, payload).c_str());
}

void ToolPage::DocWriteRecords(Kyvant::ToolDoc::File& file)
{
    file.Write(kToolRecord, Kyvant::ky_S(Text().c_str()));
}

void ToolPage::DocOnNew()
{
    m_log("tool:DocOnNew");
    SetDlgItemText(IDC_SETTINGS_TOOL_EDIT, "");
}

void ToolPage::DocOnFinishNew()
{
    m_log("tool:DocOnFinishNew");
}

void ToolPage::DocOnStartLoad(const Kyvant::ky_F&)
{
    m_log("tool:DocOnStartLoad");
}

void ToolPage::DocOnFinishLoad(bool ok)
{
    m_log("tool:DocOnFinishLoad " + Ok(ok));
}

void ToolPage::DocOnStartSave(const Kyvant::ky_F&)
{
    m_log("tool:DocOnStartSave");
}

void ToolPage::DocOnFinishSave(bool ok)
{
    m_log("tool:DocOnFinishSave " + Ok(ok));
}

BEGIN_MESSAGE_MAP(SearchPage, KySubDialogPage)
    ON_EN_CHANGE(IDC_SETTINGS_SEARCH_EDIT, OnChange)
END_MESSAGE_MAP()

SearchPage::SearchPage(const char* name, int templateId, const char* guid,
                       const Kyvant::rc_ptr<Kyvant::AppBridge>& bridge, Logger log)
    : KySubDialogPage(templateId, Kyvant::ky_I(guid), nullptr, bridge, templateId), m_name(name),
      m_log(std::move(log))
{
}

BOOL SearchPage::OnInitDialog()
{
    KySubDialogPage::OnInitDialog();
    if (fromElsewhere)
        GetAppBridge()->SetPathPlanLoadedFromNonDocFile();
    return TRUE;
}

void SearchPage::OnChange()
{
    DocSetModified();
}

std::string SearchPage::Text() const
{
    return EditText(*this, IDC_SETTINGS_SEARCH_EDIT);
}

void SearchPage::UpdateArgv(const ArgSink& argv)
{
    if (!Text().empty())
        argv.append(Kyvant::ky_S(Text().c_str()));
}

void SearchPage::SaveState()
{
    Log("SaveState");
}

void SearchPage::DocProcessRecord(Kyvant::ToolDoc::RecHeader& header, void* payload)
{
    Log("record " + std::to_string(header.type) + " " + Payload(header, payload));
    if (header.type == kSearchRecord)
        SetDlgItemText(IDC_SETTINGS_SEARCH_EDIT, Payload(header, payload).c_str());
}

void SearchPage::DocWriteRecords(Kyvant::ToolDoc::File& file)
{
    file.Write(kSearchRecord, Kyvant::ky_S(Text().c_str()));
}

void SearchPage::DocOnNew()
{
    Log("DocOnNew");
    if (GetSafeHwnd() != nullptr)
        SetDlgItemText(IDC_SETTINGS_SEARCH_EDIT, "");
}

void SearchPage::DocOnStartLoad(const Kyvant::ky_F&)
{
    Log("DocOnStartLoad");
}

void SearchPage::DocOnFinishLoad(bool ok)
{
    Log("DocOnFinishLoad " + Ok(ok));
}

void SearchPage::DocOnStartSave(const Kyvant::ky_F&)
{
    Log("DocOnStartSave");
}

void SearchPage::DocOnFinishSave(bool ok)
{
    Log("DocOnFinishSave " + Ok(ok));
}

SearchTabs::SearchTabs(const Kyvant::rc_ptr<Kyvant::AppBridge>& bridge,
                       const Kyvant::RegKey& stateKey, Logger log, bool withPlan)
    : KySubDialogTabCtrl(kTabsId, IDC_KY_PATH_PLAN_PROXY, bridge, stateKey, kPageGuidRecord, 0),
      m_files(new SearchPage("files", IDD_SETTINGS_SEARCH_A, kGuidFiles, bridge, log)),
      m_plan(new SearchPage("plan", IDD_SETTINGS_SEARCH_B, kGuidPlan, bridge, log))
{
    AddPage(m_files.get(), "Files");
    if (withPlan)
        AddPage(m_plan.get(), "Plan");
}

SearchTabs::~SearchTabs() = default;

void AddTestPages(KyBaseDialog& dialog, const Kyvant::RegKey& stateKey, Logger log, bool withPlan)
{
    const Kyvant::rc_ptr<Kyvant::AppBridge> tool(new Kyvant::ToolAppBridge(dialog));
    const Kyvant::rc_ptr<Kyvant::AppBridge> search(new Kyvant::PathPlanAppBridge(dialog));
    dialog.SetSubDialogs(new ToolPage(tool, log), new SearchTabs(search, stateKey, log, withPlan));
}

ToolPage& ToolOf(KyBaseDialog& dialog)
{
    return *static_cast<ToolPage*>(dialog.GetToolSubDialogBridge());
}

SearchTabs& TabsOf(KyBaseDialog& dialog)
{
    return *static_cast<SearchTabs*>(dialog.GetPathPlanSubDialogBridge());
}

} // namespace settingstest
