// KyEditableListBox: opening, saving and closing the in-place editor.
#include "KyGui/Lists/EditableListBox.h"

#include "KyGui/Helpers/DialogEx.h"
#include "KyStd/Core/FlagScope.h"

#include <exception>

namespace {

const int kItemHeightPadding = 4;
const UINT kEditorId = 0;

int Smaller(int a, int b)
{
    return a < b ? a : b;
}

} // namespace

void KyEditableListBox::CancelPendingClick()
{
    if (!m_clickPending)
        return;
    m_clickPending = false;
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
}

bool KyEditableListBox::BeginEditing(SelectType how, CPoint pt)
{
    CancelPendingClick();
    const int item = GetCurSel();
    if (Editing() || item < 0)
        return false;
    CRect rect, client, both;
    GetItemRect(item, &rect);
    GetClientRect(&client);
    if (!both.IntersectRect(&rect, &client)) {
        SetTopIndex(item);
        GetItemRect(item, &rect);
    }
    KYB_Editor* editor = nullptr;
    {
        Kyvant::ClearingFlagScope creating(m_inCreateEditor);
        editor = CreateEditor(item, rect);
    }
    if (editor == nullptr) {
        ::MessageBeep(MB_ICONEXCLAMATION);
        return false;
    }
    HFONT font = GetFont();
    if (font != nullptr)
        editor->SetFont(CFont::FromHandle(font), true);
    m_editor = editor;
    m_editIndex = item;
    editor->LoadContents(item, how, pt);
    return true;
}

KYB_Editor* KyEditableListBox::CreateEditor(int, const CRect& rect)
{
    KYB_Editor* editor = nullptr;
    try {
        editor = new KYB_StandardEditor<KYB_StandardCEdit>(*this, true);
        if (!editor->CreateEditorWindow(rect, *this, kEditorId))
            AfxThrowResourceException();
        return editor;
    } catch (...) {
        if (editor != nullptr) {
            editor->EnableDtorOwnerNotification(false);
            delete editor;
        }
        try {
            std::rethrow_exception(std::current_exception());
        } catch (CException* e) {
            e->ReportError();
            e->Delete();
        } catch (const std::exception& e) {
            AfxMessageBox(e.what());
        }
    }
    return nullptr;
}

void KyEditableListBox::DestroyEditor()
{
    KYB_Editor* editor = m_editor;
    if (editor != nullptr)
        delete editor; // its destructor leads back to OnEndEdit
    m_editor = nullptr;
}

void KyEditableListBox::OnEndEdit()
{
    m_editIndex = -1;
    m_editor = nullptr;
    m_wheelClosePending = false;
}

bool KyEditableListBox::SaveEdits()
{
    bool isNew = false, isEmpty = false, changed = false;
    const int index = m_editIndex;
    m_editor->StoreContents(index, isNew, isEmpty, changed);
    if (isEmpty) {
        if (index != GetEmptyItemIndex()) {
            DeleteString(static_cast<UINT>(index));
            Notify(WM_KY_LIST_ITEM_DELETED, index);
        }
    } else {
        Notify(changed ? WM_KY_LIST_TEXT_CHANGED : WM_KY_LIST_EDIT_UNCHANGED, index);
    }
    if (isNew && CanCreateNewEmptyItem(index + 1))
        CreateNewEmptyItem(index + 1);
    return isNew;
}

int KyEditableListBox::ItemAfterSave(int edited, int emptyBefore, int emptyAfter)
{
    if (emptyBefore >= 0)
        return emptyBefore == edited ? emptyAfter : Smaller(edited, emptyAfter);
    if (emptyAfter < 0)
        return Smaller(edited, GetCount() - 1);
    return emptyAfter;
}

bool KyEditableListBox::StopEditing(bool save, bool destroy, bool reselect)
{
    if (!Editing())
        return false;
    const HWND focus = ::GetFocus();
    const bool focusInside = focus == m_hWnd || ::IsChild(m_hWnd, focus);
    const int edited = m_editIndex;
    if (save) {
        const int emptyBefore = GetEmptyItemIndex();
        SaveEdits();
        if (reselect) {
            int select = ItemAfterSave(edited, emptyBefore, GetEmptyItemIndex());
            if (emptyBefore >= 0 && emptyBefore != edited && select < 0)
                select = Smaller(edited, GetCount() - 1);
            if (select >= 0 && select != GetCurSel())
                SetCurSel(select);
        }
    } else {
        Notify(WM_KY_LIST_EDIT_UNCHANGED, edited);
    }
    if (destroy) {
        DestroyEditor();
        if (focusInside)
            Kyvant::DialogEx::SetFocus(*this);
    }
    return true;
}

bool KyEditableListBox::HandleClickAfterStoppedEditing(CPoint)
{
    return false;
}

bool KyEditableListBox::CanEditItem(int item, bool start, SelectType how, CPoint pt)
{
    if (item < 0 || item != GetCurSel())
        return false;
    if (start)
        BeginEditing(how, pt);
    return true;
}

bool KyEditableListBox::CanEditItem(CPoint pt, bool start, SelectType how)
{
    BOOL outside = FALSE;
    const int item = static_cast<int>(ItemFromPoint(pt, outside));
    if (outside || item < 0 || item >= GetCount())
        return false;
    CRect rect;
    GetItemRect(item, &rect);
    if (pt.y >= rect.bottom)
        return false;
    return CanEditItem(item, start, how, pt);
}

int KyEditableListBox::GetDefaultItemHeight()
{
    if (m_defaultItemHeight == 0) {
        CClientDC dc(this);
        HFONT font = GetFont();
        HGDIOBJ old = font != nullptr ? dc.SelectObject(font) : nullptr;
        TEXTMETRICA metrics = {};
        dc.GetTextMetrics(&metrics);
        if (old != nullptr)
            dc.SelectObject(old);
        m_defaultItemHeight = metrics.tmHeight + kItemHeightPadding;
    }
    return m_defaultItemHeight;
}

void KyEditableListBox::SetDefaultItemHeight()
{
    m_defaultItemHeight = 0;
    const int height = GetDefaultItemHeight();
    SendMessage(LB_SETITEMHEIGHT, 0, MAKELPARAM(LOWORD(height), 0));
}
