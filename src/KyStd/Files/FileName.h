// ky_F: the string class of file and folder names. Under its character
// rules '/' equals '\', letters compare without case and separators sort
// before every other character, so names can be keys of maps and sets. On
// top it carries the path operations: parts of a path, joining parts, paths
// asked of the system, attributes and sizes, wildcard matching of one name,
// UNC names and shortening a path to a pixel width.
#pragma once

#include "KyStd/Containers/Sequencer.h"
#include "KyStd/Files/FileInfo.h"
#include "KyStd/Files/FileNameTraits.h"
#include "KyStd/KyStdExport.h"
#include "KyStd/Strings/String.h"

#include <windows.h>

#include <new>

namespace Kyvant {

class FileFilterBase;

extern template class KYSTD_API ky_BS<char, ky_FCCT<char>, ky_A<char>>;

class KYSTD_API ky_F : public ky_BS<char, ky_FCCT<char>, ky_A<char>> {
    using BS = ky_BS<char, ky_FCCT<char>, ky_A<char>>;

public:
    ky_F(const ky_A<char>& a = ky_A<char>()) : BS(a) {}
    ky_F(const ky_F& s) : BS(s) {}
    ky_F(const Base& s) : BS(s) {}
    ky_F(const Base& s, unsigned pos, unsigned n = npos, const ky_A<char>& a = ky_A<char>())
        : BS(s, pos, n, a)
    {
    }
    ky_F(const char* s, const ky_A<char>& a = ky_A<char>()) : BS(s, a) {}
    ky_F(const char* s, unsigned n, const ky_A<char>& a = ky_A<char>()) : BS(s, n, a) {}
    ky_F(unsigned n, char c, const ky_A<char>& a = ky_A<char>()) : BS(n, c, a) {}
    ky_F(const char* first, const char* last, const ky_A<char>& a = ky_A<char>())
        : BS(first, last, a)
    {
    }
    ky_F(const_iterator first, const_iterator last, const ky_A<char>& a = ky_A<char>())
        : BS(first, last, a)
    {
    }
    ~ky_F() override;

    ky_F& operator=(const ky_F& s)
    {
        assign(s);
        return *this;
    }
    ky_F& operator=(const Base& s)
    {
        assign(s);
        return *this;
    }
    ky_F& operator=(const char* s)
    {
        assign(s);
        return *this;
    }
    ky_F& operator=(char c)
    {
        assign(1, c);
        return *this;
    }
    ky_F& operator+=(const Base& s)
    {
        append(s);
        return *this;
    }
    ky_F& operator+=(const char* s)
    {
        append(s);
        return *this;
    }
    ky_F& operator+=(char c)
    {
        append(1, c);
        return *this;
    }

    ky_F substr(unsigned pos = 0, unsigned n = npos) const { return ky_F(*this, pos, n); }
    ky_F& Substitute(const char* from, const char* to, bool stripTrailing = false,
                     unsigned fromLen = npos, unsigned toLen = npos)
    {
        BS::Substitute(from, to, stripTrailing, fromLen, toLen);
        return *this;
    }

    // "*?", the path characters '\', ':' and '/', and the separators '\' and '/'.
    static const ky_F m_wildChars;
    static const ky_F m_pathChars;
    static const ky_F m_dirSeps;

    // Parts of a path; each replaces the string with the part and returns it.
    // The drive of a UNC path is the whole "\\server\share".
    ky_F& ToDrivePart(bool addSep = false);
    // Drive and folder; stripSep drops a trailing separator unless the folder
    // is the root.
    ky_F& ToPathPart(bool stripSep = false);
    ky_F& ToFilePart();
    ky_F& ToTitlePart();
    ky_F& ToExtension(bool noDot = false);

    // Any pointer may be null. Each buffer receives at most 255 characters and a NUL.
    void SplitPath(char* drive, char* dir, char* title, char* ext) const;
    // The parts whole, however long.
    void SplitPath(Base& drive, Base& dir, Base& title, Base& ext) const;
    // ToPathPart(stripSep) and ToFilePart() of copies.
    void SplitPath(Base& path, Base& file, bool stripSep = false) const;
    // As above into buffers of MAX_PATH characters; a part that does not fit
    // throws std::length_error and leaves both buffers untouched.
    void SplitPath(char* path, char* file, bool stripSep = false) const;

    // Rebuilds the string from parts (any may be null or empty).
    ky_F& ToPath(const char* drive, const char* dir, const char* title, const char* ext);
    // dir, a '\' unless dir is empty or ends in a path character, then name.
    ky_F& ToPath(const char* dir, const char* name);
    // Appends sep unless the string is empty or ends in '\', ':' or '/'.
    ky_F& DirSepTerminateIfNotPathCharTerminated(char sep = '\\');

    // Paths asked of the system; failures throw os_error.
    ky_F& ToFullPath();
    ky_F& ToShortPath();
    ky_F& ToTempPath();
    ky_F& ToCurrentDirectory();
    ky_F& ToSystemDirectory();
    ky_F& ToWindowsDirectory();
    ky_F& ToModuleFileName(HINSTANCE module);
    ky_F& ToModuleDirectory(HINSTANCE module, bool stripSep = false);
    // Creates a new empty "kyf*.tmp" file and names it: in the temporary folder
    // when the string is empty, else in the folder the string names (or, with
    // folderOfFile, in the folder of the file it names).
    ky_F& ToTempFileName(bool folderOfFile = false);
    // Searches name (null: the string) along searchPath (null: the system's
    // order); true and the full path found, or false and the string unchanged.
    bool SearchPathA(const char* searchPath, const char* name = nullptr);
    // The short form of the string into out; false on failure.
    bool ToShortPath(ky_F& out) const;

    // Queries of the file the string names.
    bool GetAttributes(DWORD& out) const;
    DWORD GetAttributes() const;
    void SetAttributes(DWORD attributes) const;
    bool SetAttributes(const std::nothrow_t&, DWORD attributes) const;
    bool Exists() const;
    bool IsFile() const;
    bool IsDirectory() const;
    bool GetInfo(const std::nothrow_t&, WIN32_FIND_DATAA& out) const;
    FileInfo& GetInfo(FileInfo& out) const;
    // False when nothing is found or the entry is a folder. A size of 4 GB or
    // more throws std::runtime_error from the 32-bit forms.
    bool GetSize(unsigned& out) const;
    bool GetSize(unsigned long long& out) const;
    unsigned GetSize() const;
    unsigned long long GetSize64() const;

    // Wildcard match of one name against one mask: '*', '?', "*.*" matches
    // every name, "*." names without an extension, a final '.' the end.
    static bool Match(const char* mask, const char* name);
    // len > 2 and two leading separators. len npos: up to the NUL.
    static bool LooksLikeUNC(const char* s, unsigned len = npos);
    // "\", "X:\" and "\\server\share\".
    static bool LooksLikeVolumeName(const char* s, unsigned len = npos);
    // The universal (UNC) name of a path on a mapped drive into out; false and
    // the string unchanged in out when there is none.
    bool StoreAsUNC(ky_F& out) const;

    // Shortens the path to width pixels, replacing folders after the root with "...".
    ky_F& ToPathEllipsis(HDC dc, int width);
    ky_F& ToPathEllipsis(HDC dc, int width, HFONT font);
    ky_F& ToPathEllipsis(HWND window, HFONT font);

    // Enumerates the folder the string names through filter; true when at
    // least one entry was accepted.
    bool FindFiles(const FileFilterBase& filter,
                   const input_sequencer<const char*>* exclusions = nullptr) const;
};

KYSTD_API ky_F operator+(const ky_F& a, const ky_F& b);
KYSTD_API ky_F operator+(const char* a, const ky_F& b);
KYSTD_API ky_F operator+(const ky_F& a, const char* b);
KYSTD_API ky_F operator+(char a, const ky_F& b);
KYSTD_API ky_F operator+(const ky_F& a, char b);

} // namespace Kyvant
