// A modeless dialog holding one list box (control 100) for the list box tests;
// it records the list's notifications and drives keys and mouse clicks.
#pragma once

#include <afxwin.h>

#include <string>
#include <vector>

struct ListNote
{
    UINT message;
    WPARAM item;
    LPARAM list;
};

class ListTestDialog : public CDialog
{
public:
    static const int kListId = 100;

    // A dialog of the given size (dialog units) with the list at (x, y, cx, cy).
    ListTestDialog(DWORD listStyle, int x = 20, int y = 30, int cx = 120, int cy = 90);
    ~ListTestDialog() override;

    // Creates the window (shown) and subclasses the list into list.
    bool Open(CListBox& list);

    std::vector<ListNote> m_notes;
    int m_selChanges = 0;

protected:
    afx_msg LRESULT OnListNote(WPARAM wParam, LPARAM lParam);
    afx_msg void OnSelChange();
    DECLARE_MESSAGE_MAP()

private:
    std::vector<WORD> m_template;
};

// Sends a key press (down, character when given, up) to a window.
void PressKey(HWND hWnd, UINT vk, UINT ch = 0);
// Sends Alt+key as the system sends it.
void PressAltKey(HWND hWnd, UINT vk);
// Sends the left button down and up at client points of the window.
void Click(HWND hWnd, POINT down, POINT up);
// The point in the middle of a list item, in the list's client coordinates.
POINT ItemCenter(CListBox& list, int item);
// The text of every item of a list that keeps strings.
std::vector<std::string> Texts(CListBox& list);
