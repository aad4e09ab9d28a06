// The window of file lines that the Before pane shows in single-line mode.
// Each question brings the lines around its match; where they overlap the
// lines shown, the shown lines stay (with their colours) unless the file's
// line changed, so that earlier answers stay visible while the window moves
// down the file.
#pragma once

#include "KyStd/Strings/String.h"

#include <vector>

class KyRichEditCtrl;

namespace Kyvant {

class SingleLineReplPacket;

class LineWindow {
public:
    // Shows the packet's window in the pane and returns where its match
    // starts in the pane's text.
    long Show(KyRichEditCtrl& pane, const SingleLineReplPacket& packet);
    // Nothing is shown (a new file).
    void Forget() { shown_ = false; }

private:
    void Replace(KyRichEditCtrl& pane, const std::vector<ky_S>& lines);
    void Update(KyRichEditCtrl& pane, const std::vector<ky_S>& lines, long first);

    bool shown_ = false;
    long first_ = 0; // the file line (from 1) of the pane's first line
    long end_ = 0;   // the file line after the pane's last line
};

} // namespace Kyvant
