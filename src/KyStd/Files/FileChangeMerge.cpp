// Keeping a drive within the limit of one wait: the deepest watch is merged
// into the watch of an ancestor folder, which then watches its subtree.
#include "KyStd/Files/FileChangeDrive.h"
#include "KyStd/Files/FileNameChars.h"

namespace Kyvant {
namespace Win32 {

namespace {

unsigned CountSeparators(const ky_F& path)
{
    unsigned n = 0;
    for (unsigned i = 0; i < path.length(); ++i)
        n += IsDirSep(path[i]) ? 1 : 0;
    return n;
}

// Length of the leading part that a and b share, cut after its last
// separator (0 when they share no separator).
unsigned CommonFolderLength(const ky_F& a, const ky_F& b)
{
    unsigned common = 0;
    unsigned cut = 0;
    while (common < a.length() && common < b.length() && FileCharEq(a[common], b[common])) {
        if (IsDirSep(a[common]))
            cut = common + 1;
        ++common;
    }
    return cut;
}

bool Signalled(const ChangeNotification& h)
{
    return !h.empty() && WaitForSingleObject(h.get(), 0) == WAIT_OBJECT_0;
}

// Drops a watch's handle so that the worker makes a new one for its changed
// folder or settings; a change the old handle had seen is kept as pending.
void Renew(HandlerDef& def)
{
    if (Signalled(def.handle))
        def.pending = true;
    def.handle.close();
}

// The merge rule: watch b joins watch a.
void Merge(HandlerDef& a, const HandlerDef& b, ChangeHandler*& result,
           std::vector<MergeNotice>& notices)
{
    bool changed = !a.subtree || (a.filter | b.filter) != a.filter;
    a.subtree = true;
    a.filter |= b.filter;
    if (b.pending || Signalled(b.handle))
        a.pending = true;
    if (changed)
        Renew(a);
    notices.push_back({a.handler, b.handler});
    if (result == b.handler)
        result = a.handler;
}

// Puts def under key: merged into the watch already there, or as a new watch.
void MoveTo(FolderMap& folders, const ky_F& key, HandlerDef def, ChangeHandler*& result,
            std::vector<MergeNotice>& notices)
{
    auto there = folders.find(key);
    if (there != folders.end()) {
        Merge(there->second, def, result, notices);
        return;
    }
    Renew(def);
    folders.insert(FolderMap::value_type(key, def));
}

void MergeDeepest(DriveHandlerDef& drive, ChangeHandler*& result, std::vector<MergeNotice>& notices)
{
    FolderMap& folders = drive.folders;
    auto deepest = folders.begin();
    unsigned depth = 0;
    for (auto it = folders.begin(); it != folders.end(); ++it) {
        unsigned n = CountSeparators(it->first);
        if (n >= depth) { // the last of equally deep ones
            depth = n;
            deepest = it;
        }
    }
    const ky_F deepKey = deepest->first;
    const HandlerDef deepDef = deepest->second;

    for (auto it = deepest; it != folders.begin();) {
        --it;
        unsigned common = CommonFolderLength(it->first, deepKey);
        if (common <= drive.root.length())
            continue;
        // An ancestor (common is the whole key) or a cousin below the root.
        folders.erase(deepest);
        Merge(it->second, deepDef, result, notices);
        if (common != it->first.length()) {
            const ky_F ancestor = it->first.substr(0, common);
            const HandlerDef moved = it->second;
            folders.erase(it);
            MoveTo(folders, ancestor, moved, result, notices);
        }
        return;
    }

    folders.erase(deepest);
    auto root = folders.find(drive.root);
    if (root != folders.end()) {
        Merge(root->second, deepDef, result, notices);
    } else {
        HandlerDef moved = deepDef;
        moved.subtree = true;
        MoveTo(folders, drive.root, moved, result, notices);
    }
}

} // namespace

void MergeExcessWatches(DriveHandlerDef& drive, ChangeHandler*& result,
                        std::vector<MergeNotice>& notices)
{
    while (drive.folders.size() > kMaxWatchesPerDrive)
        MergeDeepest(drive, result, notices);
}

} // namespace Win32
} // namespace Kyvant
