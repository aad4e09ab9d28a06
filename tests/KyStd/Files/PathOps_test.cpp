// Tests of path operations: splitting, building, UNC names, system paths, temp names, ellipses.
#include "FileTestTree.h"
#include "KyStd/Core/Errors.h"
#include "KyStd/Core/SystemText.h"
#include "KyStd/Files/FileName.h"
#include "KyStd/Files/UniversalName.h"
#include "KyStd/Strings/TextMeasure.h"

#include <gtest/gtest.h>

#include <cstring>
#include <stdexcept>
#include <string>

using namespace Kyvant;
using KyTest::FileTestTree;

namespace {

std::string S(const ky_BSB<char>& s)
{
    return s.c_str();
}

} // namespace

TEST(PathOps, SplitKeepsUncRootsWhole)
{
    struct Row {
        const char *path, *drive, *dir, *title, *ext;
    } rows[] = {
        {"C:\\dir\\f.txt", "C:", "\\dir\\", "f", ".txt"},
        {"\\\\srv\\share\\dir\\f.txt", "\\\\srv\\share", "\\dir\\", "f", ".txt"},
        {"\\\\srv\\share", "\\\\srv\\share", "", "", ""},
        {"\\\\srv\\share.ext", "\\\\srv\\share.ext", "", "", ""},
        {"//srv/share/", "//srv/share", "/", "", ""},
        {"\\\\srv", "", "\\\\", "srv", ""},
        {"C:f.txt", "C:", "", "f", ".txt"},
        {"dir.x\\a.b.c", "", "dir.x\\", "a.b", ".c"},
        {"", "", "", "", ""},
    };
    for (const Row& r : rows) {
        ky_F drive, dir, title, ext;
        ky_F(r.path).SplitPath(drive, dir, title, ext);
        EXPECT_EQ(S(drive) + "|" + S(dir) + "|" + S(title) + "|" + S(ext),
                  std::string(r.drive) + "|" + r.dir + "|" + r.title + "|" + r.ext)
            << r.path;
        // Joining the parts gives the path back.
        EXPECT_EQ(S(ky_F().ToPath(drive.c_str(), dir.c_str(), title.c_str(), ext.c_str())), r.path);
    }
}

TEST(PathOps, PartQueries)
{
    struct Row {
        const char *path, *drive, *driveSep, *pathPart, *pathStripped, *file, *title, *ext,
            *extNoDot;
    } rows[] = {
        {"C:\\dir\\f.txt", "C:", "C:\\", "C:\\dir\\", "C:\\dir", "f.txt", "f", ".txt", "txt"},
        {"C:\\f.txt", "C:", "C:\\", "C:\\", "C:\\", "f.txt", "f", ".txt", "txt"},
        {"\\\\srv\\share\\d\\", "\\\\srv\\share", "\\\\srv\\share\\", "\\\\srv\\share\\d\\",
         "\\\\srv\\share\\d", "", "", "", ""},
        {"//srv/share/f", "//srv/share", "//srv/share\\", "//srv/share/", "//srv/share/", "f", "f",
         "", ""},
        {"name", "", "", "", "", "name", "name", "", ""},
    };
    for (const Row& r : rows) {
        ky_F f(r.path);
        EXPECT_EQ(S(ky_F(f).ToDrivePart(false)), r.drive) << r.path;
        EXPECT_EQ(S(ky_F(f).ToDrivePart(true)), r.driveSep) << r.path;
        EXPECT_EQ(S(ky_F(f).ToPathPart(false)), r.pathPart) << r.path;
        EXPECT_EQ(S(ky_F(f).ToPathPart(true)), r.pathStripped) << r.path;
        EXPECT_EQ(S(ky_F(f).ToFilePart()), r.file) << r.path;
        EXPECT_EQ(S(ky_F(f).ToTitlePart()), r.title) << r.path;
        EXPECT_EQ(S(ky_F(f).ToExtension(false)), r.ext) << r.path;
        EXPECT_EQ(S(ky_F(f).ToExtension(true)), r.extNoDot) << r.path;
        ky_F folder, file;
        f.SplitPath(folder, file, true);
        EXPECT_EQ(S(folder) + "|" + S(file), std::string(r.pathStripped) + "|" + r.file);
    }
}

TEST(PathOps, LongPartsSurviveStringSplitsAndFixedBuffersKeepTheirLimit)
{
    const std::string folder(257, 'd'), title(300, 't');
    const ky_F path(("C:\\" + folder + "\\" + title + ".ext").c_str());
    ky_F drive, dir, t, ext;
    path.SplitPath(drive, dir, t, ext);
    EXPECT_EQ(S(dir), "\\" + folder + "\\");
    EXPECT_EQ(S(t), title);

    char cdir[256], ctitle[256], cext[256];
    path.SplitPath(nullptr, cdir, ctitle, cext);
    EXPECT_EQ(std::string(cdir), ("\\" + folder).substr(0, 255));
    EXPECT_EQ(std::string(ctitle), title.substr(0, 255));
    EXPECT_STREQ(cext, ".ext");

    // The two-part buffer form refuses a part that does not fit MAX_PATH.
    char cpath[MAX_PATH] = "untouched", cfile[MAX_PATH] = "untouched";
    EXPECT_THROW(path.SplitPath(cpath, cfile, false), std::length_error);
    EXPECT_STREQ(cpath, "untouched");
    EXPECT_STREQ(cfile, "untouched");
    ky_F("C:\\d\\f.txt").SplitPath(cpath, cfile, false);
    EXPECT_STREQ(cpath, "C:\\d\\");
    EXPECT_STREQ(cfile, "f.txt");
}

TEST(PathOps, BuildingPaths)
{
    struct Row {
        const char *drive, *dir, *title, *ext, *expected;
    } rows[] = {
        {"\\\\srv\\share", "dir", "f", "txt", "\\\\srv\\share\\dir\\f.txt"},
        {"\\\\srv\\share\\", "\\dir", nullptr, nullptr, "\\\\srv\\share\\dir\\"},
        {"\\\\srv\\share", nullptr, "f", nullptr, "\\\\srv\\share\\f"},
        {"C:", "\\dir", "f", ".txt", "C:\\dir\\f.txt"},
        {"C:\\", "\\dir/", "f", "", "C:\\dir/f"},
        {nullptr, "", "f", "txt", "f.txt"},
        {"", "d", "", "", "d\\"},
    };
    for (const Row& r : rows)
        EXPECT_EQ(S(ky_F("old").ToPath(r.drive, r.dir, r.title, r.ext)), r.expected) << r.expected;

    struct Join {
        const char *dir, *name, *expected;
    } joins[] = {{"C:", "x", "C:x"}, {"C:\\d", "x", "C:\\d\\x"}, {"d/", "x", "d/x"},
                 {"", "x", "x"},     {"d", "", "d\\"},           {nullptr, "x", "x"}};
    for (const Join& j : joins)
        EXPECT_EQ(S(ky_F().ToPath(j.dir, j.name)), j.expected) << j.expected;

    // Parts taken from the string itself.
    ky_F self("C:\\dir");
    self.ToPath(self.c_str(), self.c_str() + 3);
    EXPECT_EQ(S(self), "C:\\dir\\dir");
}

TEST(PathOps, UncAndVolumeNameTests)
{
    for (const char* s : {"C:\\", "c:/", "\\", "/", "\\\\srv\\share\\", "//srv/share/"})
        EXPECT_TRUE(ky_F::LooksLikeVolumeName(s)) << s;
    for (const char* s :
         {"C:", "\\\\srv\\share", "\\\\srv\\\\", "\\\\srv\\share\\x\\", "\\\\", "1:\\", ""})
        EXPECT_FALSE(ky_F::LooksLikeVolumeName(s)) << s;
    EXPECT_TRUE(ky_F::LooksLikeVolumeName("C:\\dir", 3));
    for (const char* s : {"\\\\srv", "//s", "\\/x"})
        EXPECT_TRUE(ky_F::LooksLikeUNC(s)) << s;
    for (const char* s : {"\\\\", "\\x\\y", "C:\\x"})
        EXPECT_FALSE(ky_F::LooksLikeUNC(s)) << s;
}

namespace {

// A system call that answers from a script of results; a result below the
// buffer size writes that many 'p's.
struct ScriptedCall {
    DWORD results[2];
    DWORD errorToSet;
    int calls = 0;
    DWORD sizes[2] = {0, 0};

    static DWORD Call(void* context, char* buffer, DWORD size)
    {
        ScriptedCall* s = static_cast<ScriptedCall*>(context);
        DWORD r = s->results[s->calls];
        s->sizes[s->calls++] = size;
        if (r != 0 && r < size) {
            std::memset(buffer, 'p', r);
            buffer[r] = '\0';
        }
        if (s->errorToSet)
            SetLastError(s->errorToSet);
        return r;
    }
};

} // namespace

TEST(PathOps, SystemTextFollowsTheBufferRule)
{
    struct Row {
        DWORD first, second, errorToSet;
        DWORD failureCode; // 0: success
    } rows[] = {
        {100, 0, 0, 0},
        {260, 0, 0, ERROR_INSUFFICIENT_BUFFER},
        {0, 0, ERROR_ACCESS_DENIED, ERROR_ACCESS_DENIED},
        {0, 0, 0, ERROR_INVALID_FUNCTION},
        {261, 260, 0, 0},
        {300, 300, 0, ERROR_INSUFFICIENT_BUFFER},
        {300, 0, ERROR_PATH_NOT_FOUND, ERROR_PATH_NOT_FOUND},
    };
    for (const Row& r : rows) {
        ScriptedCall call{{r.first, r.second}, r.errorToSet};
        ky_F out("before");
        if (r.failureCode == 0) {
            GetSystemText(ScriptedCall::Call, &call, out);
            EXPECT_EQ(out.length(), r.first > 260 ? r.second : r.first) << r.first;
        } else {
            try {
                GetSystemText(ScriptedCall::Call, &call, out);
                ADD_FAILURE() << r.first << " did not throw";
            } catch (const os_error& e) {
                EXPECT_EQ(e.code(), r.failureCode) << r.first;
            }
            EXPECT_EQ(S(out), "before");
        }
        // One call with 260 characters; a larger answer gets exactly one more of that size.
        EXPECT_EQ(call.calls, r.first > 260 ? 2 : 1) << r.first;
        EXPECT_EQ(call.sizes[0], 260u);
        EXPECT_EQ(call.sizes[1], r.first > 260 ? r.first : 0u);
    }
}

TEST(PathOps, SystemPaths)
{
    FileTestTree tree;
    tree.Dir("sub");
    tree.File("sub\\data.bin", 1234);
    ky_F cwd;
    cwd.ToCurrentDirectory();
    ASSERT_TRUE(SetCurrentDirectoryA(tree.Path().c_str()));

    EXPECT_EQ(S(ky_F("sub\\data.bin").ToFullPath()), tree.Path("sub\\data.bin"));
    EXPECT_EQ(S(ky_F("sub/").ToFullPath()), tree.Path("sub\\"));
    EXPECT_EQ(S(ky_F().ToFullPath()), tree.Path());

    ky_F found;
    EXPECT_TRUE(found.SearchPathA(tree.Path("sub").c_str(), "data.bin"));
    EXPECT_EQ(S(found), tree.Path("sub\\data.bin"));
    ky_F missing("nothing.here");
    EXPECT_FALSE(missing.SearchPathA(tree.Path().c_str()));
    EXPECT_EQ(S(missing), "nothing.here");

    ky_F shortName;
    EXPECT_TRUE(ky_F(tree.Path("sub\\data.bin").c_str()).ToShortPath(shortName));
    EXPECT_TRUE(shortName.IsFile());
    EXPECT_FALSE(ky_F(tree.Path("none").c_str()).ToShortPath(shortName));

    ky_F module;
    module.ToModuleFileName(nullptr);
    EXPECT_TRUE(module.IsFile());
    char direct[MAX_PATH];
    GetModuleFileNameA(nullptr, direct, MAX_PATH);
    EXPECT_EQ(S(module), direct);
    EXPECT_EQ(S(ky_F().ToModuleDirectory(nullptr, true)), S(module.ToPathPart(true)));

    SetCurrentDirectoryA(cwd.c_str());
}

TEST(PathOps, TempFileNames)
{
    FileTestTree tree;
    tree.File("target.txt");
    auto expectNewTemp = [](const ky_F& name, const std::string& folder) {
        EXPECT_TRUE(ky_F::Match("kyf*.tmp", ky_F(name).ToFilePart().c_str())) << S(name);
        EXPECT_EQ(S(ky_F(name).ToPathPart(true)), folder);
        EXPECT_EQ(ky_F(name).GetSize(), 0u);
        DeleteFileA(name.c_str());
    };
    ky_F temp;
    expectNewTemp(ky_F().ToTempFileName(), S(temp.ToTempPath().ToPathPart(true)));
    expectNewTemp(ky_F(tree.Path().c_str()).ToTempFileName(false), tree.Path());
    expectNewTemp(ky_F((tree.Path() + "/").c_str()).ToTempFileName(false), tree.Path());
    expectNewTemp(ky_F(tree.Path("target.txt").c_str()).ToTempFileName(true), tree.Path());

    ky_F bad(tree.Path("no\\such\\folder").c_str());
    EXPECT_THROW(bad.ToTempFileName(false), os_error);
    EXPECT_EQ(S(bad), tree.Path("no\\such\\folder"));
}

TEST(PathOps, AttributesInfoAndSizes)
{
    FileTestTree tree;
    tree.File("f.bin", 1234);
    tree.Dir("d");
    const ky_F file(tree.Path("f.bin").c_str()), dir(tree.Path("d").c_str()),
        none(tree.Path("none").c_str());

    EXPECT_TRUE(file.Exists() && file.IsFile() && !file.IsDirectory());
    EXPECT_TRUE(dir.Exists() && dir.IsDirectory() && !dir.IsFile());
    EXPECT_FALSE(none.Exists() || none.IsFile() || none.IsDirectory());

    file.SetAttributes(FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(file.GetAttributes() & FILE_ATTRIBUTE_READONLY, DWORD(FILE_ATTRIBUTE_READONLY));
    file.SetAttributes(FILE_ATTRIBUTE_NORMAL);
    DWORD attributes = 12345;
    EXPECT_FALSE(none.GetAttributes(attributes) || attributes != 12345);
    EXPECT_FALSE(none.SetAttributes(std::nothrow, FILE_ATTRIBUTE_NORMAL));
    EXPECT_THROW(none.SetAttributes(FILE_ATTRIBUTE_NORMAL), os_error);

    FileInfo info;
    EXPECT_STREQ(file.GetInfo(info).cFileName, "f.bin");
    try {
        none.GetInfo(info);
        ADD_FAILURE() << "GetInfo of a missing file";
    } catch (const os_error& e) {
        EXPECT_EQ(e.code(), static_cast<unsigned long>(ERROR_FILE_NOT_FOUND));
    }

    unsigned size32 = 0;
    unsigned long long size64 = 0;
    EXPECT_TRUE(file.GetSize(size32) && file.GetSize(size64));
    EXPECT_EQ(size32 + size64 + file.GetSize() + file.GetSize64(), 4 * 1234u);
    for (const ky_F* f : {&dir, &none}) {
        EXPECT_FALSE(f->GetSize(size32) || f->GetSize(size64)) << S(*f);
        EXPECT_THROW(f->GetSize(), os_error) << S(*f);
        EXPECT_THROW(f->GetSize64(), os_error) << S(*f);
    }
}

namespace {

DWORD WINAPI FakeResolver(LPCSTR local, DWORD level, LPVOID buffer, LPDWORD size)
{
    if (level != UNIVERSAL_NAME_INFO_LEVEL || *size < 520 || _strnicmp(local, "M:\\", 3) != 0)
        return ERROR_NOT_CONNECTED;
    UNIVERSAL_NAME_INFOA* info = static_cast<UNIVERSAL_NAME_INFOA*>(buffer);
    char* text = static_cast<char*>(buffer) + sizeof *info;
    std::strcpy(text, "\\\\server\\share\\");
    std::strcat(text, local + 3);
    info->lpUniversalName = text;
    return NO_ERROR;
}

} // namespace

TEST(PathOps, StoreAsUncThroughTheResolver)
{
    UniversalNameResolver old = SetUniversalNameResolver(FakeResolver);
    struct Row {
        const char *path, *expected;
        bool result;
    } rows[] = {{"M:\\dir\\f.txt", "\\\\server\\share\\dir\\f.txt", true},
                {"\\\\other\\x\\f", "\\\\other\\x\\f", true},
                {"C:\\local.txt", "C:\\local.txt", false}};
    for (const Row& r : rows) {
        ky_F out("previous");
        EXPECT_EQ(ky_F(r.path).StoreAsUNC(out), r.result) << r.path;
        EXPECT_EQ(S(out), r.expected);
    }
    SetUniversalNameResolver(old);
    // The system's lookup: a local drive has no universal name.
    ky_F out;
    EXPECT_FALSE(ky_F("C:\\windows").StoreAsUNC(out));
    EXPECT_EQ(S(out), "C:\\windows");
}

namespace {

// 10 pixels a character, 3 for '.', as a proportional font would.
bool NarrowDots(HDC, const char* text, int count, int* width, int* extents)
{
    int w = 0;
    for (int i = 0; i < count; ++i) {
        w += text[i] == '.' ? 3 : 10;
        if (extents)
            extents[i] = w;
    }
    *width = w;
    return true;
}

bool Failing(HDC, const char*, int, int*, int*)
{
    return false;
}

} // namespace

TEST(PathOps, PathEllipsisDropsFoldersOneAtATime)
{
    TextMeasurer old = SetTextMeasurer(NarrowDots);
    struct Row {
        const char* path;
        int width;
        const char* expected;
    } rows[] = {
        {"C:\\a\\b\\c\\file.txt", 163, "C:\\a\\b\\c\\file.txt"},
        {"C:\\a\\b\\c\\file.txt", 162, "C:\\...\\b\\c\\file.txt"},
        {"C:\\a\\b\\c\\file.txt", 150, "C:\\...\\c\\file.txt"},
        {"C:\\a\\b\\c\\file.txt", 130, "C:\\...\\file.txt"},
        // Nothing left to drop: the full path gets a leading ellipsis.
        {"C:\\a\\b\\c\\file.txt", 121, "...\\c\\file.txt"},
        {"\\\\srv\\share\\a\\f.txt", 170, "\\\\srv\\...\\a\\f.txt"},
        {"C:file.txt", 60, "...e.txt"},
        {"", 0, ""},
    };
    for (const Row& r : rows)
        EXPECT_EQ(S(ky_F(r.path).ToPathEllipsis(nullptr, r.width)), r.expected) << r.width;

    SetTextMeasurer(Failing);
    EXPECT_EQ(S(ky_F("C:\\a\\b\\c\\file.txt").ToPathEllipsis(nullptr, 10)),
              "C:\\a\\b\\c\\file.txt");
    SetTextMeasurer(old);
}
