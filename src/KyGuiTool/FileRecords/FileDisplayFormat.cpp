// The size, time and attribute texts of result rows.
#include "KyGuiTool/FileRecords/FileDisplayFormat.h"

#include <climits>
#include <clocale>
#include <string>

namespace Kyvant {
namespace ShFileRec {

namespace {

const unsigned long long BytesPerKilobyte = 1024;
const int TimeTextSize = 100;

std::string DecimalDigits(unsigned long long value)
{
    std::string digits;
    do {
        digits.insert(digits.begin(), static_cast<char>('0' + value % 10));
        value /= 10;
    } while (value != 0);
    return digits;
}

// Separators between groups counted from the right, as the locale's first
// grouping entry and thousands separator say.
std::string Grouped(const std::string& digits)
{
    const lconv* conv = std::localeconv();
    if (conv == nullptr || conv->grouping == nullptr || conv->thousands_sep == nullptr)
        return digits;
    const int group = static_cast<unsigned char>(conv->grouping[0]);
    const char separator = conv->thousands_sep[0];
    if (group == 0 || group == CHAR_MAX || separator == '\0' ||
        digits.size() <= static_cast<unsigned>(group))
        return digits;
    std::string out;
    const unsigned lead = digits.size() % group == 0 ? group : digits.size() % group;
    out.append(digits, 0, lead);
    for (unsigned i = lead; i < digits.size(); i += group) {
        out += separator;
        out.append(digits, i, group);
    }
    return out;
}

} // namespace

ky_S FormatFileSizeForDisplay(unsigned long long bytes)
{
    // Rounded up without adding first, so the largest sizes cannot wrap.
    const unsigned long long kilobytes =
        bytes / BytesPerKilobyte + (bytes % BytesPerKilobyte != 0 ? 1 : 0);
    const std::string text = Grouped(DecimalDigits(kilobytes)) + " KB";
    return ky_S(text.c_str(), static_cast<unsigned>(text.size()));
}

ky_S FormatFileTimeForDisplay(const FILETIME& time)
{
    char date[TimeTextSize] = "";
    char clock[TimeTextSize] = "";
    FILETIME local;
    SYSTEMTIME parts;
    if (::FileTimeToLocalFileTime(&time, &local) && ::FileTimeToSystemTime(&local, &parts)) {
        if (::GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &parts, nullptr, date,
                             TimeTextSize) == 0)
            date[0] = '\0';
        if (::GetTimeFormatA(LOCALE_USER_DEFAULT, TIME_NOSECONDS, &parts, nullptr, clock,
                             TimeTextSize) == 0)
            clock[0] = '\0';
    }
    ky_S text(date);
    text += ' ';
    text += clock;
    return text;
}

void FormatFileAttributesForDisplay(DWORD attributes, char* out)
{
    static const struct {
        DWORD bit;
        char letter;
    } letters[] = {
        {FILE_ATTRIBUTE_DIRECTORY, 'F'},  {FILE_ATTRIBUTE_READONLY, 'R'},
        {FILE_ATTRIBUTE_HIDDEN, 'H'},     {FILE_ATTRIBUTE_SYSTEM, 'S'},
        {FILE_ATTRIBUTE_ARCHIVE, 'A'},    {FILE_ATTRIBUTE_ENCRYPTED, 'E'},
        {FILE_ATTRIBUTE_COMPRESSED, 'C'}, {FILE_ATTRIBUTE_NOT_CONTENT_INDEXED, 'N'},
    };
    for (const auto& l : letters)
        if (attributes & l.bit)
            *out++ = l.letter;
    *out = '\0';
}

} // namespace ShFileRec
} // namespace Kyvant
