// Where the development-environment lists ("@C", "@V") and the Indexing
// Service ("@i" items and searches) plug into the argument items. Each
// supplier registers its functions once, from a namespace-scope
// initializer in its own source file of this library:
//     static const bool s_registered = (SetIdeListFactory(&MakeIdeList), true);
// Until one is registered, the items that need it fail with a message.
#pragma once

#include "KyConTool/Args/FileNameIterator.h"
#include "KyConTool/KyConToolExport.h"
#include "KyStd/Files/FileName.h"
#include "KyStd/Strings/String.h"

#include <memory>

namespace Kyvant {

// One result of a nested source of names.
struct FileNameResult {
    ky_F name;
    bool isFolder = false;
    bool isInfoFolder = false;
    bool hasDetails = false;
    ky_filename_argv_iterator::FileDetails details{};
};

class KYCONTOOL_API FileNameSource {
public:
    virtual ~FileNameSource();
    // Fills out with the next result; false when the source is exhausted
    // (it is not asked again).
    virtual bool Next(FileNameResult& out) = 0;
};

// "@C" / "@V": objectName is the text after the code (leading blanks
// skipped, never empty), itemText the whole item.
using IdeListFactory =
    std::unique_ptr<FileNameSource> (*)(const ky_I& objectName, const ky_S& itemText,
                                        ky_filename_argv_iterator::Terminator* terminator);

// One Indexing Service search of a path section.
struct IndexingServiceSearch {
    ky_I query; // the item's query: options, section and all scopes
    bool force = false;
    ky_I machine; // the option stack's top item
    ky_I catalog;
    ky_I sort;
    ky_F scope;        // the section's folder; "\" for a whole-catalog search
    bool deep = false; // the section's depth is not 0
    int depth = 0;     // INT_MAX: unlimited
    ky_filename_argv_iterator::Terminator* terminator = nullptr;
};

// Runs the search and yields its rows; the rows are then held against the
// section's masks, rules and filters by the argument item.
using IndexingServiceSearchFactory =
    std::unique_ptr<FileNameSource> (*)(const IndexingServiceSearch& search);

// "@i": argument is the text after the code (leading blanks skipped, never
// empty). Updates the option stack; true asks for a whole-catalog search,
// which the item then runs as a path section over "\" with unlimited depth
// and without the iterator flags 0x01 and 0x02.
using IndexingServiceItemHandler = bool (*)(const ky_S& argument);

KYCONTOOL_API void SetIdeListFactory(IdeListFactory factory);
KYCONTOOL_API void SetIndexingServiceHooks(IndexingServiceItemHandler itemHandler,
                                           IndexingServiceSearchFactory searchFactory);

KYCONTOOL_API IdeListFactory GetIdeListFactory();
KYCONTOOL_API IndexingServiceItemHandler GetIndexingServiceItemHandler();
KYCONTOOL_API IndexingServiceSearchFactory GetIndexingServiceSearchFactory();

} // namespace Kyvant
