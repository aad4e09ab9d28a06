// Kyvant::GridHeaderTips: tool tips over a cell grid's column headers. The
// headers are painted in the grid's non-client area, so each tip is bound to
// a transparent hot-spot window of the grid's parent lying over its column.
#pragma once

#include "KyGui/Grid/CellListBox.h"

#include <afxcmn.h>
#include <afxwin.h>

#include <memory>
#include <vector>

namespace Kyvant {

class GridHeaderTips {
public:
    struct Tip {
        unsigned column;
        UINT text; // a string id of the resource chain
    };

    GridHeaderTips();
    ~GridHeaderTips();
    GridHeaderTips(const GridHeaderTips&) = delete;
    GridHeaderTips& operator=(const GridHeaderTips&) = delete;

    // Makes the tip control (owned by the parent) and one hot spot per tip,
    // in order, each with the id firstId + its column; the first spot that
    // cannot be made ends the loop and leaves the tips inactive. False then.
    bool Build(CWnd& parent, KyCellListBox& grid, const std::vector<Tip>& tips, UINT firstId);
    // Passes a message to the tip control (nothing before Build).
    void Relay(MSG* message);

private:
    // The header strip in screen coordinates: the client area's width, from
    // the top of the window to the top of the client area.
    static CRect HeaderStrip(KyCellListBox& grid);
    bool AddSpot(CWnd& parent, KyCellListBox& grid, const CRect& strip, const Tip& tip,
                 UINT firstId);

    CToolTipCtrl m_tips;
    std::vector<std::unique_ptr<CWnd>> m_spots;
};

} // namespace Kyvant
