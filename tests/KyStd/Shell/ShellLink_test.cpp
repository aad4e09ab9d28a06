// Tests of shortcut resolution: a shortcut's target, and other files' own paths.
#include "KyStd/Shell/Co.h"
#include "KyStd/Shell/ShellLink.h"
#include "ShellTestUtil.h"

#include <gtest/gtest.h>
#include <shlobj.h>

using namespace Kyvant;
using ShellTest::ComPtr;
using ShellTest::TempPath;

TEST(ShellLinks, AShortcutGivesItsTargetAndOtherFilesTheirOwnPath)
{
    Co::Initializer com;
    char target[MAX_PATH];
    GetSystemDirectoryA(target, MAX_PATH);
    strcat(target, "\\notepad.exe");
    const std::string link = TempPath("kyshell-link.lnk");
    {
        IShellLinkA* raw = nullptr;
        ASSERT_EQ(S_OK, CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                         IID_IShellLinkA, reinterpret_cast<void**>(&raw)));
        ComPtr<IShellLinkA> sl(raw);
        sl->SetPath(target);
        IPersistFile* pf = nullptr;
        ASSERT_EQ(S_OK, sl->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&pf)));
        ComPtr<IPersistFile> file(pf);
        ASSERT_EQ(S_OK, file->Save(std::wstring(link.begin(), link.end()).c_str(), TRUE));
    }
    long hr = E_FAIL;
    EXPECT_STRCASEEQ(target, Shell::ResolveLink(link.c_str(), &hr).c_str());
    EXPECT_EQ(S_OK, hr);
    EXPECT_STRCASEEQ(target,
                     Shell::ResolveLink(std::wstring(link.begin(), link.end()).c_str()).c_str());
    std::string padded = link + "garbage"; // the counted form reads only its characters
    EXPECT_STRCASEEQ(
        target, Shell::ResolveLink(padded.c_str(), static_cast<unsigned>(link.size())).c_str());
    DeleteFileA(link.c_str());

    const std::string text = TempPath("kyshell-not-a-link.txt");
    ShellTest::WriteFileText(text, "plain text");
    for (const std::string& path : {text, TempPath("kyshell-missing.lnk")}) {
        hr = S_OK;
        EXPECT_STREQ(path.c_str(), Shell::ResolveLink(path.c_str(), &hr).c_str());
        EXPECT_GT(0, hr) << path;
    }
    DeleteFileA(text.c_str());
}
