// Tests of the shell extension's registration: what registering writes, that
// removing takes it all away even when pieces are missing, and the query.
#include "KyGuiTool/ExplorerMenu/ShellExtensionRegistration.h"

#include "ExplorerMenu/RegistryReading.h"
#include "common/ProgramFolder.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using menutest::KeyExists;
using menutest::StringValue;

const std::string kClassId = "{57E25520-4EBA-11d2-AF21-00E0291D2688}";
const std::string kClassKey = "CLSID\\" + kClassId;
const char kApproved[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Shell Extensions\\Approved";
const char* const kOwners[] = {"*", "Directory", "Drive", "Folder"};

std::string HandlerKey(const char* owner)
{
    return std::string(owner) + "\\shellex\\ContextMenuHandlers\\KyToolsMenu";
}

// The prefix is shared by every test program: nothing stays registered.
class Registration : public ::testing::Test {
protected:
    void TearDown() override { SetShellExtensionRegistration(false); }
};

TEST_F(Registration, RegisteringWritesClassHandlersAndApproval)
{
    SetShellExtensionRegistration(true);
    EXPECT_TRUE(IsShellExtensionRegistered());
    EXPECT_EQ("Kyvant Tools Shell Extension", StringValue(HKEY_CLASSES_ROOT, kClassKey, nullptr));
    const std::string server = kClassKey + "\\InProcServer32";
    EXPECT_EQ(kytest::ProgramFolder() + "KyShellX.dll",
              StringValue(HKEY_CLASSES_ROOT, server, nullptr));
    EXPECT_EQ("Apartment", StringValue(HKEY_CLASSES_ROOT, server, "ThreadingModel"));
    for (const char* owner : kOwners)
        EXPECT_EQ(kClassId, StringValue(HKEY_CLASSES_ROOT, HandlerKey(owner), nullptr)) << owner;
    EXPECT_EQ("Kyvant Tools Shell Extension",
              StringValue(HKEY_LOCAL_MACHINE, kApproved, kClassId.c_str()));
}

TEST_F(Registration, UnregisteringRemovesEverythingEvenWithPiecesMissing)
{
    SetShellExtensionRegistration(true);
    ::RegDeleteKeyA(HKEY_CLASSES_ROOT, HandlerKey("Drive").c_str());
    HKEY approved = nullptr;
    ASSERT_EQ(ERROR_SUCCESS,
              ::RegOpenKeyExA(HKEY_LOCAL_MACHINE, kApproved, 0, KEY_SET_VALUE, &approved));
    ::RegDeleteValueA(approved, kClassId.c_str());
    ::RegCloseKey(approved);

    EXPECT_NO_THROW(SetShellExtensionRegistration(false));
    EXPECT_FALSE(IsShellExtensionRegistered());
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, kClassKey));
    for (const char* owner : kOwners)
        EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, HandlerKey(owner))) << owner;
    EXPECT_EQ("<missing>", StringValue(HKEY_LOCAL_MACHINE, kApproved, kClassId.c_str()));

    EXPECT_NO_THROW(SetShellExtensionRegistration(false)) << "nothing left to remove";
    EXPECT_FALSE(IsShellExtensionRegistered());
}

} // namespace
