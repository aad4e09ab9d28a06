// The result, total and error-report texts.
#include "KyReplace/Console/App/ResultText.h"

#include <gtest/gtest.h>

using namespace Kyvant;

TEST(ResultText, LinesCountInWords)
{
    const ky_F backup("C:\\d\\a.txt.bak");
    struct Case {
        ky_S got;
        const char* expected;
    } const cases[] = {
        {ResultLine("C:\\d\\a.txt", 1, nullptr), "C:\\d\\a.txt: Made 1 replacement."},
        {ResultLine("C:\\d\\a.txt", 0, nullptr), "C:\\d\\a.txt: Made 0 replacements."},
        {ResultLine("C:\\d\\a.txt", 7, &backup),
         "C:\\d\\a.txt: Made 7 replacements.\n\t(Original backed up as: C:\\d\\a.txt.bak)."},
        {TotalLine(1, 1), "Made 1 replacement in 1 file."},
        {TotalLine(0, 0), "Made 0 replacements in 0 files."},
        {TotalLine(3, 2), "Made 3 replacements in 2 files."},
        {ErrorReport("", "Broken pipe", OriginalUnalteredEnding()),
         "An error occurred while not processing a file: Broken pipe"},
        {ErrorReport("C:\\a", "Denied", BackupRemovedEnding(backup)),
         "An error occurred while processing \"C:\\a\": Denied: This original file was not "
         "altered, but the pre-existing backup file \"C:\\d\\a.txt.bak\" was removed."},
    };
    for (const Case& c : cases)
        EXPECT_STREQ(c.expected, c.got.c_str());
}
