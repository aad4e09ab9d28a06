// Recording the engine's file operations and replaying them as plain Win32 calls.
#include "CallReplay.h"

#include "KyDB/Engine/FileAccess.h"

#include <windows.h>

#include <map>

namespace KyDBBench {

namespace {

std::vector<Call> g_calls;
long g_replayFailures = 0;
std::map<Kyvant::FileHandle, int> g_files;
int g_nextFile = 0;
Kyvant::FileAccessTable g_saved;

int FileOf(Kyvant::FileHandle h)
{
    auto it = g_files.find(h);
    return it == g_files.end() ? -1 : it->second;
}

void Add(Call::Kind kind, Kyvant::FileHandle h, std::int32_t offset = 0, std::uint32_t count = 0)
{
    Call c;
    c.kind = kind;
    c.file = FileOf(h);
    c.offset = offset;
    c.count = count;
    g_calls.push_back(c);
}

Kyvant::FileHandle RecOpen(const char* name, bool writable, bool shared)
{
    Kyvant::FileHandle h = Kyvant::Win32FileAccess().Open(name, writable, shared);
    Call c;
    c.kind = Call::Open;
    c.name = name;
    c.writable = writable;
    c.shared = shared;
    if (h != Kyvant::kNoFile)
        c.file = g_files[h] = g_nextFile++;
    g_calls.push_back(c);
    return h;
}

Kyvant::FileHandle RecCreate(const char* name)
{
    Kyvant::FileHandle h = Kyvant::Win32FileAccess().Create(name);
    Call c;
    c.kind = Call::Create;
    c.name = name;
    if (h != Kyvant::kNoFile)
        c.file = g_files[h] = g_nextFile++;
    g_calls.push_back(c);
    return h;
}

int RecClose(Kyvant::FileHandle h)
{
    Add(Call::Close, h);
    g_files.erase(h);
    return Kyvant::Win32FileAccess().Close(h);
}

int RecRead(Kyvant::FileHandle h, std::int32_t offset, std::uint32_t count, void* buffer)
{
    Add(Call::Read, h, offset, count);
    return Kyvant::Win32FileAccess().ReadAt(h, offset, count, buffer);
}

int RecWrite(Kyvant::FileHandle h, std::int32_t offset, std::uint32_t count, const void* buffer)
{
    Add(Call::Write, h, offset, count);
    return Kyvant::Win32FileAccess().WriteAt(h, offset, count, buffer);
}

int RecDelete(const char* name)
{
    Call c;
    c.kind = Call::Delete;
    c.name = name;
    g_calls.push_back(c);
    return Kyvant::Win32FileAccess().Delete(name);
}

int RecLock(Kyvant::FileHandle h, std::int32_t offset, std::uint32_t length, int tries, int pause,
            int giveUp)
{
    Add(Call::Lock, h, offset, length);
    return Kyvant::Win32FileAccess().Lock(h, offset, length, tries, pause, giveUp);
}

int RecUnlock(Kyvant::FileHandle h, std::int32_t offset, std::uint32_t length)
{
    Add(Call::Unlock, h, offset, length);
    return Kyvant::Win32FileAccess().Unlock(h, offset, length);
}

int RecFlush(Kyvant::FileHandle h)
{
    Add(Call::Flush, h);
    return Kyvant::Win32FileAccess().Flush(h);
}

int RecSize(Kyvant::FileHandle h, std::uint32_t* size)
{
    Add(Call::Size, h);
    return Kyvant::Win32FileAccess().Size(h, size);
}

std::string Moved(const std::string& name, const std::string& from, const std::string& to)
{
    return name.compare(0, from.size(), from) == 0 ? to + name.substr(from.size()) : name;
}

} // namespace

CallRecorder::CallRecorder()
{
    g_calls.clear();
    g_files.clear();
    g_nextFile = 0;
    Kyvant::FileAccessTable& t = Kyvant::FileAccess();
    g_saved = t;
    t.Open = RecOpen;
    t.Create = RecCreate;
    t.Close = RecClose;
    t.ReadAt = RecRead;
    t.WriteAt = RecWrite;
    t.Delete = RecDelete;
    t.Lock = RecLock;
    t.Unlock = RecUnlock;
    t.Flush = RecFlush;
    t.Size = RecSize;
}

CallRecorder::~CallRecorder()
{
    Kyvant::FileAccess() = g_saved;
}

std::vector<Call> CallRecorder::Take()
{
    std::vector<Call> out;
    out.swap(g_calls);
    return out;
}

long ReplayFailures()
{
    return g_replayFailures;
}

std::size_t RecordedCount()
{
    return g_calls.size();
}

std::vector<double> Replay(const std::vector<Call>& calls, const std::string& from,
                           const std::string& to,
                           const std::vector<std::pair<std::size_t, std::size_t>>& sections)
{
    std::vector<HANDLE> files;
    std::vector<char> buffer(1 << 16);
    LARGE_INTEGER freq;
    QueryPerformanceFrequency(&freq);
    std::vector<LONGLONG> starts(sections.size(), 0), ends(sections.size(), 0);
    auto mark = [&](std::size_t i) {
        LARGE_INTEGER now;
        QueryPerformanceCounter(&now);
        for (std::size_t k = 0; k < sections.size(); ++k) {
            if (sections[k].first == i)
                starts[k] = now.QuadPart;
            if (sections[k].second == i)
                ends[k] = now.QuadPart;
        }
    };
    DWORD done;
    for (std::size_t i = 0; i < calls.size(); ++i) {
        mark(i);
        const Call& c = calls[i];
        HANDLE h = c.file >= 0 && c.file < static_cast<int>(files.size()) ? files[c.file] : nullptr;
        switch (c.kind) {
        case Call::Open:
        case Call::Create: {
            std::string name = Moved(c.name, from, to);
            DWORD access =
                c.kind == Call::Create || c.writable ? GENERIC_READ | GENERIC_WRITE : GENERIC_READ;
            DWORD share = c.shared ? FILE_SHARE_READ | FILE_SHARE_WRITE : 0;
            HANDLE opened = CreateFileA(name.c_str(), access, share, nullptr,
                                        c.kind == Call::Create ? CREATE_NEW : OPEN_EXISTING,
                                        FILE_FLAG_RANDOM_ACCESS, nullptr);
            if (c.file >= 0) {
                files.resize(std::max<std::size_t>(files.size(), c.file + 1));
                files[c.file] = opened;
            } else if (opened != INVALID_HANDLE_VALUE) {
                CloseHandle(opened);
            }
            break;
        }
        case Call::Close:
            g_replayFailures += !CloseHandle(h);
            break;
        case Call::Read:
            SetFilePointer(h, c.offset, nullptr, FILE_BEGIN);
            g_replayFailures += !ReadFile(h, buffer.data(), c.count, &done, nullptr);
            break;
        case Call::Write:
            SetFilePointer(h, c.offset, nullptr, FILE_BEGIN);
            g_replayFailures += !WriteFile(h, buffer.data(), c.count, &done, nullptr);
            break;
        case Call::Delete:
            DeleteFileA(Moved(c.name, from, to).c_str());
            break;
        case Call::Lock:
            g_replayFailures += !LockFile(h, static_cast<DWORD>(c.offset), 0, c.count, 0);
            break;
        case Call::Unlock:
            g_replayFailures += !UnlockFile(h, static_cast<DWORD>(c.offset), 0, c.count, 0);
            break;
        case Call::Flush:
            g_replayFailures += !FlushFileBuffers(h);
            break;
        case Call::Size:
            SetLastError(0);
            GetFileSize(h, nullptr);
            break;
        }
    }
    mark(calls.size());
    std::vector<double> seconds;
    for (std::size_t k = 0; k < sections.size(); ++k)
        seconds.push_back(static_cast<double>(ends[k] - starts[k]) / freq.QuadPart);
    return seconds;
}

std::string Summary(const std::vector<Call>& calls, std::size_t first, std::size_t last)
{
    static const char* const names[] = {"open",   "create", "close",  "read",  "write",
                                        "delete", "lock",   "unlock", "flush", "size"};
    std::size_t counts[10] = {};
    for (std::size_t i = first; i < last && i < calls.size(); ++i)
        ++counts[calls[i].kind];
    std::string out;
    for (int i = 0; i < 10; ++i) {
        if (!counts[i])
            continue;
        if (!out.empty())
            out += ", ";
        out += std::to_string(counts[i]) + " " + names[i];
    }
    return out;
}

} // namespace KyDBBench
