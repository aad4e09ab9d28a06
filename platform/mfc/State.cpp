// The process-wide and per-thread state of the layer, the layer's module handle and its lock.
#include "AfxState.h"

#include "AfxException.h"

#include <exception>

namespace {

CRITICAL_SECTION& LayerLock()
{
    static CRITICAL_SECTION lock = [] {
        CRITICAL_SECTION cs;
        ::InitializeCriticalSection(&cs);
        return cs;
    }();
    return lock;
}

// An exception carrying a text taken from a standard exception (or none for anything else).
class CCaughtException : public CException
{
public:
    explicit CCaughtException(const char* text)
    {
        ::lstrcpynA(m_text, text ? text : "", sizeof m_text);
    }
    BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT) override
    {
        if (m_text[0] == '\0' || nMaxError == 0)
            return FALSE;
        ::lstrcpynA(lpszError, m_text, static_cast<int>(nMaxError));
        return TRUE;
    }

private:
    static const int kMaxText = 512;
    char m_text[kMaxText];
};

}  // namespace

AfxLock::AfxLock() { ::EnterCriticalSection(&LayerLock()); }
AfxLock::~AfxLock() { ::LeaveCriticalSection(&LayerLock()); }

AfxProcessState& AfxProcess()
{
    static AfxProcessState state;
    return state;
}

AfxThreadState& AfxThread()
{
    thread_local AfxThreadState state;
    return state;
}

CException* AfxExceptionFromCurrent()
{
    try {
        throw;
    } catch (CException* e) {
        return e;
    } catch (const std::exception& e) {
        return new CCaughtException(e.what());
    } catch (...) {
        return new CCaughtException(nullptr);
    }
}

BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID)
{
    if (dwReason == DLL_PROCESS_ATTACH)
        AfxProcess().hLayer = hInstance;
    return TRUE;
}
