// One item of a Dir listing: its folder (with its trailing separator), its
// name in that folder and its find data.
#pragma once

#include "KyConTool/Args/FileNameIterator.h"

#include <cstddef>
#include <string>

namespace Kyvant {
namespace StandIn {

struct DirItem {
    std::string folder;
    std::string name;
    bool isFolder = false;
    ky_filename_argv_iterator::FileDetails details = {};
};

// Splits a path behind its last '\', '/' or ':' (a folder path's own
// trailing separator is dropped first, so a folder splits like a file).
DirItem SplitItemPath(std::string path);
// The same into an item's folder and name, which keep their storage.
void SplitItemPath(const char* path, std::size_t length, DirItem& into);

// What gets listed: receives the items in walk order.
class DirItemSink {
public:
    virtual ~DirItemSink() {}
    virtual void Add(const DirItem& item) = 0;
};

} // namespace StandIn
} // namespace Kyvant
