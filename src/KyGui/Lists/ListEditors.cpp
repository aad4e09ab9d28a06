// The in-place editors: owner notification, the string editor's loading and
// storing of an item's text copy, and the edit control's Enter and Esc.
#include "KyGui/Lists/ListEditors.h"

#include "KyGui/Exceptions/MfcStdException.h"
#include "KyGui/Helpers/UserEx.h"
#include "KyGui/Lists/EditableListBox.h"
#include "KyStd/Core/Errors.h"

#include <cstdlib>
#include <cstring>
#include <exception>

namespace {

const UINT kEnter = 13;
const UINT kEscape = 27;

} // namespace

KYB_Editor::KYB_Editor(KyEditableListBox& owner, bool notify) : m_owner(owner), m_notify(notify) {}

KYB_Editor::KYB_Editor(const KYB_Editor& other) = default;

KYB_Editor::~KYB_Editor()
{
    if (m_notify)
        m_owner.OnEndEdit();
}

void KYB_Editor::StopEditing(bool save)
{
    m_owner.StopEditing(save, true, true);
}

void KYB_StringEditor::LoadContents(int item, SelectType how, CPoint)
{
    const char* text = GetOwner().ItemText(item);
    SetText(text != nullptr ? text : "");
    if (how == Keyboard || how == MouseClick)
        SetSelection(0, -1, false);
    else if (how == CaretAtStart)
        SetSelection(0, 0, false);
    SetFocus();
}

void KYB_StringEditor::StoreContents(int item, bool& isNew, bool& isEmpty, bool& changed)
{
    isNew = isEmpty = changed = false;
    try {
        StoreText(item, isNew, isEmpty, changed);
    } catch (const std::exception& e) {
        // MFC's dispatcher reports its own exceptions: a refused text is shown with its reason.
        throw Kyvant::MfcStdException::Create(e);
    }
}

void KYB_StringEditor::StoreText(int item, bool& isNew, bool& isEmpty, bool& changed)
{
    CString text;
    GetText(text);
    KyEditableListBox& owner = GetOwner();
    owner.ValidateText(item, text);
    isEmpty = text.IsEmpty() != FALSE;
    if (isEmpty)
        return;
    char* old = const_cast<char*>(owner.ItemText(item));
    const char* now = text;
    if (old != nullptr) {
        changed = std::strcmp(old, now) != 0;
        if (changed) {
            const std::size_t size = std::strlen(now) + 1;
            char* copy = static_cast<char*>(Kyvant::xrealloc(old, size));
            std::memcpy(copy, now, size);
            owner.SetItemDataPtr(item, copy);
        }
        return;
    }
    owner.SetItemDataPtr(item, Kyvant::xstrdup(now));
    isNew = changed = true;
}

bool Kyvant::ListEditorStyles::Themed()
{
    return Kyvant::UserEx::IsAppThemed();
}

BEGIN_MESSAGE_MAP(KYB_StandardCEdit, CEdit)
    ON_WM_GETDLGCODE()
    ON_WM_CHAR()
END_MESSAGE_MAP()

UINT KYB_StandardCEdit::OnGetDlgCode()
{
    return DLGC_WANTALLKEYS;
}

void KYB_StandardCEdit::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar == kEnter)
        m_editor.StopEditing(true);
    else if (nChar == kEscape)
        m_editor.StopEditing(false);
    else
        CEdit::OnChar(nChar, nRepCnt, nFlags);
}
