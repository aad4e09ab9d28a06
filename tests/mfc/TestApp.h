// The test program's application object and helpers that drive real windows.
#pragma once

#include <afxwin.h>

#include <functional>
#include <string>
#include <vector>

struct RecordedBox
{
    std::string text;
    UINT type;
    UINT help;
};

class CTestApp : public CWinApp
{
public:
    CTestApp();
    BOOL InitInstance() override;
    int DoMessageBox(LPCSTR lpszPrompt, UINT nType, UINT nIDPrompt) override;

    std::vector<RecordedBox> m_boxes;  // every box shown
    bool m_showRealBoxes;              // also show them (answered by the test)
    std::function<void()> m_onBox;     // runs while a box is up

protected:
    afx_msg BOOL OnSdiRoute(UINT nID);  // the test single-document program's commands
    DECLARE_MESSAGE_MAP()
};

extern CTestApp theApp;

// Handles every message already waiting, through the application's PumpMessage.
void PumpPending();
// Runs the script when the next modal loop first idles (once).
void OnNextModalIdle(std::function<void(CWnd*)> script);
// A top-level window to stand as the main window; deleted with its window.
CWnd* CreateMainWindow(LPCSTR title);
// Writes the window's picture on the screen to build/test-artifacts/<name>.png.
bool SaveWindowPng(HWND hWnd, const char* name);
// Runs fn from a thread timer, inside whatever modal loop runs when it fires.
void RunSoon(std::function<void()> fn, UINT delayMs = 30);
