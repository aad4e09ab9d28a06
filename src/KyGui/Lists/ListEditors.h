// The in-place editors of the editable list boxes: the abstract editor, the
// string editor, the standard editor over an edit control, and that control.
#pragma once

#include "KyGui/KyGuiExport.h"

#include <afxwin.h>

class KyEditableListBox;

class KYGUI_API KYB_Editor
{
public:
    // How editing began.
    enum SelectType {
        Keyboard = 0,     // F2, a typed character, New Item: the whole text selected
        MouseClick = 1,   // a click at a point: the whole text selected
        CaretAtStart = 2, // the caret at the start
    };

    KYB_Editor(KyEditableListBox& owner, bool notify);
    KYB_Editor(const KYB_Editor& other);
    KYB_Editor& operator=(const KYB_Editor&) = delete;
    virtual ~KYB_Editor();

    void EnableDtorOwnerNotification(bool notify) { m_notify = notify; }
    bool GetDtorOwnerNotificationState() const { return m_notify; }
    KyEditableListBox& GetOwner() const { return m_owner; }

    // Asks the owner to end editing, keeping the text or not.
    virtual void StopEditing(bool save);
    virtual void StoreContents(int item, bool& isNew, bool& isEmpty, bool& changed) = 0;
    virtual void LoadContents(int item, SelectType how, CPoint pt) = 0;
    virtual bool CreateEditorWindow(const CRect& rect, CWnd& parent, UINT id) = 0;
    virtual CWnd& GetEditorWindow() = 0;
    virtual void SetFont(CFont* font, bool redraw) = 0;
    virtual CWnd* SetFocus() = 0;
    virtual CWnd& GetFocusWindow() = 0;
    virtual LRESULT SendMessageA(UINT message, WPARAM wParam, LPARAM lParam) = 0;

private:
    KyEditableListBox& m_owner;
    bool m_notify;
};

class KYGUI_API KYB_StringEditor : public KYB_Editor
{
public:
    KYB_StringEditor(KyEditableListBox& owner, bool notify) : KYB_Editor(owner, notify) {}

    void StoreContents(int item, bool& isNew, bool& isEmpty, bool& changed) override;
    void LoadContents(int item, SelectType how, CPoint pt) override;
    virtual void SetSelection(int start, int end, bool noScroll) = 0;
    virtual void SetText(const char* text) = 0;
    virtual void GetText(CString& text) = 0;

private:
    void StoreText(int item, bool& isNew, bool& isEmpty, bool& changed);
};

// The editor's edit control: Enter keeps the text, Esc drops it.
class KYGUI_API KYB_StandardCEdit : public CEdit
{
public:
    explicit KYB_StandardCEdit(KYB_Editor& editor) : m_editor(editor) {}

protected:
    afx_msg UINT OnGetDlgCode();
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    DECLARE_MESSAGE_MAP()

private:
    KYB_Editor& m_editor;
};

namespace Kyvant {
namespace ListEditorStyles {
const DWORD kThemed = WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL;
const DWORD kUnthemed = WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL;
KYGUI_API bool Themed();
} // namespace ListEditorStyles
} // namespace Kyvant

// The standard editor over an edit-control class that takes the editor in its constructor.
template <class Edit>
class KYB_StandardEditor : public KYB_StringEditor
{
public:
    KYB_StandardEditor(KyEditableListBox& owner, bool notify) : KYB_StringEditor(owner, notify), m_edit(*this) {}
    ~KYB_StandardEditor() override
    {
        if (m_edit.GetSafeHwnd() != nullptr)
            m_edit.DestroyWindow();
    }

    bool CreateEditorWindow(const CRect& rect, CWnd& parent, UINT id) override
    {
        if (Kyvant::ListEditorStyles::Themed())
            return m_edit.CreateEx(WS_EX_CLIENTEDGE, "EDIT", "", Kyvant::ListEditorStyles::kThemed, rect, &parent,
                                   id) != FALSE;
        return m_edit.Create(Kyvant::ListEditorStyles::kUnthemed, rect, &parent, id) != FALSE;
    }
    CWnd& GetEditorWindow() override { return m_edit; }
    CWnd& GetFocusWindow() override { return m_edit; }
    void SetFont(CFont* font, bool redraw) override
    {
        m_edit.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font != nullptr ? font->GetSafeHandle() : nullptr),
                           redraw ? TRUE : FALSE);
    }
    CWnd* SetFocus() override { return m_edit.SetFocus(); }
    LRESULT SendMessageA(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        return m_edit.SendMessage(message, wParam, lParam);
    }
    void SetSelection(int start, int end, bool noScroll) override
    {
        m_edit.SendMessage(EM_SETSEL, static_cast<WPARAM>(start), end);
        if (!noScroll)
            m_edit.SendMessage(EM_SCROLLCARET);
    }
    void SetText(const char* text) override { m_edit.SetWindowText(text); }
    void GetText(CString& text) override { m_edit.GetWindowText(text); }

protected:
    Edit m_edit;
};
