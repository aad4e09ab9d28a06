// The texts gathered for a tool's next message box: a lone text as it is,
// several one a line, those beyond the listed ones and those known only by
// their number counted in a last line; each text of its given length.
#include "FinderLink/Texts/GatheredTexts.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using Kyvant::FinderLink::GatheredTexts;

// The box's text for count texts added and then refused ones counted.
std::string Numbered(unsigned count, unsigned refused = 0)
{
    GatheredTexts texts;
    for (unsigned i = 1; i <= count; ++i) {
        const std::string text = "text " + std::to_string(i);
        texts.Add(text.c_str(), static_cast<unsigned>(text.size()));
    }
    texts.Count(refused);
    EXPECT_EQ(count + refused, texts.Size());
    EXPECT_EQ(count + refused == 0, texts.Empty());
    return texts.Take();
}

std::string Lines(unsigned first, unsigned last)
{
    std::string lines;
    for (unsigned i = first; i <= last; ++i)
        lines += (lines.empty() ? "" : "\r\n") + std::string("text ") + std::to_string(i);
    return lines;
}

TEST(GatheredTexts, ListsUpToThirtyTextsAndCountsTheRest)
{
    const struct {
        unsigned added;
        std::string shown;
    } cases[] = {
        {0, ""},
        {1, "text 1"},
        {3, "text 1\r\ntext 2\r\ntext 3"},
        {30, Lines(1, 30)},
        {31, Lines(1, 30) + "\r\n... and 1 more message."},
        {5000, Lines(1, 30) + "\r\n... and 4970 more messages."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.added);
        EXPECT_EQ(c.shown, Numbered(c.added));
    }
}

TEST(GatheredTexts, TextsKnownOnlyByTheirNumberJoinTheCountedOnes)
{
    const struct {
        unsigned added;
        unsigned refused;
        std::string shown;
    } cases[] = {
        {2, 0, "text 1\r\ntext 2"},
        {0, 1, "... and 1 more message."},
        {1, 2, "text 1\r\n... and 2 more messages."},
        {31, 3, Lines(1, 30) + "\r\n... and 4 more messages."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.added) + " added, " + std::to_string(c.refused) + " refused");
        EXPECT_EQ(c.shown, Numbered(c.added, c.refused));
    }
}

TEST(GatheredTexts, TakeEmptiesAndTakesTheGivenLength)
{
    GatheredTexts texts;
    EXPECT_TRUE(texts.Empty());
    texts.Add("first", 5);
    texts.Add("with its length", 4);
    texts.Add(nullptr, 3);
    EXPECT_FALSE(texts.Empty());
    EXPECT_EQ("first\r\nwith\r\n", texts.Take());
    EXPECT_TRUE(texts.Empty());
    EXPECT_EQ(0u, texts.Size());
    EXPECT_EQ("", texts.Take());
}

} // namespace
