// The line reader over streams cut at every position: the lines do not
// depend on where the reads end, CR LF ends lose their CR unless it is kept,
// and bytes that are not printable show as 0xB7.
#include "FinderLink/Results/LineReader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <string>
#include <vector>

using Kyvant::FinderLink::ByteSource;
using Kyvant::FinderLink::LineReader;
using Kyvant::FinderLink::LineSink;

namespace {

const char kDot = static_cast<char>(0xB7);
// The size of each read before the reads grew.
const unsigned kOldReadSize = 4096;

// Gives the text in reads that end at the cut positions (and never past
// what the reader asks for).
class CutSource : public ByteSource {
public:
    CutSource(const std::string& text, std::vector<std::size_t> cuts)
        : m_text(text), m_cuts(std::move(cuts))
    {
        m_cuts.push_back(text.size());
        std::sort(m_cuts.begin(), m_cuts.end());
    }
    int Read(char* buffer, unsigned count) override
    {
        while (m_next < m_cuts.size() && m_cuts[m_next] <= m_at)
            ++m_next;
        if (m_at >= m_text.size())
            return 0;
        const std::size_t n = std::min<std::size_t>(count, m_cuts[m_next] - m_at);
        std::memcpy(buffer, m_text.data() + m_at, n);
        m_at += n;
        return static_cast<int>(n);
    }

private:
    std::string m_text;
    std::vector<std::size_t> m_cuts;
    std::size_t m_next = 0;
    std::size_t m_at = 0;
};

// One byte per read.
class ByteByByteSource : public ByteSource {
public:
    explicit ByteByByteSource(const std::string& text) : m_text(text) {}
    int Read(char* buffer, unsigned) override
    {
        if (m_at >= m_text.size())
            return 0;
        buffer[0] = m_text[m_at++];
        return 1;
    }

private:
    std::string m_text;
    std::size_t m_at = 0;
};

class Lines : public LineSink {
public:
    void OnLine(const char* text, unsigned length) override { lines.emplace_back(text, length); }
    std::vector<std::string> lines;
};

std::vector<std::string> Read(ByteSource& source, bool dropCR,
                              unsigned readSize = LineReader::kBufferSize)
{
    Lines sink;
    LineReader reader(dropCR, readSize);
    EXPECT_EQ(1, reader.Run(source, sink));
    return sink.lines;
}

std::vector<std::string> ReadWhole(const std::string& text, bool dropCR)
{
    CutSource source(text, {});
    return Read(source, dropCR);
}

std::string Dots(std::string text)
{
    std::replace(text.begin(), text.end(), '~', kDot);
    return text;
}

// CR LF and LF lines, a tab, control bytes, an empty line, a lone CR inside
// a line, and a last line without a line end.
const std::string kFixture = std::string("C:\\a(1)\\b.c(12):x(3):one\r\n") + "two\tcolumns\r\n" +
                             "\n" + "ctrl\x01\x1f\x7f\n" + "lone\rcr\r\n" + "::3\r\n" +
                             "last without end";

} // namespace

TEST(LineReader, SameLinesWhereverTheStreamIsCut)
{
    for (bool dropCR : {true, false}) {
        SCOPED_TRACE(dropCR ? "CR LF dropped" : "CR kept");
        const std::vector<std::string> whole = ReadWhole(kFixture, dropCR);
        for (std::size_t cut = 0; cut <= kFixture.size(); ++cut) {
            CutSource once(kFixture, {cut});
            ASSERT_EQ(whole, Read(once, dropCR)) << "cut at " << cut;
            for (std::size_t second = cut + 1; second <= kFixture.size(); ++second) {
                CutSource twice(kFixture, {cut, second});
                ASSERT_EQ(whole, Read(twice, dropCR)) << "cuts at " << cut << " and " << second;
            }
        }
        ByteByByteSource bytes(kFixture);
        EXPECT_EQ(whole, Read(bytes, dropCR));
    }
}

TEST(LineReader, LineEndsAndUnprintableBytes)
{
    struct Case {
        const char* what;
        std::string input;
        bool dropCR;
        std::vector<std::string> expected; // '~' stands for 0xB7
    };
    const Case cases[] = {
        {"CR LF without binary mode", "a\r\nb\r\n", true, {"a", "b"}},
        {"CR LF in binary mode", "a\r\nb\r\n", false, {"a~", "b~"}},
        {"tabs stay, control bytes go", "x\ty\x01\x7f\n", true, {"x\ty~~"}},
        {"a lone CR inside a line", "a\rb\n", true, {"a~b"}},
        {"a CR at the very end", "a\r", true, {"a~"}},
        {"CR CR LF keeps the first CR", "a\r\r\n", true, {"a~"}},
        {"empty lines", "\n\n", true, {"", ""}},
        {"last line without a line end", "one\ntwo", true, {"one", "two"}},
        {"nothing at all", "", true, {}},
    };
    for (const Case& c : cases) {
        std::vector<std::string> expected;
        for (const std::string& line : c.expected)
            expected.push_back(Dots(line));
        EXPECT_EQ(expected, ReadWhole(c.input, c.dropCR)) << c.what;
    }
}

// Every byte value goes through the locale's test as an unsigned char: the
// printable ASCII range and the tab are kept, other control bytes always
// become 0xB7, and any other byte is either kept or replaced, never changed
// into something else.
TEST(LineReader, EveryByteValueIsKeptOrShownAsTheDot)
{
    std::string all;
    for (int byte = 0; byte < 256; ++byte) {
        if (byte != '\n')
            all += static_cast<char>(byte);
    }
    const std::vector<std::string> lines = ReadWhole(all, false);
    ASSERT_EQ(1u, lines.size());
    ASSERT_EQ(all.size(), lines[0].size());
    for (std::size_t i = 0; i < all.size(); ++i) {
        const unsigned char in = static_cast<unsigned char>(all[i]);
        const char out = lines[0][i];
        if ((in >= 0x20 && in <= 0x7E) || in == '\t')
            EXPECT_EQ(all[i], out) << "byte " << int(in);
        else if (in < 0x20 || in == 0x7F)
            EXPECT_EQ(kDot, out) << "byte " << int(in);
        else
            EXPECT_TRUE(out == all[i] || out == kDot) << "byte " << int(in);
    }
}

// Long lines cross the reader's buffer, with the CR of a CR LF landing on
// its last byte and the carried CR shortening the next read.
TEST(LineReader, LinesLongerThanTheBufferArriveWholeOnce)
{
    for (unsigned size : {kOldReadSize, LineReader::kBufferSize}) {
        SCOPED_TRACE("read size " + std::to_string(size));
        std::string stream;
        std::vector<std::string> expected;
        for (std::size_t length :
             {size - 2, size - 1, size, 1u, 2 * size - 2, 2 * size + 1808, size - 3}) {
            const std::string line(length, static_cast<char>('a' + length % 26));
            stream += line + "\r\n";
            expected.push_back(line);
        }
        CutSource greedy(stream, {});
        EXPECT_EQ(expected, Read(greedy, true, size));
    }
}

// The reads were once 4,096 bytes; they are larger now, and every stream
// still gives the same lines through either size, however the pipe hands
// its bytes over: all at once, one byte per read, or in odd pieces.
TEST(LineReader, TheOldAndTheLargeReadsGiveTheSameLines)
{
    const unsigned large = LineReader::kBufferSize;
    std::string manyLines;
    for (int i = 0; i < 6000; ++i)
        manyLines += std::string(i % 37, static_cast<char>('a' + i % 26)) + (i % 3 ? "\r\n" : "\n");
    const std::string nul(1, '\0');
    const struct {
        const char* what;
        std::string stream;
        std::size_t lines;
    } cases[] = {
        {"a line longer than the old reads", std::string(5000, 'a') + "\r\nb\n", 2},
        {"a line longer than the large reads", std::string(large + 4500, 'c') + "\r\nend", 2},
        {"CR LF split where an old read ends", std::string(kOldReadSize - 1, 'x') + "\r\nnext\r\n",
         2},
        {"CR LF split where a large read ends", std::string(large - 1, 'y') + "\r\nnext\r\n", 2},
        {"lone CRs, one where an old read ends",
         "a\rb\r\rc\r" + std::string(kOldReadSize - 8, 'z') + "\rq\n\r", 2},
        {"a lone CR where a large read ends", std::string(large - 1, 'w') + "\r" + "q\rr\n", 1},
        {"NUL bytes, across an old read's end",
         "nul" + nul + "inside\n" + nul + nul + "\n" + std::string(kOldReadSize - 14, 'n') + nul +
             nul + "\r" + nul + "\n",
         3},
        {"many short lines over several reads", manyLines + manyLines + manyLines, 18000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        for (bool dropCR : {true, false}) {
            SCOPED_TRACE(dropCR ? "CR LF dropped" : "CR kept");
            CutSource whole(c.stream, {});
            const std::vector<std::string> lines = Read(whole, dropCR, kOldReadSize);
            EXPECT_EQ(c.lines, lines.size());
            std::vector<std::size_t> oddPieces;
            for (std::size_t at = 1021; at < c.stream.size(); at += 4093)
                oddPieces.push_back(at);
            for (unsigned size : {kOldReadSize, large}) {
                SCOPED_TRACE("read size " + std::to_string(size));
                CutSource greedy(c.stream, {});
                EXPECT_EQ(lines, Read(greedy, dropCR, size));
                ByteByByteSource bytes(c.stream);
                EXPECT_EQ(lines, Read(bytes, dropCR, size));
                CutSource odd(c.stream, oddPieces);
                EXPECT_EQ(lines, Read(odd, dropCR, size));
            }
        }
    }
}

// The message pipe of the Dir link is read 1,023 bytes at a time: no read
// asks for more, and lines longer than a read still arrive whole.
TEST(LineReader, ReadSizeBoundsEveryRead)
{
    class CountingSource : public ByteSource {
    public:
        explicit CountingSource(const std::string& text) : m_cut(text, {}) {}
        int Read(char* buffer, unsigned count) override
        {
            largest = std::max(largest, count);
            return m_cut.Read(buffer, count);
        }
        unsigned largest = 0;

    private:
        CutSource m_cut;
    };
    const std::string longLine(3000, 'm');
    CountingSource source("short\r\n" + longLine + "\r\nlast");
    Lines sink;
    LineReader reader(true, 1023);
    reader.Run(source, sink);
    EXPECT_EQ((std::vector<std::string>{"short", longLine, "last"}), sink.lines);
    EXPECT_EQ(1023u, source.largest);
}
