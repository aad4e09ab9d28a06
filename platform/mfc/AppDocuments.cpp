// CWinApp's documents: templates, the command line, File New, and saving or closing all documents.
#include "AfxApp.h"

#include "AfxCommandLineInfo.h"
#include "AfxDocTemplate.h"
#include "AfxDocument.h"
#include "DocManager.h"
#include "afxres.h"

#include <shellapi.h>

CDocManager::~CDocManager()
{
    for (CDocTemplate* pTemplate : m_templates)
        delete pTemplate;
}

void CWinApp::AddDocTemplate(CDocTemplate* pTemplate)
{
    if (pTemplate == nullptr)
        return;
    if (m_pDocManager == nullptr)
        m_pDocManager = new CDocManager;
    m_pDocManager->m_templates.push_back(pTemplate);
}

namespace {

// The arguments after the program's name, split as the C runtime splits them (quotes group).
std::vector<CString> SplitArguments(LPCSTR lpCmdLine)
{
    std::vector<CString> args;
    if (lpCmdLine == nullptr)
        return args;
    const char* p = lpCmdLine;
    for (;;) {
        while (*p == ' ' || *p == '\t')
            ++p;
        if (*p == '\0')
            break;
        CString arg;
        bool quoted = false;
        while (*p != '\0' && (quoted || (*p != ' ' && *p != '\t'))) {
            if (*p == '"')
                quoted = !quoted;
            else
                arg += *p;
            ++p;
        }
        args.push_back(arg);
    }
    return args;
}

}  // namespace

void CWinApp::ParseCommandLine(CCommandLineInfo& rCmdInfo)
{
    std::vector<CString> args = SplitArguments(m_lpCmdLine);
    for (size_t i = 0; i < args.size(); ++i) {
        LPCSTR param = args[i];
        BOOL bFlag = FALSE;
        if (param[0] == '-' || param[0] == '/') {
            bFlag = TRUE;
            ++param;
        }
        rCmdInfo.ParseParam(param, bFlag, i + 1 == args.size());
    }
}

BOOL CWinApp::ProcessShellCommand(CCommandLineInfo& rCmdInfo)
{
    switch (rCmdInfo.m_nShellCommand) {
    case CCommandLineInfo::FileNew:
        if (!AfxGetApp()->OnCmdMsg(ID_FILE_NEW, 0, nullptr, nullptr))
            OnFileNew();
        return m_pMainWnd != nullptr;
    case CCommandLineInfo::FileNothing:
        return TRUE;
    default:
        return FALSE;  // opening, printing and registration are not part of this layer
    }
}

void CWinApp::OnFileNew()
{
    if (m_pDocManager == nullptr || m_pDocManager->m_templates.empty())
        return;
    m_pDocManager->m_templates.front()->OpenDocumentFile(nullptr);
}

BOOL CWinApp::SaveAllModified()
{
    if (m_pDocManager == nullptr)
        return TRUE;
    for (CDocTemplate* pTemplate : m_pDocManager->m_templates) {
        if (!pTemplate->SaveAllModified())
            return FALSE;
    }
    return TRUE;
}

void CWinApp::CloseAllDocuments(BOOL bEndSession)
{
    if (m_pDocManager == nullptr)
        return;
    for (CDocTemplate* pTemplate : m_pDocManager->m_templates)
        pTemplate->CloseAllDocuments(bEndSession);
}
