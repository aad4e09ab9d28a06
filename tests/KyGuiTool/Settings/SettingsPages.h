// The settings dialog's test pages, shared by the in-process tests and the
// test front-end: a tool page and a tab control of two file-search pages,
// each an edit whose text is its one argument and its one task-file record.
// Every call a page gets is told to a logger.
#pragma once

#include "KyGuiTool/Pages/KySubDialog.h"
#include "KyGuiTool/Pages/KySubDialogTabCtrl.h"
#include "KyGuiTool/TaskFiles/ToolDocFile.h"

#include <afxwin.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class KyBaseDialog;

namespace settingstest {

using Logger = std::function<void(const std::string&)>;

const int kToolRecord = 1000;
const int kSearchRecord = 200;
const int kPageGuidRecord = 100;
const int kTabsId = 32100;
const char kGuidFiles[] = "{5E1D0A01-0000-4000-8000-0000000000F1}";
const char kGuidPlan[] = "{5E1D0A01-0000-4000-8000-0000000000F2}";

class ToolPage : public KySubDialog {
public:
    ToolPage(const Kyvant::rc_ptr<Kyvant::AppBridge>& bridge, Logger log);

    // Arguments after the edit's text.
    std::vector<std::string> extraArgs;
    bool refuseOK = false;
    bool refuseCancel = false;

    std::string Text() const;

    void UpdateArgv(const ArgSink& argv) override;
    void SaveState() override;
    bool AllowOK() override;
    bool AllowCancel() override;
    void DocProcessRecord(Kyvant::ToolDoc::RecHeader& header, void* payload) override;
    void DocWriteRecords(Kyvant::ToolDoc::File& file) override;
    void DocOnNew() override;
    void DocOnFinishNew() override;
    void DocOnStartLoad(const Kyvant::ky_F& file) override;
    void DocOnFinishLoad(bool ok) override;
    void DocOnStartSave(const Kyvant::ky_F& file) override;
    void DocOnFinishSave(bool ok) override;

protected:
    BOOL OnInitDialog() override;
    afx_msg void OnChange();
    DECLARE_MESSAGE_MAP()

private:
    Logger m_log;
};

class SearchPage : public KySubDialogPage {
public:
    SearchPage(const char* name, int templateId, const char* guid,
               const Kyvant::rc_ptr<Kyvant::AppBridge>& bridge, Logger log);

    // The page tells its host that its settings came from elsewhere.
    bool fromElsewhere = false;

    std::string Text() const;

    void UpdateArgv(const ArgSink& argv) override;
    void SaveState() override;
    void DocProcessRecord(Kyvant::ToolDoc::RecHeader& header, void* payload) override;
    void DocWriteRecords(Kyvant::ToolDoc::File& file) override;
    void DocOnNew() override;
    void DocOnStartLoad(const Kyvant::ky_F& file) override;
    void DocOnFinishLoad(bool ok) override;
    void DocOnStartSave(const Kyvant::ky_F& file) override;
    void DocOnFinishSave(bool ok) override;

protected:
    BOOL OnInitDialog() override;
    afx_msg void OnChange();
    DECLARE_MESSAGE_MAP()

private:
    void Log(const std::string& call) const { m_log(m_name + ":" + call); }

    std::string m_name;
    Logger m_log;
};

// The file-search pages "files" and "plan" (or "files" alone); the tab control
// owns them.
class SearchTabs : public KySubDialogTabCtrl {
public:
    SearchTabs(const Kyvant::rc_ptr<Kyvant::AppBridge>& bridge, const Kyvant::RegKey& stateKey,
               Logger log, bool withPlan = true);
    ~SearchTabs() override;

    SearchPage& Files() { return *m_files; }
    SearchPage& Plan() { return *m_plan; }

private:
    std::unique_ptr<SearchPage> m_files;
    std::unique_ptr<SearchPage> m_plan;
};

// Gives the dialog a tool page and the file-search pages, each with the
// bridge of its part.
void AddTestPages(KyBaseDialog& dialog, const Kyvant::RegKey& stateKey, Logger log,
                  bool withPlan = true);
ToolPage& ToolOf(KyBaseDialog& dialog);
SearchTabs& TabsOf(KyBaseDialog& dialog);

} // namespace settingstest
