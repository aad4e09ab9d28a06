// The editor's command line from its arguments, and its two registry values.
#include "KyFind/Gui/Editor/EditorCommand.h"

#include <gtest/gtest.h>

using Kyvant::FindEditor::BuildEditorCommandLine;
using Kyvant::FindEditor::EditorSettings;

namespace {

struct CommandCase {
    const char* options;
    const char* file;
    unsigned line;
    const char* expected;
};

const CommandCase kCommandCases[] = {
    // Both placeholders: the name goes in as it is, unquoted.
    {"-n%L %F", "C:\\a b.c", 12, "-n12 C:\\a b.c"},
    // No arguments: the quoted name alone, no leading blank.
    {"", "C:\\a b.c", 12, "\"C:\\a b.c\""},
    // No placeholder: a blank and the quoted name appended.
    {"/readonly", "C:\\a b.c", 12, "/readonly \"C:\\a b.c\""},
    {"-x", "C:\\plain.c", 3, "-x C:\\plain.c"},
    // Only the first of each placeholder is replaced.
    {"%F:%L:%L %F", "x.c", 7, "x.c:7:%L %F"},
    // A line placeholder alone still gets the name appended.
    {"+%L", "C:\\a b.c", 0, "+0 \"C:\\a b.c\""},
};

} // namespace

TEST(EditorCommand, PlaceholdersAndQuoting)
{
    for (const CommandCase& c : kCommandCases)
        EXPECT_EQ(c.expected, BuildEditorCommandLine(c.options, c.file, c.line)) << c.options;
}

class EditorSettingsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        RegDeleteKeyA(HKEY_CURRENT_USER, kKey);
        ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_CURRENT_USER, kKey, 0, nullptr, 0,
                                                 KEY_ALL_ACCESS, nullptr, &key_, nullptr));
    }
    void TearDown() override
    {
        RegCloseKey(key_);
        RegDeleteKeyA(HKEY_CURRENT_USER, kKey);
    }

    static constexpr const char* kKey = "Software\\Kyvant\\Tests\\KyFindGEditor";
    HKEY key_ = nullptr;
};

TEST_F(EditorSettingsTest, DefaultsWhenMissingOrOfAnotherType)
{
    const DWORD number = 5;
    RegSetValueExA(key_, "EditorOptions", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number),
                   sizeof number);
    EditorSettings settings;
    settings.Load(key_);
    EXPECT_EQ("notepad.exe", settings.path);
    EXPECT_EQ("", settings.options);
}

TEST_F(EditorSettingsTest, StoredValuesComeBack)
{
    EditorSettings stored;
    stored.path = "C:\\Tools\\ed.exe";
    stored.options = "-n%L %F";
    stored.Store(key_);
    EditorSettings loaded;
    loaded.Load(key_);
    EXPECT_EQ(stored.path, loaded.path);
    EXPECT_EQ(stored.options, loaded.options);

    // An empty path is kept as empty, not taken for the default.
    stored.path.clear();
    stored.Store(key_);
    loaded.Load(key_);
    EXPECT_EQ("", loaded.path);
}
