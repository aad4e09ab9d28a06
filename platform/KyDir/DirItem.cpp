// Splitting an item's path into folder and name.
#include "DirItem.h"

namespace Kyvant {
namespace StandIn {

DirItem SplitItemPath(std::string path)
{
    while (path.size() > 1 && (path.back() == '\\' || path.back() == '/') &&
           path[path.size() - 2] != ':')
        path.pop_back();
    DirItem item;
    const std::size_t cut = path.find_last_of("\\/:");
    if (cut == std::string::npos) {
        item.name = path;
    } else {
        item.folder = path.substr(0, cut + 1);
        item.name = path.substr(cut + 1);
    }
    return item;
}

} // namespace StandIn
} // namespace Kyvant
