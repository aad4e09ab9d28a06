// Replaces one word in 2,000 files of 20 KB each with KyReplace and the
// stand-in engine, without and with backups, and reports files per second
// and the share of the run the engine spent waiting for KyReplace (feeding
// the next file, moving the changed one in, making the backup).
//
// Run: wine build/bin/KyReplace_bench.exe [file count]
#include "BenchSupport.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace {

using KyBench::Now;
using KyBench::ProgramFolder;
using KyBench::TempFolder;

const int kFileSize = 20 * 1024;

// About 20 KB of text lines; every eighth line holds the word "alpha".
std::string Content(int seed)
{
    std::string text;
    for (int line = 0; text.size() < kFileSize - 80; ++line) {
        text += "Line " + std::to_string(line) + " of file " + std::to_string(seed) +
                (line % 8 == 0 ? ": alpha beta gamma" : ": lorem ipsum dolor sit amet") + "\r\n";
    }
    text.resize(kFileSize, '.');
    return text;
}

void RemoveTree(const std::string& folder)
{
    WIN32_FIND_DATAA fd;
    HANDLE h = FindFirstFileA((folder + "*").c_str(), &fd);
    if (h != INVALID_HANDLE_VALUE) {
        do
            DeleteFileA((folder + fd.cFileName).c_str());
        while (FindNextFileA(h, &fd));
        FindClose(h);
    }
    RemoveDirectoryA(folder.c_str());
}

// Runs a command with standard output into a file; returns the exit code.
DWORD Run(std::string cmd, const std::string& outFile)
{
    SECURITY_ATTRIBUTES sa{sizeof sa, nullptr, TRUE};
    HANDLE out = CreateFileA(outFile.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &sa, CREATE_ALWAYS, 0,
                             nullptr);
    STARTUPINFOA si{};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    si.hStdOutput = out;
    si.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION pi{};
    DWORD code = 0xFFFFFFFF;
    if (CreateProcessA(nullptr, &cmd[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si, &pi)) {
        WaitForSingleObject(pi.hProcess, INFINITE);
        GetExitCodeProcess(pi.hProcess, &code);
        CloseHandle(pi.hProcess);
        CloseHandle(pi.hThread);
    }
    CloseHandle(out);
    return code;
}

void SetPerlOptions(const std::string* value)
{
    HKEY key;
    RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Kyvant\\Tools\\Shared", 0, nullptr, 0,
                    KEY_ALL_ACCESS, nullptr, &key, nullptr);
    if (value)
        RegSetValueExA(key, "PerlOptions", 0, REG_SZ, reinterpret_cast<const BYTE*>(value->c_str()),
                       static_cast<DWORD>(value->size() + 1));
    else
        RegDeleteValueA(key, "PerlOptions");
    RegCloseKey(key);
}

void Measure(const char* label, const char* options, int files)
{
    const std::string folder =
        TempFolder() + "kyrep_bench_" + std::to_string(GetCurrentProcessId()) + "\\";
    CreateDirectoryA(folder.c_str(), nullptr);
    for (int i = 0; i < files; ++i)
        std::ofstream(folder + "f" + std::to_string(i) + ".txt", std::ios::binary) << Content(i);

    const std::string timing = TempFolder() + "kyrep_bench_timing.txt";
    const std::string perlOptions = "--test-timing=" + timing;
    SetPerlOptions(&perlOptions);
    const std::string cmd = "\"" + ProgramFolder() + "KyReplace.exe\" " + options +
                            " -palpha -qomega @! \"" + folder + "*.txt\"";
    const double start = Now();
    const DWORD code = Run(cmd, TempFolder() + "kyrep_bench_out.txt");
    const double total = Now() - start;
    SetPerlOptions(nullptr);

    unsigned long engineFiles = 0;
    double work = 0, wait = 0;
    {
        std::ifstream in(timing);
        std::string word;
        in >> word >> engineFiles >> word >> work >> word >> wait;
    }
    DeleteFileA(timing.c_str());
    DeleteFileA((TempFolder() + "kyrep_bench_out.txt").c_str());

    std::ostringstream first;
    {
        std::ifstream check(folder + "f0.txt", std::ios::binary);
        first << check.rdbuf();
    }
    const bool replaced = first.str().find("omega") != std::string::npos &&
                          first.str().find("alpha") == std::string::npos;
    RemoveTree(folder);

    std::printf("%-16s exit %lu, %lu files fed, replaced: %s\n", label, code, engineFiles,
                replaced ? "yes" : "NO");
    std::printf("  total %.2f s, %.0f files/s; engine working %.2f s, waiting for KyReplace "
                "%.2f s (%.0f%% of the engine's time); start and end %.2f s\n",
                total, files / total, work, wait, 100.0 * wait / (work + wait),
                total - work - wait);
}

} // namespace

int main(int argc, char** argv)
{
    const int files = argc > 1 ? std::atoi(argv[1]) : 2000;
    std::printf("KyReplace: one word in %d files of %d bytes\n", files, kFileSize);
    Measure("without backups", "-NV", files);
    Measure("with backups", "-NBV", files);
    return 0;
}
