// The application's side of the Explorer hand-off: paths for a new task of
// this program written to a temporary file whose name and time go under the
// application key's "ShellExArgs", as the shell extension leaves them.
#include "KyGuiTool/App/KyGuiApp.h"

#include "KyStd/Processes/PipeIO.h"
#include "KyStd/Registry/RegValues.h"

#include <cstdio>
#include <stdexcept>

using namespace Kyvant;

namespace {

const char kShellExArgsSubkey[] = "ShellExArgs";
const char kPathsFileValue[] = "PathsFile";
const char kTimeLoValue[] = "TimeLo";
const char kTimeHiValue[] = "TimeHi";

// Writes each path and a line feed; false on a write error.
bool WritePaths(std::FILE* file, const input_sequencer<ky_BSB<char>>& paths)
{
    for (; !paths.at_end(); paths.next()) {
        const ky_BSB<char> path = paths.current();
        if (std::fwrite(path.data(), 1, path.length(), file) != path.length() ||
            std::fputc('\n', file) == EOF)
            return false;
    }
    return true;
}

// The hand-off values still name the file: it is gone, so they go too.
void ForgetHandoffOf(const RegKey& appKey, const ky_F& file)
{
    RegKey key;
    if (key.Open(appKey.get(), kShellExArgsSubkey) != ERROR_SUCCESS)
        return;
    ky_F named;
    named.LoadStringA(key.get(), kPathsFileValue, "");
    if (named == file)
        key.DeleteAllValues();
}

} // namespace

void KyGuiApp::CreateShellExToolArgs(const input_sequencer<ky_BSB<char>>& paths)
{
    if (paths.at_end())
        return;
    ky_F file = m_shellExArgsFile;
    if (file.empty())
        file.ToTempFileName();

    // A file that cannot be opened was not touched: a reused one still holds
    // the last hand-off its values name, a new one goes. A failure while
    // writing leaves a part: the file goes, and with a reused one the values
    // that name it.
    const bool reused = file == m_shellExArgsFile;
    auto discard = [&]() {
        ::DeleteFileA(file.c_str());
        if (reused) {
            ForgetHandoffOf(m_appKey, file);
            m_shellExArgsFile.clear();
        }
    };
    std::FILE* stream = std::fopen(file.c_str(), "wb");
    if (!stream) {
        if (!reused)
            ::DeleteFileA(file.c_str());
        throw std::runtime_error("Failed to create tempfile");
    }
    bool written = false;
    try {
        written = WritePaths(stream, paths);
    } catch (...) {
        std::fclose(stream);
        discard();
        throw;
    }
    if (!CRT::ky_fclose(stream) || !written) {
        discard();
        throw std::runtime_error("Error writing tempfile");
    }
    m_shellExArgsFile = file;

    RegKey key(m_appKey, kShellExArgsSubkey, KEY_ALL_ACCESS);
    key.DeleteAllValues();
    WriteRegistryString(key.get(), kPathsFileValue, file);
    FILETIME now;
    ::GetSystemTimeAsFileTime(&now);
    WriteRegistryDWORD(key.get(), kTimeLoValue, now.dwLowDateTime);
    WriteRegistryDWORD(key.get(), kTimeHiValue, now.dwHighDateTime);
}
