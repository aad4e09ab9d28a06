// Captures what this process writes to the C runtime's standard error (or
// output) descriptor while the object lives.
#pragma once

#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>

#include <cstdio>
#include <stdlib.h>
#include <string>

class StreamCapture {
public:
    explicit StreamCapture(int fd = 2) : fd_(fd)
    {
        std::fflush(fd_ == 1 ? stdout : stderr);
        char name[L_tmpnam];
        std::tmpnam(name);
        path_ = std::string(getenv("TEMP") ? getenv("TEMP") : ".") + name;
        file_ =
            _open(path_.c_str(), _O_CREAT | _O_TRUNC | _O_RDWR | _O_BINARY, _S_IREAD | _S_IWRITE);
        saved_ = _dup(fd_);
        _dup2(file_, fd_);
    }
    ~StreamCapture()
    {
        Stop();
        _unlink(path_.c_str());
    }
    // Restores the descriptor and returns everything written meanwhile.
    std::string Stop()
    {
        if (saved_ >= 0) {
            std::fflush(fd_ == 1 ? stdout : stderr);
            _dup2(saved_, fd_);
            _close(saved_);
            saved_ = -1;
            _lseek(file_, 0, SEEK_SET);
            char buf[4096];
            int n;
            while ((n = _read(file_, buf, sizeof buf)) > 0)
                text_.append(buf, n);
            _close(file_);
        }
        return text_;
    }

private:
    int fd_;
    int file_ = -1;
    int saved_ = -1;
    std::string path_;
    std::string text_;
};
