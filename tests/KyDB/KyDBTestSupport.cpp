// Scratch folders, fault injection through the file-operation table and the
// helper process.
#include "KyDBTestSupport.h"

#include "common/ProgramFolder.h"

#include <windows.h>

#include <cstdio>

namespace KyDBTest {

namespace {

int g_calls[4];
int g_failAt[4];
bool g_fired[4];
bool g_noFlush = false;
Kyvant::FileAccessTable g_saved;
int g_active = 0;

bool Hit(int kind)
{
    if (++g_calls[kind] == g_failAt[kind]) {
        g_fired[kind] = true;
        Kyvant::SetLastOsError(ERROR_DISK_FULL);
        return true;
    }
    return false;
}

int ReadAt(Kyvant::FileHandle f, std::int32_t off, std::uint32_t n, void* buf)
{
    return Hit(Fault::Read) ? -1 : Kyvant::Win32FileAccess().ReadAt(f, off, n, buf);
}

int WriteAt(Kyvant::FileHandle f, std::int32_t off, std::uint32_t n, const void* buf)
{
    return Hit(Fault::Write) ? -1 : Kyvant::Win32FileAccess().WriteAt(f, off, n, buf);
}

int Flush(Kyvant::FileHandle f)
{
    if (Hit(Fault::Flush))
        return -1;
    return g_noFlush ? 1 : Kyvant::Win32FileAccess().Flush(f);
}

int Lock(Kyvant::FileHandle f, std::int32_t off, std::uint32_t n, int tries, int pause, int giveUp)
{
    return Hit(Fault::Lock) ? -1 : Kyvant::Win32FileAccess().Lock(f, off, n, tries, pause, giveUp);
}

void Install()
{
    if (g_active++ == 0)
        g_saved = Kyvant::FileAccess();
    Kyvant::FileAccessTable& t = Kyvant::FileAccess();
    t.ReadAt = ReadAt;
    t.WriteAt = WriteAt;
    t.Flush = Flush;
    t.Lock = Lock;
}

void Uninstall()
{
    if (--g_active == 0)
        Kyvant::FileAccess() = g_saved;
}

} // namespace

ScratchDir::ScratchDir()
{
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    dir_ = std::string(temp) + UniqueName("kydb");
    CreateDirectoryA(dir_.c_str(), nullptr);
}

ScratchDir::~ScratchDir()
{
    WIN32_FIND_DATAA fd;
    HANDLE h = FindFirstFileA((dir_ + "\\*").c_str(), &fd);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                DeleteFileA(Path(fd.cFileName).c_str());
        } while (FindNextFileA(h, &fd));
        FindClose(h);
    }
    RemoveDirectoryA(dir_.c_str());
}

std::vector<std::uint8_t> ReadAll(const std::string& path)
{
    std::vector<std::uint8_t> bytes;
    if (FILE* f = std::fopen(path.c_str(), "rb")) {
        std::uint8_t buf[65536];
        std::size_t n;
        while ((n = std::fread(buf, 1, sizeof buf, f)) > 0)
            bytes.insert(bytes.end(), buf, buf + n);
        std::fclose(f);
    }
    return bytes;
}

void WriteAll(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    if (FILE* f = std::fopen(path.c_str(), "wb")) {
        if (!bytes.empty())
            std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
    }
}

Fault::Fault(Kind kind, int failAt)
{
    for (int i = 0; i < 4; ++i) {
        g_calls[i] = 0;
        g_failAt[i] = 0;
        g_fired[i] = false;
    }
    g_failAt[kind] = failAt;
    g_noFlush = true;
    Install();
}

Fault::~Fault()
{
    for (int i = 0; i < 4; ++i)
        g_failAt[i] = 0;
    g_noFlush = false;
    Uninstall();
}

int Fault::Calls() const
{
    int total = 0;
    for (int i = 0; i < 4; ++i)
        if (g_failAt[i])
            total += g_calls[i];
    return total;
}

bool Fault::Fired() const
{
    return g_fired[0] || g_fired[1] || g_fired[2] || g_fired[3];
}

NoFlush::NoFlush()
{
    for (int i = 0; i < 4; ++i)
        g_failAt[i] = 0;
    g_noFlush = true;
    Install();
}

NoFlush::~NoFlush()
{
    g_noFlush = false;
    Uninstall();
}

Peer::Peer(const std::string& args)
{
    const std::string path = kytest::ProgramFolder() + "KyDB_peer.exe";
    SECURITY_ATTRIBUTES sa = {sizeof sa, nullptr, TRUE};
    HANDLE readEnd, writeEnd;
    CreatePipe(&readEnd, &writeEnd, &sa, 0);
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdOutput = writeEnd;
    si.hStdError = writeEnd;
    si.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    PROCESS_INFORMATION pi = {};
    std::string command = "\"" + path + "\" " + args;
    if (CreateProcessA(nullptr, &command[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si,
                       &pi)) {
        CloseHandle(pi.hThread);
        process_ = pi.hProcess;
    }
    CloseHandle(writeEnd);
    readEnd_ = readEnd;
}

Peer::~Peer()
{
    if (process_) {
        if (WaitForSingleObject(process_, 0) != WAIT_OBJECT_0)
            TerminateProcess(process_, 99);
        CloseHandle(process_);
    }
    if (readEnd_)
        CloseHandle(readEnd_);
}

int Peer::Wait(unsigned timeoutMs)
{
    if (!process_)
        return -1;
    // The output is read as it comes so a chatty peer never blocks on the pipe.
    DWORD start = GetTickCount();
    for (;;) {
        DWORD avail = 0;
        while (PeekNamedPipe(readEnd_, nullptr, 0, nullptr, &avail, nullptr) && avail > 0) {
            char buf[512];
            DWORD got = 0;
            if (!ReadFile(readEnd_, buf, sizeof buf, &got, nullptr) || got == 0)
                break;
            output_.append(buf, got);
        }
        if (WaitForSingleObject(process_, 20) == WAIT_OBJECT_0)
            break;
        if (GetTickCount() - start > timeoutMs)
            return -1;
    }
    char buf[512];
    DWORD got = 0, avail = 0;
    while (PeekNamedPipe(readEnd_, nullptr, 0, nullptr, &avail, nullptr) && avail > 0 &&
           ReadFile(readEnd_, buf, sizeof buf, &got, nullptr) && got > 0)
        output_.append(buf, got);
    DWORD code = 0;
    GetExitCodeProcess(process_, &code);
    return static_cast<int>(code);
}

int RunPeer(const std::string& args, std::string* output)
{
    Peer peer(args);
    int code = peer.Wait();
    if (output)
        *output = peer.Output();
    return code;
}

NamedEvent::NamedEvent(const std::string& name)
    : handle_(CreateEventA(nullptr, TRUE, FALSE, name.c_str()))
{
}

NamedEvent::~NamedEvent()
{
    if (handle_)
        CloseHandle(handle_);
}

void NamedEvent::Set()
{
    SetEvent(handle_);
}

bool NamedEvent::Wait(unsigned timeoutMs)
{
    return WaitForSingleObject(handle_, timeoutMs) == WAIT_OBJECT_0;
}

std::string UniqueName(const std::string& stem)
{
    static LONG counter = 0;
    char buf[96];
    std::snprintf(buf, sizeof buf, "%s_%lu_%ld_%lu", stem.c_str(), GetCurrentProcessId(),
                  InterlockedIncrement(&counter), GetTickCount());
    return buf;
}

} // namespace KyDBTest
