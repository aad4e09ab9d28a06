// Kyvant::MirrorFile: opening beside the target, the replacement at Close and
// the clean-up of Abort.
#include "KyGuiTool/TaskFiles/MirrorFile.h"

#include "KyGuiTool/TaskFiles/TaskFilesResource.h"
#include "KyStd/Core/Errors.h"
#include "KyStd/Files/MoveReplacing.h"

#include <afxwin.h>

#include <stdexcept>

namespace Kyvant {

namespace {

[[noreturn]] void ThrowFormatted(UINT id, const ky_F& file)
{
    CString text;
    AfxFormatString1(text, id, file.c_str());
    throw std::runtime_error(static_cast<LPCSTR>(text));
}

} // namespace

IMPLEMENT_DYNAMIC(MirrorFile, CStdioFile)

MirrorFile::MirrorFile(const ky_F& path, unsigned mode)
    : m_target(path), m_mirrored(false), m_newTarget(false)
{
    m_target.ToFullPath();
    DWORD attributes = 0;
    if (m_target.GetAttributes(attributes)) {
        if (attributes & FILE_ATTRIBUTE_READONLY)
            ThrowFormatted(IDS_KY_READ_ONLY_TARGET, m_target);
        OpenMirror(mode);
    } else {
        OpenTarget(mode);
    }
    SetFilePath(m_target.c_str());
}

MirrorFile::~MirrorFile()
{
    if (m_pStream != nullptr || m_mirrored || m_newTarget)
        Abort();
}

// The temporary file lies beside the target and takes its creation time, so
// the replacement keeps it.
void MirrorFile::OpenMirror(unsigned mode)
{
    WIN32_FIND_DATAA info = {};
    if (!m_target.GetInfo(std::nothrow, info))
        throw os_error();
    ky_F temp(m_target);
    temp.ToTempFileName(true);
    CFileException error;
    if (!CStdioFile::Open(temp.c_str(), mode, &error)) {
        ::DeleteFileA(temp.c_str());
        throw os_error(static_cast<unsigned long>(error.m_lOsError));
    }
    m_temp = temp;
    m_mirrored = true;
    ::SetFileTime(reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(m_hFile)), &info.ftCreationTime,
                  nullptr, nullptr);
}

void MirrorFile::OpenTarget(unsigned mode)
{
    CFileException error;
    if (!CStdioFile::Open(m_target.c_str(), mode, &error))
        throw os_error(static_cast<unsigned long>(error.m_lOsError));
    m_newTarget = true;
}

void MirrorFile::SetFilePath(LPCSTR lpszNewName)
{
    ky_F name(lpszNewName != nullptr ? lpszNewName : "");
    if (!name.empty())
        name.ToFullPath();
    CStdioFile::SetFilePath(name.c_str());
}

void MirrorFile::RemoveTemp()
{
    if (m_mirrored)
        ::DeleteFileA(m_temp.c_str());
    m_mirrored = false;
    m_temp = ky_F();
}

void MirrorFile::ThrowSaveFailed()
{
    RemoveTemp();
    if (m_newTarget)
        ::DeleteFileA(m_target.c_str());
    m_newTarget = false;
    ThrowFormatted(IDS_KY_SAVE_NOT_ALTERED, m_target);
}

void MirrorFile::Abort()
{
    CStdioFile::Abort();
    RemoveTemp();
    if (m_newTarget)
        ::DeleteFileA(m_target.c_str());
    m_newTarget = false;
}

// One replacing move puts the contents under the target's name; when it
// fails the target is untouched and the temporary file goes.
void MirrorFile::Close()
{
    try {
        CStdioFile::Close();
    } catch (CException* e) {
        e->Delete();
        ThrowSaveFailed();
    }
    if (m_mirrored && !MoveReplacing(m_temp, m_target))
        ThrowSaveFailed();
    m_mirrored = false;
    m_temp = ky_F();
    m_newTarget = false;
}

} // namespace Kyvant
