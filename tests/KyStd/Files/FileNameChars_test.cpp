// The file-name character rules' lower case against the C runtime's.
#include "KyStd/Files/FileNameChars.h"

#include <gtest/gtest.h>

#include <cctype>
#include <clocale>
#include <string>

// Names sort and compare by the runtime's lower case under the current
// locale, whatever shortcut the rules take: every character, in the "C"
// locale and in the system's (where letters beyond ASCII have cases).
TEST(FileNameChars, LowerCaseIsTheRuntimesForEveryCharacterInEachLocale)
{
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    for (const char* locale : {"C", ""}) {
        ASSERT_NE(nullptr, std::setlocale(LC_ALL, locale)) << locale;
        for (int c = 0; c < 256; ++c)
            EXPECT_EQ(std::tolower(c), Kyvant::FileCharLower(static_cast<char>(c)))
                << "character " << c << " in locale \"" << locale << "\"";
    }
    std::setlocale(LC_ALL, saved.c_str());
}
