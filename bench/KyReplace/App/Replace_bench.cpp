// Replaces one word in 2,000 files of 20 KB each with KyReplace and the
// stand-in engine, without and with backups, and reports files per second
// and the share of the run the engine spent waiting for KyReplace (feeding
// the next file, moving the changed one in, making the backup). In the same
// run a baseline loop does the same file work per file on an identical
// folder without KyReplace and the engine (read the file, replace the word,
// write the new text into a temporary file made beside it, make the backup,
// put the new text in place), and KyReplace's time is given as a ratio of it.
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

std::string ReadWhole(const std::string& name)
{
    std::string text;
    HANDLE h = CreateFileA(name.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                           FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return text;
    char buffer[65536];
    DWORD got = 0;
    while (ReadFile(h, buffer, sizeof buffer, &got, nullptr) && got > 0)
        text.append(buffer, got);
    CloseHandle(h);
    return text;
}

bool WriteWhole(const std::string& name, const std::string& text)
{
    HANDLE h = CreateFileA(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const bool ok = WriteFile(h, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
                    written == text.size();
    return CloseHandle(h) && ok;
}

void ReplaceWord(std::string& text, const std::string& from, const std::string& to)
{
    for (std::string::size_type at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

std::string MakeFolder(const char* tag, int files)
{
    const std::string folder =
        TempFolder() + "kyrep_bench_" + tag + "_" + std::to_string(GetCurrentProcessId()) + "\\";
    CreateDirectoryA(folder.c_str(), nullptr);
    for (int i = 0; i < files; ++i)
        std::ofstream(folder + "f" + std::to_string(i) + ".txt", std::ios::binary) << Content(i);
    return folder;
}

bool FirstFileReplaced(const std::string& folder)
{
    const std::string first = ReadWhole(folder + "f0.txt");
    return first.find("omega") != std::string::npos && first.find("alpha") == std::string::npos;
}

// MoveFileExA, looked up like every function Windows 95 or NT 4 lacks.
BOOL MoveReplacing(const char* from, const char* to)
{
    using MoveFileEx = BOOL(WINAPI*)(LPCSTR, LPCSTR, DWORD);
    static const MoveFileEx moveFileEx = reinterpret_cast<MoveFileEx>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "MoveFileExA")));
    return moveFileEx && moveFileEx(from, to, MOVEFILE_REPLACE_EXISTING);
}

// The file work of one KyReplace run done directly, in seconds: per file the
// text is read and changed, written into a new temporary file beside it, and
// put in place: with backups the original becomes its ".bak", else the new
// text replaces it in one move.
double Baseline(const std::string& folder, int files, bool backups, bool& ok)
{
    ok = true;
    const double start = Now();
    for (int i = 0; i < files; ++i) {
        const std::string name = folder + "f" + std::to_string(i) + ".txt";
        std::string text = ReadWhole(name);
        ReplaceWord(text, "alpha", "omega");
        char temp[MAX_PATH];
        if (!GetTempFileNameA(folder.c_str(), "kyf", 0, temp) || !WriteWhole(temp, text)) {
            ok = false;
            continue;
        }
        if (backups)
            ok = MoveFileA(name.c_str(), (name + ".bak").c_str()) &&
                 MoveFileA(temp, name.c_str()) && ok;
        else
            ok = MoveReplacing(temp, name.c_str()) && ok;
    }
    return Now() - start;
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

void Measure(const char* label, const char* options, bool backups, int files)
{
    const std::string baseFolder = MakeFolder("base", files);
    bool baseOk = false;
    const double base = Baseline(baseFolder, files, backups, baseOk);
    baseOk = baseOk && FirstFileReplaced(baseFolder);
    RemoveTree(baseFolder);

    const std::string folder = MakeFolder("run", files);
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
    const bool replaced = FirstFileReplaced(folder);
    RemoveTree(folder);

    const double perFile = 1000.0 / files;
    std::printf("%-16s exit %lu, %lu files fed, replaced: %s; baseline replaced: %s\n", label, code,
                engineFiles, replaced ? "yes" : "NO", baseOk ? "yes" : "NO");
    std::printf("  total %.2f s, %.0f files/s, %.2f ms a file; engine working %.2f s, waiting for "
                "KyReplace %.2f s (%.0f%% of the engine's time); start and end %.2f s\n",
                total, files / total, total * perFile, work, wait, 100.0 * wait / (work + wait),
                total - work - wait);
    std::printf("  baseline %.2f s, %.2f ms a file; KyReplace / baseline: %.2f (%.2f without "
                "start and end)\n",
                base, base * perFile, total / base, (work + wait) / base);
}

} // namespace

int main(int argc, char** argv)
{
    const int files = argc > 1 ? std::atoi(argv[1]) : 2000;
    std::printf("KyReplace: one word in %d files of %d bytes\n", files, kFileSize);
    Measure("without backups", "-NV", false, files);
    Measure("with backups", "-NBV", true, files);
    return 0;
}
