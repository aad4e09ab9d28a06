// KyGuiApp: the application base of every windowed front-end, one per
// process. It takes the console hand-off values from the environment, owns
// the registry keys the tools share, the alternate editor font, the help
// file, the Indexing Service message of the last run and the Explorer
// hand-off file, and offers the commands that the front-ends chain to.
#pragma once

#include "KyGui/Helpers/GdiEx.h"
#include "KyGuiTool/KyGuiToolExport.h"
#include "KyStd/Containers/Sequencer.h"
#include "KyStd/Files/FileName.h"
#include "KyStd/Processes/Process.h"
#include "KyStd/Registry/RegKey.h"
#include "KyStd/Strings/String.h"

#include <afxext.h>
#include <afxwin.h>

class KYGUITOOL_API KyGuiApp : public CWinApp {
public:
    // Reads and removes the hand-off variables, opens the keys and loads the
    // alternate editor font. A second object raises std::runtime_error
    // "Multiple KyGuiApps." before it touches anything.
    KyGuiApp(const Kyvant::RegKey& appKey, const char* appName);
    ~KyGuiApp() override;
    KyGuiApp(const KyGuiApp&) = delete;
    KyGuiApp& operator=(const KyGuiApp&) = delete;

    // The process's object; std::logic_error when there is none.
    static KyGuiApp& Instance();
    static KyGuiApp* s_pApp;

    const Kyvant::RegKey& GetRegKey() const { return m_appKey; }
    const Kyvant::RegKey& GetKyvantRegKey() const { return m_toolOptionsKey; }
    const Kyvant::RegKey& GetKyvantSharedRegKey() const { return m_sharedKey; }

    // The console process that started this front-end (empty: none).
    Kyvant::CRT::Process& GetConProcess() { return m_conProcess; }
    // Closes the bridge to the console process, then its handle.
    void ConProcessTerminated();

    bool KyStarted() const { return m_kyStarted; }
    bool WillAppStartLoadFile() const { return !m_startLoadFile.empty(); }
    // The task file to load at start-up, once: later calls give an empty name.
    Kyvant::ky_F GetAppStartLoadFile();

    // The Explorer hand-off file this application made (empty: none).
    void SetShellExToolArgsTempFileName(const Kyvant::ky_F& name) { m_shellExArgsFile = name; }
    const Kyvant::ky_F& GetShellExToolArgsTempFileName() const { return m_shellExArgsFile; }
    // Hands the paths to a new task of this program the way the shell
    // extension does: a temporary file of the paths, one a line, and its name
    // and time under the application key's "ShellExArgs". No paths: nothing.
    void CreateShellExToolArgs(const Kyvant::input_sequencer<Kyvant::ky_BSB<char>>& paths);

    Kyvant::GdiEx::Font& GetAltEdFont() { return m_altEdFont; }

    // The summary of the last Indexing Service search; a null text clears it.
    void SetIndexingServiceMessage(const Kyvant::ky_BSB<char>& text);
    void SetIndexingServiceMessage(const char* text);
    void ClearIndexingServiceMessage() { m_indexingServiceMessage.clear(); }
    const Kyvant::ky_S& GetIndexingServiceMessage() const { return m_indexingServiceMessage; }
    // Gives the bar's pane 54025 its tip, width and borders; its icon then
    // follows the message.
    void SetUpIndexingServiceMessageIcon(CStatusBar& statusBar);

    void DocSetName(const Kyvant::ky_BSB<char>& name) { m_docName = name; }
    void DocClearName() { m_docName.clear(); }
    const Kyvant::ky_S& DocGetName() const { return m_docName; }

    // The shared "BrowseFolderPath" value.
    Kyvant::ky_S GetBrowseFolderPath() const;
    void SetBrowseFolderPath(const Kyvant::ky_BSB<char>& path);

    static const Kyvant::ky_S& GetPureShellArgSep();
    // Failures raise std::runtime_error with the library's message.
    static void InitRichEdit();
    static void InitOLE();

    // Deletes the Explorer hand-off file and stores the alternate editor font.
    int ExitInstance() override;

    afx_msg void OnDisplayIndexingServiceMessage();
    afx_msg void OnUpdateIndexingServiceMessage(CCmdUI* pCmdUI);
    afx_msg void OnHelpWeb();
    afx_msg void OnAppAbout();

protected:
    DECLARE_MESSAGE_MAP()

private:
    void TakeHandoffVariables();
    void SetHelpFilePath();
    CStatusBar* IndexingServiceBar() const;
    bool IndexingServicePaneDisabled() const;
    void ShowIndexingServiceIcon(CStatusBar& bar, bool show);

    Kyvant::RegKey m_appKey;
    Kyvant::RegKey m_toolOptionsKey;
    Kyvant::RegKey m_sharedKey;
    Kyvant::CRT::Process m_conProcess;
    bool m_kyStarted;
    Kyvant::ky_F m_startLoadFile;
    Kyvant::ky_F m_shellExArgsFile;
    Kyvant::GdiEx::Font m_altEdFont;
    Kyvant::ky_S m_indexingServiceMessage;
    HICON m_indexingServiceIcon;
    HWND m_statusBar; // the bar set up last; found again by its handle
    bool m_statusIconShown;
    Kyvant::ky_S m_docName;
};
