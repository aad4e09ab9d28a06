// Splitting an item's path into folder and name.
#include "DirItem.h"

namespace Kyvant {
namespace StandIn {

namespace {

bool IsSeparator(char c)
{
    return c == '\\' || c == '/';
}

bool EndsAFolder(char c)
{
    return IsSeparator(c) || c == ':';
}

} // namespace

void SplitItemPath(const char* path, std::size_t length, DirItem& into)
{
    while (length > 1 && IsSeparator(path[length - 1]) && path[length - 2] != ':')
        --length;
    std::size_t cut = length;
    while (cut > 0 && !EndsAFolder(path[cut - 1]))
        --cut;
    into.folder.assign(path, cut);
    into.name.assign(path + cut, length - cut);
}

DirItem SplitItemPath(std::string path)
{
    DirItem item;
    SplitItemPath(path.data(), path.size(), item);
    return item;
}

} // namespace StandIn
} // namespace Kyvant
