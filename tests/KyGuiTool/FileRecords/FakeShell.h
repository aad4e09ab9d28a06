// A stand-in for the shell-information call of the file records: it records
// each query and answers from a script of type names, links and failures.
#pragma once

#include "KyGuiTool/FileRecords/ShellInfoFunction.h"

#include <shlobj.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace FileRecordsTest {

struct ShellQuery {
    std::string path;
    UINT flags;
};

struct FakeShell {
    std::vector<ShellQuery> queries;
    std::map<std::string, std::string> typeNames; // by lower-case extension ("" none)
    std::set<std::string> linkExtensions;
    std::set<std::string> sharedFolders;
    int failures = 0;    // the next this many queries fail
    bool throws = false; // every query throws
    int nextIcon = 100;  // each answer gets a new index
};

inline FakeShell& Fake()
{
    static FakeShell fake;
    return fake;
}

inline std::string LowerExtension(const std::string& path)
{
    const size_t dot = path.find_last_of('.');
    const size_t slash = path.find_last_of("\\/");
    if (dot == std::string::npos || (slash != std::string::npos && slash > dot))
        return "";
    std::string ext = path.substr(dot);
    std::transform(ext.begin(), ext.end(), ext.begin(), ::tolower);
    return ext;
}

inline DWORD_PTR WINAPI FakeShellInfo(LPCSTR path, DWORD, SHFILEINFOA* info, UINT, UINT flags)
{
    FakeShell& fake = Fake();
    fake.queries.push_back({path, flags});
    if (fake.throws)
        throw std::runtime_error("shell gone");
    if (fake.failures > 0) {
        --fake.failures;
        return 0;
    }
    const std::string ext = LowerExtension(path);
    info->iIcon = fake.nextIcon++;
    if (flags & SHGFI_TYPENAME) {
        const auto known = fake.typeNames.find(ext);
        lstrcpynA(info->szTypeName, known != fake.typeNames.end() ? known->second.c_str() : "",
                  sizeof info->szTypeName);
    }
    if (flags & SHGFI_ATTRIBUTES)
        info->dwAttributes = (fake.linkExtensions.count(ext) ? SFGAO_LINK : 0) |
                             (fake.sharedFolders.count(path) ? SFGAO_SHARE : 0);
    return 1;
}

// Installs the stand-in with an empty script for the scope.
class FakeShellScope {
public:
    FakeShellScope() : m_old(Kyvant::ShFileRec::SetShellInfoFunction(&FakeShellInfo))
    {
        Fake() = FakeShell();
    }
    ~FakeShellScope() { Kyvant::ShFileRec::SetShellInfoFunction(m_old); }
    FakeShellScope(const FakeShellScope&) = delete;
    FakeShellScope& operator=(const FakeShellScope&) = delete;

private:
    Kyvant::ShFileRec::ShellInfoFunction m_old;
};

} // namespace FileRecordsTest
