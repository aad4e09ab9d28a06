// KyPathPlanSubDialogTabCtrl: the lower half of every tool settings dialog,
// the tab control of the path-plan pages: the Path Plan Editor, the Chooser,
// the Visual C++ 6 and Visual Studio .NET pages where those are installed
// and, where the system has the Indexing Service, its page. It opens on the
// editor when the editor took an Explorer selection, and a tool started from
// a development environment remembers its page apart from the page it shows
// otherwise.
#pragma once

#include "KyGuiTool/KyGuiToolExport.h"
#include "KyGuiTool/Pages/KySubDialogTabCtrl.h"

#include <memory>

class PathPlanEditorSubDialog;
class PathPlanIndexingServiceSubDialog;
class PathPlanSelectorSubDialog;
class PathPlanVcSubDialog;
class PathPlanVsNetSubDialog;

class KYGUITOOL_API KyPathPlanSubDialogTabCtrl : public KySubDialogTabCtrl {
    DECLARE_DYNAMIC(KyPathPlanSubDialogTabCtrl)
public:
    // The tab control's own id, the settings dialog's placeholder it
    // replaces, and the record type of the active page's GUID.
    static const int kActualId = 25063;
    static const int kProxyId = 32000;
    static const int kPageGuidRecord = 100;
    // Where the page last used from Visual C++ 6 or Visual Studio .NET is kept.
    static const char kVcPageGuidValue[];
    static const char kVsNetPageGuidValue[];

    // The editor reads the Explorer selection left under HKCU at the key
    // path (null: none). The application's tool-options key keeps the page.
    KyPathPlanSubDialogTabCtrl(const Kyvant::rc_ptr<Kyvant::AppBridge>& bridge,
                               const char* handoffKeyPath);
    ~KyPathPlanSubDialogTabCtrl() override;

    PathPlanEditorSubDialog& GetEditor() const { return *m_editor; }
    PathPlanSelectorSubDialog& GetSelector() const { return *m_selector; }
    // Null where the environment is not installed.
    PathPlanVcSubDialog* GetVc() const { return m_vc.get(); }
    PathPlanVsNetSubDialog* GetVsNet() const { return m_vsNet.get(); }
    // Null where the system has no Indexing Service.
    PathPlanIndexingServiceSubDialog* GetIndexingService() const { return m_indexingService.get(); }

    // Started from Visual C++ 6 the page goes under "VcPageGUID", from Visual
    // Studio .NET under "VsNetPageGUID", otherwise under "PageGUID".
    void SaveStatePageGUID() override;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    DECLARE_MESSAGE_MAP()

private:
    // The page last used from a development environment (the value), else
    // that environment's own page.
    void ShowEnvironmentPage(const char* value, const Kyvant::ky_I& environmentPage);

    std::unique_ptr<PathPlanEditorSubDialog> m_editor;
    std::unique_ptr<PathPlanSelectorSubDialog> m_selector;
    std::unique_ptr<PathPlanVcSubDialog> m_vc;
    std::unique_ptr<PathPlanVsNetSubDialog> m_vsNet;
    std::unique_ptr<PathPlanIndexingServiceSubDialog> m_indexingService;
};
