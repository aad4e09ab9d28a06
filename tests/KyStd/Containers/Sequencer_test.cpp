// Tests of the sequencers: counts of forward input, back inserts, copy and fill, null input.
#include "KyStd/Containers/List.h"
#include "KyStd/Containers/Sequencer.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

using namespace Kyvant;

TEST(Sequencer, ForwardInputCountsWhatRemains)
{
    ky_list<int> five, empty;
    for (int i = 1; i <= 5; ++i)
        five.push_back(i);
    struct Case {
        const ky_list<int>& list;
        unsigned advance, remaining, afterRewind;
    };
    for (const Case& c : {Case{five, 2, 3, 5}, Case{five, 9, 0, 5}, Case{empty, 0, 0, 0}}) {
        SCOPED_TRACE(c.advance);
        forward_input_sequencer<ky_list<int>> in(c.list);
        in.advance(c.advance);
        EXPECT_EQ(in.remaining(), c.remaining);
        EXPECT_EQ(in.at_end(), c.remaining == 0);
        in.rewind();
        EXPECT_EQ(in.remaining(), c.afterRewind);
        EXPECT_EQ(in.at_end(), c.afterRewind == 0);
    }

    // A sub-range is counted by walking it; rewinding returns to its first.
    forward_input_sequencer<ky_list<int>> middle(five, ++five.begin(), --five.end());
    middle.next();
    EXPECT_EQ(middle.remaining(), 2u);
    middle.rewind();
    EXPECT_EQ(middle.current(), 2);
    EXPECT_EQ(middle.remaining(), 3u);
}

TEST(Sequencer, BackInsertClearsOnlyWithItsFlag)
{
    for (bool clearAllowed : {false, true}) {
        SCOPED_TRACE(clearAllowed);
        ky_list<std::string> target;
        target.push_back("old");
        back_insert_sequencer<ky_list<std::string>, const char*> out(target, clearAllowed);
        out.clear();
        out.append("new");
        std::vector<std::string> expected{"old", "new"};
        if (clearAllowed)
            expected.erase(expected.begin());
        EXPECT_EQ(std::vector<std::string>(target.begin(), target.end()), expected);
        EXPECT_EQ(out.count(), expected.size());
    }
}

TEST(Sequencer, CopyAndFill)
{
    ky_list<std::string> names;
    names.push_back("a");
    names.push_back("b");
    std::vector<std::string> copy;
    CopySequence(forward_input_sequencer<ky_list<std::string>>(names),
                 back_insert_sequencer<std::vector<std::string>>(copy));
    EXPECT_EQ(copy, (std::vector<std::string>{"a", "b"}));

    using Names =
        forward_input_sequencer<ky_list<std::string>, ky_cast_converter<std::string, const char*>>;
    const char* argv[2] = {nullptr, nullptr};
    // Too long for the array: refused before anything is written or read.
    Names in(names);
    EXPECT_THROW(FillArray<const char*>(in, argv, 1), std::length_error);
    EXPECT_EQ(argv[0], nullptr);
    EXPECT_EQ(in.remaining(), 2u);
    EXPECT_EQ(FillArray<const char*>(in, argv, 2), argv + 2);
    EXPECT_STREQ(argv[1], "b");
}

TEST(Sequencer, NullInputIsEmptyAndRefusesReads)
{
    null_input_sequencer<int> in;
    EXPECT_TRUE(in.at_end());
    EXPECT_EQ(in.remaining(), 0u);
    in.rewind();
    const null_input_sequencer<int>& constIn = in;
    const std::function<void()> reads[] = {
        [&] { in.next(); },
        [&] { in.advance(1); },
        [&] { in.current(); },
        [&] { constIn.current(); },
    };
    for (const auto& read : reads) {
        try {
            read();
            ADD_FAILURE() << "no throw";
        } catch (const std::runtime_error& e) {
            EXPECT_STREQ(e.what(), "Illegal call of null_input_sequencer function");
        }
    }
}
