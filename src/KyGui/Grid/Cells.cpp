// The cells: locators, enabling, text cells drawn by the grid, and check cells
// with their states, clicks and drawing (themed, or from the check-box bitmap).
#include "KyGui/Grid/Cells.h"

#include "KyGui/Grid/CellEditors.h"
#include "KyGui/Grid/CellListBox.h"
#include "KyGui/Grid/GridTheme.h"

#include <vsstyle.h>

namespace {

const int kThemedMargin = 2;
const int kUnthemedMargin = 4;
const int kThemedPadding = 4;
const int kUnthemedPadding = 8;
const int kCheckImages = 3;
const int kTwoStates = 2;
const int kThreeStates = 3;
const UINT kCaptionFormat = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;

int CheckState(int check)
{
    switch (check) {
    case 1:
        return CBS_CHECKEDNORMAL;
    case 2:
        return CBS_UNCHECKEDDISABLED;
    default:
        return CBS_UNCHECKEDNORMAL;
    }
}

// Copies the state's third of the check-box bitmap to the DC.
void DrawCheckBitmap(CDC& dc, const CRect& box, int check)
{
    const Kyvant::GridTheme::Record* record = Kyvant::GridTheme::Current();
    if (record == nullptr || record->checkBoxes == nullptr)
        return;
    const int imageWidth = record->bitmapWidth / kCheckImages;
    const int image = check >= 0 && check < kCheckImages ? check : 0;
    HDC memory = ::CreateCompatibleDC(dc.GetSafeHdc());
    HGDIOBJ old = ::SelectObject(memory, record->checkBoxes);
    ::BitBlt(dc.GetSafeHdc(), box.left, box.top, imageWidth, record->bitmapHeight, memory,
             image * imageWidth, 0, SRCCOPY);
    ::SelectObject(memory, old);
    ::DeleteDC(memory);
}

} // namespace

void CLB_Cell::Locator::Invalidate(bool erase) const
{
    Invalidate(grid->GetCellRect(row, column, true), erase);
}

void CLB_Cell::Locator::Invalidate(const CRect& rect, bool erase) const
{
    grid->InvalidateRect(&rect, erase ? TRUE : FALSE);
}

CLB_Cell::~CLB_Cell() = default;

void CLB_Cell::Enable(bool enable, const Locator* where)
{
    m_enabled = enable;
    if (where != nullptr)
        where->Invalidate(true);
}

bool CLB_Cell::AcceptsEditing(bool) const
{
    return m_enabled;
}

bool CLB_Cell::HandleClick(CPoint, const Locator&, const CRect*)
{
    return false;
}

void CLB_Cell::DeleteCell(CLB_Cell* cell)
{
    delete cell;
}

void CLB_StringCellBase::Draw(CDC& dc, const CRect& rect, KyCellListBox& grid, DRAWITEMSTRUCT& dis)
{
    grid.DrawTextItem(dc, rect, GetText(), dis, m_format);
}

KYB_Editor* CLB_StringCellBase::NewEditor(const Locator& where, const CRect& rect, bool create,
                                          CWnd* parent, UINT id)
{
    auto* editor = new KYB_CellListBoxStringEditor<KYB_CellListBoxCEdit>(*where.grid, *this);
    if (create && (parent == nullptr || !editor->CreateEditorWindow(rect, *parent, id))) {
        delete editor;
        AfxThrowResourceException();
    }
    return editor;
}

CLB_CheckCell::CLB_CheckCell() : CLB_CheckCell("", false, 0, true) {}

CLB_CheckCell::CLB_CheckCell(const char* caption, bool threeState, int check, bool enabled)
    : CLB_Cell(enabled), m_caption(caption != nullptr ? caption : ""), m_threeState(threeState),
      m_check(check)
{
}

CLB_CheckCell::CLB_CheckCell(const CString& caption, bool threeState, int check, bool enabled)
    : CLB_Cell(enabled), m_caption(caption), m_threeState(threeState), m_check(check)
{
}

bool CLB_CheckCell::AcceptsEditing(bool keyboardStart) const
{
    return m_enabled && !keyboardStart;
}

CLB_Cell* CLB_CheckCell::Copy() const
{
    return new CLB_CheckCell(*this);
}

int CLB_CheckCell::GetDefaultWidth()
{
    return Kyvant::GridTheme::CheckBoxSize().cx +
           (Kyvant::GridTheme::ButtonThemed() ? kThemedPadding : kUnthemedPadding);
}

int CLB_CheckCell::GetDefaultHeight()
{
    return Kyvant::GridTheme::CheckBoxSize().cy +
           (Kyvant::GridTheme::ButtonThemed() ? kThemedPadding : kUnthemedPadding);
}

CRect CLB_CheckCell::CheckPart(const CRect& cellRect)
{
    CRect part(cellRect);
    const int width = GetDefaultWidth();
    if (part.Width() > width)
        part.right = part.left + width;
    return part;
}

void CLB_CheckCell::InvalidateCheck(const Locator& where, const CRect* cellRect) const
{
    const CRect cell =
        cellRect != nullptr ? *cellRect : where.grid->GetCellRect(where.row, where.column, true);
    where.Invalidate(CheckPart(cell), false);
}

void CLB_CheckCell::SetCheck(int state, const Locator* where)
{
    m_check = state;
    if (where != nullptr)
        InvalidateCheck(*where, nullptr);
}

bool CLB_CheckCell::HandleClick(CPoint, const Locator& where, const CRect* cellRect)
{
    if (!m_enabled) {
        ::MessageBeep(MB_ICONEXCLAMATION);
        return true;
    }
    m_check = (m_check + 1) % (m_threeState ? kThreeStates : kTwoStates);
    InvalidateCheck(where, cellRect);
    where.grid->NotifyCellChanged(where.row);
    return true;
}

void CLB_CheckCell::Draw(CDC& dc, const CRect& rect, KyCellListBox& grid, DRAWITEMSTRUCT& dis)
{
    const bool themed = Kyvant::GridTheme::ButtonThemed();
    const int margin = themed ? kThemedMargin : kUnthemedMargin;
    const SIZE check = Kyvant::GridTheme::CheckBoxSize();
    CRect inner(rect);
    inner.DeflateRect(margin, 0);
    const int top = inner.top + (inner.Height() - check.cy) / 2;
    const CRect box(inner.left - 1, top, inner.left - 1 + check.cx, top + check.cy);
    if (!themed ||
        !Kyvant::GridTheme::DrawBackground(Kyvant::GridTheme::Current()->button, dc.GetSafeHdc(),
                                           BP_CHECKBOX, CheckState(m_check), box))
        DrawCheckBitmap(dc, box, m_check);
    if (!m_caption.IsEmpty()) {
        CRect caption(inner);
        caption.left += check.cx + check.cx / 2; // one and a half check boxes in
        grid.DrawTextItem(dc, caption, m_caption, dis, kCaptionFormat);
    }
}

KYB_Editor* CLB_CheckCell::NewEditor(const Locator& where, const CRect& rect, bool create,
                                     CWnd* parent, UINT id)
{
    auto* editor = new KYB_CheckCellEditor(*where.grid, where, *this);
    if (create && (parent == nullptr || !editor->CreateEditorWindow(rect, *parent, id))) {
        delete editor;
        AfxThrowResourceException();
    }
    return editor;
}
