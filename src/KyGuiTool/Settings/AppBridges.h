// Kyvant::ToolAppBridge and Kyvant::PathPlanAppBridge: what the tool's page
// and the file-search pages ask of the settings dialog that hosts them.
#pragma once

#include "KyGuiTool/KyGuiToolExport.h"
#include "KyGuiTool/Pages/SubDialogBridge.h"

class KyBaseDialog;

namespace Kyvant {

// The tool's page: its changes mark the tool's part of the task document.
class KYGUITOOL_API ToolAppBridge : public virtual AppBridge {
public:
    explicit ToolAppBridge(KyBaseDialog& host);
    ~ToolAppBridge() override;

    void OnOK() override;
    void DocSetModified() override;
    bool DocFileIncludesTool() override;
    bool DocFileIncludesFileSearch() override;
    void SetPathPlanLoadedFromNonDocFile() override;

protected:
    KyBaseDialog& GetHost() const { return m_host; }

private:
    KyBaseDialog& m_host;
};

// The file-search pages: their changes mark the file-search part, and they
// may tell that their settings came from elsewhere than a task file.
class KYGUITOOL_API PathPlanAppBridge : public virtual AppBridge {
public:
    explicit PathPlanAppBridge(KyBaseDialog& host);
    ~PathPlanAppBridge() override;

    // The file-search pages' report.
    void WriteReport(ToolDoc::Report& report) override;
    void OnOK() override;
    void DocSetModified() override;
    bool DocFileIncludesTool() override;
    bool DocFileIncludesFileSearch() override;
    void SetPathPlanLoadedFromNonDocFile() override;

protected:
    KyBaseDialog& GetHost() const { return m_host; }

private:
    KyBaseDialog& m_host;
};

} // namespace Kyvant
