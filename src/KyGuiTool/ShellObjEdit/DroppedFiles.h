// Kyvant::DroppedFiles: the names of a WM_DROPFILES drop, and the drop
// finished (DragFinish) when the object goes, on every way out of a handler.
#pragma once

#include "KyStd/Strings/String.h"

#include <windows.h>
#include <shellapi.h>

namespace Kyvant {

class DroppedFiles {
public:
    explicit DroppedFiles(HDROP drop) : m_drop(drop) {}
    ~DroppedFiles();
    DroppedFiles(const DroppedFiles&) = delete;
    DroppedFiles& operator=(const DroppedFiles&) = delete;

    unsigned Count() const;
    // The index-th name, whatever its length.
    ky_S Name(unsigned index) const;

private:
    HDROP m_drop;
};

} // namespace Kyvant
