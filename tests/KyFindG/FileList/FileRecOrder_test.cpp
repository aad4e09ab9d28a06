// The file list's name order against the file names' own: case, the two
// separators, separators before other characters, prefixes and bytes above
// 0x7F order alike.
#include "KyFind/Gui/FileList/FileRecOrder.h"

#include <gtest/gtest.h>

namespace {

int Sign(int value)
{
    return value < 0 ? -1 : (value > 0 ? 1 : 0);
}

} // namespace

TEST(FileRecOrder, NamesOrderAsFileNamesDo)
{
    const char* const pairs[][2] = {
        {"a.txt", "B.txt"},
        {"B.txt", "a.txt"},
        {"a.txt", "A.TXT"},
        {"x/b", "x\\a"},
        {"x\\a", "x/b"},
        {"a/b", "a\\b"},
        {"abc", "ab"},
        {"", "a"},
        {"A-b", "a_b"},
        {"Zeta", "alpha"},
        {"x\\", "x!"},
        {"x/", "x\x01"},
        {"\xC9t\xE9", "\xE9T\xC9"},
        {"\xC9", "F"},
        {"file10", "file9"},
        {"same", "same"},
    };
    const FileRecOrder order(FileListView::Name, false);
    for (const auto& pair : pairs) {
        const Kyvant::ky_F a(pair[0]), b(pair[1]);
        EXPECT_EQ(Sign(a.compare(b)), Sign(order.CompareFileNames(a, b)))
            << '"' << pair[0] << "\" against \"" << pair[1] << '"';
    }
}
