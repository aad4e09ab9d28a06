// A scratch folder for the task-file tests: made empty, listed, removed.
#pragma once

#include "common/TempFolder.h"
#include "common/WholeFile.h"

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

namespace tasktest {

class ScratchFolder {
public:
    ScratchFolder() : m_path(kytest::NewFolder(kytest::ScratchBase(), "kygt_")) {}
    ~ScratchFolder() { kytest::RemoveTree(m_path); }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    std::string operator[](const std::string& name) const { return m_path + name; }
    const std::string& Path() const { return m_path; }
    // The names of the files in the folder, sorted.
    std::vector<std::string> Files() const
    {
        std::vector<std::string> names;
        WIN32_FIND_DATAA fd;
        HANDLE h = FindFirstFileA((m_path + "*").c_str(), &fd);
        if (h == INVALID_HANDLE_VALUE)
            return names;
        do {
            if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                names.push_back(fd.cFileName);
        } while (FindNextFileA(h, &fd));
        FindClose(h);
        std::sort(names.begin(), names.end());
        return names;
    }

private:
    std::string m_path;
};

} // namespace tasktest
