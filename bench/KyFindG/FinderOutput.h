// The finder's made-up output that the KyFindG benchmarks read: match lines
// in files of 100 folders, every tenth line opening a group of three.
#pragma once

#include <cstdio>
#include <string>

namespace KyBench {

const int kFinderFiles = 20000;
const int kFinderLinesPerFile = 50;
const int kFinderLines = kFinderFiles * kFinderLinesPerFile;
const int kFinderGroupEvery = 10;

inline std::string MakeFinderOutput()
{
    std::string out;
    out.reserve(static_cast<std::size_t>(kFinderLines) * 72);
    char line[160];
    for (int file = 0; file < kFinderFiles; ++file) {
        for (int l = 0; l < kFinderLinesPerFile; ++l) {
            if (l % kFinderGroupEvery == 0)
                out += "::3\n";
            std::snprintf(line, sizeof line,
                          "C:\\Projects\\module%02d\\source%05d.cpp(%d):x(%d):    value = "
                          "compute(%d, alpha);\n",
                          file % 100, file, l * 7 + 1, l * 120 + 4, l);
            out += line;
        }
    }
    return out;
}

} // namespace KyBench
