// Tests of shell folders: parents of lists, real folders and their names, STRRET records.
#include "KyStd/Shell/Co.h"
#include "KyStd/Shell/ItemIdList.h"
#include "KyStd/Shell/ShellFolders.h"
#include "KyStd/Shell/ShellNames.h"
#include "ShellTestUtil.h"

#include <gtest/gtest.h>

#include <vector>

using namespace Kyvant;
using ShellTest::ComPtr;
using ShellTest::RaisedBy;

namespace {

using ShellPtr = std::unique_ptr<ITEMIDLIST, Shell::MallocDeleter>;

class ShellFolders : public testing::Test {
    Co::Initializer com_;
};

} // namespace

TEST_F(ShellFolders, GetParentRestoresTheCallersList)
{
    // A list whose parent is a file: binding the parent as a folder fails.
    char system[MAX_PATH];
    GetSystemDirectoryA(system, MAX_PATH);
    IShellFolder* desktop = Shell::GetDesktopFolder();
    ShellPtr file(Shell::GetPidl(desktop, (std::string(system) + "\\notepad.exe").c_str()));
    ShellPtr list(Shell::Join(file.get(), file.get()));
    auto bytes = [&] {
        auto p = reinterpret_cast<const BYTE*>(list.get());
        return std::vector<BYTE>(p, p + Shell::Size(list.get()));
    };
    const auto original = bytes();
    LPITEMIDLIST lastItem = list.get();
    while (Shell::Next(lastItem))
        lastItem = Shell::Next(lastItem);
    LPITEMIDLIST last = nullptr;
    EXPECT_GT(0, RaisedBy([&] { Shell::GetParent(desktop, list.get(), &last); }));
    EXPECT_EQ(original, bytes());
    EXPECT_EQ(lastItem, last) << "points into the caller's list";

    // A one-item list's parent is the folder itself; an empty list has none.
    BYTE one[8] = {6, 0, 'x', 'x', 'x', 'x', 0, 0};
    ComPtr<IShellFolder> self(
        Shell::GetParent(desktop, reinterpret_cast<LPITEMIDLIST>(one), &last));
    EXPECT_EQ(desktop, self.get());
    EXPECT_EQ(reinterpret_cast<LPITEMIDLIST>(one), last);
    EXPECT_EQ(E_INVALIDARG, RaisedBy([&] {
                  Shell::GetParent(desktop, reinterpret_cast<LPITEMIDLIST>(one + 6), &last);
              }));
    EXPECT_EQ(E_POINTER, RaisedBy([&] {
                  Shell::GetUIObjectOf(nullptr, reinterpret_cast<LPITEMIDLIST>(one),
                                       IID_IDataObject);
              }));
}

TEST_F(ShellFolders, RealFoldersAndTheirNames)
{
    char windows[MAX_PATH], system[MAX_PATH];
    GetWindowsDirectoryA(windows, MAX_PATH);
    GetSystemDirectoryA(system, MAX_PATH);
    EXPECT_STRCASEEQ(windows, Shell::GetSpecialFolderPath(CSIDL_WINDOWS).c_str());

    LPITEMIDLIST raw = nullptr;
    ComPtr<IShellFolder> folder(Shell::GetFolder(system, &raw));
    ShellPtr pidl(raw);
    IShellFolder* desktop = Shell::GetDesktopFolder();
    EXPECT_STRCASEEQ(system, Shell::GetDisplayName(desktop, pidl.get(), SHGDN_FORPARSING).c_str());
    LPITEMIDLIST last = nullptr;
    ComPtr<IShellFolder> parent(Shell::GetParent(desktop, pidl.get(), &last));
    EXPECT_TRUE(Shell::GetDisplayName(parent.get(), last, SHGDN_INFOLDER) == ky_I("SYSTEM32"));
    ComPtr<IUnknown> data(
        static_cast<IUnknown*>(Shell::GetUIObjectOf(desktop, pidl.get(), IID_IDataObject)));
    EXPECT_NE(nullptr, data);

    // The desktop parses to the empty list and is its own folder.
    ComPtr<IShellFolder> desk(Shell::GetSpecialFolder(CSIDL_DESKTOP));
    EXPECT_EQ(desktop, desk.get());
    EXPECT_GT(0, RaisedBy([] { Shell::GetFolder("C:\\no\\such\\folder-kyvant"); }));

    // The long name comes in the file system's spelling; a failure keeps the path.
    long hr = E_FAIL;
    EXPECT_STREQ(system,
                 Shell::GetLongName((std::string(windows) + "\\SYSTEM32").c_str(), &hr).c_str());
    EXPECT_EQ(S_OK, hr);
    EXPECT_STREQ("C:\\no\\such", Shell::GetLongName("C:\\no\\such", &hr).c_str());
    EXPECT_GT(0, hr);
}

TEST_F(ShellFolders, ToNarrowStringReadsEveryRecordKind)
{
    // Wine answers with wide records only; the other kinds are made up here.
    STRRET wide = {STRRET_WSTR, {}};
    wide.pOleStr = static_cast<LPWSTR>(Shell::GetShellMalloc()->Alloc(16));
    wcscpy(wide.pOleStr, L"Wide");
    EXPECT_STREQ("Wide", Shell::ToNarrowString(wide, nullptr).c_str());
    EXPECT_EQ(nullptr, wide.pOleStr) << "freed through the shell allocator";

    BYTE item[14] = {12, 0, 'x', 'y', 'n', 'a', 'm', 'e', 0};
    auto pidl = reinterpret_cast<LPCITEMIDLIST>(item);
    STRRET offset = {STRRET_OFFSET, {}};
    offset.uOffset = 4;
    EXPECT_STREQ("name", Shell::ToNarrowString(offset, pidl).c_str());

    STRRET inline_ = {STRRET_CSTR, {}};
    strcpy(inline_.cStr, "inline");
    EXPECT_STREQ("inline", Shell::ToNarrowString(inline_, nullptr).c_str());
    memset(inline_.cStr, 'z', sizeof inline_.cStr); // no terminator at all
    EXPECT_EQ(sizeof inline_.cStr, Shell::ToNarrowString(inline_, nullptr).length());

    STRRET unknown = {7, {}};
    EXPECT_EQ(E_FAIL, RaisedBy([&] { Shell::ToNarrowString(unknown, pidl); }));
    EXPECT_EQ(E_INVALIDARG, RaisedBy([&] { Shell::ToNarrowString(offset, nullptr); }));
    offset.uOffset = 200;
    EXPECT_EQ(E_INVALIDARG, RaisedBy([&] { Shell::ToNarrowString(offset, pidl); }));
}
