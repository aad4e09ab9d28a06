// One message box of a tool's texts at a time, the texts that come while it
// is up gathered for the next.
#include "FinderLink/Texts/ToolTextBoxes.h"

#include "FinderLink/Task/PostText.h"
#include "FinderLink/Texts/GatheredTexts.h"
#include "KyStd/Core/FlagScope.h"

#include <afxwin.h>

#include <memory>
#include <string>

namespace Kyvant {
namespace FinderLink {

namespace {

const UINT kBoxStyle = MB_OK | MB_ICONEXCLAMATION;

// The process's one frame gets the texts. The state is the process's, not
// the frame's, so that a box whose frame was destroyed while it was up
// returns to a state that still exists.
struct Boxes {
    GatheredTexts waiting;
    bool boxUp = false;
};

Boxes& TheBoxes()
{
    static Boxes boxes;
    return boxes;
}

} // namespace

void ShowToolText(ky_S* text)
{
    if (text == nullptr)
        return;
    Boxes& boxes = TheBoxes();
    {
        const std::unique_ptr<ky_S> owned(text);
        boxes.waiting.Add(owned->c_str(), owned->length());
    }
    if (boxes.boxUp)
        return;
    const Kyvant::ClearingFlagScope up(boxes.boxUp);
    while (!boxes.waiting.Empty()) {
        const std::string shown = boxes.waiting.Take();
        AfxMessageBox(shown.c_str(), kBoxStyle);
        // A post is refused only while the queue is full: the refused texts
        // are newer than the ones it held, which this box's loop gathered,
        // so they are counted after those.
        boxes.waiting.Count(TakeRefusedTexts());
    }
}

} // namespace FinderLink
} // namespace Kyvant
