// Helpers of the file-name iterator tests: a generated folder tree, a
// scratch database folder named by DBPath, and the results of walking
// arguments as short, comparable texts.
#pragma once

#include "common/TempFolder.h"
#include "KyConTool/Args/FileNameIterator.h"
#include "KyDB/Named/DbLocation.h"
#include "KyDB/Named/MaskDB.h"
#include "KyDB/Named/PathPlanDB.h"
#include "KyStd/Win32/TimeConv.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace itertest {

inline std::string UniqueName(const std::string& stem)
{
    static unsigned counter = 0;
    return stem + "_" + std::to_string(GetCurrentProcessId()) + "_" + std::to_string(++counter) +
           "_" + std::to_string(GetTickCount());
}

using kytest::RemoveTree;

// A folder tree under the Unix /tmp (drive Z:) or the temporary folder;
// Root() ends with a backslash. Removed at the end.
class Tree {
public:
    explicit Tree(const std::string& base = "")
    {
        std::string parent = base;
        if (parent.empty())
            parent = kytest::ScratchBase();
        root_ = parent + UniqueName("kyit") + "\\";
        if (!CreateDirectoryA(root_.c_str(), nullptr))
            throw std::runtime_error("cannot create " + root_);
    }
    ~Tree() { RemoveTree(root_.substr(0, root_.size() - 1)); }
    Tree(const Tree&) = delete;
    Tree& operator=(const Tree&) = delete;

    const std::string& Root() const { return root_; }
    std::string operator()(const std::string& rel) const { return root_ + rel; }

    // Creates the file (and its folders) with size bytes; "sub\" makes a folder.
    void Add(const std::string& rel, size_t size = 0) const
    {
        for (size_t p = rel.find('\\'); p != std::string::npos; p = rel.find('\\', p + 1))
            CreateDirectoryA((root_ + rel.substr(0, p)).c_str(), nullptr);
        if (!rel.empty() && rel.back() == '\\')
            return;
        std::ofstream(root_ + rel, std::ios::binary) << std::string(size, 'x');
    }
    void Add(const std::vector<std::string>& rels) const
    {
        for (const std::string& r : rels)
            Add(r);
    }
    void Write(const std::string& rel, const std::string& text) const
    {
        Add(rel);
        std::ofstream(root_ + rel, std::ios::binary) << text;
    }
    // Sets the file's last-write time to a C time value.
    void Touch(const std::string& rel, long t) const
    {
        HANDLE h = CreateFileA((root_ + rel).c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr,
                               OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
        FILETIME ft = Kyvant::ConvertToFILETIME(t);
        SetFileTime(h, nullptr, nullptr, &ft);
        CloseHandle(h);
    }

private:
    std::string root_;
};

// The databases in a scratch folder named by DBPath while the object lives.
class ScratchDatabases {
public:
    ScratchDatabases()
    {
        HKEY k;
        RegCreateKeyExA(HKEY_CURRENT_USER, Kyvant::kSharedSettingsKey, 0, nullptr, 0,
                        KEY_ALL_ACCESS, nullptr, &k, nullptr);
        char value[MAX_PATH * 2] = "";
        DWORD size = sizeof value, type = 0;
        hadValue_ = RegQueryValueExA(k, Kyvant::kDbPathValue, nullptr, &type,
                                     reinterpret_cast<BYTE*>(value), &size) == ERROR_SUCCESS;
        saved_ = hadValue_ ? value : "";
        const std::string& root = folder_.Root();
        SetValue(k, root.substr(0, root.size() - 1));
        RegCloseKey(k);
        Reset();
    }
    ~ScratchDatabases()
    {
        Reset();
        HKEY k;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, Kyvant::kSharedSettingsKey, 0, KEY_ALL_ACCESS, &k) ==
            ERROR_SUCCESS) {
            if (hadValue_)
                SetValue(k, saved_);
            else
                RegDeleteValueA(k, Kyvant::kDbPathValue);
            RegCloseKey(k);
        }
    }
    ScratchDatabases(const ScratchDatabases&) = delete;
    ScratchDatabases& operator=(const ScratchDatabases&) = delete;

    static void Reset()
    {
        Kyvant::MaskDB::Reset();
        Kyvant::PathPlanDB::Reset();
    }

private:
    static void SetValue(HKEY k, const std::string& v)
    {
        RegSetValueExA(k, Kyvant::kDbPathValue, 0, REG_SZ, reinterpret_cast<const BYTE*>(v.c_str()),
                       static_cast<DWORD>(v.size() + 1));
    }

    Tree folder_;
    bool hadValue_;
    std::string saved_;
};

// One result as text: the name with the tree root cut off, then "/" for a
// folder result, ":info" for an info folder, "?" when it has no details.
inline std::string Describe(const Kyvant::ky_filename_argv_iterator& it, const std::string& root)
{
    std::string name = it->c_str();
    if (!root.empty() && lstrcmpiA((name + "\\").c_str(), root.c_str()) == 0)
        name = ".";
    else if (!root.empty() && name.size() >= root.size() &&
             lstrcmpiA(name.substr(0, root.size()).c_str(), root.c_str()) == 0)
        name = name.substr(root.size());
    if (it.IsInfoFolder())
        name += ":info";
    else if (it.IsFolder())
        name += "/";
    if (!it.GetFileDetails())
        name += "?";
    return name;
}

// Walks each argument in turn as a console tool does.
inline std::vector<std::string> Walk(const std::vector<std::string>& args, unsigned flags,
                                     const std::string& root,
                                     Kyvant::ky_filename_argv_iterator::Terminator* t = nullptr)
{
    std::vector<const char*> argv;
    for (const std::string& a : args)
        argv.push_back(a.c_str());
    argv.push_back(nullptr);
    std::vector<std::string> out;
    for (int i = 0; i < static_cast<int>(args.size()); ++i) {
        for (Kyvant::ky_filename_argv_iterator
                 it(static_cast<int>(args.size()), argv.data(), i, t, flags),
             end;
             it != end; ++it)
            out.push_back(Describe(it, root));
    }
    return out;
}

// The message of the error that walking the arguments throws.
inline std::string WalkError(const std::vector<std::string>& args, unsigned flags = 0)
{
    try {
        Walk(args, flags, "");
    } catch (const std::exception& e) {
        return e.what();
    }
    return "<no error>";
}

using Names = std::vector<std::string>;

} // namespace itertest
