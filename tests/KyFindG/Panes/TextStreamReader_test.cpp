// The file view's stream reader fed through blocks of every size: CR LF is
// one line end also when a block ends between them, a lone CR and control
// bytes show as 0xB7, and binary mode keeps every CR as 0xB7.
#include "KyFind/Gui/TextView/TextStreamReader.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

using Kyvant::TextView::TextStreamReader;

// The whole file read in blocks of the size; the reader's result per block.
std::string ReadInBlocks(const std::string& bytes, bool binary, long blockSize)
{
    std::FILE* file = std::tmpfile();
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::rewind(file);
    TextStreamReader reader(file, binary);
    std::string out;
    std::vector<unsigned char> buffer(static_cast<size_t>(blockSize));
    for (;;) {
        long got = -1;
        EXPECT_TRUE(reader.Read(buffer.data(), blockSize, &got));
        if (got <= 0)
            break;
        EXPECT_LE(got, blockSize);
        out.append(reinterpret_cast<const char*>(buffer.data()), static_cast<size_t>(got));
    }
    EXPECT_EQ(static_cast<long>(out.size()), reader.Delivered());
    std::fclose(file);
    return out;
}

struct StreamCase {
    const char* name;
    std::string bytes;
    std::string text;   // binary mode off
    std::string binary; // binary mode on
};

TEST(TextStreamReader, EveryBlockSizeGivesTheSameText)
{
    const std::string dot = "\xB7";
    const std::vector<StreamCase> cases = {
        {"CR LF lines", "one\r\ntwo\r\n", "one\ntwo\n", "one" + dot + "\ntwo" + dot + "\n"},
        {"a lone CR", "a\rb\n", "a" + dot + "b\n", "a" + dot + "b\n"},
        {"CR CR LF", "a\r\r\nb", "a" + dot + "\nb", "a" + dot + dot + "\nb"},
        {"CR at the end", "a\r", "a" + dot, "a" + dot},
        {"tabs and controls", "\tx\x01y\x7F\n", "\tx" + dot + "y" + dot + "\n",
         "\tx" + dot + "y" + dot + "\n"},
        {"LF only", "\n\n", "\n\n", "\n\n"},
        {"empty", "", "", ""},
    };
    for (const StreamCase& c : cases) {
        for (long size = 1; size <= static_cast<long>(c.bytes.size()) + 2; ++size) {
            SCOPED_TRACE(std::string(c.name) + ", blocks of " + std::to_string(size));
            EXPECT_EQ(c.text, ReadInBlocks(c.bytes, false, size));
            EXPECT_EQ(c.binary, ReadInBlocks(c.bytes, true, size));
        }
    }
}

// A long file whose CR LF pairs fall on every side of the block ends.
TEST(TextStreamReader, LongCrLfFileInOddBlocks)
{
    std::string bytes;
    std::string text;
    for (int i = 0; i < 2000; ++i) {
        const std::string line = "line " + std::to_string(i);
        bytes += line + "\r\n";
        text += line + "\n";
    }
    for (long size : {7L, 64L, 4095L, 4096L})
        EXPECT_EQ(text, ReadInBlocks(bytes, false, size)) << "blocks of " << size;
}

} // namespace
