// What a replace job needs of the view that owns it.
#pragma once

#include <windows.h>

namespace Kyvant {

class ReplaceJob;

class ReplaceJobHost {
public:
    // The window that receives KyReplace's requests and the packets.
    virtual HWND JobWindow() const = 0;
    // The job being built, for the end of the task dialog; null when it is
    // gone. A job registers itself first and unregisters last.
    virtual void SetJobUnderConstruction(ReplaceJob* job) = 0;

protected:
    ~ReplaceJobHost() = default;
};

} // namespace Kyvant
