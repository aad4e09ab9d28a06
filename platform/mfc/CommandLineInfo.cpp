// CCommandLineInfo: an empty command line is File New; a file name would be File Open.
#include "AfxCommandLineInfo.h"

#include <cstring>

CCommandLineInfo::CCommandLineInfo()
    : m_bShowSplash(TRUE), m_bRunEmbedded(FALSE), m_bRunAutomated(FALSE), m_nShellCommand(FileNew)
{
}

CCommandLineInfo::~CCommandLineInfo() = default;

void CCommandLineInfo::ParseParam(LPCSTR lpszParam, BOOL bFlag, BOOL)
{
    if (bFlag) {
        if (::lstrcmpiA(lpszParam, "Embedding") == 0) {
            m_bRunEmbedded = TRUE;
            m_bShowSplash = FALSE;
        } else if (::lstrcmpiA(lpszParam, "Automation") == 0) {
            m_bRunAutomated = TRUE;
            m_bShowSplash = FALSE;
        }
        return;
    }
    if (m_strFileName.IsEmpty()) {
        m_strFileName = lpszParam;
        m_nShellCommand = FileOpen;
    }
}
