// Tests of registry keys: deleting a tree, missing keys and values, sub-keys and value deletion.
#include "KyStd/Registry/RegKey.h"
#include "KyStd/Registry/RegValues.h"
#include "RegScratch.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace Kyvant;
using namespace KyTest;

TEST(RegKeyTest, DeleteKeyRemovesAThreeLevelTree)
{
    RegScratch scratch("regkey_tree");
    for (const char* path : {"top\\mid\\low", "top\\mid\\low2", "top\\mid2", "keep"}) {
        HKEY key = SubKey(scratch.get(), path);
        PutString(key, "v", path);
        RegCloseKey(key);
    }
    RegKey parent(scratch.get(), "");
    parent.DeleteKey("top");
    EXPECT_FALSE(KeyExists(scratch.get(), "top"));
    EXPECT_TRUE(KeyExists(scratch.get(), "keep"));
    // Missing keys are no error, at any depth.
    parent.DeleteKey("top");
    parent.DeleteKey("keep\\none\\deeper");
    EXPECT_TRUE(KeyExists(scratch.get(), "keep"));
}

TEST(RegKeyTest, MissingKeysAndValues)
{
    RegScratch scratch("regkey_missing");
    PutString(scratch.get(), "text", "12");
    PutDword(scratch.get(), "number", 77);
    DWORD small = 5;
    RegSetValueExA(scratch.get(), "short", 0, REG_DWORD, reinterpret_cast<BYTE*>(&small), 2);

    struct {
        const char* name;
        DWORD expected;
    } dwords[] = {{"number", 77}, {"text", 999}, {"short", 999}, {"none", 999}};
    for (const auto& c : dwords)
        EXPECT_EQ(GetRegistryDWORD(scratch.get(), c.name, 999), c.expected) << c.name;

    RegKey key(scratch.get(), "");
    key.DeleteValue("none");
    key.DeleteValue("text");
    EXPECT_EQ(GetString(scratch.get(), "text"), "<none>");

    RegKey probe;
    EXPECT_EQ(probe.Open(scratch.get(), "absent"), ERROR_FILE_NOT_FOUND);
    EXPECT_TRUE(probe.empty());
    try {
        RegKey(KyOpen, scratch.get(), "absent");
        ADD_FAILURE() << "no exception";
    } catch (const os_error& e) {
        EXPECT_EQ(e.code(), static_cast<unsigned long>(ERROR_FILE_NOT_FOUND));
    }
    EXPECT_FALSE(KeyExists(scratch.get(), "absent"));
}

TEST(RegKeyTest, SubkeysAndValueDeletion)
{
    RegScratch scratch("regkey_info");
    for (const char* sub : {"b", "a", "longer_name"})
        RegCloseKey(SubKey(scratch.get(), sub));
    PutString(scratch.get(), "", "default");
    PutString(scratch.get(), "abc", "12345678");
    PutDword(scratch.get(), "d", 1);

    RegKey key(KyOpen, scratch.get(), "");
    EXPECT_EQ(key.GetMaxSubKeyNameLength(), 11u);
    std::vector<std::string> names;
    ky_S name;
    DWORD i = 0;
    for (; key.EnumSubKey(i, name) == ERROR_SUCCESS; ++i)
        names.push_back(name.c_str());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"a", "b", "longer_name"}));
    EXPECT_EQ(key.EnumSubKey(i, name), ERROR_NO_MORE_ITEMS);

    key.DeleteAllValues();
    EXPECT_TRUE(ValueNames(scratch.get()).empty());
    EXPECT_EQ(key.GetNumSubKeys(), 3u);
}
