// Writes answered at once and kept in memory, reads served from what was kept.
#include "AnsweredWrites.h"

#include "KyDB/Engine/FileAccess.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <map>
#include <vector>

namespace KyDBBench {

namespace {

using Kyvant::FileHandle;
using Kyvant::Win32FileAccess;

constexpr char kNotKept = 0;
constexpr char kKept = 1;

// The bytes written to one file since it was opened: `kept[i]` says whether
// byte i is in `bytes` (newer than the file's own).
struct KeptFile {
    std::vector<std::uint8_t> bytes;
    std::vector<char> kept;
};

std::map<FileHandle, KeptFile> g_files;
Kyvant::FileAccessTable g_saved;

bool AnyKept(const KeptFile& f, std::size_t from, std::size_t count)
{
    if (from >= f.kept.size())
        return false;
    const std::size_t n = std::min(count, f.kept.size() - from);
    return std::memchr(f.kept.data() + from, kKept, n) != nullptr;
}

bool AllKept(const KeptFile& f, std::size_t from, std::size_t count)
{
    return from + count <= f.kept.size() &&
           std::memchr(f.kept.data() + from, kNotKept, count) == nullptr;
}

int KeptRead(FileHandle file, std::int32_t offset, std::uint32_t count, void* buffer)
{
    auto found = g_files.find(file);
    if (offset < 0 || found == g_files.end() || !AnyKept(found->second, offset, count))
        return Win32FileAccess().ReadAt(file, offset, count, buffer);
    const KeptFile& f = found->second;
    auto* out = static_cast<std::uint8_t*>(buffer);
    const auto from = static_cast<std::size_t>(offset);
    if (AllKept(f, from, count)) {
        std::memcpy(out, f.bytes.data() + from, count);
        return 1;
    }
    // Partly kept: the file's bytes with the kept ones laid over them.
    if (Win32FileAccess().ReadAt(file, offset, count, buffer) != 1)
        return -1;
    const std::size_t end = std::min(from + count, f.kept.size());
    for (std::size_t i = from; i < end; ++i)
        if (f.kept[i] == kKept)
            out[i - from] = f.bytes[i];
    return 1;
}

// Writes at offset 0 reach the file (and make the kept bytes there stale);
// all others are kept.
int KeptWrite(FileHandle file, std::int32_t offset, std::uint32_t count, const void* buffer)
{
    if (offset < 0)
        return Win32FileAccess().WriteAt(file, offset, count, buffer);
    if (offset == 0) {
        auto found = g_files.find(file);
        if (found != g_files.end()) {
            std::vector<char>& kept = found->second.kept;
            std::fill_n(kept.begin(), std::min<std::size_t>(count, kept.size()), kNotKept);
        }
        return Win32FileAccess().WriteAt(file, offset, count, buffer);
    }
    KeptFile& f = g_files[file];
    const auto from = static_cast<std::size_t>(offset);
    if (f.bytes.size() < from + count) {
        f.bytes.resize(from + count);
        f.kept.resize(from + count);
    }
    std::memcpy(f.bytes.data() + from, buffer, count);
    std::memset(f.kept.data() + from, kKept, count);
    return 1;
}

int AnsweredFlush(FileHandle)
{
    return 1;
}

int KeptClose(FileHandle file)
{
    g_files.erase(file);
    return Win32FileAccess().Close(file);
}

} // namespace

AnsweredWrites::AnsweredWrites()
{
    g_files.clear();
    Kyvant::FileAccessTable& t = Kyvant::FileAccess();
    g_saved = t;
    t.ReadAt = KeptRead;
    t.WriteAt = KeptWrite;
    t.Flush = AnsweredFlush;
    t.Close = KeptClose;
}

AnsweredWrites::~AnsweredWrites()
{
    Kyvant::FileAccess() = g_saved;
    g_files.clear();
}

} // namespace KyDBBench
