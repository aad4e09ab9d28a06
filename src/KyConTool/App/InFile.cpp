// Checked input file: existence, protected attributes and binary content go
// through the application object before and after the first read.
#include "KyConTool/App/InOutFile.h"

#include <fcntl.h>
#include <io.h>
#include <share.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>

namespace Kyvant {

// The descriptor and its buffer.
class InFile::Stream {
public:
    Stream(const ky_F& name, bool isStdin, bool text) : name_(name), isStdin_(isStdin)
    {
        const int mode = text ? _O_TEXT : _O_BINARY;
        if (isStdin_) {
            fd_ = 0;
            if (_setmode(fd_, mode) == -1)
                Fail();
        } else {
            fd_ = _sopen(name_.c_str(), _O_RDONLY | mode, _SH_DENYWR);
            if (fd_ == -1)
                Fail();
        }
    }
    ~Stream() { Close(); }

    bool Read()
    {
        if (!buffer_)
            buffer_.reset(new char[kBufferSize]);
        const int n = _read(fd_, buffer_.get(), kBufferSize);
        if (n < 0)
            Fail();
        count_ = static_cast<unsigned>(n);
        return n > 0;
    }

    void Rewind()
    {
        if (isStdin_)
            throw std::logic_error("InFile::Rewind: standard input cannot be rewound");
        if (_lseek(fd_, 0, SEEK_SET) == -1)
            Fail();
        count_ = 0;
    }

    // Standard input belongs to the process and stays open.
    void Close()
    {
        if (fd_ != -1 && !isStdin_)
            _close(fd_);
        fd_ = -1;
    }

    const char* Begin() const { return buffer_.get(); }
    const char* End() const { return buffer_.get() + count_; }

private:
    [[noreturn]] void Fail()
    {
        const int error = errno;
        Close();
        KyConApp::Instance().GuiQueryError(name_, error, false, false);
    }

    ky_F name_;
    bool isStdin_;
    int fd_ = -1;
    unsigned count_ = 0;
    std::unique_ptr<char[]> buffer_;
};

InFile::InFile(const ky_F& file, unsigned flags)
    : isStdin_(file == KyConApp::GetStdinPseudoFileName()), binary_(-1)
{
    KyConApp& app = KyConApp::Instance();
    if (!(flags & kNoChecks)) {
        if (!app.GuiCheckIfFsObjectExists(file, isStdin_, false))
            app.ThrowNonFatalError();
        attribHandler_.reset(new KyConApp::GuiAttribHandler(
            file, (flags & kHiddenSystemOnly) ? 6 : 7, FILE_ATTRIBUTE_READONLY, isStdin_,
            (flags & kRelaxed) != 0, false));
        if (attribHandler_->Skip())
            app.ThrowNonFatalError();
    }
    stream_.reset(new Stream(file, isStdin_, (flags & kText) != 0));
    if ((flags & kNoFirstRead) || ((flags & kNoFirstReadOfStdin) && isStdin_))
        return;
    stream_->Read();
    if (flags & kNoBinaryTest)
        return;
    const unsigned count = static_cast<unsigned>(BufferEnd() - BufferBegin());
    binary_ = count != 0 && std::memchr(BufferBegin(), '\0', count) ? 1 : 0;
    if (binary_ && !(flags & kRelaxed) && !app.GuiQueryForBinaryFile(file))
        app.ThrowNonFatalError();
}

InFile::~InFile() {}

bool InFile::Read()
{
    return stream_->Read();
}

void InFile::Rewind()
{
    stream_->Rewind();
}

const char* InFile::BufferBegin() const
{
    return stream_->Begin();
}

const char* InFile::BufferEnd() const
{
    return stream_->End();
}

bool InFile::IsBinary() const
{
    if (binary_ == -1)
        throw std::runtime_error("Binary file status asked for but not determined");
    return binary_ == 1;
}

void InFile::Close()
{
    stream_->Close();
}

} // namespace Kyvant
