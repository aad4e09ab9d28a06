// Text forms of KyDir's listing.
#include "ListingText.h"

#include <windows.h>

#include <cstdio>
#include <stdexcept>

namespace Kyvant {
namespace StandIn {

namespace {

const char kLineEnd[] = "\r\n";
const char kFolderSize[] = "<DIR>";
const int kSizeWidth = 14;

struct AttributeLetter {
    DWORD bit;
    char letter;
};
const AttributeLetter kAttributeLetters[] = {
    {FILE_ATTRIBUTE_READONLY, 'R'}, {FILE_ATTRIBUTE_HIDDEN, 'H'},
    {FILE_ATTRIBUTE_SYSTEM, 'S'},   {FILE_ATTRIBUTE_DIRECTORY, 'D'},
    {FILE_ATTRIBUTE_ARCHIVE, 'A'},
};

std::string TimeText(const FILETIME& utc)
{
    FILETIME local;
    SYSTEMTIME t;
    if (!FileTimeToLocalFileTime(&utc, &local) || !FileTimeToSystemTime(&local, &t))
        return "(no time)";
    char text[32];
    std::snprintf(text, sizeof text, "%04u-%02u-%02u %02u:%02u:%02u", t.wYear, t.wMonth, t.wDay,
                  t.wHour, t.wMinute, t.wSecond);
    return text;
}

std::string AttributeText(DWORD attributes)
{
    std::string text;
    for (const AttributeLetter& a : kAttributeLetters)
        text += (attributes & a.bit) ? a.letter : '-';
    return text;
}

std::string SizeText(const DirItem& item)
{
    const std::string size =
        item.isFolder ? kFolderSize : std::to_string(item.details.size);
    return std::string(size.size() < kSizeWidth ? kSizeWidth - size.size() : 0, ' ') + size;
}

} // namespace

std::string ListedName(const DirItem& item, const DirOptions& options)
{
    const std::string name = options.fullPaths ? item.folder + item.name : item.name;
    return options.quoteNames ? '"' + name + '"' : name;
}

std::string ConsoleLine(const DirItem& item, const DirOptions& options)
{
    return TimeText(item.details.lastWriteTime) + "  " + SizeText(item) + "  " +
           AttributeText(item.details.attributes) + "  " + std::to_string(item.details.reserved) +
           "  " + ListedName(item, options);
}

void ListFileText::Add(const DirItem& item)
{
    text_ += ListedName(item, options_);
    text_ += kLineEnd;
}

void ConsoleListing::Add(const DirItem& item)
{
    const std::string line = ConsoleLine(item, options_) + '\n';
    if (std::fputs(line.c_str(), stdout) < 0)
        throw std::runtime_error("Could not write to standard output");
}

} // namespace StandIn
} // namespace Kyvant
