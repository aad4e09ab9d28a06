// One folder's enumeration through a filter with its exclusion lists, and ky_F::FindFiles.
#include "KyStd/Files/FileFinder.h"

namespace Kyvant {

namespace {

using NameSequencer = forward_input_sequencer<ky_list<ky_F>, ky_cast_converter<ky_F, const char*>>;

bool EndsInPathChar(const ky_F& f)
{
    return !f.empty() && IsPathChar(f[f.length() - 1]);
}

bool EndsInSep(const ky_F& f)
{
    return !f.empty() && IsDirSep(f[f.length() - 1]);
}

// Whether s starts with prefix under the file-name comparison.
bool StartsWith(const ky_F& s, const ky_F& prefix)
{
    return s.length() >= prefix.length() &&
           s.compare(0, prefix.length(), prefix.data(), prefix.length()) == 0;
}

bool MatchesAny(const ky_list<ky_F>& masks, const char* name)
{
    for (const ky_F& mask : masks) {
        if (ky_F::Match(mask.c_str(), name))
            return true;
    }
    return false;
}

} // namespace

// The filter's enumeration state changes as the finder walks, so the finder
// holds it as changeable although callers pass it as const.
FileFinder::FileFinder(const ky_F& folder, const FileFilterBase& filter,
                       const input_sequencer<const char*>& exclusions)
    : m_filter(const_cast<FileFilterBase*>(&filter)), m_exclusions(&exclusions), m_folder(folder),
      m_finished(false), m_error(ERROR_SUCCESS)
{
    Init();
}

FileFinder::FileFinder(const ky_F& folder, const FileFilterBase& filter,
                       const input_sequencer<const char*>* exclusions)
    : m_filter(const_cast<FileFilterBase*>(&filter)), m_exclusions(exclusions), m_folder(folder),
      m_finished(false), m_error(ERROR_SUCCESS)
{
    Init();
}

FileFinder::~FileFinder() {}

void FileFinder::Init()
{
    m_pattern.ToPath(m_folder.c_str(), m_filter->GetMaskForFindFirst().c_str());
    if (!m_exclusions)
        return;
    m_exclusions->rewind();
    if (m_exclusions->at_end())
        return;

    ky_F base(m_folder);
    base.ToFullPath();
    base.DirSepTerminateIfNotPathCharTerminated('\\');
    for (; !m_exclusions->at_end(); m_exclusions->next()) {
        const char* entry = m_exclusions->current();
        if (!entry)
            continue;
        bool relative = entry[0] == ':';
        ky_F path;
        if (relative) {
            path = base;
            path.append(entry + 1);
        } else {
            path = entry;
        }
        if (path.length() > base.length() && StartsWith(path, base)) {
            ky_F rest(path, base.length());
            bool folders = relative || EndsInPathChar(rest);
            if (folders && EndsInSep(rest))
                rest.chop();
            if (rest.find_first_of(ky_F::m_pathChars.data(), 0, ky_F::m_pathChars.length()) ==
                ky_F::npos)
                AddExcluded(rest, folders);
        } else if (!relative && EndsInSep(path) && StartsWith(base, path)) {
            // The folder itself or one of its ancestors: nothing to find.
            m_finished = true;
            m_error = ERROR_FILE_NOT_FOUND;
        }
    }
    for (ky_F& name : m_excludedDirs)
        name.EraseEdgeSpaces();
    for (ky_F& name : m_excludedFiles)
        name.EraseEdgeSpaces();
    if (m_finished)
        SetLastError(m_error);
}

void FileFinder::AddExcluded(const ky_F& names, bool folders)
{
    ky_list<ky_F>& list = folders ? m_excludedDirs : m_excludedFiles;
    ky_list<ky_BSB<char>> pieces;
    const char sep = FileFilterBase::s_ListSeparator;
    names.Split(back_insert_sequencer<ky_list<ky_BSB<char>>>(pieces), &sep, false, false,
                ky_F::npos, false, 1);
    for (const ky_BSB<char>& piece : pieces)
        list.push_back(ky_F(piece));
}

bool FileFinder::FindFirst()
{
    if (m_finished) {
        SetLastError(m_error);
        return false;
    }
    if (m_filter->FindFirst(m_pattern.c_str()))
        return true;
    m_error = GetLastError();
    m_finished = true;
    NameSequencer files(m_excludedFiles);
    NameSequencer dirs(m_excludedDirs);
    m_filter->OnNothingFound(m_pattern, files, dirs);
    SetLastError(m_error);
    return false;
}

bool FileFinder::FindNext()
{
    if (m_finished) {
        SetLastError(m_error);
        return false;
    }
    if (m_filter->FindNext())
        return true;
    m_error = GetLastError();
    m_finished = true;
    m_filter->EndSearch();
    SetLastError(m_error);
    return false;
}

bool FileFinder::Accept()
{
    if (m_finished)
        return false;
    const FileInfo& entry = m_filter->GetFileInfo();
    bool folder = entry.IsDirectory();
    if (folder ? !m_filter->AcceptsDirs() : !m_filter->AcceptsFiles())
        return false;
    if (MatchesAny(folder ? m_excludedDirs : m_excludedFiles, entry.cFileName)) {
        m_filter->OnExcluded(entry);
        return false;
    }
    return m_filter->Accept(entry);
}

bool ky_F::FindFiles(const FileFilterBase& filter,
                     const input_sequencer<const char*>* exclusions) const
{
    FileFinder finder(*this, filter, exclusions);
    bool accepted = false;
    if (finder.FindFirst()) {
        do {
            if (finder.Accept())
                accepted = true;
        } while (finder.FindNext());
    }
    return accepted;
}

} // namespace Kyvant
