// Helpers of the named-database tests: registry values saved and put back,
// a scratch database folder named by DBPath, stored texts written with '|',
// '^' and '~' for the separator bytes 0x01 to 0x03, collected argument words
// and the named-database helper process.
#pragma once

#include "common/TempFolder.h"
#include "KyDB/Named/DbLocation.h"
#include "KyDB/Named/MaskDB.h"
#include "KyDB/Named/PathPlanDB.h"
#include "KyDB/Named/ReplacePlanDB.h"
#include "KyDBTestSupport.h"
#include "KyStd/Containers/Sequencer.h"
#include "KyStd/Processes/Process.h"

#include <process.h>
#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

namespace NamedDbTest {

using Kyvant::ky_BSB;

inline void ResetAll()
{
    Kyvant::MaskDB::Reset();
    Kyvant::PathPlanDB::Reset();
    Kyvant::ReplacePlanDB::Reset();
}

// "a|b^c~d" as "a\x01b\x02c\x03d".
inline std::string Seps(std::string s)
{
    for (char& c : s)
        c = c == '|' ? '\x01' : c == '^' ? '\x02' : c == '~' ? '\x03' : c;
    return s;
}

// A folder under the temporary folder, removed with everything in it.
class ScratchFolder {
public:
    ScratchFolder()
    {
        path_ = kytest::TempFolder() + KyDBTest::UniqueName("ndb");
        CreateDirectoryA(path_.c_str(), nullptr);
    }
    ~ScratchFolder()
    {
        const std::string from = path_ + '\0';
        SHFILEOPSTRUCTA op = {};
        op.wFunc = FO_DELETE;
        op.pFrom = from.c_str();
        op.fFlags = FOF_NO_UI;
        SHFileOperationA(&op);
    }
    std::string Path(const std::string& name = "") const
    {
        return name.empty() ? path_ : path_ + "\\" + name;
    }

private:
    std::string path_;
};

// The text of the exception that f throws ("" when none).
template <class F>
std::string ErrorOf(F f)
{
    try {
        f();
    } catch (const std::exception& e) {
        return e.what();
    }
    return "";
}

// A registry value read and written raw, not through the code under test.
struct RegValue {
    bool exists = false;
    DWORD type = REG_SZ;
    std::string data;

    static RegValue Read(const std::string& key, const char* name)
    {
        RegValue v;
        HKEY k;
        DWORD size = 0;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, &k) != ERROR_SUCCESS)
            return v;
        if (RegQueryValueExA(k, name, nullptr, &v.type, nullptr, &size) == ERROR_SUCCESS) {
            v.data.assign(size, '\0');
            v.exists =
                RegQueryValueExA(k, name, nullptr, &v.type, reinterpret_cast<BYTE*>(&v.data[0]),
                                 &size) == ERROR_SUCCESS;
        }
        RegCloseKey(k);
        return v;
    }
    // Sets the value, or deletes it when it does not exist.
    void Write(const std::string& key, const char* name) const
    {
        HKEY k;
        RegCreateKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &k,
                        nullptr);
        if (exists)
            RegSetValueExA(k, name, 0, type, reinterpret_cast<const BYTE*>(data.data()),
                           static_cast<DWORD>(data.size()));
        else
            RegDeleteValueA(k, name);
        RegCloseKey(k);
    }
    static RegValue String(const std::string& text, DWORD type = REG_SZ)
    {
        return RegValue{true, type, text + '\0'};
    }
};

// A value of the shared settings ("" when absent).
inline std::string SharedValue(const char* name)
{
    return RegValue::Read(Kyvant::kSharedSettingsKey, name).data.c_str();
}
inline void SetShared(const char* name, const RegValue& value)
{
    value.Write(Kyvant::kSharedSettingsKey, name);
}

// Puts one registry value back as it was.
class SavedValue {
public:
    SavedValue(const std::string& key, const char* name)
        : key_(key), name_(name), value_(RegValue::Read(key, name))
    {
    }
    ~SavedValue() { value_.Write(key_, name_); }

private:
    std::string key_;
    const char* name_;
    RegValue value_;
};

// The shared settings as they were: DBPath and DBCreatedPaths put back, and
// the keys that the databases create removed unless they were there before.
class SharedSettingsGuard {
public:
    SharedSettingsGuard()
    {
        for (int i = 0; i < 3; ++i) {
            HKEY k;
            existed_[i] =
                RegOpenKeyExA(HKEY_CURRENT_USER, Key(i).c_str(), 0, KEY_READ, &k) == ERROR_SUCCESS;
            if (existed_[i])
                RegCloseKey(k);
        }
        ResetAll();
    }
    ~SharedSettingsGuard()
    {
        ResetAll();
        dbPath_.Write(Kyvant::kSharedSettingsKey, Kyvant::kDbPathValue);
        created_.Write(Kyvant::kSharedSettingsKey, Kyvant::kDbCreatedPathsValue);
        for (int i = 2; i >= 0; --i)
            if (!existed_[i])
                RegDeleteKeyA(HKEY_CURRENT_USER, Key(i).c_str());
    }

private:
    static std::string Key(int i)
    {
        static const char* const sub[] = {"", "\\PathPlanDB", "\\ReplacePlanDB"};
        return std::string(Kyvant::kSharedSettingsKey) + sub[i];
    }
    bool existed_[3];
    RegValue dbPath_ = RegValue::Read(Kyvant::kSharedSettingsKey, Kyvant::kDbPathValue);
    RegValue created_ = RegValue::Read(Kyvant::kSharedSettingsKey, Kyvant::kDbCreatedPathsValue);
};

// The databases' folder for one test: DBPath names a scratch folder.
class DbFolder {
public:
    DbFolder() { SetShared(Kyvant::kDbPathValue, RegValue::String(folder_.Path())); }
    std::string File(const std::string& name) const { return folder_.Path(name); }

private:
    SharedSettingsGuard settings_;
    ScratchFolder folder_;
};

// Collects argument words.
struct Words : Kyvant::output_sequencer<ky_BSB<char>> {
    void clear() const override { items.clear(); }
    unsigned count() const override { return static_cast<unsigned>(items.size()); }
    void append(const ky_BSB<char>& s) const override { items.push_back(s.c_str()); }
    mutable std::vector<std::string> items;
};

using TextList = std::vector<ky_BSB<char>>;
using Texts = Kyvant::forward_input_sequencer<TextList>;

// KyDB_named_peer.exe beside the test program, started at once; Wait gives
// its exit code.
class NamedPeer {
public:
    explicit NamedPeer(std::vector<const char*> args)
    {
        args.insert(args.begin(), "KyDB_named_peer.exe");
        Kyvant::forward_input_sequencer<std::vector<const char*>> in(args);
        process_.Spawn(_P_NOWAIT, args[0], in, true);
    }
    int Wait()
    {
        DWORD code = static_cast<DWORD>(-1);
        process_.Wait();
        process_.GetExitCode(std::nothrow, code);
        return static_cast<int>(code);
    }

private:
    Kyvant::CRT::Process process_;
};

} // namespace NamedDbTest
