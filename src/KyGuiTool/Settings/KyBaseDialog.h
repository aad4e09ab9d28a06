// KyBaseDialog: the modal settings dialog of every tool. It merges the tool's
// page and the file-search pages into its template, runs the task-file
// commands of its menu, and on OK writes the console program's arguments
// into the hand-off block of the console tool.
#pragma once

#include "KyGuiTool/KyGuiToolExport.h"
#include "KyGuiTool/Pages/SubDialogBridge.h"
#include "KyGuiTool/TaskFiles/ToolDocRecords.h"
#include "KyStd/Files/FileName.h"
#include "KyStd/Registry/RegKey.h"
#include "KyStd/Strings/String.h"
#include "KyStd/Win32/SharedMemory.h"

#include <afxwin.h>

#include <memory>
#include <vector>

class KyGuiApp;
class KySubDialogTabCtrl;

class KYGUITOOL_API KyBaseDialog : public CDialog {
    DECLARE_DYNAMIC(KyBaseDialog)
public:
    using Extent = Kyvant::ToolDoc::SettingsExtent;

    // The value of the application's key that names the task file open when
    // the dialog was last accepted.
    static const char kLastFileValue[];
    // The list of recent task files under the application's key.
    static const char kRecentFilesList[];
    static const unsigned kRecentFilesMax = 8;

    // Opens the hand-off block of the console tool (os_error when there is
    // none). The extension has no dot; the filter is a file dialog's. The
    // last flag has no effect.
    KyBaseDialog(int helpId, const Kyvant::ky_S& title, const Kyvant::ky_F& guiProgram,
                 const Kyvant::ky_F& consoleProgram, const Kyvant::ky_S& extension,
                 const Kyvant::ky_S& filter, CWnd* parent = nullptr, bool unused = true);
    ~KyBaseDialog() override;

    // Takes both over; either may be null.
    void SetSubDialogs(Kyvant::SubDialogBridge* tool, Kyvant::SubDialogBridge* fileSearch);
    Kyvant::SubDialogBridge* GetToolSubDialogBridge() const { return m_tool.get(); }
    Kyvant::SubDialogBridge* GetPathPlanSubDialogBridge() const { return m_fileSearch.get(); }

    // The bridges of the included parts, tool first; the first refusal
    // answers false.
    virtual bool AllowOK();
    virtual bool AllowCancel();
    // Both bridges store their settings.
    virtual void SaveState();

    // While the dialog runs it is the main window unless a visible one exists.
    INT_PTR DoModal() override;
    BOOL OnInitDialog() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

    // Clears the modified marks, then loads the start-up task file. The load
    // runs once for each showing of the dialog, however often this is
    // called (the dialog posts it to itself; a derived dialog may call it).
    void PostInitDialog();
    // The arguments of the current settings, each quoted as the system's
    // command lines need, joined by blanks.
    Kyvant::ky_S GetCommandLine();

    // The task document.
    bool DocIsFile() const { return !m_fileName.empty(); }
    const Kyvant::ky_F& DocGetFileName() const { return m_fileName; }
    bool DocIsModified() const;
    bool DocIsModifiedTool() const { return (m_modified & Kyvant::ToolDoc::ToolSettings) != 0; }
    bool DocIsModifiedFileSearch() const;
    bool DocIsModifiedFile() const { return DocIsModified() && DocIsFile(); }
    bool DocFileIncludesTool() const;
    bool DocFileIncludesFileSearch() const;
    bool SettingsIncludeTool() const;
    bool SettingsIncludeFileSearch() const;
    bool SettingsComplete() const;
    Extent GetSettingsExtent() const;
    // Marks the parts modified, unless an operation suppresses the marks.
    void DocSetModified(unsigned extent);
    // The file-search settings came from elsewhere than a task file: the
    // start-up load then takes only a file of the tool's settings.
    void SetPathPlanLoadedFromNonDocFile() { m_pathPlanFromElsewhere = true; }
    bool IsPathPlanLoadedFromNonDocFile() const { return m_pathPlanFromElsewhere; }

    // The document operations; failures reach MFC's reporting as exceptions
    // of MFC. False when the user or a page stopped the operation.
    bool DocNew(bool all);
    bool DocOpen();
    bool DocSave(bool rename, bool validate);
    bool DocSaveAs(bool rename, bool validate);
    void DocOnAppStartLoadFile();
    // The recent task files, most recent first.
    std::vector<Kyvant::ky_F> GetRecentFiles() const;

protected:
    void OnOK() override;
    void OnCancel() override;
    void DoDataExchange(CDataExchange* pDX) override;

    afx_msg BOOL OnQueryEndSession();
    afx_msg void OnDestroy();
    afx_msg void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);
    afx_msg LRESULT OnPostInit(WPARAM wParam, LPARAM lParam);
    afx_msg void OnDocNew();
    afx_msg void OnDocOpen();
    afx_msg void OnDocSave();
    afx_msg void OnDocSaveAs();
    afx_msg void OnDocCancel();
    afx_msg void OnHelp();
    afx_msg void OnAbout();
    afx_msg void OnOptions();
    afx_msg void OnWeb();
    afx_msg void OnExplorerMenuEditor();
    afx_msg void OnShellExtension();
    afx_msg void OnUpdateShellExtension(CCmdUI* pCmdUI);
    afx_msg void OnUpdateRecentFiles(CCmdUI* pCmdUI);
    afx_msg void OnRecentFile(UINT id);
    DECLARE_MESSAGE_MAP()

private:
    class Operation;
    friend class Operation;

    // Setting up the window.
    void SpaceButtonColumn();
    void SetIcons();
    void AttachMenu();
    void Merge(Kyvant::SubDialogBridge* bridge, bool sideways);
    void MoveSiblings(const CWnd& added, const CWnd& proxy, const CRect& proxyRect, CSize growth,
                      bool sideways);
    KySubDialogTabCtrl* TabCtrlToSwitch();

    // Accepting the settings.
    // The console program's path, then the included parts' arguments.
    std::vector<Kyvant::ky_BSB<char>> GetArgv();
    void AcceptSettings(bool showViewer);
    void WriteHandoff(const std::vector<Kyvant::ky_BSB<char>>& argv);
    bool ConfirmInViewer(const std::vector<Kyvant::ky_BSB<char>>& argv);

    // The task document.
    unsigned DocumentExtent() const;
    bool Includes(unsigned part) const;
    bool DocQuerySave(bool rename, bool validate);
    bool DocDoNew(bool all);
    bool DocDoNewChecks(const Kyvant::ky_F* file, bool partial);
    void DocDoOpen(const Kyvant::ky_F& file, bool remember);
    void ReadRecords(Kyvant::ToolDoc::File& stream, const Kyvant::ky_F& file);
    void DocDoSave(const Kyvant::ky_F& file, bool rename, bool remember);
    void WriteRecords(Kyvant::ToolDoc::File& stream);
    // The bridges of the included parts, tool first.
    std::vector<Kyvant::SubDialogBridge*> IncludedBridges() const;
    void DocResetName(bool rename);
    void DocOnNameChange(const Kyvant::ky_F& name);
    bool ValidateSettings();
    void OpenRecentFile(unsigned index);
    void RememberRecentFile(const Kyvant::ky_F& file);
    void ForgetRecentFile(const Kyvant::ky_F& file);

    int m_helpId;
    bool m_wasMainWindow;
    unsigned m_extent;
    unsigned m_fileExtent;
    bool m_partial;
    bool m_suppressModified;
    bool m_pathPlanFromElsewhere;
    bool m_startUpLoaded;
    unsigned m_modified;
    Kyvant::ky_F m_fileName;
    Kyvant::ky_S m_title;
    Kyvant::ky_F m_guiProgram;
    Kyvant::ky_F m_consoleProgram;
    Kyvant::ky_S m_extension;
    Kyvant::ky_S m_filter;
    KyGuiApp* m_app;
    Kyvant::RegKey m_appKey;
    Kyvant::Win32::SharedMemory m_handoff;
    std::unique_ptr<Kyvant::SubDialogBridge> m_tool;
    std::unique_ptr<Kyvant::SubDialogBridge> m_fileSearch;
    HICON m_bigIcon;
    HICON m_smallIcon;
    HACCEL m_accelerators;
    CMenu m_menu;
    CStatic m_menuLine;
};
