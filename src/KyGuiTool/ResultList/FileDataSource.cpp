// Kyvant::FileDataSource: formats, rendering routes, the once-only error
// report and copying global memory.
#include "KyGuiTool/ResultList/FileDataSource.h"

#include "KyGuiTool/Module/KyGuiToolModule.h"
#include "KyGuiTool/ResultList/ResultListResource.h"
#include "KyStd/Strings/String.h"

#include <cstring>

namespace Kyvant {

namespace {

const UINT TextMessage = WM_APP + 0xFA; // wParam: a heap ky_S the receiver shows and frees
const unsigned ErrorMessageCapacity = 256;

CLIPFORMAT Registered(const char* name)
{
    return static_cast<CLIPFORMAT>(::RegisterClipboardFormatA(name));
}

class GlobalLock {
public:
    explicit GlobalLock(HGLOBAL block) : m_block(block), m_data(::GlobalLock(block)) {}
    ~GlobalLock()
    {
        if (m_data != nullptr)
            ::GlobalUnlock(m_block);
    }
    GlobalLock(const GlobalLock&) = delete;
    GlobalLock& operator=(const GlobalLock&) = delete;
    void* data() const { return m_data; }

private:
    HGLOBAL m_block;
    void* m_data;
};

} // namespace

FileDataSource::FileDataSource(bool keepRendered, bool second, bool offerFeedbackFormats)
    : m_errorReported(false), m_keepRendered(keepRendered), m_second(second), m_keptHDrop(nullptr),
      m_keptShellIdList(nullptr)
{
    if (offerFeedbackFormats) {
        DelaySetData(GetCfPerformedDropEffect());
        DelaySetData(GetCfLogicalPerformedDropEffect());
        DelaySetData(GetCfPasteSucceeded());
    }
}

FileDataSource::~FileDataSource()
{
    if (m_keptHDrop != nullptr)
        ::GlobalFree(m_keptHDrop);
    if (m_keptShellIdList != nullptr)
        ::GlobalFree(m_keptShellIdList);
    Empty();
}

CLIPFORMAT FileDataSource::GetCfShellIdList()
{
    static const CLIPFORMAT format = Registered("Shell IDList Array");
    return format;
}

CLIPFORMAT FileDataSource::GetCfPreferredDropEffect()
{
    static const CLIPFORMAT format = Registered("Preferred DropEffect");
    return format;
}

CLIPFORMAT FileDataSource::GetCfPerformedDropEffect()
{
    static const CLIPFORMAT format = Registered("Performed DropEffect");
    return format;
}

CLIPFORMAT FileDataSource::GetCfLogicalPerformedDropEffect()
{
    static const CLIPFORMAT format = Registered("Logical Performed DropEffect");
    return format;
}

CLIPFORMAT FileDataSource::GetCfPasteSucceeded()
{
    static const CLIPFORMAT format = Registered("Paste Succeeded");
    return format;
}

BOOL FileDataSource::OnRenderGlobalData(LPFORMATETC lpFormatEtc, HGLOBAL* phGlobal)
{
    try {
        if (lpFormatEtc->cfFormat == CF_HDROP)
            return OnRenderHDrop(lpFormatEtc, phGlobal);
        if (lpFormatEtc->cfFormat == GetCfShellIdList())
            return OnRenderShellIdList(lpFormatEtc, phGlobal);
        return COleDataSource::OnRenderGlobalData(lpFormatEtc, phGlobal);
    } catch (CException* e) {
        ReportRenderError(*e);
        throw;
    }
}

// The first failure of this data source only: its text to the main window.
void FileDataSource::ReportRenderError(CException& e)
{
    if (m_errorReported)
        return;
    m_errorReported = true;
    char message[ErrorMessageCapacity + 1] = "";
    const HINSTANCE module = KyGuiToolModule();
    ky_S text;
    try {
        text.LoadStringA(module, IDS_KY_CLIPBOARD_ERROR);
        if (e.GetErrorMessage(message, sizeof message) && message[0] != '\0')
            text += message;
        else
            text += ky_S().LoadStringA(module, IDS_KY_UNKNOWN_OLE_ERROR);
    } catch (const std::exception&) {
        return; // nothing to show; the rendering's own failure goes on
    }
    CWnd* main = AfxGetMainWnd();
    ky_S* posted = new ky_S(text);
    if (main == nullptr ||
        !::PostMessageA(main->GetSafeHwnd(), TextMessage, reinterpret_cast<WPARAM>(posted), 0))
        delete posted;
}

HGLOBAL FileDataSource::CopyGlobalMemory(HGLOBAL dest, HGLOBAL src)
{
    if (src == nullptr)
        return nullptr;
    const SIZE_T size = ::GlobalSize(src);
    const bool made = dest == nullptr;
    if (made)
        dest = ::GlobalAlloc(GMEM_DDESHARE | GMEM_MOVEABLE, size);
    if (dest == nullptr || ::GlobalSize(dest) < size) {
        if (made && dest != nullptr)
            ::GlobalFree(dest);
        return nullptr;
    }
    {
        GlobalLock from(src);
        GlobalLock to(dest);
        if (from.data() == nullptr || to.data() == nullptr) {
            if (made)
                dest = ::GlobalFree(dest);
            return nullptr;
        }
        std::memcpy(to.data(), from.data(), size);
    }
    return dest;
}

} // namespace Kyvant
