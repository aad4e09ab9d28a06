// The work on one file: whole reads and writes of files and standard streams around the rules.
#include "FileWork.h"

#include "KyStd/Core/Errors.h"

#include <windows.h>
#include <fcntl.h>
#include <io.h>

#include <algorithm>
#include <stdexcept>

namespace Kyvant {
namespace KyPerl {

namespace {

[[noreturn]] void Fail(const std::string& what, const std::string& name)
{
    const os_error error;
    throw std::runtime_error(what + " " + name + ": " + error.what());
}

class Handle {
public:
    explicit Handle(HANDLE h) : h_(h) {}
    ~Handle() { Close(); }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    HANDLE get() const { return h_; }
    bool Close()
    {
        const bool ok = h_ == INVALID_HANDLE_VALUE || CloseHandle(h_);
        h_ = INVALID_HANDLE_VALUE;
        return ok;
    }

private:
    HANDLE h_;
};

std::string ReadWholeFile(const std::string& name)
{
    Handle file(CreateFileA(name.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (file.get() == INVALID_HANDLE_VALUE)
        Fail("Cannot open", name);
    std::string text;
    char buffer[65536];
    DWORD got = 0;
    for (;;) {
        if (!ReadFile(file.get(), buffer, sizeof buffer, &got, nullptr))
            Fail("Cannot read", name);
        if (got == 0)
            break;
        text.append(buffer, got);
    }
    return text;
}

void WriteWholeFile(const std::string& name, const std::string& text)
{
    Handle file(CreateFileA(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.get() == INVALID_HANDLE_VALUE)
        Fail("Cannot write", name);
    std::size_t done = 0;
    while (done < text.size()) {
        DWORD written = 0;
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(text.size() - done, 1 << 20));
        if (!WriteFile(file.get(), text.data() + done, chunk, &written, nullptr) || written == 0)
            Fail("Cannot write", name);
        done += written;
    }
    if (!file.Close())
        Fail("Cannot close", name);
}

std::string ReadStdin()
{
    _setmode(0, _O_BINARY);
    std::string text;
    char buffer[65536];
    int got;
    while ((got = _read(0, buffer, sizeof buffer)) > 0)
        text.append(buffer, static_cast<std::size_t>(got));
    if (got < 0)
        throw std::runtime_error("Cannot read standard input");
    return text;
}

void WriteStdout(const std::string& text)
{
    _setmode(1, _O_BINARY);
    std::size_t done = 0;
    while (done < text.size()) {
        const unsigned chunk =
            static_cast<unsigned>(std::min<std::size_t>(text.size() - done, 65536));
        const int written = _write(1, text.data() + done, chunk);
        if (written <= 0)
            throw std::runtime_error("Cannot write standard output");
        done += static_cast<std::size_t>(written);
    }
}

} // namespace

unsigned long ProcessFile(const FileListItem& item, const PerlGlue::RuleSet& rules,
                          const PerlGlue::EngineOptions& options, FrontEndJudge* judge)
{
    std::string text = item.isStdin ? ReadStdin() : ReadWholeFile(item.name);
    PerlGlue::MatchJudge* asking = nullptr;
    if (judge) {
        judge->BeginFile(item.name, text, item.binary);
        if (judge->Asks())
            asking = judge;
    }
    const unsigned long count =
        options.lineMode ? rules.ApplyByLine(text, item.binary, asking) : rules.Apply(text, asking);
    if (item.isStdin)
        WriteStdout(text);
    else if (count != 0)
        WriteWholeFile(item.tempName, text);
    return count;
}

} // namespace KyPerl
} // namespace Kyvant
