// The resource chain: program, extension DLLs and the layer, searched in that order.
#include "AfxResources.h"

#include "AfxDynLinkLibrary.h"
#include "AfxState.h"

#include <vector>

namespace {

// The modules to search, in order: the program's resources, non-system DLLs (the last started first),
// system DLLs, the layer.
std::vector<HINSTANCE> ResourceModules()
{
    AfxProcessState& state = AfxProcess();
    std::vector<HINSTANCE> modules;
    AfxLock lock;
    if (state.hResource != nullptr)
        modules.push_back(state.hResource);
    for (int pass = 0; pass < 2; ++pass) {
        for (CDynLinkLibrary* p = state.pFirstDLL; p != nullptr; p = p->m_pNextDLL) {
            if ((p->m_bSystem != FALSE) == (pass == 1) && p->m_hResource != nullptr)
                modules.push_back(p->m_hResource);
        }
    }
    modules.push_back(state.hLayer);
    return modules;
}

}  // namespace

HINSTANCE AfxGetInstanceHandle() { return AfxProcess().hInstance; }

HINSTANCE AfxGetResourceHandle()
{
    AfxProcessState& state = AfxProcess();
    return state.hResource != nullptr ? state.hResource : ::GetModuleHandleA(nullptr);
}

void AfxSetResourceHandle(HINSTANCE hInstResource) { AfxProcess().hResource = hInstResource; }

HINSTANCE AfxFindResourceHandle(LPCSTR lpszName, LPCSTR lpszType)
{
    for (HINSTANCE h : ResourceModules()) {
        if (::FindResourceA(h, lpszName, lpszType) != nullptr)
            return h;
    }
    return AfxGetResourceHandle();
}

int AfxLoadString(UINT nID, LPSTR lpszBuf, UINT nMaxBuf)
{
    if (lpszBuf == nullptr || nMaxBuf == 0)
        return 0;
    *lpszBuf = '\0';
    for (HINSTANCE h : ResourceModules()) {
        int n = ::LoadStringA(h, nID, lpszBuf, static_cast<int>(nMaxBuf));
        if (n > 0)
            return n;
    }
    return 0;
}

IMPLEMENT_DYNAMIC(CDynLinkLibrary, CCmdTarget)

BOOL AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule)
{
    state.hModule = hModule;
    state.hResource = hModule;
    state.bInitialized = TRUE;
    return TRUE;
}

void AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL)
{
    for (;;) {
        CDynLinkLibrary* found = nullptr;
        {
            AfxLock lock;
            for (CDynLinkLibrary* p = AfxProcess().pFirstDLL; p != nullptr && found == nullptr; p = p->m_pNextDLL) {
                if (p->m_hModule == state.hModule)
                    found = p;
            }
        }
        if (found == nullptr)
            break;
        delete found;
    }
    state.bInitialized = FALSE;
}

CDynLinkLibrary::CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL bSystem)
    : m_hModule(state.hModule), m_hResource(state.hResource), m_bSystem(bSystem), m_pNextDLL(nullptr)
{
    // A DLL joins at the head: one that starts later, such as a library over
    // another extension DLL, is searched before the libraries it links.
    AfxLock lock;
    m_pNextDLL = AfxProcess().pFirstDLL;
    AfxProcess().pFirstDLL = this;
}

CDynLinkLibrary::~CDynLinkLibrary()
{
    AfxLock lock;
    for (CDynLinkLibrary** link = &AfxProcess().pFirstDLL; *link != nullptr; link = &(*link)->m_pNextDLL) {
        if (*link == this) {
            *link = m_pNextDLL;
            break;
        }
    }
}
