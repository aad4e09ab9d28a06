// CCommandLineInfo: what ParseCommandLine found on the command line and ProcessShellCommand does.
#pragma once

#include "AfxObject.h"
#include "AfxString.h"

class AFX_API CCommandLineInfo : public CObject
{
public:
    enum { FileNew, FileOpen, FilePrint, FilePrintTo, FileDDE, AppUnregister, FileNothing = -1 };

    CCommandLineInfo();
    ~CCommandLineInfo() override;

    // Called once per argument, with its leading '/' or '-' removed for flags.
    virtual void ParseParam(LPCSTR lpszParam, BOOL bFlag, BOOL bLast);

    BOOL m_bShowSplash;
    BOOL m_bRunEmbedded;
    BOOL m_bRunAutomated;
    int m_nShellCommand;
    CString m_strFileName;
};
