// Safely replaced output file: everything goes into a temporary file, which
// takes the target's place in one rename on Close.
#include "KyConTool/App/InOutFile.h"
#include "KyStd/Core/Errors.h"
#include "KyStd/Files/MoveReplacing.h"
#include "KyStd/Win32/NewerFunctions.h"

#include <fcntl.h>
#include <io.h>
#include <share.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <stdexcept>
#include <utility>

namespace Kyvant {

namespace {

const int kStdout = 1;

// The root of the volume that holds file: the system tells it where it knows
// mounted folders (Windows 2000 and later); before, a volume is a drive or
// a network share. Empty when that cannot be told.
ky_F VolumeRoot(const ky_F& file)
{
    const auto getVolumePathName = Win32::Newer().getVolumePathName;
    if (getVolumePathName) {
        char root[MAX_PATH];
        return getVolumePathName(file.c_str(), root, MAX_PATH) ? ky_F(root) : ky_F();
    }
    try {
        ky_F root(file);
        root.ToFullPath();
        return root.ToDrivePart(true);
    } catch (const std::exception&) {
        return ky_F();
    }
}

// True when both files lie on one volume, so a rename can move one onto the
// other; false when that cannot be told.
bool SameVolume(const ky_F& a, const ky_F& b)
{
    const ky_F root = VolumeRoot(a);
    return !root.empty() && root == VolumeRoot(b);
}

[[noreturn]] void ThrowNotReplaced(const ky_F& target, const ky_F& temp, DWORD error)
{
    ky_S text("Could not replace the file \"");
    text += target;
    text += "\" with the temporary file \"";
    text += temp;
    text += "\", due to the following reason: ";
    text += os_error(error).what();
    text += ". The original file was not altered; the new contents remain in the temporary file.";
    throw std::runtime_error(text.c_str());
}

} // namespace

OutFile::OutFile(const ky_F& file, unsigned flags)
    : buffer_(new char[kBufferSize]), end_(buffer_.get() + kBufferSize), fill_(buffer_.get()),
      closed_(false), target_(file), savedAttributes_(0), fd_(-1)
{
    const int mode = (flags & kText) ? _O_TEXT : _O_BINARY;
    if (file == KyConApp::GetStdinPseudoFileName() || file == KyConApp::GetStdoutPseudoFileName()) {
        fd_ = kStdout;
        std::fflush(stdout);
        _setmode(fd_, mode);
        return;
    }
    savedAttributes_ = target_.GetAttributes() & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    if (!(flags & kTempInTempFolder))
        temp_ = target_;
    temp_.ToTempFileName(!(flags & kTempInTempFolder));
    fd_ = _sopen(temp_.c_str(), _O_WRONLY | _O_CREAT | _O_TRUNC | mode, _SH_DENYWR,
                 _S_IREAD | _S_IWRITE);
    if (fd_ == -1) {
        const int error = errno;
        DeleteFileA(temp_.c_str());
        temp_ = "";
        KyConApp::Instance().GuiQueryError(target_, error, false, false);
    }
}

OutFile::~OutFile()
{
    Cancel(true);
}

void OutFile::Write(const void* data, unsigned size)
{
    const char* from = static_cast<const char*>(data);
    while (size > 0) {
        unsigned n = static_cast<unsigned>(end_ - fill_);
        if (n > size)
            n = size;
        std::memcpy(fill_, from, n);
        fill_ += n;
        from += n;
        size -= n;
        if (fill_ == end_)
            Flush();
    }
}

void OutFile::Flush()
{
    const unsigned n = static_cast<unsigned>(fill_ - buffer_.get());
    if (n == 0)
        return;
    fill_ = buffer_.get();
    const int written = _write(fd_, buffer_.get(), n);
    if (written != static_cast<int>(n)) {
        // A short write leaves errno alone: the disk is full.
        const int error = written < 0 ? errno : ENOSPC;
        KyConApp::Instance().GuiQueryError(target_, error, false, false);
    }
}

// Closes a temporary file's descriptor; standard output belongs to the
// process and stays open.
void OutFile::CloseDescriptor()
{
    const int fd = fd_;
    fd_ = -1;
    if (fd == -1 || fd == kStdout)
        return;
    if (_close(fd) != 0)
        KyConApp::Instance().GuiQueryError(target_, errno, false, false);
}

void OutFile::Close()
{
    if (closed_)
        return;
    closed_ = true;
    Flush();
    const bool isStdout = IsStdout();
    CloseDescriptor();
    if (isStdout)
        return;
    Replace();
}

// The temporary file takes the target's place by one rename, so at every
// moment one of the two complete files is on disk under the target's name.
void OutFile::Replace()
{
    if (!SameVolume(temp_, target_)) {
        // A rename cannot cross volumes: bring the file next to the target.
        ky_F local(target_);
        local.ToTempFileName(true);
        if (!CopyFileA(temp_.c_str(), local.c_str(), FALSE)) {
            const DWORD error = GetLastError();
            DeleteFileA(local.c_str());
            const ky_F kept(temp_);
            temp_ = "";
            ThrowNotReplaced(target_, kept, error);
        }
        DeleteFileA(temp_.c_str());
        temp_ = local;
    }
    if (!MoveReplacing(temp_, target_)) {
        const DWORD error = GetLastError();
        const ky_F kept(temp_);
        temp_ = "";
        ThrowNotReplaced(target_, kept, error);
    }
    temp_ = "";
    if (savedAttributes_ == 0)
        return;
    try {
        target_.SetAttributes(target_.GetAttributes() | savedAttributes_);
    } catch (const os_error& e) {
        ky_S text("Could not restore hidden and/or system attributes to the file \"");
        text += target_;
        text += "\", due to the following reason: ";
        text += e.what();
        throw std::runtime_error(text.c_str());
    }
}

void OutFile::Cancel(bool discard)
{
    closed_ = true;
    if (!discard) {
        Flush();
        CloseDescriptor();
        return;
    }
    fill_ = buffer_.get();
    if (fd_ != -1 && fd_ != kStdout)
        _close(fd_);
    fd_ = -1;
    if (!temp_.empty()) {
        DeleteFileA(temp_.c_str());
        temp_ = "";
    }
}

void OutFile::SwapTempFile(OutFile& other)
{
    if (!closed_)
        Flush();
    if (!other.closed_)
        other.Flush();
    std::swap(closed_, other.closed_);
    std::swap(temp_, other.temp_);
    std::swap(fd_, other.fd_);
}

bool OutFile::IsStdout() const
{
    return fd_ == kStdout;
}

} // namespace Kyvant
