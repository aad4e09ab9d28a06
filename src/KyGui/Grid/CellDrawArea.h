// The part of a grid cell its contents are drawn in: with column headers
// shown, a gap at the right keeps the cell clear of the header's divider.
#pragma once

#include <afxwin.h>

namespace Kyvant {
namespace Grid {

// Pixels left free at a cell's right while the headers show.
const int kHeaderCellGap = 2;

// The cell's rectangle narrowed by the gap when the headers show.
inline CRect CellDrawArea(CRect cell, bool headersShown)
{
    if (headersShown)
        cell.right -= kHeaderCellGap;
    return cell;
}

} // namespace Grid
} // namespace Kyvant
