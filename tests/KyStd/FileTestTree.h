// A fresh folder under the temporary folder for tests that need real files;
// removed with everything in it when the tree goes.
#pragma once

#include <windows.h>

#include <string>

namespace KyTest {

class FileTestTree {
public:
    FileTestTree()
    {
        static unsigned counter = 0;
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        do {
            root_ = std::string(temp) + "kyfn_" + std::to_string(GetCurrentProcessId()) + "_" +
                    std::to_string(++counter);
        } while (!CreateDirectoryA(root_.c_str(), nullptr));
    }
    ~FileTestTree() { Remove(root_); }
    FileTestTree(const FileTestTree&) = delete;
    FileTestTree& operator=(const FileTestTree&) = delete;

    // The tree's folder (no trailing separator), or a path inside it.
    std::string Path(const std::string& rel = "") const
    {
        return rel.empty() ? root_ : root_ + "\\" + rel;
    }
    void Dir(const std::string& rel) const { CreateDirectoryA(Path(rel).c_str(), nullptr); }
    // A file of size bytes.
    void File(const std::string& rel, unsigned size = 0) const
    {
        HANDLE h =
            CreateFileA(Path(rel).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD written = 0;
        WriteFile(h, std::string(size, 'x').data(), size, &written, nullptr);
        CloseHandle(h);
    }

private:
    static void Remove(const std::string& dir)
    {
        WIN32_FIND_DATAA fd;
        HANDLE h = FindFirstFileA((dir + "\\*").c_str(), &fd);
        for (bool more = h != INVALID_HANDLE_VALUE; more; more = FindNextFileA(h, &fd)) {
            std::string full = dir + "\\" + fd.cFileName;
            SetFileAttributesA(full.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                DeleteFileA(full.c_str());
            else if (fd.cFileName[0] != '.')
                Remove(full);
        }
        if (h != INVALID_HANDLE_VALUE)
            FindClose(h);
        RemoveDirectoryA(dir.c_str());
    }

    std::string root_;
};

} // namespace KyTest
