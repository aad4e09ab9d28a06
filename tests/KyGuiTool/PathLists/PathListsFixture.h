// The fixture of the path list tests: list boxes subclassed in a host dialog
// as a page's controls are, rows loaded and read back, toolbar buttons
// clicked, and the remembered browse folder put back afterwards.
#pragma once

#include "KyGuiTool/PathLists/KyEditableFileAndFolderListBox.h"
#include "ShellObjEdit/ShellObjTestSupport.h"
#include "Storage/StorageTestSupport.h"

#include <afxcmn.h>

#include <string>
#include <vector>

namespace PathListsTest {

using ShellObjTest::Strings;
using RowText = KyEditableListBox::Text;

const DWORD kListStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER | WS_VSCROLL | LBS_NOTIFY |
                         LBS_OWNERDRAWFIXED | LBS_NOINTEGRALHEIGHT;
const UINT kListId = 100;

inline void Load(KyEditableListBox& list, const Strings& rows, bool addEmptyRow = true)
{
    std::vector<RowText> texts;
    for (const std::string& row : rows)
        texts.push_back(RowText(row.c_str()));
    list.LoadContents(Kyvant::forward_input_sequencer<std::vector<RowText>>(texts), addEmptyRow);
}

// Every row's text; the empty new row as "<new>".
inline Strings Rows(const KyEditableListBox& list)
{
    Strings rows;
    for (int i = 0; i < list.GetCount(); ++i) {
        const char* text = list.ItemText(i);
        rows.push_back(text != nullptr ? text : "<new>");
    }
    return rows;
}

// A left click in the middle of a toolbar button, as the mouse gives it.
inline void ClickButton(CToolBarCtrl& bar, UINT command)
{
    CRect rect;
    bar.GetItemRect(static_cast<int>(bar.CommandToIndex(command)), &rect);
    const LPARAM at = MAKELPARAM(rect.CenterPoint().x, rect.CenterPoint().y);
    bar.SendMessage(WM_MOUSEMOVE, 0, at);
    bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, at);
    bar.SendMessage(WM_LBUTTONUP, 0, at);
    PumpPending();
}

inline std::string TipOf(CToolBarCtrl& bar, UINT command)
{
    HWND tip = reinterpret_cast<HWND>(bar.SendMessage(TB_GETTOOLTIPS));
    char text[80] = "";
    TOOLINFOA info = {};
    info.cbSize = sizeof info;
    info.hwnd = bar.m_hWnd;
    info.uId = command;
    info.lpszText = text;
    ::SendMessageA(tip, TTM_GETTEXTA, 0, reinterpret_cast<LPARAM>(&info));
    return text;
}

inline std::vector<UINT> Commands(CToolBarCtrl& bar)
{
    std::vector<UINT> commands;
    for (int i = 0; i < bar.GetButtonCount(); ++i) {
        TBBUTTON button = {};
        bar.GetButton(i, &button);
        commands.push_back(static_cast<UINT>(button.idCommand));
    }
    return commands;
}

inline CRect RectIn(const CWnd& window, const CWnd& parent)
{
    CRect rect;
    window.GetWindowRect(&rect);
    parent.ScreenToClient(&rect);
    return rect;
}

class PathListsFixture : public StorageTest::StorageFixture {
protected:
    // Creates a list box in the host with the font given (null: the
    // dialog's) and subclasses it into the object, as DDX_Control does.
    bool AddList(CListBox& list, HFONT font = nullptr, const CRect& rect = CRect(10, 30, 410, 190))
    {
        HWND window = ::CreateWindowExA(0, "LISTBOX", "", kListStyle, rect.left, rect.top,
                                        rect.Width(), rect.Height(), m_host.m_hWnd,
                                        reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kListId)),
                                        ::GetModuleHandleA(nullptr), nullptr);
        if (window == nullptr)
            return false;
        ::SendMessageA(window, WM_SETFONT,
                       reinterpret_cast<WPARAM>(font != nullptr ? font : m_host.GetFont()), FALSE);
        return list.SubclassWindow(window) != FALSE;
    }

    // Starts editing the row by F2.
    static void EditRow(KyEditableListBox& list, int row)
    {
        list.SetCurSel(row);
        list.SetFocus();
        list.SendMessage(WM_KEYDOWN, VK_F2, 1);
    }

    // The edit of the open row editor.
    static HWND EditorEdit(KyEditableListBox& list)
    {
        return list.GetEditorPtr()->GetEditorWindow().m_hWnd;
    }

    NamedDbTest::SavedValue m_browseFolder{Kyvant::kSharedSettingsKey, "BrowseFolderPath"};
    ShellObjTest::HostDialog m_host;
    ShellObjTest::Scratch m_scratch;
};

} // namespace PathListsTest
