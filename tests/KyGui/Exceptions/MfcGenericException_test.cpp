// Tests of the wrapped exceptions: the text they keep and how GetErrorMessage fills a buffer.
#include "KyGui/Exceptions/MfcGenericException.h"
#include "KyGui/Exceptions/MfcStdException.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace {

const char kUntouched = 'x';

std::string Numbered(size_t length)
{
    std::string text;
    for (size_t i = 0; i < length; ++i)
        text += static_cast<char>('a' + i % 26);
    return text;
}

struct MessageCase {
    size_t textLength;
    UINT maxChars;
    size_t expectedLength;  // of the message in the buffer
    BOOL expectedResult;
};

} // namespace

TEST(MfcGenericException, GetErrorMessageCopiesAtMostWhatFits)
{
    const MessageCase cases[] = {
        {300, 512, 255, TRUE}, // the text was cut at 255 characters
        {300, 10, 9, TRUE},    // a NUL in the tenth place
        {20, 600, 20, TRUE},   // a big buffer: 256 copied, NUL at its end
        {255, 256, 255, TRUE},
        {5, 1, 0, FALSE},      // room for the NUL only
        {0, 64, 0, FALSE},     // empty message
    };
    for (const MessageCase& c : cases) {
        const std::string text = Numbered(c.textLength);
        Kyvant::MfcGenericException e(text.c_str());
        std::vector<char> buffer(c.maxChars + 8, kUntouched);
        UINT help = 77;
        EXPECT_EQ(c.expectedResult, e.GetErrorMessage(buffer.data(), c.maxChars, &help))
            << c.textLength << "/" << c.maxChars;
        EXPECT_EQ(77u, help);
        EXPECT_EQ(text.substr(0, c.expectedLength), std::string(buffer.data()));
        EXPECT_EQ('\0', buffer[c.maxChars - 1]);
        // Up to 256 places are written (padded with NULs); the rest, but for the last, stays.
        const size_t written = std::min<size_t>(c.maxChars, Kyvant::MfcGenericException::kTextSize);
        for (size_t i = c.expectedLength; i < written; ++i)
            EXPECT_EQ('\0', buffer[i]) << i;
        for (size_t i = written; i + 1 < c.maxChars; ++i)
            EXPECT_EQ(kUntouched, buffer[i]) << i;
        EXPECT_EQ(kUntouched, buffer[c.maxChars]);  // nothing after the buffer
    }
}

TEST(MfcGenericException, AZeroSizedOrNullBufferIsLeftAloneAndANullTextIsEmpty)
{
    Kyvant::MfcGenericException e("some text");
    char buffer[4] = {kUntouched, kUntouched, kUntouched, kUntouched};
    EXPECT_FALSE(e.GetErrorMessage(buffer + 1, 0));
    for (char c : buffer)
        EXPECT_EQ(kUntouched, c);
    EXPECT_FALSE(e.GetErrorMessage(nullptr, 16));
    EXPECT_FALSE(Kyvant::MfcGenericException(nullptr).GetErrorMessage(buffer, sizeof buffer));
}

TEST(MfcStdException, CreateMakesAnAutoDeletedHeapObjectWithTheText)
{
    const std::string text = Numbered(300);
    Kyvant::MfcStdException* e = Kyvant::MfcStdException::Create(std::runtime_error(text));
    ASSERT_NE(nullptr, e);
    EXPECT_TRUE(e->IsKindOf(RUNTIME_CLASS(CException)));
    EXPECT_TRUE(e->m_bAutoDelete);
    char buffer[512];
    EXPECT_TRUE(e->GetErrorMessage(buffer, sizeof buffer));
    EXPECT_EQ(text.substr(0, 255), buffer);
    e->Delete();
}
