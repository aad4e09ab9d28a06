// The list box tests' dialog: an in-memory template with one list box, the
// notification record, and helpers that send keys and clicks.
#include "Lists/ListTestDialog.h"

#include "KyGui/Lists/EditableListBox.h"

#include <gtest/gtest.h>

namespace {

const WORD kListBoxClass = 0x0083;
const WORD kClassAtom = 0xFFFF;
const DWORD kDialogStyle = DS_SETFONT | WS_POPUP | WS_VISIBLE;
const WORD kDialogWidth = 260;
const WORD kDialogHeight = 160;
const WORD kFontPoints = 8;
const LPARAM kAltDown = 1L << 29;

void PutDword(std::vector<WORD>& t, DWORD v)
{
    t.push_back(LOWORD(v));
    t.push_back(HIWORD(v));
}

void PutText(std::vector<WORD>& t, const char* s)
{
    for (; *s; ++s)
        t.push_back(static_cast<WORD>(*s));
    t.push_back(0);
}

} // namespace

BEGIN_MESSAGE_MAP(ListTestDialog, CDialog)
    ON_MESSAGE(WM_KY_LIST_TEXT_CHANGED, OnListNote)
    ON_MESSAGE(WM_KY_LIST_ITEM_DELETED, OnListNote)
    ON_MESSAGE(WM_KY_LIST_ITEM_MOVED, OnListNote)
    ON_MESSAGE(WM_KY_LIST_EDIT_UNCHANGED, OnListNote)
    ON_LBN_SELCHANGE(kListId, OnSelChange)
END_MESSAGE_MAP()

ListTestDialog::ListTestDialog(DWORD listStyle, int x, int y, int cx, int cy)
{
    std::vector<WORD>& t = m_template;
    PutDword(t, kDialogStyle);
    PutDword(t, 0);
    t.push_back(1);
    t.push_back(0);
    t.push_back(0);
    t.push_back(kDialogWidth);
    t.push_back(kDialogHeight);
    t.push_back(0); // menu
    t.push_back(0); // class
    PutText(t, "Lists");
    t.push_back(kFontPoints);
    PutText(t, "MS Shell Dlg");
    if (t.size() % 2 != 0)
        t.push_back(0);
    PutDword(t, WS_CHILD | WS_VISIBLE | WS_TABSTOP | listStyle);
    PutDword(t, 0);
    t.push_back(static_cast<WORD>(x));
    t.push_back(static_cast<WORD>(y));
    t.push_back(static_cast<WORD>(cx));
    t.push_back(static_cast<WORD>(cy));
    t.push_back(kListId);
    t.push_back(kClassAtom);
    t.push_back(kListBoxClass);
    t.push_back(0); // title
    t.push_back(0); // creation data
}

ListTestDialog::~ListTestDialog()
{
    if (m_hWnd != nullptr)
        DestroyWindow();
}

bool ListTestDialog::Open(CListBox& list)
{
    if (!CreateIndirect(reinterpret_cast<LPCDLGTEMPLATE>(m_template.data()), nullptr))
        return false;
    return list.SubclassDlgItem(kListId, this) != FALSE;
}

LRESULT ListTestDialog::OnListNote(WPARAM wParam, LPARAM lParam)
{
    m_notes.push_back({GetCurrentMessage()->message, wParam, lParam});
    return 0;
}

void ListTestDialog::OnSelChange()
{
    ++m_selChanges;
}

void PressKey(HWND hWnd, UINT vk, UINT ch)
{
    ::SendMessageA(hWnd, WM_KEYDOWN, vk, 1);
    if (ch != 0)
        ::SendMessageA(hWnd, WM_CHAR, ch, 1);
    ::SendMessageA(hWnd, WM_KEYUP, vk, 1 | (3L << 30));
}

void PressAltKey(HWND hWnd, UINT vk)
{
    BYTE keys[256] = {};
    ::GetKeyboardState(keys);
    keys[VK_MENU] = 0x80;
    ::SetKeyboardState(keys);
    ::SendMessageA(hWnd, WM_SYSKEYDOWN, vk, 1 | kAltDown);
    keys[VK_MENU] = 0;
    ::SetKeyboardState(keys);
}

void Click(HWND hWnd, POINT down, POINT up)
{
    ::SendMessageA(hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(down.x, down.y));
    if (down.x != up.x || down.y != up.y)
        ::SendMessageA(hWnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(up.x, up.y));
    ::SendMessageA(hWnd, WM_LBUTTONUP, 0, MAKELPARAM(up.x, up.y));
}

POINT ItemCenter(CListBox& list, int item)
{
    RECT rect = {};
    list.GetItemRect(item, &rect);
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

std::vector<std::string> Texts(CListBox& list)
{
    std::vector<std::string> texts;
    for (int i = 0; i < list.GetCount(); ++i) {
        CString text;
        list.GetText(i, text);
        texts.push_back(static_cast<LPCSTR>(text));
    }
    return texts;
}
