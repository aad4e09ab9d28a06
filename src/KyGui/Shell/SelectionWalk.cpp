// The walk over a selection that intersects its handlers and counts its file list.
#include "KyGui/Shell/SelectionWalk.h"

namespace Kyvant {
namespace Shell {

namespace {

const unsigned SmallestList = 3;  // one one-character path, its NUL and the final NUL

bool IntersectObject(const FsObj& object, CommonRootGuids& guids)
{
    if (object.IsDrive())
        return guids.IntersectGuidsOfType("Drive", false);
    if (object.IsFolder())
        return guids.IntersectGuidsOfType("Directory", false);
    ky_F ext = object.Path();
    ext.ToExtension();
    return guids.IntersectGuidsOfFileExt(ext.empty() ? "*" : ext.c_str());
}

} // namespace

bool WalkSelection(const input_sequencer<FsObj>& selection, CommonRootGuids& guids, unsigned& listBytes)
{
    bool nonEmpty = true;
    unsigned count = 0;
    for (selection.rewind(); !selection.at_end(); selection.next()) {
        const FsObj object = selection.current();
        if (nonEmpty)
            nonEmpty = IntersectObject(object, guids);
        count += object.Path().length() + 1;
    }
    count += 1;
    if (count < SmallestList)
        return false;
    guids.Finalize();
    listBytes = count;
    return true;
}

} // namespace Shell
} // namespace Kyvant
