// The result, total and error-report texts.
#include "KyReplace/Console/App/ResultText.h"

#include <gtest/gtest.h>

#include <string>

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

TEST(ResultText, SwapEndingsTellWhereTheBytesLie)
{
    using Kyvant::SwapError;
    using Kyvant::SwapState;
    const ky_F bak("C:\\d\\a.txt.bak"), aside("C:\\d\\kyf01AB.tmp");
    const char unaltered[] = ": This original file was not altered.";
    const char removed[] = ": This original file was not altered, but the pre-existing backup file "
                           "\"C:\\d\\a.txt.bak\" was removed.";
    struct Case {
        SwapError error;
        std::string expected;
    } const cases[] = {
        {SwapError("e", SwapState::Unaltered, bak), unaltered},
        {SwapError("e", SwapState::UnalteredOldBackupRemoved, bak), removed},
        {SwapError("e", SwapState::RemovedButBackedUp, bak),
         ": That file was removed, but it was backed up as: \"C:\\d\\a.txt.bak\"."},
        {SwapError("e", SwapState::BackupLinkKept, bak),
         std::string(unaltered) +
             " \"C:\\d\\a.txt.bak\" could not be removed: it is a second name of this file."},
        {SwapError("e", SwapState::BackupLinkKept, bak, aside),
         std::string(removed) + " Its contents are kept as: \"C:\\d\\kyf01AB.tmp\"." +
             " \"C:\\d\\a.txt.bak\" could not be removed: it is a second name of this file."},
        {SwapError("e", SwapState::BackupCopyKept, bak, aside),
         std::string(removed) + " Its contents are kept as: \"C:\\d\\kyf01AB.tmp\"." +
             " \"C:\\d\\a.txt.bak\" could not be removed: it is a copy of this file."},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, SwapEnding(c.error).c_str()) << static_cast<int>(c.error.State());
}
