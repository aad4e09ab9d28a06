// The match pane's texts: singular and plural forms, numbers grouped by the
// user's locale and not at all in the C locale.
#include "KyFind/Gui/Frame/MatchStatus.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>

using namespace Kyvant::FindFrame;

TEST(MatchStatus, FormsAndGrouping)
{
    // The program takes the user's locale: English (United States) here.
    const struct {
        unsigned long long matches, files;
        const char* text;
    } cases[] = {
        {1, 1, "1 match in 1 file"},
        {1234, 2, "1,234 matches in 2 files"},
        {2, 1, "2 matches in 1 file"},
        {1, 3, "1 match in 3 files"},
        {0, 0, "0 matches in 0 files"},
        {999, 1000, "999 matches in 1,000 files"},
        {1234567890ULL, 12, "1,234,567,890 matches in 12 files"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.text, MatchStatusText(c.matches, c.files));
}

TEST(MatchStatus, NoGroupingInTheCLocale)
{
    const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
    std::setlocale(LC_NUMERIC, "C");
    EXPECT_EQ("1234567", GroupThousands(1234567));
    std::setlocale(LC_NUMERIC, saved.c_str());
    EXPECT_EQ("1,234,567", GroupThousands(1234567));
    EXPECT_EQ("123", GroupThousands(123));
}
