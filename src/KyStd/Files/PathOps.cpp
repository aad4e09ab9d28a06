// Parts of a path, splitting and joining.
#include "KyStd/Files/FileName.h"

#include <cstring>
#include <stdexcept>

namespace Kyvant {

namespace {

// Lengths of the four consecutive parts of a path: drive, folder, title and
// extension. A drive is "X:" or, for a UNC path, the whole "\\server\share".
struct PathSpans {
    unsigned drive = 0, dir = 0, title = 0, ext = 0;
};

PathSpans SplitSpans(const char* s, unsigned len)
{
    PathSpans p;
    if (len >= 2 && s[1] == ':')
        p.drive = 2;
    unsigned dirEnd = p.drive;
    for (unsigned i = p.drive; i < len; ++i) {
        if (IsDirSep(s[i]))
            dirEnd = i + 1;
    }
    p.dir = dirEnd - p.drive;
    unsigned dot = len;
    for (unsigned i = dirEnd; i < len; ++i) {
        if (s[i] == '.')
            dot = i;
    }
    p.title = dot - dirEnd;
    p.ext = len - dot;

    if (p.drive == 0 && ky_F::LooksLikeUNC(s, p.dir)) {
        // The separator after the server name, then the one after the share name.
        unsigned serverEnd = 2;
        while (serverEnd < p.dir && !IsDirSep(s[serverEnd]))
            ++serverEnd;
        unsigned shareEnd = serverEnd + 1;
        while (shareEnd < p.dir && !IsDirSep(s[shareEnd]))
            ++shareEnd;
        if (shareEnd < p.dir) {
            p.drive = shareEnd;
            p.dir -= shareEnd;
        } else {
            // "\\server\share" or "\\server\share.ext": all of it is the drive.
            p = PathSpans();
            p.drive = len;
        }
    }
    return p;
}

PathSpans SplitSpans(const ky_F& f)
{
    return SplitSpans(f.data(), f.length());
}

// Up to 255 characters and a NUL into a fixed buffer.
void CopyPart(char* out, const char* s, unsigned n)
{
    if (!out)
        return;
    if (n > 255)
        n = 255;
    std::memcpy(out, s, n);
    out[n] = '\0';
}

void AssignPart(ky_BSB<char>& out, const char* s, unsigned n)
{
    out.assign(ky_F(s, n));
}

// Keeps [pos, pos + n) of the string.
ky_F& Keep(ky_F& f, unsigned pos, unsigned n)
{
    f.erase(pos + n);
    f.erase(0, pos);
    return f;
}

bool EndsInSep(const ky_F& f)
{
    return !f.empty() && IsDirSep(f[f.length() - 1]);
}

} // namespace

ky_F& ky_F::ToDrivePart(bool addSep)
{
    PathSpans p = SplitSpans(*this);
    Keep(*this, 0, p.drive);
    if (addSep && !empty() && !EndsInSep(*this))
        append(1, '\\');
    return *this;
}

ky_F& ky_F::ToPathPart(bool stripSep)
{
    PathSpans p = SplitSpans(*this);
    Keep(*this, 0, p.drive + p.dir);
    if (stripSep && p.dir > 1 && EndsInSep(*this))
        chop();
    return *this;
}

ky_F& ky_F::ToFilePart()
{
    PathSpans p = SplitSpans(*this);
    return Keep(*this, p.drive + p.dir, p.title + p.ext);
}

ky_F& ky_F::ToTitlePart()
{
    PathSpans p = SplitSpans(*this);
    return Keep(*this, p.drive + p.dir, p.title);
}

ky_F& ky_F::ToExtension(bool noDot)
{
    PathSpans p = SplitSpans(*this);
    unsigned skip = noDot && p.ext != 0 ? 1 : 0;
    return Keep(*this, p.drive + p.dir + p.title + skip, p.ext - skip);
}

void ky_F::SplitPath(char* drive, char* dir, char* title, char* ext) const
{
    PathSpans p = SplitSpans(*this);
    const char* s = data();
    CopyPart(drive, s, p.drive);
    CopyPart(dir, s + p.drive, p.dir);
    CopyPart(title, s + p.drive + p.dir, p.title);
    CopyPart(ext, s + p.drive + p.dir + p.title, p.ext);
}

void ky_F::SplitPath(Base& drive, Base& dir, Base& title, Base& ext) const
{
    // Parts are taken from a copy: any output may be this string itself.
    ky_F self(*this);
    PathSpans p = SplitSpans(self);
    const char* s = self.data();
    AssignPart(drive, s, p.drive);
    AssignPart(dir, s + p.drive, p.dir);
    AssignPart(title, s + p.drive + p.dir, p.title);
    AssignPart(ext, s + p.drive + p.dir + p.title, p.ext);
}

void ky_F::SplitPath(Base& path, Base& file, bool stripSep) const
{
    ky_F folder(*this);
    ky_F name(*this);
    folder.ToPathPart(stripSep);
    name.ToFilePart();
    path.assign(folder);
    file.assign(name);
}

void ky_F::SplitPath(char* path, char* file, bool stripSep) const
{
    ky_F folder(*this);
    ky_F name(*this);
    folder.ToPathPart(stripSep);
    name.ToFilePart();
    if ((path && folder.length() >= MAX_PATH) || (file && name.length() >= MAX_PATH))
        throw std::length_error("ky_F::SplitPath: part longer than MAX_PATH");
    if (path)
        std::memcpy(path, folder.c_str(), folder.length() + 1);
    if (file)
        std::memcpy(file, name.c_str(), name.length() + 1);
}

ky_F& ky_F::ToPath(const char* drive, const char* dir, const char* title, const char* ext)
{
    // Built aside: the parts may point into this string.
    ky_F r(drive ? drive : "");
    bool unc = LooksLikeUNC(r.data(), r.length());
    if (dir && *dir) {
        if (unc && !IsDirSep(*dir) && !EndsInSep(r))
            r.append(1, '\\');
        if (EndsInSep(r) && IsDirSep(*dir))
            ++dir;
        r.append(dir);
        if (!EndsInSep(r))
            r.append(1, '\\');
    }
    bool hasTitle = title && *title;
    bool hasExt = ext && *ext;
    if (unc && (hasTitle || hasExt) && !EndsInSep(r))
        r.append(1, '\\');
    if (hasTitle)
        r.append(title);
    if (hasExt) {
        if (*ext != '.')
            r.append(1, '.');
        r.append(ext);
    }
    assign(r);
    return *this;
}

ky_F& ky_F::ToPath(const char* dir, const char* name)
{
    ky_F r(dir ? dir : "");
    r.DirSepTerminateIfNotPathCharTerminated('\\');
    r.append(name ? name : "");
    assign(r);
    return *this;
}

ky_F& ky_F::DirSepTerminateIfNotPathCharTerminated(char sep)
{
    if (!empty() && !IsPathChar((*this)[length() - 1]))
        append(1, sep);
    return *this;
}

} // namespace Kyvant
