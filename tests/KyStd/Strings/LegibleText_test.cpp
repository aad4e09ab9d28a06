// The one rule for the bytes a text view shows as they are: tab and line
// feed stay, printable ASCII stays, other control bytes become the mark, and
// the locale decides only from 0x80 up.
#include "KyStd/Strings/LegibleText.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>

using namespace Kyvant::LegibleText;

TEST(LegibleText, ControlBytesExceptTabAndLineFeedAreMarked)
{
    const struct {
        unsigned char byte;
        bool legible;
    } cases[] = {
        {'\t', true},  {'\n', true},  {' ', true},   {'A', true},   {'~', true},
        {'\0', false}, {'\r', false}, {0x01, false}, {0x1F, false}, {0x7F, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.legible, IsLegible(c.byte)) << "byte " << int(c.byte);
    for (unsigned byte = 0x80; byte < 0x100; ++byte)
        EXPECT_EQ(std::isprint(static_cast<int>(byte)) != 0,
                  IsLegible(static_cast<unsigned char>(byte)))
            << "byte " << byte;
}

TEST(LegibleText, TableMarksWhatTheRuleRefusesInPlace)
{
    const Table table;
    std::string all;
    for (unsigned byte = 0; byte < 0x100; ++byte) {
        EXPECT_EQ(IsLegible(static_cast<unsigned char>(byte)),
                  table.Legible(static_cast<unsigned char>(byte)))
            << "byte " << byte;
        all += static_cast<char>(byte);
    }
    std::string shown = all;
    table.MarkIllegible(&shown[0], &shown[0] + shown.size());
    ASSERT_EQ(all.size(), shown.size());
    for (unsigned byte = 0; byte < 0x100; ++byte) {
        const char expected =
            IsLegible(static_cast<unsigned char>(byte)) ? all[byte] : static_cast<char>(kMark);
        EXPECT_EQ(expected, shown[byte]) << "byte " << byte;
    }
}
