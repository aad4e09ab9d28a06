// Window creation: the creation hook that attaches new windows, CreateEx and window classes.
#include "AfxWnd.h"

#include "AfxException.h"
#include "AfxHandleMap.h"
#include "AfxResources.h"

#include <cstdio>
#include <set>
#include <string>

LRESULT CALLBACK AfxCbtFilterHook(int code, WPARAM wParam, LPARAM lParam)
{
    AfxThreadState& thread = AfxThread();
    try {
        if (code == HCBT_CREATEWND && thread.pWndInit != nullptr) {
            CWnd* pWnd = thread.pWndInit;
            thread.pWndInit = nullptr;
            HWND hWnd = reinterpret_cast<HWND>(wParam);
            if (pWnd->Attach(hWnd)) {
                WNDPROC old = reinterpret_cast<WNDPROC>(
                    ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AfxWndProc)));
                if (old != &AfxWndProc && pWnd->m_pfnSuper == nullptr)
                    pWnd->m_pfnSuper = old;
            }
        }
    } catch (...) {
        // nothing may unwind into the system
    }
    return ::CallNextHookEx(thread.hHookCbt, code, wParam, lParam);
}

void AfxHookWindowCreate(CWnd* pWnd)
{
    AfxThreadState& thread = AfxThread();
    if (thread.hHookCbt == nullptr)
        thread.hHookCbt = ::SetWindowsHookExA(WH_CBT, &AfxCbtFilterHook, nullptr, ::GetCurrentThreadId());
    thread.pWndInit = pWnd;
}

BOOL AfxUnhookWindowCreate()
{
    AfxThreadState& thread = AfxThread();
    if (thread.pWndInit != nullptr) {
        thread.pWndInit = nullptr;
        return FALSE;  // the window was never created
    }
    return TRUE;
}

LPCSTR AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground, HICON hIcon)
{
    static std::set<std::string> names;
    HINSTANCE hInstance = AfxGetInstanceHandle() ? AfxGetInstanceHandle() : ::GetModuleHandleA(nullptr);
    const size_t kMaxClassName = 128;
    char name[kMaxClassName];
    std::snprintf(name, sizeof name, "KyMfc:%p:%x:%p:%p:%p", static_cast<void*>(hInstance), nClassStyle,
                  static_cast<void*>(hCursor), static_cast<void*>(hbrBackground), static_cast<void*>(hIcon));
    AfxLock lock;
    LPCSTR stored = names.insert(name).first->c_str();
    WNDCLASSA wc = {};
    if (!::GetClassInfoA(hInstance, stored, &wc)) {
        wc.style = nClassStyle;
        wc.lpfnWndProc = &::DefWindowProcA;
        wc.hInstance = hInstance;
        wc.hCursor = hCursor;
        wc.hbrBackground = hbrBackground;
        wc.hIcon = hIcon;
        wc.lpszClassName = stored;
        if (!::RegisterClassA(&wc))
            AfxThrowResourceException();
    }
    return stored;
}

BOOL CWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    if (cs.lpszClass == nullptr)
        cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorA(nullptr, IDC_ARROW));
    return TRUE;
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, int x, int y,
                    int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu, LPVOID lpParam)
{
    CREATESTRUCTA cs = {};
    cs.dwExStyle = dwExStyle;
    cs.lpszClass = lpszClassName;
    cs.lpszName = lpszWindowName;
    cs.style = static_cast<LONG>(dwStyle);
    cs.x = x;
    cs.y = y;
    cs.cx = nWidth;
    cs.cy = nHeight;
    cs.hwndParent = hWndParent;
    cs.hMenu = nIDorHMenu;
    cs.hInstance = AfxGetInstanceHandle() ? AfxGetInstanceHandle() : ::GetModuleHandleA(nullptr);
    cs.lpCreateParams = lpParam;
    if (!PreCreateWindow(cs)) {
        PostNcDestroy();
        return FALSE;
    }
    AfxHookWindowCreate(this);
    HWND hWnd = ::CreateWindowExA(cs.dwExStyle, cs.lpszClass, cs.lpszName, static_cast<DWORD>(cs.style), cs.x, cs.y,
                                  cs.cx, cs.cy, cs.hwndParent, cs.hMenu, cs.hInstance, cs.lpCreateParams);
    if (!AfxUnhookWindowCreate()) {
        PostNcDestroy();  // never attached: the object may clean itself up
        return FALSE;
    }
    if (hWnd == nullptr)
        return FALSE;  // WM_CREATE refused: the window and its attachment are gone already
    PreSubclassWindow();
    return TRUE;
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                    CWnd* pParentWnd, UINT nID, LPVOID lpParam)
{
    return CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top, rect.right - rect.left,
                    rect.bottom - rect.top, pParentWnd->GetSafeHwnd(),
                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)), lpParam);
}

BOOL CWnd::Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                  UINT nID, void* pContext)
{
    return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect, pParentWnd, nID, pContext);
}
