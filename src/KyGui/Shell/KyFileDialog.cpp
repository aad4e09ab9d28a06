// KyFileDialog: the longer-record loop on Windows 2000 and ME and later, extension completion before.
#include "KyGui/Shell/KyFileDialog.h"

#include "KyStd/Files/FileName.h"
#include "KyStd/Win32/OsVersion.h"

#include <afxpriv.h>

#include <algorithm>
#include <cstring>

namespace {

// The framework's record is the narrow form (76 bytes on 32 bits); Windows
// 2000 and ME take the longer one, which adds a reserved pointer, a reserved
// word and the extended flags (88 bytes on 32 bits). Both follow the
// pointer size.
const unsigned NarrowRecordSize = sizeof(OPENFILENAME_NT4A);
const unsigned WideRecordSize = sizeof(OPENFILENAMEA);
const unsigned ShortExtension = 3;
const unsigned PathBufferSize = _MAX_PATH;
const unsigned TitleBufferSize = 64;

using FileNameFunction = BOOL(WINAPI*)(LPOPENFILENAMEA);

FileNameFunction CommonDialogFunction(bool open)
{
    static HMODULE module = ::LoadLibraryA("comdlg32.dll");
    if (module == nullptr)
        return nullptr;
    return reinterpret_cast<FileNameFunction>(
        reinterpret_cast<void*>(::GetProcAddress(module, open ? "GetOpenFileNameA" : "GetSaveFileNameA")));
}

void CopyBounded(char* to, const char* from, unsigned size)
{
    strncpy(to, from, size - 1);
    to[size - 1] = '\0';
}

} // namespace

static_assert(WideRecordSize == NarrowRecordSize + sizeof(void*) + 2 * sizeof(DWORD),
              "the longer file-name record adds a pointer and two words");

IMPLEMENT_DYNAMIC(KyFileDialog, CFileDialog)

BEGIN_MESSAGE_MAP(KyFileDialog, CFileDialog)
END_MESSAGE_MAP()

KyFileDialog::KyFileDialog(BOOL openFileDialog, LPCSTR defaultExtension, LPCSTR fileName, DWORD flags,
                           LPCSTR filter, CWnd* parent)
    : CFileDialog(openFileDialog, defaultExtension, fileName, flags, filter, parent)
{
}

KyFileDialog::~KyFileDialog() = default;

INT_PTR KyFileDialog::DoModal()
{
    if (NarrowRecordSize < WideRecordSize && (Kyvant::OsVersion::AtLeast2K() || Kyvant::OsVersion::AtLeastME()))
        return DoModalExtended();
    const INT_PTR result = CFileDialog::DoModal();
    if (result == IDOK)
        CompleteExtension();
    return result;
}

INT_PTR KyFileDialog::DoModalExtended()
{
    const DWORD offset = static_cast<DWORD>(strlen(m_ofn.lpstrFile)) + 1;
    if (offset < m_ofn.nMaxFile)
        memset(m_ofn.lpstrFile + offset, 0, m_ofn.nMaxFile - offset);

    HWND focus = ::GetFocus();
    m_ofn.hwndOwner = PreModal();
    AfxUnhookWindowCreate();
    bool enableOwner = false;
    if (m_ofn.hwndOwner != nullptr && ::IsWindowEnabled(m_ofn.hwndOwner)) {
        enableOwner = true;
        ::EnableWindow(m_ofn.hwndOwner, FALSE);
    }
    _AFX_THREAD_STATE* state = AfxGetThreadState();
    if (m_ofn.Flags & OFN_EXPLORER)
        state->m_pAlternateWndInit = this;
    else
        AfxHookWindowCreate(this);

    union {
        BYTE bytes[WideRecordSize];
        OPENFILENAMEA record;
    } wide;
    memset(&wide, 0, sizeof wide);
    memcpy(wide.bytes, &m_ofn, NarrowRecordSize);
    wide.record.lStructSize = WideRecordSize;
    FileNameFunction call = CommonDialogFunction(m_bOpenFileDialog != FALSE);
    const BOOL ok = call != nullptr && call(&wide.record);
    memcpy(&m_ofn, wide.bytes, NarrowRecordSize);
    m_ofn.lStructSize = NarrowRecordSize;

    state->m_pAlternateWndInit = nullptr;
    if (enableOwner)
        ::EnableWindow(m_ofn.hwndOwner, TRUE);
    if (focus != nullptr && ::IsWindow(focus))
        ::SetFocus(focus);
    PostModal();
    return ok ? IDOK : IDCANCEL;
}

void KyFileDialog::CompleteExtension()
{
    const char* defaultExtension = m_ofn.lpstrDefExt;
    if (defaultExtension == nullptr || strlen(defaultExtension) <= ShortExtension)
        return;
    Kyvant::ky_F path(static_cast<LPCSTR>(GetPathName()));
    Kyvant::ky_F drive, folder, title, ext;
    path.SplitPath(drive, folder, title, ext);
    if (ext.length() != ShortExtension + 1)
        return;
    if (!(Kyvant::ky_F(ext.c_str() + 1) == Kyvant::ky_F(defaultExtension, ShortExtension)))
        return;
    const Kyvant::ky_F newExt = Kyvant::ky_F(".") + defaultExtension;
    path.ToPath(drive.c_str(), folder.c_str(), title.c_str(), newExt.c_str());
    CopyBounded(m_ofn.lpstrFile, path.c_str(), std::min<unsigned>(m_ofn.nMaxFile, PathBufferSize + 1));
    if (m_ofn.lpstrFileTitle != nullptr) {
        Kyvant::ky_F file = path;
        file.ToFilePart();
        CopyBounded(m_ofn.lpstrFileTitle, file.c_str(), std::min<unsigned>(m_ofn.nMaxFileTitle, TitleBufferSize));
    }
}
