// An uninstall run: the add-in's registration, the help index, the approved
// shell extension and, on the user's word, the databases and their folders.
#include "common/ChildProcess.h"
#include "common/PeNames.h"
#include "common/ProgramFolder.h"
#include "common/TempFolder.h"
#include "common/WholeFile.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

const char kSharedKey[] = "Software\\Kyvant\\Tools\\Shared";
const char kApprovedKey[] =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Shell Extensions\\Approved";
const char kShellExtClass[] = "{57E25520-4EBA-11d2-AF21-00E0291D2688}";
const char kConnectKey[] = "CLSID\\{2DF49268-E61A-11D3-B29C-00E0291D2688}";
const char* const kDatabaseFiles[] = {"KyMask.idx",    "KyMask.db",         "KyPathPlan.idx",
                                      "KyPathPlan.db", "KyReplacePlan.idx", "KyReplacePlan.db"};
const char kQuestion[] = "Delete the Kyvant Tools database files and lose all your named Path "
                         "Plans, Mask Sets, and Replace Plans?";

bool Exists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool KeyExists(HKEY root, const char* path)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, path, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

bool ApprovedPresent()
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kApprovedKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    const bool present =
        RegQueryValueExA(key, kShellExtClass, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
    RegCloseKey(key);
    return present;
}

void SetCreatedPaths(DWORD type, const std::string& data)
{
    HKEY key = nullptr;
    RegCreateKeyExA(HKEY_CURRENT_USER, kSharedKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                    nullptr);
    RegSetValueExA(key, "DBCreatedPaths", 0, type, reinterpret_cast<const BYTE*>(data.data()),
                   static_cast<DWORD>(data.size()));
    RegCloseKey(key);
}

class Uninstall : public ::testing::Test {
protected:
    void SetUp() override
    {
        root_ = kytest::TempFolder() + "KyUninstTest\\";
        kytest::RemoveTree(root_);
        CreateDirectoryA(root_.c_str(), nullptr);
        install_ = root_ + "Kyvant Tools\\";
        CreateDirectoryA(install_.c_str(), nullptr);
        CopyFileA((kytest::ProgramFolder() + "KyAddIn.dll").c_str(),
                  (install_ + "KyAddIn.dll").c_str(), FALSE);
        kytest::WriteFile(install_ + "KyTools.gid", "index");
        outer_ = root_ + "Kyvant";
        inner_ = outer_ + "\\Data";
        CreateDirectoryA(outer_.c_str(), nullptr);
        CreateDirectoryA(inner_.c_str(), nullptr);
        HKEY approved = nullptr;
        RegCreateKeyExA(HKEY_LOCAL_MACHINE, kApprovedKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                        &approved, nullptr);
        const char name[] = "Kyvant Tools Shell Extension";
        RegSetValueExA(approved, kShellExtClass, 0, REG_SZ, reinterpret_cast<const BYTE*>(name),
                       sizeof name);
        RegCloseKey(approved);
        SetEnvironmentVariableA("KYTEST_UNINST_DLL",
                                (kytest::ProgramFolder() + "seam\\KyUninst.dll").c_str());
        SetEnvironmentVariableA("KYTEST_UNINST_RESULT", (root_ + "result.txt").c_str());
        SetEnvironmentVariableA("KYTEST_PROMPT_LOG", (root_ + "prompts.log").c_str());
        Answer(IDNO);
    }
    void TearDown() override
    {
        DeleteValue(HKEY_CURRENT_USER, kSharedKey, "DBCreatedPaths");
        RegSvr32(install_ + "KyAddIn.dll", true);
        kytest::RemoveTree(root_);
    }

    static void DeleteValue(HKEY root, const char* path, const char* name)
    {
        HKEY key = nullptr;
        if (RegOpenKeyExA(root, path, 0, KEY_SET_VALUE, &key) == ERROR_SUCCESS) {
            RegDeleteValueA(key, name);
            RegCloseKey(key);
        }
    }
    static long RegSvr32(const std::string& dll, bool unregister)
    {
        char system[MAX_PATH];
        GetSystemDirectoryA(system, MAX_PATH);
        return kytest::RunCommandLine(std::string(system) + "\\regsvr32.exe /s " +
                                      (unregister ? "/u " : "") + "\"" + dll + "\"");
    }
    static void Answer(int button)
    {
        SetEnvironmentVariableA("KYTEST_PROMPT_ANSWER", std::to_string(button).c_str());
    }
    void PutDatabaseFiles(const std::string& folder)
    {
        for (const char* name : kDatabaseFiles)
            kytest::WriteFile(folder + "\\" + name, "db");
    }
    int FilesLeft(const std::string& folder)
    {
        int n = 0;
        for (const char* name : kDatabaseFiles)
            n += Exists(folder + "\\" + name);
        return n;
    }
    // Runs the uninstaller with the arguments after its program name;
    // UninstInitialize's result.
    std::string Run(const std::string& arguments, const std::string& currentFolder = "")
    {
        const std::string line =
            "\"" + kytest::ProgramFolder() + "KyUninst_host.exe\" " + arguments;
        std::vector<char> writable(line.begin(), line.end());
        writable.push_back('\0');
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process = {};
        if (!CreateProcessA(nullptr, writable.data(), nullptr, nullptr, FALSE, 0, nullptr,
                            currentFolder.empty() ? nullptr : currentFolder.c_str(), &startup,
                            &process))
            return "not started";
        WaitForSingleObject(process.hProcess, 60000);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        const std::string result = kytest::ReadFile(root_ + "result.txt");
        EXPECT_NE(std::string::npos, result.find("uninitialize=0\n")) << result;
        return result.substr(0, result.find('\n'));
    }
    std::vector<std::string> Prompts() { return kytest::ReadLines(root_ + "prompts.log"); }
    std::string QuotedArgument() { return "-c\"" + install_ + "Uninst.isu\""; }

    std::string root_, install_, outer_, inner_;
};

std::string QuestionLine()
{
    return "Kyvant Tools Uninstaller\t" +
           std::to_string(MB_YESNOCANCEL | MB_ICONQUESTION | MB_DEFBUTTON2) +
           "\towned: " + kQuestion;
}

TEST_F(Uninstall, YesRemovesEverythingInnerFolderFirst)
{
    ASSERT_EQ(0, RegSvr32(install_ + "KyAddIn.dll", false));
    ASSERT_TRUE(KeyExists(HKEY_CLASSES_ROOT, kConnectKey));
    PutDatabaseFiles(inner_);
    SetCreatedPaths(REG_MULTI_SZ, outer_ + '\0' + inner_ + '\0' + '\0');
    Answer(IDYES);

    EXPECT_EQ("initialize=0", Run(QuotedArgument() + " -x"));
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, kConnectKey)) << "the add-in unregistered itself";
    EXPECT_FALSE(Exists(install_ + "KyTools.gid"));
    EXPECT_TRUE(Exists(install_ + "KyAddIn.dll")) << "the uninstaller removes its own files";
    EXPECT_FALSE(ApprovedPresent());
    EXPECT_EQ(0, FilesLeft(inner_));
    EXPECT_FALSE(Exists(inner_));
    EXPECT_FALSE(Exists(outer_));
    EXPECT_EQ(std::vector<std::string>{QuestionLine()}, Prompts());
}

TEST_F(Uninstall, YesWithOneFolderDeletesItsFilesAndTheFolder)
{
    kytest::RemoveTree(inner_);
    PutDatabaseFiles(outer_);
    SetCreatedPaths(REG_MULTI_SZ, outer_ + '\0' + '\0');
    Answer(IDYES);
    EXPECT_EQ("initialize=0", Run(QuotedArgument()));
    EXPECT_EQ(0, FilesLeft(outer_));
    EXPECT_FALSE(Exists(outer_));
}

TEST_F(Uninstall, FolderThatStaysIsReported)
{
    kytest::RemoveTree(inner_);
    PutDatabaseFiles(outer_);
    kytest::WriteFile(outer_ + "\\notes.txt", "mine");
    SetCreatedPaths(REG_MULTI_SZ, outer_ + '\0' + '\0');
    Answer(IDYES);
    EXPECT_EQ("initialize=0", Run(QuotedArgument()));
    EXPECT_EQ(0, FilesLeft(outer_));
    EXPECT_TRUE(Exists(outer_ + "\\notes.txt"));
    const std::vector<std::string> prompts = Prompts();
    ASSERT_EQ(2u, prompts.size());
    EXPECT_EQ("Kyvant Tools Uninstaller\t" + std::to_string(MB_OK | MB_ICONWARNING) +
                  "\towned: Could not delete folder: " + outer_,
              prompts[1]);
}

struct AnswerCase {
    int button;
    const char* result;
};

class Answers : public Uninstall, public ::testing::WithParamInterface<AnswerCase> {};

TEST_P(Answers, NoAndCancelKeepTheDatabases)
{
    PutDatabaseFiles(inner_);
    SetCreatedPaths(REG_MULTI_SZ, outer_ + '\0' + inner_ + '\0' + '\0');
    Answer(GetParam().button);
    EXPECT_EQ(GetParam().result, Run(QuotedArgument()));
    EXPECT_EQ(6, FilesLeft(inner_));
    EXPECT_EQ(std::vector<std::string>{QuestionLine()}, Prompts());
    EXPECT_FALSE(ApprovedPresent());
}

INSTANTIATE_TEST_SUITE_P(Buttons, Answers,
                         ::testing::Values(AnswerCase{IDNO, "initialize=0"},
                                           AnswerCase{IDCANCEL, "initialize=-1"}));

struct ValueCase {
    DWORD type;
    std::string data;
};

class Unasked : public Uninstall, public ::testing::WithParamInterface<ValueCase> {};

TEST_P(Unasked, ValuesThatNameNoFoldersAskNothing)
{
    SetCreatedPaths(GetParam().type, GetParam().data);
    Answer(IDCANCEL);
    EXPECT_EQ("initialize=0", Run(QuotedArgument()));
    EXPECT_TRUE(Prompts().empty());
}

INSTANTIATE_TEST_SUITE_P(Values, Unasked,
                         ::testing::Values(ValueCase{REG_SZ, std::string("C:\\Kyvant\0", 10)},
                                           ValueCase{REG_MULTI_SZ, std::string("\0\0", 2)},
                                           ValueCase{REG_MULTI_SZ, std::string("a", 1)},
                                           ValueCase{REG_MULTI_SZ, std::string(600, 'a')}));

// A relative folder, outer or inner, deletes nothing, and the user who
// answered Yes is told why.
TEST_F(Uninstall, RelativeFoldersAreNotDeletedAndSaySo)
{
    const std::string cwd = root_ + "cwd";
    CreateDirectoryA(cwd.c_str(), nullptr);
    CreateDirectoryA((cwd + "\\Kyvant").c_str(), nullptr);
    CreateDirectoryA((cwd + "\\Kyvant\\Data").c_str(), nullptr);
    const struct {
        std::string value;
        const char* relative;
        std::string filesIn;
    } cases[] = {
        {std::string("Kyvant") + '\0' + '\0', "Kyvant", cwd + "\\Kyvant"},
        {outer_ + '\0' + "Kyvant\\Data" + '\0' + '\0', "Kyvant\\Data", cwd + "\\Kyvant\\Data"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.relative);
        DeleteFileA((root_ + "prompts.log").c_str());
        PutDatabaseFiles(c.filesIn);
        PutDatabaseFiles(outer_);
        SetCreatedPaths(REG_MULTI_SZ, c.value);
        Answer(IDYES);
        EXPECT_EQ("initialize=0", Run(QuotedArgument(), cwd));
        EXPECT_EQ(6, FilesLeft(c.filesIn));
        EXPECT_EQ(6, FilesLeft(outer_));
        EXPECT_TRUE(Exists(outer_));
        const std::string warning =
            "Kyvant Tools Uninstaller\t" + std::to_string(MB_OK | MB_ICONWARNING) +
            "\towned: The database files were not deleted, because their folder is not a full "
            "path: " +
            c.relative;
        EXPECT_EQ((std::vector<std::string>{QuestionLine(), warning}), Prompts());
    }
}

TEST_F(Uninstall, UnterminatedValueIsReadWithinItsBuffer)
{
    // 520 bytes of one folder name with no terminator: the name is cut at
    // the buffer's end and names no folder that exists.
    PutDatabaseFiles(inner_);
    SetCreatedPaths(REG_MULTI_SZ, inner_ + std::string(520 - inner_.size(), 'x'));
    Answer(IDYES);
    EXPECT_EQ("initialize=0", Run(QuotedArgument()));
    EXPECT_EQ(6, FilesLeft(inner_));
}

TEST_F(Uninstall, WithoutTheFolderArgumentTheAddInAndHelpIndexStay)
{
    ASSERT_EQ(0, RegSvr32(install_ + "KyAddIn.dll", false));
    PutDatabaseFiles(inner_);
    SetCreatedPaths(REG_MULTI_SZ, outer_ + '\0' + inner_ + '\0' + '\0');
    EXPECT_EQ("initialize=0", Run("-x \"" + install_ + "Uninst.isu\""));
    EXPECT_TRUE(KeyExists(HKEY_CLASSES_ROOT, kConnectKey));
    EXPECT_TRUE(Exists(install_ + "KyTools.gid"));
    EXPECT_FALSE(ApprovedPresent());
    EXPECT_EQ(std::vector<std::string>{QuestionLine()}, Prompts());
}

TEST_F(Uninstall, OnlyTheQuotedFolderIsUsed)
{
    const std::string other = root_ + "Other\\";
    CreateDirectoryA(other.c_str(), nullptr);
    kytest::WriteFile(other + "KyTools.gid", "other");
    EXPECT_EQ("initialize=0", Run(QuotedArgument() + " -f\"" + other + "setup.log\""));
    EXPECT_FALSE(Exists(install_ + "KyTools.gid"));
    EXPECT_TRUE(Exists(other + "KyTools.gid"));
}

TEST(UninstallDll, ExportsTheTwoEntriesAndImportsOnlyWhatEverySystemHas)
{
    const std::set<std::string> system = {"kernel32.dll", "user32.dll", "advapi32.dll",
                                          "msvcrt.dll"};
    for (const std::string& dll : {kytest::ProgramFolder() + "KyUninst.dll",
                                   kytest::ProgramFolder() + "seam\\KyUninst.dll"}) {
        const kytest::PeNames names = kytest::ReadPeNames(dll);
        EXPECT_EQ((std::set<std::string>{"UninstInitialize", "UninstUnInitialize"}), names.exports);
        ASSERT_FALSE(names.imports.empty());
        for (const std::string& import : names.imports)
            EXPECT_EQ(1u, system.count(import)) << dll << " imports " << import;
        if (kytest::kBuildShips) {
            EXPECT_TRUE(kytest::ImportedOf(names, kytest::StaticRuntimeNewerImports()).empty())
                << "functions Windows 95 or NT 4 lacks";
        }
    }
}

} // namespace
