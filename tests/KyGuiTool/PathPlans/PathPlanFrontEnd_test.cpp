// The path-plan pages end to end: a console tool started without arguments
// gets the editor page's arguments through the test front-end's settings
// dialog and lists exactly the files of a scratch tree they select; an
// Explorer selection too large to read is handed on as a response file that
// lives as long as the front-end.
#include "FrontEndTestSupport.h"
#include "PathPlans/PathPlanTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

using namespace pathplantest;
using guitest::Scratch;
using guitest::Script;
using guitest::Started;

const char kFrontEndKey[] = "Software\\Kyvant\\Tools\\PathPlanTests\\FrontEnd";

// a.c, b.h, sub\c.c, sub\deep\d.c and skip\e.c under a scratch folder.
class Tree {
public:
    Tree()
    {
        for (const char* folder : {"sub", "sub\\deep", "skip"})
            ::CreateDirectoryA(m_dir[folder].c_str(), nullptr);
        for (const char* file : {"a.c", "b.h", "sub\\c.c", "sub\\deep\\d.c", "skip\\e.c"})
            kytest::WriteFile(m_dir[file], "text");
    }
    std::string operator[](const std::string& name) const { return m_dir[name]; }
    std::string Root() const { return m_dir[""]; }

    // The files among the tool's output lines (the folders it walked left
    // out, and the mark of a name without details), each relative to the
    // tree, sorted.
    Strings Listed(const std::string& output) const
    {
        Strings lines;
        size_t start = 0;
        while (start < output.size()) {
            size_t end = output.find('\n', start);
            if (end == std::string::npos)
                end = output.size();
            std::string line = output.substr(start, end - start);
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            if (!line.empty() && line.back() == '?')
                line.pop_back();
            if (lstrcmpiA(line.substr(0, Root().size()).c_str(), Root().c_str()) == 0)
                line = line.substr(Root().size());
            if (!line.empty() && line.back() != '/')
                lines.push_back(line);
            start = end + 1;
        }
        std::sort(lines.begin(), lines.end());
        return lines;
    }

private:
    Scratch m_dir;
};

// The iterator test tool started without arguments: it asks the front-end
// for its settings, whose dialog shows the path-plan pages and is accepted.
struct ToolRun {
    ToolRun(const Scratch& dir, const Script& script)
        : tool("KyConTool_itertool.exe", {},
               {{"KYTEST_FRONTEND", "KyGuiTool_frontend.exe"},
                {"KYTEST_FRONTEND_SCRIPT", script.Write()},
                {"KYTEST_FRONTEND_KEY", kFrontEndKey},
                {"Kyvant_Protocol_Prefix_EnvVar", guitest::Unique("kypp")}},
               dir)
    {
    }
    Started tool;
};

std::string EditorKey()
{
    return std::string(kFrontEndKey) + "\\KyvantToolOptions\\" + kEditorGuid;
}

TEST_F(PathPlanTest, TheToolListsExactlyTheFilesTheEditorsSettingsSelect)
{
    Tree tree;
    SetList(EditorKey(), "Paths", {tree.Root()});
    SetValue(EditorKey(), "Masks", "*.c");
    SetValue(EditorKey(), "MaxRecursionDepth", "1");
    SetList(EditorKey(), "Exceptions", {":skip"});
    Scratch dir;
    Script script(dir);
    script("settings=pathplans")("stage=click:1");
    ToolRun run(dir, script);
    EXPECT_EQ(0u, run.tool.Wait()) << run.tool.Err();
    EXPECT_EQ((Strings{"a.c", "sub\\c.c"}), tree.Listed(run.tool.Out())) << run.tool.Out();
    EXPECT_EQ(0u, guitest::WaitForFrontEnd(script));
    EXPECT_TRUE(guitest::Has(script.Log(), "settings result=1 ")) << script.Log();
}

TEST_F(PathPlanTest, ALargeExplorerSelectionLivesAsLongAsTheFrontEnd)
{
    Tree tree;
    const std::string listed = tree["a.c"] + "\n" + tree["sub\\c.c"] + "\n";
    const std::string file = TempHandoffFile(listed + std::string(8193 - listed.size(), '\n'));
    const std::string key = std::string(kFrontEndKey) + "\\ShellExArgs";
    FILETIME now;
    ::GetSystemTimeAsFileTime(&now);
    SetValue(key, "PathsFile", file);
    RegValue{true, REG_DWORD, std::string(reinterpret_cast<const char*>(&now.dwLowDateTime), 4)}
        .Write(key, "TimeLo");
    RegValue{true, REG_DWORD, std::string(reinterpret_cast<const char*>(&now.dwHighDateTime), 4)}
        .Write(key, "TimeHi");
    Scratch dir;
    Script script(dir);
    script("settings=pathplans")("stage=click:1");
    ToolRun run(dir, script);
    EXPECT_EQ(0u, run.tool.Wait()) << run.tool.Err();
    EXPECT_EQ((Strings{"a.c", "sub\\c.c"}), tree.Listed(run.tool.Out())) << run.tool.Out();
    EXPECT_EQ(0u, guitest::WaitForFrontEnd(script));
    EXPECT_FALSE(Exists(file));
    EXPECT_EQ(0u, Kyvant::RegKey(HKEY_CURRENT_USER, key.c_str()).GetNumValues());
}

} // namespace
