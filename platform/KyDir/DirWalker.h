// The per-item step of KyDir: turns what the walk gives into listing items.
// Folders become items only when asked for; an item without find data gets
// it from the file system, and one that is not there is reported through
// the application object and skipped.
#pragma once

#include "DirItem.h"

#include "KyConTool/App/KyConApp.h"

namespace Kyvant {
namespace StandIn {

class DirWalker : public KyConApp::FileDetailProcessor {
public:
    DirWalker(bool includeFolders, DirItemSink& sink);
    void Process(const ky_F& name, ky_filename_argv_iterator::FileDetails* details,
                 bool isFolder) override;

private:
    void Take(const ky_F& name, ky_filename_argv_iterator::FileDetails* details, bool isFolder);

    bool includeFolders_;
    DirItemSink& sink_;
};

// The find data of a file or folder from the file system; false when it is
// not there. The rank is 0.
bool LookUpDetails(const std::string& path, ky_filename_argv_iterator::FileDetails& out);

} // namespace StandIn
} // namespace Kyvant
