// Tests of the size, time and attribute texts of result rows.
#include "KyGuiTool/FileRecords/FileDisplayFormat.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstring>
#include <string>

using namespace Kyvant::ShFileRec;

namespace {

// Sets the C runtime's locale for the scope.
class LocaleScope {
public:
    explicit LocaleScope(const char* name) : m_old(std::setlocale(LC_ALL, nullptr))
    {
        std::setlocale(LC_ALL, name);
    }
    ~LocaleScope() { std::setlocale(LC_ALL, m_old.c_str()); }

private:
    std::string m_old;
};

std::string SizeText(unsigned long long bytes)
{
    return FormatFileSizeForDisplay(bytes).c_str();
}

std::string Letters(DWORD attributes)
{
    char out[AttributeLettersSize + 4];
    std::memset(out, '#', sizeof out);
    FormatFileAttributesForDisplay(attributes, out);
    return out;
}

} // namespace

TEST(FileSizeText, RoundsUpToWholeKilobytesGroupedAsTheLocaleSays)
{
    const unsigned long long largest = ~0ULL;
    const struct {
        unsigned long long bytes;
        const char* plain;   // the "C" locale: no grouping
        const char* grouped; // the user's locale here: ',' every three digits
    } cases[] = {
        {0, "0 KB", "0 KB"},
        {1, "1 KB", "1 KB"},
        {1024, "1 KB", "1 KB"},
        {1025, "2 KB", "2 KB"},
        {999 * 1024ULL, "999 KB", "999 KB"},
        {1000 * 1024ULL, "1000 KB", "1,000 KB"},
        {1234567 * 1024ULL + 1, "1234568 KB", "1,234,568 KB"},
        {largest, "18014398509481984 KB", "18,014,398,509,481,984 KB"},
    };
    {
        LocaleScope plain("C");
        for (const auto& c : cases)
            EXPECT_EQ(c.plain, SizeText(c.bytes)) << c.bytes;
    }
    LocaleScope user("");
    for (const auto& c : cases)
        EXPECT_EQ(c.grouped, SizeText(c.bytes)) << c.bytes;
}

TEST(FileTimeText, IsTheLocalShortDateAndTheTimeWithoutSeconds)
{
    const SYSTEMTIME local = {2004, 3, 0, 5, 14, 7, 33, 250};
    FILETIME localTime;
    FILETIME utc;
    ASSERT_TRUE(::SystemTimeToFileTime(&local, &localTime));
    ASSERT_TRUE(::LocalFileTimeToFileTime(&localTime, &utc));
    EXPECT_STREQ("3/5/2004 2:07 PM", FormatFileTimeForDisplay(utc).c_str());
}

TEST(FileAttributeText, GivesTheLettersOfTheBitsSetInAFixedOrder)
{
    const struct {
        DWORD attributes;
        const char* letters;
    } cases[] = {
        {0, ""},
        {FILE_ATTRIBUTE_NORMAL, ""},
        {FILE_ATTRIBUTE_DIRECTORY, "F"},
        {FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_DIRECTORY, "FHA"},
        {FILE_ATTRIBUTE_NOT_CONTENT_INDEXED | FILE_ATTRIBUTE_COMPRESSED | FILE_ATTRIBUTE_READONLY,
         "RCN"},
        {FILE_ATTRIBUTE_ENCRYPTED | FILE_ATTRIBUTE_SYSTEM, "SE"},
        {0xFFFFFFFF, "FRHSAECN"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.letters, Letters(c.attributes)) << std::hex << c.attributes;
}
