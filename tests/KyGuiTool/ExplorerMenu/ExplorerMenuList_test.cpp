// Tests of the stored menu entries' parts as the editor and the shell
// extension both read them.
#include "KyGuiTool/ExplorerMenu/ExplorerMenuList.h"

#include <gtest/gtest.h>

#include <string>

namespace {

namespace Menu = Kyvant::ExplorerMenu;

struct EntryCase {
    const char* entry;
    const char* caption;
    const char* command;
    bool separator;
    int tool; // index into the tool table; -1 for none
};

TEST(ExplorerMenuList, EntriesSplitAtTheFirstBar)
{
    const EntryCase cases[] = {
        {"&Find|:KyFindG.exe", "&Find", ":KyFindG.exe", false, 3},
        {"Find it|:kyfindg.exe", "Find it", ":kyfindg.exe", false, 3},
        {"Saved|C:\\Tasks\\a|b.kyfnd", "Saved", "C:\\Tasks\\a|b.kyfnd", false, -1},
        {"Saved|KyFindG.exe", "Saved", "KyFindG.exe", false, -1},
        {"Other|:KyOther.exe", "Other", ":KyOther.exe", false, -1},
        {"Bare", "Bare", "", false, -1},
        {"Empty|", "Empty", "", false, -1},
        {"-", "-", "", true, -1},
        {"-|:KyTab.exe", "-", ":KyTab.exe", true, 5},
        {"--", "--", "", false, -1},
    };
    for (const EntryCase& c : cases) {
        SCOPED_TRACE(c.entry);
        EXPECT_STREQ(c.caption, Menu::Caption(c.entry).c_str());
        EXPECT_STREQ(c.command, Menu::Command(c.entry).c_str());
        EXPECT_EQ(c.separator, Menu::IsSeparator(c.entry));
        EXPECT_EQ(c.tool, Menu::ToolIndex(Menu::Command(c.entry).c_str()));
    }
}

} // namespace
