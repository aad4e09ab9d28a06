// CommonRootGuids on registry fixtures, FsObj classing, and the selection walk's CF_HDROP block.
#include "KyGui/Shell/CommonRootGuids.h"
#include "KyGui/Shell/DropFiles.h"
#include "KyGui/Shell/FsObj.h"
#include "KyGui/Shell/SelectionWalk.h"

#include "Shell/RegistryFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

using Kyvant::input_sequencer;
using Kyvant::ky_F;
using Kyvant::ky_I;
using Kyvant::Shell::CommonRootGuids;
using Kyvant::Shell::FsObj;

namespace {

const char G1[] = "{2F0A0001-0000-4000-8000-000000000028}";
const char G2[] = "{2F0A0002-0000-4000-8000-000000000028}";
const char G3[] = "{2F0A0003-0000-4000-8000-000000000028}";
const char GAll[] = "{2F0A00AA-0000-4000-8000-000000000028}";
const char GStar[] = "{2F0A00FF-0000-4000-8000-000000000028}";
const char GDir[] = "{2F0A00DD-0000-4000-8000-000000000028}";

std::vector<std::string> Texts(const CommonRootGuids::GuidList& list)
{
    std::vector<std::string> out;
    for (const ky_I& g : list)
        out.push_back(g.c_str());
    return out;
}

std::vector<std::string> Sorted(std::vector<std::string> v)
{
    std::vector<ky_I> k;
    for (const std::string& t : v)
        k.push_back(ky_I(t.c_str()));
    std::sort(k.begin(), k.end());
    v.clear();
    for (const ky_I& g : k)
        v.push_back(g.c_str());
    return v;
}

// The generic handlers of this prefix plus the test's.
struct Generic {
    HandlerRegistry reg;
    Generic()
    {
        reg.AddHandler("AllFileSystemObjects", "KyTest28All", GAll);
        reg.AddHandler("*", "KyTest28Star", GStar);
        reg.AddHandler("Directory", "KyTest28Dir", GDir);
        reg.AddExtension(".kyt28a", "KyTest28.A");
        reg.AddExtension(".kyt28b", "KyTest28.B");
        reg.AddExtension(".kyt28c", "");
        reg.AddHandler("KyTest28.A", "one", G1);
        reg.AddHandler("KyTest28.A", "two", G2);
        reg.AddHandler("KyTest28.B", "three", G3);
        reg.AddHandler(".kyt28c", G2);  // no default value: the name counts
    }
};

TEST(CommonRootGuids, GetGuidsTakesDefaultValueOrNameAndOnlyBracedTexts)
{
    HandlerRegistry reg;
    reg.AddHandler("KyTest28.G", "named", G1);
    reg.AddHandler("KyTest28.G", G2);
    reg.AddHandler("KyTest28.G", "NotAGuid");
    reg.AddHandler("KyTest28.G", "other", "plain text");
    CommonRootGuids guids(CommonRootGuids::ShellExContextMenuHandlers);
    CommonRootGuids::GuidList out;
    EXPECT_TRUE(guids.GetGuids("KyTest28.G", out));
    EXPECT_EQ(Sorted({G1, G2}), Sorted(Texts(out)));
    CommonRootGuids::GuidList none;
    EXPECT_FALSE(guids.GetGuids("KyTest28.Missing", none));
}

TEST(CommonRootGuids, IntersectionCases)
{
    Generic g;
    struct Case {
        const char* name;
        std::vector<const char*> exts;  // "" for a folder
        std::vector<std::string> expected;
    } cases[] = {
        {"two extensions without a common handler", {".kyt28a", ".kyt28b"}, {GAll, GStar}},
        {"one type keeps its own", {".kyt28a", ".kyt28a"}, {G1, G2, GAll, GStar}},
        {"class-less extension shares by name", {".kyt28a", ".kyt28c"}, {G2, GAll, GStar}},
        {"an extension without a key counts as *", {".kyt28nokey"}, {GAll, GStar}},
        {"folder and file share only the generic", {"", ".kyt28a"}, {GAll}},
    };
    for (const Case& c : cases) {
        CommonRootGuids guids(CommonRootGuids::ShellExContextMenuHandlers);
        bool nonEmpty = true;
        for (const char* ext : c.exts) {
            if (!nonEmpty)
                break;
            nonEmpty = ext[0] == '\0' ? guids.IntersectGuidsOfType("Directory", false)
                                      : guids.IntersectGuidsOfFileExt(ext);
        }
        guids.Finalize();
        std::vector<std::string> expected = c.expected;
        std::sort(expected.begin(), expected.end());
        expected.erase(std::unique(expected.begin(), expected.end()), expected.end());
        EXPECT_EQ(Sorted(expected), Texts(guids.Result())) << c.name;
    }
}

TEST(CommonRootGuids, AllObjectsAndFoldersOnlyMembership)
{
    Generic g;
    CommonRootGuids guids(CommonRootGuids::ShellExContextMenuHandlers);
    guids.IntersectGuidsOfType("Directory", false);
    EXPECT_TRUE(guids.IsAllFilesGuid(ky_I(GAll)));
    EXPECT_FALSE(guids.IsAllFilesGuid(ky_I(GDir)));
    EXPECT_TRUE(guids.IsAllFoldersGuid(ky_I(GDir)));
    EXPECT_FALSE(guids.IsAllFoldersGuid(ky_I(GAll)));
}

std::string TempFolder(const char* name)
{
    char temp[MAX_PATH];
    ::GetTempPathA(MAX_PATH, temp);
    std::string folder = std::string(temp) + name;
    ::CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}

void WriteFile(const std::string& path, unsigned bytes)
{
    HANDLE h = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    std::string data(bytes, 'x');
    DWORD written = 0;
    ::WriteFile(h, data.data(), bytes, &written, nullptr);
    ::CloseHandle(h);
}

TEST(FsObj, ClassesDrivesFoldersFilesAndMissingPaths)
{
    const std::string folder = TempFolder("kygui28-fsobj");
    WriteFile(folder + "\\f.txt", 1);
    struct Case {
        std::string path;
        bool drive, dir, file;
    } cases[] = {
        {"C:\\", true, false, false},
        {folder, false, true, false},
        {folder + "\\f.txt", false, false, true},
        {folder + "\\missing.txt", false, false, true},
    };
    for (const Case& c : cases) {
        FsObj o(ky_F(c.path.c_str()));
        EXPECT_EQ(c.drive, o.IsDrive()) << c.path;
        EXPECT_EQ(c.dir, o.IsFolder()) << c.path;
        EXPECT_EQ(c.file, o.IsFile()) << c.path;
    }
}

TEST(SelectionWalk, DropBlockHoldsHeaderAndPathsInOrder)
{
    std::vector<FsObj> objects = {FsObj(ky_F("C:\\b.kyt"), 0), FsObj(ky_F("C:\\a\\c.kyt"), 0)};
    Kyvant::forward_input_sequencer<std::vector<FsObj>> selection(objects);
    CommonRootGuids guids(CommonRootGuids::ShellExContextMenuHandlers);
    unsigned bytes = 0;
    ASSERT_TRUE(Kyvant::Shell::WalkSelection(selection, guids, bytes));
    const char list[] = "C:\\b.kyt\0C:\\a\\c.kyt\0";  // and the literal's own NUL
    ASSERT_EQ(sizeof list, bytes);
    HGLOBAL block = Kyvant::Shell::MakeDropFilesBlock(selection, bytes);
    ASSERT_GE(::GlobalSize(block), 20u + bytes);
    const BYTE* data = static_cast<const BYTE*>(::GlobalLock(block));
    const BYTE header[20] = {20};
    EXPECT_EQ(0, memcmp(header, data, 20));
    EXPECT_EQ(0, memcmp(list, data + 20, sizeof list));
    ::GlobalUnlock(block);
    ::GlobalFree(block);

    std::vector<FsObj> none;
    Kyvant::forward_input_sequencer<std::vector<FsObj>> empty(none);
    EXPECT_FALSE(Kyvant::Shell::WalkSelection(empty, guids, bytes));
}

} // namespace
