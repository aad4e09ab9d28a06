// What the Replace view asks of the frame it lives in: the status text, shown
// by string id (with it the frame runs the view's animation and the working
// cursor). A frame without this face gets the text as its message.
#pragma once

#include <windows.h>

namespace Kyvant {

class ReplaceViewFrame {
public:
    virtual void SetStatus(UINT id) = 0;

protected:
    ~ReplaceViewFrame() = default;
};

} // namespace Kyvant
