// CMainFrame: the tab-size bar: a chosen item, a typed size kept within 1 to 20, Escape and
// leaving the box showing the current size again.
#include "KyReplace/Gui/Frame/MainFrame.h"

#include "FinderLink/Frame/TabSizeBox.h"
#include "KyReplace/Gui/Frame/FrameResource.h"
#include "KyReplace/Gui/View/KyReplaceGView.h"
#include "KyReplace/Gui/View/ReplaceTextOptions.h"
#include "KyReplace/Gui/View/ReplaceViewResource.h"

#include <cstdlib>
#include <string>

using Kyvant::ReplaceTextOptions;

namespace {

const int kDecimal = 10;

} // namespace

void CMainFrame::FillTabSizeCombo()
{
    Kyvant::FinderLink::FillTabSizeBox(m_tabSize, ReplaceTextOptions::kMinTabSize,
                                       ReplaceTextOptions::kMaxTabSize);
}

// The item whose text is the current size is selected; without one the
// text is set.
void CMainFrame::ShowTabSize()
{
    const CKyReplaceGView* view = GetReplaceView();
    if (view == nullptr || m_tabSize.GetSafeHwnd() == nullptr)
        return;
    const std::string current = std::to_string(view->Options().tabSize);
    const int count = m_tabSize.GetCount();
    for (int index = 0; index < count; ++index) {
        char text[16] = "";
        COMBOBOXEXITEMA item = {};
        item.mask = CBEIF_TEXT;
        item.iItem = index;
        item.pszText = text;
        item.cchTextMax = sizeof text;
        if (m_tabSize.GetItem(&item) && current == text) {
            m_tabSize.SetCurSel(index);
            return;
        }
    }
    m_tabSize.SetWindowText(current.c_str());
}

void CMainFrame::SetTabSize(long size)
{
    if (CKyReplaceGView* view = GetReplaceView())
        view->SetTabSize(ReplaceTextOptions::ClampTabSize(size));
    ShowTabSize();
}

bool CMainFrame::TabSizeHasFocus() const
{
    return Kyvant::FinderLink::HasFocusWithin(m_tabSize);
}

void CMainFrame::FocusBefore()
{
    if (CKyReplaceGView* view = GetReplaceView()) {
        if (CWnd* before = view->GetDlgItem(IDC_KY_REPLACE_BEFORE))
            before->SetFocus();
    }
}

void CMainFrame::OnTabSizeSelEndOk()
{
    const int selected = m_tabSize.GetCurSel();
    if (selected >= 0)
        SetTabSize(selected + ReplaceTextOptions::kMinTabSize);
    else
        ShowTabSize();
    FocusBefore();
}

void CMainFrame::OnTabSizeSelEndCancel()
{
    ShowTabSize();
}

void CMainFrame::OnTabSizeEndEdit(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    if (reinterpret_cast<NMCBEENDEDITA*>(pNMHDR)->iWhy == CBENF_KILLFOCUS)
        PostMessage(kResyncTabSizeMessage);
}

LRESULT CMainFrame::OnResyncTabSize(WPARAM, LPARAM)
{
    ShowTabSize();
    return 0;
}

// Enter in the tab-size box: its number, kept within 1 to 20.
void CMainFrame::OnBarOk()
{
    if (!TabSizeHasFocus())
        return;
    CString text;
    m_tabSize.GetWindowText(text);
    SetTabSize(std::strtol(text, nullptr, kDecimal));
    FocusBefore();
}

// Escape in the tab-size box: the size it had.
void CMainFrame::OnBarCancel()
{
    if (!TabSizeHasFocus())
        return;
    ShowTabSize();
    FocusBefore();
}
