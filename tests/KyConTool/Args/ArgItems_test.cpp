// Argument items: codes, path sections and their fields, rejection rules,
// literal names, "<LocalDrives>", the path flags and the hooks of the
// development-environment and Indexing Service items.
#include "common/ProgramFolder.h"
#include "IterTestSupport.h"
#include "KyConTool/Args/ItemHooks.h"
#include "KyConTool/Args/OptionsList.h"
#include "KyConTool/DevEnv/VirtualFolderRule.h"

#include <gtest/gtest.h>

#include <memory>

using namespace itertest;
using Kyvant::ky_filename_argv_iterator;

namespace {

class ArgItemsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Walk({"@c"}, 0, "");
        tree.Add({"src\\a.c", "src\\b.h", "src\\skip.c", "src\\obj\\o.c", "src\\keep\\k.c",
                  "src\\keep\\k.h", "Makefile", "readme.txt", "noext", "@x.txt"});
    }
    void TearDown() override { Walk({"@c"}, 0, ""); }
    // The arguments with "<root>" replaced by the tree's root.
    std::vector<std::string> Args(const std::vector<std::string>& args) const
    {
        std::vector<std::string> out;
        for (std::string a : args) {
            for (size_t p; (p = a.find("<root>")) != std::string::npos;)
                a.replace(p, 6, tree.Root());
            out.push_back(a);
        }
        return out;
    }
    ScratchDatabases dbs;
    Tree tree;
};

} // namespace

TEST_F(ArgItemsTest, PathSectionsAndSettings)
{
    struct Case {
        std::vector<std::string> args;
        Names expected;
    };
    const Case cases[] = {
        // Field 1 ending with a separator takes the settings' masks and depth.
        {{"@m*.c", "@p<root>src\\"}, {"src\\a.c", "src\\skip.c"}},
        {{"@m*.c", "@d+", "@p<root>src\\"},
         {"src\\a.c", "src\\skip.c", "src\\keep\\k.c", "src\\obj\\o.c"}},
        {{"@m*.c", "@d+", "@p<root>src\\|*.h"}, {"src\\b.h", "src\\keep\\k.h"}},
        {{"@m*.c", "@d+", "@p<root>src\\||0"}, {"src\\a.c", "src\\skip.c"}},
        {{"@d+", "@p<root>src\\*.h"}, {"src\\b.h"}}, // depth only from a folder field
        {{"@p<root>src\\*.c|+"}, {"src\\a.c", "src\\skip.c", "src\\keep\\k.c", "src\\obj\\o.c"}},
        {{"@p<root>src\\|*.c|+||"}, {"src\\a.c", "src\\skip.c", "src\\keep\\k.c", "src\\obj\\o.c"}},
        {{"@p<root>src\\*.c|+||"}, {"src\\a.c", "src\\skip.c", "src\\keep\\k.c", "src\\obj\\o.c"}},
        {{"@p<root>src\\*.c,*.h"}, {"src\\a.c", "src\\b.h", "src\\skip.c"}},
        {{"@m*.c", "@c", "@m*.h", "@p<root>src\\"}, {"src\\b.h"}},
        // "*." means names without a dot.
        {{"@p<root>*."}, {"Makefile", "noext"}},
        // Rejection rules: folder names, masks, folders, files; a rules field
        // replaces the settings' rules.
        {{"@x:obj", "@p<root>src\\*.c|+"}, {"src\\a.c", "src\\skip.c", "src\\keep\\k.c"}},
        {{"@x : obj , keep ", "@p<root>src\\*.c|+"}, {"src\\a.c", "src\\skip.c"}},
        {{"@xskip.c;o*", "@p<root>src\\*.c|+"}, {"src\\a.c", "src\\keep\\k.c"}},
        {{"@x<root>src\\keep\\", "@p<root>src\\*.c|+"},
         {"src\\a.c", "src\\skip.c", "src\\obj\\o.c"}},
        {{"@x<root>src\\skip.c", "@p<root>src\\*.c|+"},
         {"src\\a.c", "src\\keep\\k.c", "src\\obj\\o.c"}},
        {{"@x:obj", "@p<root>src\\*.c|+|skip.c"}, {"src\\a.c", "src\\keep\\k.c", "src\\obj\\o.c"}},
        // A rejected file named directly is not passed on as a missing one.
        {{"@xskip.c", "@p<root>src\\skip.c"}, {}},
        {{"@x<root>src\\", "@p<root>src\\a.c"}, {}},
        // Advanced filters: from the settings, replaced by the filters field.
        {{"@aS>=1", "@p<root>*.txt"}, {}},
        {{"@aS>=1", "@p<root>*.txt|||S<1"}, {"@x.txt", "readme.txt"}},
        // A standard stream is passed on as it stands.
        {{"@p<STDIN>"}, {"<STDIN>?"}},
        {{"  "}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.args));
        Walk({"@c"}, 0, "");
        EXPECT_EQ(Walk(Args(c.args), 0, tree.Root()), c.expected);
    }
}

TEST_F(ArgItemsTest, SyntaxErrors)
{
    struct Case {
        std::vector<std::string> args;
        const char* error;
    };
    const Case cases[] = {
        {{"@"}, "Missing argument to @"},
        {{"  @z"}, "Unknown code: @z"},
        {{"@!"}, "Missing argument to: @!"},
        {{"@!x"}, "Unknown code: @!"},
        {{"@cx"}, "Extraneous characters following: @c"},
        {{"@p   "}, "Missing argument to: @p"},
        {{"@m"}, "Missing argument to: @m"},
        {{"@p |*.c"}, "Missing path in: @p"},
        {{"@p<root>src\\"}, "Missing file masks in: @p"},
        {{"@p<root>src\\ , "}, "Missing file masks in: @p"},
        {{"@p<root>src\\*.c|+|||"}, "Too many fields in: @p"},
        {{"@p<root>src\\|*.c|+|||"}, "Too many fields in: @p"},
        {{"@p<root>src\\<STDIN>"}, "Unexpected path preceding special <filename> in: @p"},
        {{"@x:a\\b"}, "Unexpected directory separator in rejection specifier: :a\\b"},
        {{"@dmany"}, "Bad folder depth number: many"},
        {{"@aQ1"}, "Unknown Advanced Filter code: Q"},
        {{"@p<root>*|||X"}, "Unknown Advanced Filter code: X"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.args));
        Walk({"@c"}, 0, "");
        EXPECT_EQ(WalkError(Args(c.args)), c.error);
    }
}

TEST_F(ArgItemsTest, LiteralsEscapesAndFolders)
{
    const unsigned pure = ky_filename_argv_iterator::AcceptsPureFolders;
    char saved[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, saved);
    SetCurrentDirectoryA(tree.Root().c_str());
    // "@@x.txt" names the file "@x.txt" of the current folder.
    EXPECT_EQ(Walk({"@@x.txt"}, 0, ""), (Names{"@x.txt"}));
    SetCurrentDirectoryA(saved);

    // A missing file is yielded once, without details; so is a file in a
    // missing folder. A file that exists has its details.
    EXPECT_EQ(Walk(Args({"<root>missing.txt"}), 0, tree.Root()), (Names{"missing.txt?"}));
    EXPECT_EQ(Walk(Args({"@p<root>nodir\\missing.txt"}), 0, tree.Root()),
              (Names{"nodir\\missing.txt?"}));
    EXPECT_EQ(Walk(Args({"@L<root>missing.txt"}), 0, tree.Root()), (Names{"missing.txt?"}));
    EXPECT_EQ(Walk(Args({"<root>src\\a.c", "@L<root>src\\b.h"}), 0, tree.Root()),
              (Names{"src\\a.c", "src\\b.h"}));

    // An existing folder is the item itself: a folder result only for a
    // program that accepts "@f".
    const std::string longMessage = WalkError(Args({"@f<root>src"}));
    EXPECT_NE(longMessage.find("does not support the @f code"), std::string::npos);
    EXPECT_EQ(WalkError(Args({"<root>src"})), longMessage);
    EXPECT_EQ(WalkError(Args({"<root>src\\"})), longMessage);
    EXPECT_EQ(Walk(Args({"<root>src"}), pure, tree.Root()), (Names{"src/"}));
}

// A path section's depth field reads as "@d" reads its argument: the whole
// text is the number, so blanks make it a bad number in both.
TEST_F(ArgItemsTest, DepthFieldsReadAsTheDepthCode)
{
    struct Case {
        const char* field;
        Names expected; // empty: the error below
        const char* error;
        const char* codeError; // where "@d" differs: its argument loses leading blanks
    };
    const Names top = {"src\\b.h"};
    const Names deep = {"src\\b.h", "src\\keep\\k.h"};
    const Case cases[] = {
        {"2", deep, nullptr, nullptr},
        {"+", deep, nullptr, nullptr},
        {"-1", top, nullptr, nullptr},
        {"2 ", {}, "Bad folder depth number: 2 ", nullptr},
        {" ", {}, "Bad folder depth number:  ", "Missing argument to: @d"},
        {"+ ", {}, "Bad folder depth number: + ", nullptr},
        {"x", {}, "Bad folder depth number: x", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("field \"") + c.field + "\"");
        const std::string section = std::string("@p<root>src\\*.h|") + c.field;
        const std::string code = std::string("@d") + c.field;
        if (c.error) {
            EXPECT_EQ(WalkError(Args({section})), c.error);
            EXPECT_EQ(WalkError(Args({code, "@p<root>src\\|*.h"})),
                      c.codeError ? c.codeError : c.error);
        } else {
            EXPECT_EQ(Walk(Args({section}), 0, tree.Root()), c.expected);
            EXPECT_EQ(Walk(Args({code, "@p<root>src\\|*.h"}), 0, tree.Root()), c.expected);
        }
        Walk({"@c"}, 0, "");
    }
}

// "@L" yields its name as given, a final separator included; an existing
// folder is still recognised as one.
TEST_F(ArgItemsTest, LiteralNamesKeepTheirFinalSeparator)
{
    const unsigned pure = ky_filename_argv_iterator::AcceptsPureFolders;
    struct Case {
        const char* arg;
        Names expected;
    };
    const Case cases[] = {
        {"@L<root>src", {"src/"}},
        {"@L<root>src\\", {"src\\/"}},
        {"@L<root>nodir", {"nodir?"}},
        {"@L<root>nodir\\", {"nodir\\?"}},
        {"@L<root>src\\a.c", {"src\\a.c"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arg);
        EXPECT_EQ(Walk(Args({c.arg}), pure, tree.Root()), c.expected);
    }
}

TEST_F(ArgItemsTest, LocalDrivesRunOncePerFixedDrive)
{
    // The tail is a small folder made on every fixed drive.
    const std::string tail = "tmp\\" + UniqueName("kyit_drives");
    std::vector<std::string> roots;
    char buffer[256];
    for (const char* p = buffer + (GetLogicalDriveStringsA(255, buffer) ? 0 : 255); *p;
         p += lstrlenA(p) + 1) {
        if (GetDriveTypeA(p) == DRIVE_FIXED)
            roots.push_back(p);
    }
    Names expected;
    bool made = !roots.empty();
    for (const std::string& root : roots) {
        CreateDirectoryA((root + "tmp").c_str(), nullptr);
        made = made && CreateDirectoryA((root + tail).c_str(), nullptr);
        HANDLE h = CreateFileA((root + tail + "\\mark.txt").c_str(), GENERIC_WRITE, 0, nullptr,
                               CREATE_ALWAYS, 0, nullptr);
        made = made && h != INVALID_HANDLE_VALUE;
        CloseHandle(h);
        expected.push_back(root + tail + "\\mark.txt");
    }
    if (made) {
        EXPECT_EQ(Walk({"@p<LocalDrives>\\" + tail + "\\*.txt"}, 0, ""), expected);
        EXPECT_EQ(Walk({"<localdrives>" + tail + "\\mark.txt"}, 0, ""), expected);
    }
    for (const std::string& root : roots)
        RemoveTree(root + tail);
    if (!made)
        GTEST_SKIP() << "cannot make the tail folder on every fixed drive";
}

TEST(PathFlags, DoPathFlags)
{
    SetEnvironmentVariableA("KYIT_VAR", "value");
    char cwd[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, cwd);
    std::string here = std::string(cwd) + (cwd[lstrlenA(cwd) - 1] == '\\' ? "" : "\\");
    struct Case {
        const char* in;
        unsigned flags;
        std::string out;
    };
    const Case cases[] = {
        {"a/b/c", 0, "a\\b\\c"},
        {"%KYIT_VAR%/x", 0, "%KYIT_VAR%\\x"},
        {"%KYIT_VAR%/x", ky_filename_argv_iterator::ExpandVariables, "value\\x"},
        {"sub/", ky_filename_argv_iterator::FullLongPaths, here + "sub\\"},
        {"", ky_filename_argv_iterator::FullLongPaths, ""},
    };
    for (const Case& c : cases) {
        Kyvant::ky_F path(c.in);
        ky_filename_argv_iterator::DoPathFlags(path, c.flags);
        EXPECT_STRCASEEQ(path.c_str(), c.out.c_str()) << c.in;
    }
    SetEnvironmentVariableA("KYIT_VAR", nullptr);
}

TEST(VirtualFolderRule, Split)
{
    struct Case {
        const char* in;
        bool result;
        const char* rule;
        const char* filter;
    };
    const Case cases[] = {
        {"list.txt/|*.c|+", true, "list.txt", "/|*.c|+"},
        {"list.txt\\|*.c", true, "list.txt", "\\|*.c"},
        {"Folder/", true, "Folder", "/"},
        {"name", false, "name", "/*"},
        {"name|", false, "name|", "/*"}, // a '|' at the very end starts no rule
    };
    for (const Case& c : cases) {
        Kyvant::ky_F rule(c.in);
        Kyvant::ky_S filter;
        EXPECT_EQ(Kyvant::SplitVirtualFolderRule(rule, filter), c.result) << c.in;
        EXPECT_STREQ(rule.c_str(), c.rule) << c.in;
        EXPECT_STREQ(filter.c_str(), c.filter) << c.in;
    }
    struct Bad {
        const char* in;
        const char* error;
    };
    const Bad bad[] = {{"", "Empty rule in VirtualFolderFilter"},
                       {"name|*.c", "Illegal VirtualFolderFilter rule: name|*.c"},
                       {"/|*.c", "Illegal VirtualFolderFilter rule: /|*.c"}};
    for (const Bad& b : bad) {
        Kyvant::ky_F rule(b.in);
        Kyvant::ky_S filter;
        try {
            Kyvant::SplitVirtualFolderRule(rule, filter);
            ADD_FAILURE() << b.in;
        } catch (const std::exception& e) {
            EXPECT_STREQ(e.what(), b.error);
        }
    }
}

namespace {

// Stand-ins for the development-environment list and the Indexing Service.
std::vector<Kyvant::FileNameResult> s_rows;
Kyvant::IndexingServiceSearch s_search;

class Rows : public Kyvant::FileNameSource {
public:
    bool Next(Kyvant::FileNameResult& out) override
    {
        if (next_ >= s_rows.size())
            return false;
        out = s_rows[next_++];
        return true;
    }

private:
    size_t next_ = 0;
};

std::unique_ptr<Kyvant::FileNameSource> MakeIdeRows(const Kyvant::ky_I& name,
                                                    const Kyvant::ky_S& item,
                                                    ky_filename_argv_iterator::Terminator*)
{
    s_search.query = name;
    s_search.sort = item;
    return std::unique_ptr<Kyvant::FileNameSource>(new Rows);
}

bool OnItem(const Kyvant::ky_S& argument)
{
    Kyvant::IndexingService::OptionsList::SetFlags(argument != "-", false);
    return false;
}

std::unique_ptr<Kyvant::FileNameSource> MakeSearch(const Kyvant::IndexingServiceSearch& search)
{
    s_search = search;
    return std::unique_ptr<Kyvant::FileNameSource>(new Rows);
}

struct HookGuard {
    HookGuard()
        : ide(Kyvant::GetIdeListFactory()), item(Kyvant::GetIndexingServiceItemHandler()),
          search(Kyvant::GetIndexingServiceSearchFactory())
    {
    }
    ~HookGuard()
    {
        Kyvant::SetIdeListFactory(ide);
        Kyvant::SetIndexingServiceHooks(item, search);
    }
    Kyvant::IdeListFactory ide;
    Kyvant::IndexingServiceItemHandler item;
    Kyvant::IndexingServiceSearchFactory search;
};

} // namespace

TEST_F(ArgItemsTest, DevelopmentEnvironmentAndIndexingServiceHooks)
{
    HookGuard guard;
    Kyvant::SetIdeListFactory(&MakeIdeRows);
    Kyvant::SetIndexingServiceHooks(&OnItem, &MakeSearch);

    // An IDE list's results are taken as they come.
    s_rows.assign(2, Kyvant::FileNameResult());
    s_rows[0].name = "one.cpp";
    s_rows[1].name = "Folder";
    s_rows[1].isFolder = true;
    EXPECT_EQ(Walk({"@C  AllFiles"}, 0, ""), (Names{"one.cpp?", "Folder/?"}));
    EXPECT_STREQ(s_search.query.c_str(), "AllFiles");
    EXPECT_STREQ(s_search.sort.c_str(), "@C  AllFiles");

    // With the service on, a path section is searched, not walked; its rows
    // must be existing files that pass the section.
    s_rows.assign(4, Kyvant::FileNameResult());
    s_rows[0].name = tree("src\\a.c").c_str();
    s_rows[1].name = tree("src\\b.h").c_str();
    s_rows[2].name = tree("src\\gone.c").c_str();
    s_rows[3].name = tree("src\\keep\\k.c").c_str();
    EXPECT_EQ(Walk(Args({"@i+", "@x:keep", "@aS<1", "@p<root>src\\*.c|+"}), 0, tree.Root()),
              (Names{"src\\a.c?"}));
    EXPECT_STRCASEEQ(s_search.scope.c_str(), tree("src\\").c_str());
    EXPECT_TRUE(s_search.deep);
    EXPECT_STREQ(s_search.query.c_str(), "(((#filename=\"*.c\") & (@size < 1)) & (@size < 1))");
    Walk({"@i-"}, 0, "");
}

TEST_F(ArgItemsTest, ConsoleToolWalksItsFileArguments)
{
    // The tool skips its options, expands variables in paths and yields each
    // item of each file argument in turn.
    const std::string bin = kytest::ProgramFolder();
    const std::string out = tree("out.txt");
    SECURITY_ATTRIBUTES sa = {sizeof sa, nullptr, TRUE};
    HANDLE file =
        CreateFileA(out.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &sa, CREATE_ALWAYS, 0, nullptr);
    SetEnvironmentVariableA("KYIT_SRC", tree("src").c_str());
    std::string cmd = "\"" + bin + "KyConTool_itertool.exe\" -x %KYIT_SRC%\\*.h \"@p " +
                      tree("gone.c") + "\" @m*.c \"@p%KYIT_SRC%\\|*.c|+\"";
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdOutput = file;
    si.hStdError = file;
    si.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    PROCESS_INFORMATION pi = {};
    ASSERT_TRUE(
        CreateProcessA(nullptr, &cmd[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si, &pi));
    WaitForSingleObject(pi.hProcess, 60000);
    DWORD code = 99;
    GetExitCodeProcess(pi.hProcess, &code);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    CloseHandle(file);
    SetEnvironmentVariableA("KYIT_SRC", nullptr);

    std::ifstream in(out);
    Names lines;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (lstrcmpiA(line.substr(0, tree.Root().size()).c_str(), tree.Root().c_str()) == 0)
            line = line.substr(tree.Root().size());
        lines.push_back(line);
    }
    EXPECT_EQ(code, 0u);
    EXPECT_EQ(lines, (Names{"src\\b.h", "gone.c?", "src\\a.c", "src\\skip.c", "src\\keep\\k.c",
                            "src\\obj\\o.c"}));
}
