// The per-item step of KyDir: turns what the walk gives into listing items.
// Folders become items only when asked for, and then only those that the
// walk enters from a folder it reported before (not the folders where walks
// start), each once. An item without find data gets it from the file
// system, and one that is not there is reported through the application
// object and skipped.
#pragma once

#include "DirItem.h"

#include "KyConTool/App/KyConApp.h"

#include <set>
#include <string>

namespace Kyvant {
namespace StandIn {

class DirWalker : public KyConApp::FileDetailProcessor {
public:
    DirWalker(bool includeFolders, DirItemSink& sink);
    void Process(const ky_F& name, ky_filename_argv_iterator::FileDetails* details,
                 bool isFolder) override;

private:
    void Take(const ky_F& name, ky_filename_argv_iterator::FileDetails* details, bool isFolder);
    // Notes the folder; true when it is a new one inside a noted folder.
    bool IsNewSubFolder(const DirItem& item);

    bool includeFolders_;
    std::set<std::string> folders_; // upper-case, with a trailing separator
    DirItemSink& sink_;
    DirItem item_; // the item being taken, its storage kept
};

// The find data of a file or folder from the file system; false when it is
// not there. The rank is 0.
bool LookUpDetails(const std::string& path, ky_filename_argv_iterator::FileDetails& out);

} // namespace StandIn
} // namespace Kyvant
