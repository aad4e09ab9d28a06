// The filter base's hooks, enumeration by FindFirstFileA, and the file and folder filters.
#include "KyStd/Files/FileFilter.h"

namespace Kyvant {

const char FileFilterBase::s_ListSeparator = ',';

FileFilterBase::~FileFilterBase() {}

char FileFilterBase::GetDirSeparator()
{
    return '\\';
}

void FileFilterBase::OnExcluded(const FileInfo&) {}

void FileFilterBase::OnNothingFound(const ky_F&, const input_sequencer<const char*>&,
                                    const input_sequencer<const char*>&)
{
}

Win32FileFilter::Win32FileFilter() : m_handle(INVALID_HANDLE_VALUE) {}

Win32FileFilter::~Win32FileFilter()
{
    Close();
}

void Win32FileFilter::Close() const
{
    if (m_handle != INVALID_HANDLE_VALUE) {
        FindClose(m_handle);
        m_handle = INVALID_HANDLE_VALUE;
    }
}

bool Win32FileFilter::FindFirst(const char* pattern) const
{
    const_cast<Win32FileFilter*>(this)->EndSearch();
    if (!pattern) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return false;
    }
    m_handle = FindFirstFileA(pattern, &m_findData);
    if (m_handle == INVALID_HANDLE_VALUE)
        return false;
    ky_F(pattern).SplitPath(m_searchDir, m_searchMask, false);
    return true;
}

bool Win32FileFilter::FindNext()
{
    if (m_handle == INVALID_HANDLE_VALUE) {
        SetLastError(ERROR_INVALID_HANDLE);
        return false;
    }
    return FindNextFileA(m_handle, &m_findData) != FALSE;
}

void Win32FileFilter::EndSearch()
{
    Close();
}

bool FileFilter::Accept(const FileInfo& entry) const
{
    return !entry.IsDirectory() && MaskMatcher::Accept(entry.cFileName);
}

bool DirFilter::Accept(const FileInfo& entry) const
{
    return entry.IsDirectory() && !entry.IsDots() && MaskMatcher::Accept(entry.cFileName);
}

bool FileAndDirFilter::Accept(const FileInfo& entry) const
{
    return FileFilter::Accept(entry) || DirFilter::Accept(entry);
}

ky_F FileAndDirFilter::GetMaskForFindFirst()
{
    ky_F files = FileFilter::GetMergedMask();
    if (files == DirFilter::GetMergedMask())
        return files;
    return ky_F("*");
}

} // namespace Kyvant
