// The finder stand-in against a bare walk that reads every file whole, in
// the same run over the same generated tree of source-like text files
// (20,000 files, about 100 MB): a literal (Fgrep), a case-insensitive
// plain-text and an expression search, each KyFind.exe run as a process
// with its results going to a file. Prints the median of the rounds and
// each search's ratio to the walk-and-read.
// Usage: KyFind_search_bench [tree folder [rounds]]; a folder given is
// generated when missing and kept.
#include "BenchSupport.h"
#include "common/ChildProcess.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace {

using KyBench::Now;

const int kTops = 20;
const int kLeaves = 10;
const int kFilesPerLeaf = 100; // 20,000 files in 200 folders
const int kMeanFileBytes = 5000;
const int kDefaultRounds = 5;

const char* const kWords[] = {
    "int",   "value", "return", "if",      "else",   "for",     "while",  "count",  "index", "size",
    "const", "char",  "void",   "static",  "result", "data",    "length", "offset", "file",  "name",
    "path",  "text",  "line",   "error",   "begin",  "end",     "next",   "prev",   "node",  "list",
    "map",   "key",   "item",   "bufsize", "buff",   "stuffer", "suffer", "puffer", "fer",   "buf",
};
const int kWordCount = static_cast<int>(sizeof kWords / sizeof kWords[0]);

// One line of code-like text; about one line in a hundred names a buffer,
// in one of its spellings, some of them indexed.
std::string MakeLine(std::mt19937& rng)
{
    static const char* const kBuffers[] = {"buffer", "Buffer", "BUFFER", "buffer[16]",
                                           "m_buffer[i]"};
    std::string line(static_cast<std::size_t>(rng() % 8) * 4, ' ');
    const int words = 3 + static_cast<int>(rng() % 9);
    for (int w = 0; w < words; ++w) {
        if (w)
            line += rng() % 4 == 0 ? ", " : " ";
        line += rng() % 900 == 0 ? kBuffers[rng() % 5] : kWords[rng() % kWordCount];
    }
    line += rng() % 3 == 0 ? ";\r\n" : ";\n";
    return line;
}

void GenerateTree(const std::string& root)
{
    std::mt19937 rng(20261209);
    CreateDirectoryA(root.c_str(), nullptr);
    char name[64];
    for (int t = 0; t < kTops; ++t) {
        std::snprintf(name, sizeof name, "\\mod%02d", t);
        const std::string top = root + name;
        CreateDirectoryA(top.c_str(), nullptr);
        for (int l = 0; l < kLeaves; ++l) {
            std::snprintf(name, sizeof name, "\\src%d", l);
            const std::string leaf = top + name;
            CreateDirectoryA(leaf.c_str(), nullptr);
            for (int f = 0; f < kFilesPerLeaf; ++f) {
                const std::size_t target = kMeanFileBytes / 5 + rng() % (kMeanFileBytes * 8 / 5);
                std::string text;
                text.reserve(target + 200);
                while (text.size() < target)
                    text += MakeLine(rng);
                std::snprintf(name, sizeof name, "\\file%03d.cpp", f);
                kytest::WriteFile(leaf + name, text);
            }
        }
    }
}

// The baseline: every file found by a bare FindFirstFile walk, opened,
// read whole into one buffer and closed.
void WalkAndRead(const std::string& dir, std::string& buffer, unsigned long& files,
                 unsigned long long& bytes)
{
    WIN32_FIND_DATAA fd;
    HANDLE find = FindFirstFileA((dir + "\\*").c_str(), &fd);
    if (find == INVALID_HANDLE_VALUE)
        return;
    do {
        const std::string path = dir + "\\" + fd.cFileName;
        if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            if (std::strcmp(fd.cFileName, ".") != 0 && std::strcmp(fd.cFileName, "..") != 0)
                WalkAndRead(path, buffer, files, bytes);
            continue;
        }
        HANDLE h = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h == INVALID_HANDLE_VALUE)
            continue;
        const DWORD size = GetFileSize(h, nullptr);
        buffer.resize(size);
        DWORD read = 0;
        if (size && ReadFile(h, &buffer[0], size, &read, nullptr))
            bytes += read;
        CloseHandle(h);
        ++files;
    } while (FindNextFileA(find, &fd));
    FindClose(find);
}

struct Search {
    const char* what;
    std::vector<std::string> words;
    std::vector<double> seconds;
    std::size_t lines = 0;
    DWORD exitCode = 0;
};

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n == 0 ? 0 : (n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2);
}

std::string Seconds(const std::vector<double>& v)
{
    std::string out;
    char text[32];
    for (double s : v) {
        std::snprintf(text, sizeof text, "%s%.2f", out.empty() ? "" : " ", s);
        out += text;
    }
    return out;
}

} // namespace

int main(int argc, char** argv)
{
    const bool own = argc < 2;
    const std::string root =
        own ? KyBench::TempFolder() + "kyfind_bench_" + std::to_string(GetCurrentProcessId())
            : std::string(argv[1]);
    const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : kDefaultRounds;
    double t0 = Now();
    if (GetFileAttributesA(root.c_str()) == INVALID_FILE_ATTRIBUTES)
        GenerateTree(root);
    std::printf("tree %s ready in %.1f s; %d rounds\n", root.c_str(), Now() - t0, rounds);

    const std::string program = KyBench::ProgramFolder() + "KyFind.exe";
    const std::string files = root + "\\*.cpp|+";
    std::vector<Search> searches = {
        {"literal (-nF buffer)", {"-nF", "--kyvant_ide_output", "-ebuffer"}, {}},
        {"ignoring case (-inG buffer)", {"-inG", "--kyvant_ide_output", "-ebuffer"}, {}},
        {"expression (-nG buffer\\[[0-9]*\\])",
         {"-nG", "--kyvant_ide_output", "-ebuffer\\[[0-9]*\\]"},
         {}},
    };
    std::vector<double> walk;
    unsigned long walkedFiles = 0;
    unsigned long long walkedBytes = 0;
    std::string buffer;
    for (int round = 0; round < rounds; ++round) {
        walkedFiles = 0;
        walkedBytes = 0;
        double start = Now();
        WalkAndRead(root, buffer, walkedFiles, walkedBytes);
        walk.push_back(Now() - start);
        for (Search& s : searches) {
            std::vector<std::string> args = s.words;
            args.push_back("@!");
            args.push_back(files);
            std::string out;
            start = Now();
            const kytest::ProgramRun run =
                kytest::RunProgram(program, args, "", {}, "", 600000, &out);
            s.seconds.push_back(Now() - start);
            s.lines = static_cast<std::size_t>(std::count(out.begin(), out.end(), '\n'));
            s.exitCode = run.exitCode;
        }
    }
    std::printf("walk and read whole: %lu files, %.1f MB; rounds %s s; median %.2f s\n",
                walkedFiles, walkedBytes / 1e6, Seconds(walk).c_str(), Median(walk));
    for (const Search& s : searches) {
        std::printf("%-40s %7lu lines, exit %lu; rounds %s s; median %.2f s; ratio %.2f\n", s.what,
                    static_cast<unsigned long>(s.lines), static_cast<unsigned long>(s.exitCode),
                    Seconds(s.seconds).c_str(), Median(s.seconds),
                    Median(s.seconds) / Median(walk));
    }
    if (own)
        KyBench::RemoveTree(root);
    return 0;
}
