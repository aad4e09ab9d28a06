// Running a menu entry: the selection file, the hand-off values and the program started.
#include "ShellXTestSupport.h"

#include "common/HexBytes.h"

#include <string>
#include <vector>

namespace {

using shellxtest::LogField;
using shellxtest::ShellXSuite;

class Handoff : public ShellXSuite {
protected:
    static void SetUpTestSuite()
    {
        ShellXSuite::SetUpTestSuite();
        CreateDirectoryA("C:\\src", nullptr);
        kytest::WriteFile("C:\\a.txt", "a");
    }
};

ULONGLONG Now()
{
    FILETIME t;
    GetSystemTimeAsFileTime(&t);
    return (ULONGLONG(t.dwHighDateTime) << 32) | t.dwLowDateTime;
}

TEST_F(Handoff, FindWritesTheSelectionAndStartsTheFrontEndBesideTheDll)
{
    const ULONGLONG before = Now();
    kytest::ExplorerHost host;
    EXPECT_EQ(S_OK, host.Run({"C:\\src", "C:\\a.txt", "C:\\"}, 0));
    const ULONGLONG after = Now();
    const std::string log = WaitForStart();
    ASSERT_FALSE(log.empty());

    EXPECT_NE(std::string::npos, log.find("program " + Folder() + "KyFindG.exe\n")) << log;
    EXPECT_NE(std::string::npos, log.find("command KyFindG.exe\n")) << log;
    const std::string paths = LogField(log, "handoff KyFindG ", "PathsFile");
    ASSERT_EQ(0u, paths.find("sz:")) << log;
    const std::string file = paths.substr(3);
    EXPECT_EQ(0u, file.find(kytest::TempFolder() + "kyf")) << file;
    EXPECT_EQ("C:\\src\\\nC:\\a.txt\nC:\\\n", kytest::ReadFile(file));
    DeleteFileA(file.c_str());

    const std::string lo = LogField(log, "handoff KyFindG ", "TimeLo");
    const std::string hi = LogField(log, "handoff KyFindG ", "TimeHi");
    ASSERT_EQ(0u, lo.find("dword:"));
    ASSERT_EQ(0u, hi.find("dword:"));
    const ULONGLONG stamp = (std::stoull(hi.substr(6)) << 32) | std::stoull(lo.substr(6));
    EXPECT_LE(before, stamp);
    EXPECT_GE(after, stamp);
}

// A registry value's type and bytes, as a front-end of either width reads them.
struct RawValue {
    DWORD type = REG_NONE;
    std::string bytes;
};

RawValue ReadRaw(const std::string& keyPath, const char* name)
{
    RawValue value;
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, keyPath.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return value;
    DWORD size = 0;
    if (RegQueryValueExA(key, name, nullptr, &value.type, nullptr, &size) == ERROR_SUCCESS) {
        value.bytes.assign(size, '\0');
        if (RegQueryValueExA(key, name, nullptr, &value.type,
                             reinterpret_cast<BYTE*>(&value.bytes[0]), &size) != ERROR_SUCCESS)
            value.bytes.clear();
    }
    RegCloseKey(key);
    return value;
}

// Four bytes read as a little-endian word.
ULONGLONG LittleEndian(const std::string& bytes)
{
    const unsigned kByteBits = 8;
    ULONGLONG word = 0;
    for (size_t i = bytes.size(); i-- > 0;)
        word = (word << kByteBits) | static_cast<unsigned char>(bytes[i]);
    return word;
}

// The values under the tool's key and the file they name, byte for byte: a
// 64-bit Explorer's extension hands off to 32-bit front-ends and back.
TEST_F(Handoff, TheHandOffValuesAndFileHaveTheirFixedBytes)
{
    const ULONGLONG before = Now();
    kytest::ExplorerHost host;
    EXPECT_EQ(S_OK, host.Run({"C:\\src", "C:\\a.txt"}, 0));
    ASSERT_FALSE(WaitForStart().empty());
    const ULONGLONG after = Now();

    const std::string key = std::string(kytest::kToolsKey) + "\\KyFindG\\ShellExArgs";
    const RawValue paths = ReadRaw(key, "PathsFile");
    ASSERT_EQ(static_cast<DWORD>(REG_SZ), paths.type);
    ASSERT_FALSE(paths.bytes.empty());
    EXPECT_EQ('\0', paths.bytes.back()) << "the name and its NUL";
    const std::string file = paths.bytes.substr(0, paths.bytes.size() - 1);
    EXPECT_EQ(std::string::npos, file.find('\0'));
    EXPECT_EQ(kytest::HexTable("'C:\\src\\' 0a 'C:\\a.txt' 0a"),
              kytest::ToHex(kytest::ReadFile(file)));
    DeleteFileA(file.c_str());

    const RawValue lo = ReadRaw(key, "TimeLo");
    const RawValue hi = ReadRaw(key, "TimeHi");
    ASSERT_EQ(static_cast<DWORD>(REG_DWORD), lo.type);
    ASSERT_EQ(static_cast<DWORD>(REG_DWORD), hi.type);
    ASSERT_EQ(4u, lo.bytes.size());
    ASSERT_EQ(4u, hi.bytes.size());
    // The little-endian halves of one stamp taken during the run.
    const ULONGLONG stamp = (LittleEndian(hi.bytes) << 32) | LittleEndian(lo.bytes);
    EXPECT_LE(before, stamp);
    EXPECT_GE(after, stamp);
}

struct CommandCase {
    const char* entry;
    const char* commandLine; // as the started program sees it
    const char* handOffTool;
};

class Commands : public Handoff, public ::testing::WithParamInterface<CommandCase> {};

TEST_P(Commands, StartTheToolOrKyStartWithTheHandOffUnderTheToolsKey)
{
    kytest::WriteToolList({"-", std::string("Tool|") + GetParam().entry});
    kytest::ExplorerHost host;
    EXPECT_EQ(S_OK, host.Run({"C:\\a.txt"}, 1));
    const std::string log = WaitForStart();
    ASSERT_FALSE(log.empty());
    EXPECT_NE(std::string::npos, log.find(std::string("command ") + GetParam().commandLine + "\n"))
        << log;
    const std::string paths =
        LogField(log, std::string("handoff ") + GetParam().handOffTool + " ", "PathsFile");
    ASSERT_EQ(0u, paths.find("sz:")) << log;
    EXPECT_EQ("C:\\a.txt\n", kytest::ReadFile(paths.substr(3)));
    DeleteFileA(paths.substr(3).c_str());
}

INSTANTIATE_TEST_SUITE_P(
    Forms, Commands,
    ::testing::Values(
        CommandCase{":KyTab.exe", "KyStart.exe \"KyTab.exe\"", "KyTabG"},
        CommandCase{":KyAttrib.exe", "KyStart.exe \"KyAttrib.exe\"", "KyAttribG"},
        CommandCase{"C:\\tasks\\big.kyfnd", "KyStart.exe \"C:\\tasks\\big.kyfnd\"", "KyFindG"},
        CommandCase{"C:\\tasks\\tabs.KYTAB", "KyStart.exe \"C:\\tasks\\tabs.KYTAB\"", "KyTabG"},
        CommandCase{":kyfindg.exe", "kyfindg.exe", "KyFindG"}));

class UnknownForms : public Handoff, public ::testing::WithParamInterface<const char*> {};

TEST_P(UnknownForms, DoNothing)
{
    kytest::WriteToolList({GetParam()});
    kytest::ExplorerHost host;
    EXPECT_EQ(E_FAIL, host.Run({"C:\\a.txt"}, 0));
    EXPECT_EQ(E_FAIL, host.Invoke(1)) << "an offset without entry";
    for (const char* tool : {"KyFindG", "KyTabG", "KyDirG"})
        EXPECT_FALSE(HandOffExists(tool)) << tool;
    EXPECT_TRUE(WaitForStart(300).empty());
    EXPECT_TRUE(kytest::ReadFile(PromptLog()).empty());
}

INSTANTIATE_TEST_SUITE_P(Entries, UnknownForms,
                         ::testing::Values(":KyNothing.exe", "Tool|C:\\notes.txt", "Tool|C:\\x",
                                           "Caption only", "Tool|:", "Tool|"));

TEST_F(Handoff, VerbStringsAreRefused)
{
    kytest::ExplorerHost host;
    host.Initialize({"C:\\a.txt"});
    host.Query();
    CMINVOKECOMMANDINFO info = {};
    info.cbSize = sizeof info;
    info.lpVerb = "open";
    EXPECT_EQ(E_FAIL, host.Menu()->InvokeCommand(&info));
    EXPECT_FALSE(HandOffExists("KyFindG"));
}

TEST_F(Handoff, OneSelectionServesOneCommand)
{
    kytest::ExplorerHost host;
    EXPECT_EQ(S_OK, host.Run({"C:\\a.txt"}, 0));
    ASSERT_FALSE(WaitForStart().empty());
    DeleteFileA(StartLog().c_str());
    ClearHandOffs();

    EXPECT_EQ(E_FAIL, host.Invoke(0));
    EXPECT_FALSE(HandOffExists("KyFindG"));
    EXPECT_EQ(E_FAIL, host.Query()) << "the selection is used up";
    EXPECT_TRUE(WaitForStart(300).empty());
}

TEST_F(Handoff, CommandWithoutMenuFails)
{
    kytest::ExplorerHost host;
    host.Initialize({"C:\\a.txt"});
    EXPECT_EQ(E_FAIL, host.Invoke(0));
    EXPECT_FALSE(HandOffExists("KyFindG"));
}

// The menu ids are positions in the list, so the entry at the offset's
// position runs even when the stored names have gaps.
TEST_F(Handoff, OffsetsArePositionsInTheListRead)
{
    kytest::WriteToolValues(
        {{"0", "Find|:KyFindG.exe"}, {"2", "Tab|:KyTab.exe"}, {"7", "Attrib|:KyAttrib.exe"}});
    kytest::ExplorerHost host;
    EXPECT_EQ(S_OK, host.Run({"C:\\a.txt"}, 1));
    const std::string log = WaitForStart();
    EXPECT_NE(std::string::npos, log.find("command KyStart.exe \"KyTab.exe\"\n")) << log;
    EXPECT_EQ(E_FAIL, host.Invoke(3));
}

TEST_F(Handoff, MissingKyStartIsReported)
{
    const std::string starter = Folder() + "KyStart.exe";
    const std::string away = Folder() + "KyStart.off";
    ASSERT_TRUE(MoveFileA(starter.c_str(), away.c_str()));
    kytest::WriteToolList({"Tab|:KyTab.exe"});
    kytest::ExplorerHost host;
    const HRESULT hr = host.Run({"C:\\a.txt"}, 0);
    MoveFileA(away.c_str(), starter.c_str());

    EXPECT_EQ(E_FAIL, hr);
    const std::string prompts = kytest::ReadFile(PromptLog());
    const std::string expected = "Kyvant Tools\t" + std::to_string(MB_OK | MB_ICONWARNING) +
                                 "\tFailed to launch " + Folder() + "KyStart.exe:\\n\\n";
    EXPECT_EQ(0u, prompts.find(expected)) << prompts;
    EXPECT_TRUE(HandOffExists("KyTabG")) << "kept for the tool's next start";
}

TEST_F(Handoff, TempFileThatCannotBeMadeIsReportedAndStartsNothing)
{
    char tmp[MAX_PATH] = {}, temp[MAX_PATH] = {};
    GetEnvironmentVariableA("TMP", tmp, MAX_PATH);
    GetEnvironmentVariableA("TEMP", temp, MAX_PATH);
    SetEnvironmentVariableA("TMP", "C:\\no such folder\\");
    SetEnvironmentVariableA("TEMP", "C:\\no such folder\\");
    kytest::ExplorerHost host;
    const HRESULT hr = host.Run({"C:\\a.txt"}, 0);
    SetEnvironmentVariableA("TMP", tmp[0] ? tmp : nullptr);
    SetEnvironmentVariableA("TEMP", temp[0] ? temp : nullptr);

    EXPECT_EQ(E_FAIL, hr);
    EXPECT_EQ(
        "Kyvant Tools\t" + std::to_string(MB_OK | MB_ICONWARNING) +
            "\tAn error occurred while saving the file list:\\n\\nFailed to create tempfile\n",
        kytest::ReadFile(PromptLog()));
    EXPECT_FALSE(HandOffExists("KyFindG"));
    EXPECT_TRUE(WaitForStart(300).empty());
}

// The names of the hand-off files now in the temporary folder.
std::vector<std::string> HandOffFiles()
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    const HANDLE find = FindFirstFileA((kytest::TempFolder() + "kyf*.tmp").c_str(), &found);
    if (find == INVALID_HANDLE_VALUE)
        return names;
    do
        names.push_back(found.cFileName);
    while (FindNextFileA(find, &found));
    FindClose(find);
    return names;
}

// A volatile tool key takes no lasting subkey, so the hand-off key cannot be
// made after the file of paths was written: the file must not stay behind.
TEST_F(Handoff, FileOfPathsGoesWhenTheHandOffValuesCannotBeWritten)
{
    const std::string toolKey = std::string(kytest::kToolsKey) + "\\KyTabG";
    RegDeleteKeyA(HKEY_CURRENT_USER, toolKey.c_str());
    HKEY key = nullptr;
    DWORD made = 0;
    ASSERT_EQ(ERROR_SUCCESS,
              RegCreateKeyExA(HKEY_CURRENT_USER, toolKey.c_str(), 0, nullptr, REG_OPTION_VOLATILE,
                              KEY_ALL_ACCESS, nullptr, &key, &made));
    RegCloseKey(key);
    ASSERT_EQ(static_cast<DWORD>(REG_CREATED_NEW_KEY), made);
    kytest::WriteToolList({"Tab|:KyTab.exe"});
    const std::vector<std::string> before = HandOffFiles();
    kytest::ExplorerHost host;
    const HRESULT hr = host.Run({"C:\\a.txt"}, 0);
    const std::vector<std::string> after = HandOffFiles();
    RegDeleteKeyA(HKEY_CURRENT_USER, toolKey.c_str());

    EXPECT_EQ(E_FAIL, hr);
    const std::string expected = "Kyvant Tools\t" + std::to_string(MB_OK | MB_ICONWARNING) +
                                 "\tAn error occurred while saving the file list:\\n\\n";
    const std::string prompts = kytest::ReadFile(PromptLog());
    EXPECT_EQ(0u, prompts.find(expected)) << prompts;
    EXPECT_EQ(before, after) << "no file of paths is left";
    EXPECT_TRUE(WaitForStart(300).empty());
}

} // namespace
