// What the page tests share: a host bridge that counts modifications, pages
// that log every call made to them, and a host dialog for a tab control.
#pragma once

#include "KyGuiTool/Pages/KySubDialogTabCtrl.h"
#include "KyGuiTool/TaskFiles/ToolDocFile.h"
#include "KyGuiTool/TaskFiles/ToolDocReport.h"
#include "Pages/PageTemplateIds.h"

#include <afxwin.h>

#include <memory>
#include <string>
#include <vector>

namespace pagetest {

using Kyvant::rc_ptr;

// The record a logging page writes: its name.
const int kPageRecord = 1000;

class CountingAppBridge : public Kyvant::AppBridge {
public:
    void DocSetModified() override { ++modified; }
    bool DocFileIncludesTool() override { return true; }
    bool DocFileIncludesFileSearch() override { return true; }
    void SetPathPlanLoadedFromNonDocFile() override {}

    int modified = 0;
};

// Appends "name:call" to a shared log for every bridge and page call.
class LoggingPage : public KySubDialogPage {
public:
    LoggingPage(const char* name, int templateId, const char* guid, std::vector<std::string>& log,
                const rc_ptr<Kyvant::AppBridge>& bridge, const DWORD* helpIds = nullptr)
        : KySubDialogPage(templateId, Kyvant::ky_I(guid), helpIds, bridge, templateId),
          m_name(name), m_log(log)
    {
    }

    void WriteReport(Kyvant::ToolDoc::Report&) override { Log("WriteReport"); }
    void UpdateArgv(const ArgSink& argv) override
    {
        Log("UpdateArgv");
        argv.append(Kyvant::ky_S(m_name.c_str()));
    }
    void SaveState() override { Log("SaveState"); }
    bool AllowOK() override
    {
        Log("AllowOK");
        return true;
    }
    bool AllowCancel() override
    {
        Log("AllowCancel");
        return true;
    }
    int UpdateData(int save) override
    {
        Log("UpdateData");
        return KySubDialogPage::UpdateData(save);
    }
    void DocProcessRecord(Kyvant::ToolDoc::RecHeader& header, void* payload) override
    {
        Log("DocProcessRecord " + std::to_string(header.type) + " " +
            std::string(static_cast<const char*>(payload), header.length));
    }
    void DocWriteRecords(Kyvant::ToolDoc::File& file) override
    {
        Log("DocWriteRecords");
        file.Write(kPageRecord, Kyvant::ky_S(m_name.c_str()));
    }
    void DocOnNew() override { Log("DocOnNew"); }
    void DocOnFinishNew() override { Log("DocOnFinishNew"); }
    void DocOnStartLoad(const Kyvant::ky_F& file) override
    {
        Log(std::string("DocOnStartLoad ") + file.c_str());
    }
    void DocOnFinishLoad(bool ok) override
    {
        Log(ok ? "DocOnFinishLoad ok" : "DocOnFinishLoad failed");
    }
    void DocOnStartSave(const Kyvant::ky_F&) override { Log("DocOnStartSave"); }
    void DocOnFinishSave(bool) override { Log("DocOnFinishSave"); }
    void OnActivatePage() override { Log("OnActivatePage"); }
    bool OnDeactivatePage() override
    {
        Log("OnDeactivatePage");
        return !refuseToLeave;
    }

    bool refuseToLeave = false;

private:
    void Log(const std::string& call) { m_log.push_back(m_name + ":" + call); }

    std::string m_name;
    std::vector<std::string>& m_log;
};

// The GUIDs of the three pages.
const char kGuidA[] = "{5E1D0A01-0000-4000-8000-00000000000A}";
const char kGuidB[] = "{5E1D0A01-0000-4000-8000-00000000000B}";
const char kGuidC[] = "{5E1D0A01-0000-4000-8000-00000000000C}";

// The calls in the log made to one page.
inline std::vector<std::string> CallsOf(const std::vector<std::string>& log,
                                        const std::string& page)
{
    std::vector<std::string> calls;
    for (const std::string& entry : log) {
        if (entry.compare(0, page.size() + 1, page + ":") == 0)
            calls.push_back(entry.substr(page.size() + 1));
    }
    return calls;
}

// A window's rectangle in its parent's client coordinates.
inline CRect RectInParent(HWND window)
{
    CRect rect;
    ::GetWindowRect(window, &rect);
    ::MapWindowPoints(nullptr, ::GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

} // namespace pagetest
