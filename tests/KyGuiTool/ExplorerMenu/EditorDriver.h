// Driving the Explorer context-menu editor in the tests: running it modally
// with a script, reading its list and controls, clicking, typing, and
// answering the message boxes it asks.
#pragma once

#include "KyGuiTool/ExplorerMenu/ExplorerMenuResource.h"
#include "KyGuiTool/ExplorerMenu/KyExplorerContextMenuEditorDialog.h"
#include "TestApp.h"

#include <afxwin.h>

#include <functional>
#include <string>
#include <vector>

namespace menutest {

// DoModal's result when the script ended with the editor still open.
const INT_PTR kLeftOpen = 99;

class Editor : public KyExplorerContextMenuEditorDialog {
public:
    // Runs the editor; the script runs once it is up. An editor the script
    // left open is ended with kLeftOpen.
    INT_PTR Run(const std::function<void(Editor&)>& script)
    {
        OnNextModalIdle([this, script](CWnd*) {
            script(*this);
            PumpPending();
            if (ContinueModal())
                EndDialog(static_cast<int>(kLeftOpen));
        });
        return DoModal();
    }

    ECMListBox& List() { return *static_cast<ECMListBox*>(GetDlgItem(IDC_KY_ECM_LIST)); }
    // The stored entries, without the empty new row.
    std::vector<std::string> Entries()
    {
        std::vector<std::string> entries;
        for (int row = 0; row < List().GetCount(); ++row) {
            if (List().ItemText(row) != nullptr)
                entries.push_back(List().ItemText(row));
        }
        return entries;
    }
    void Click(int id)
    {
        GetDlgItem(id)->SendMessage(BM_CLICK);
        PumpPending();
    }
    // A click on a row that is not selected selects it.
    void ClickRow(int row)
    {
        CRect rect;
        List().GetItemRect(row, &rect);
        const LPARAM at = MAKELPARAM(rect.left + 8, rect.CenterPoint().y);
        List().SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, at);
        List().SendMessage(WM_LBUTTONUP, 0, at);
        PumpPending();
    }
    void PressKey(UINT key)
    {
        List().SendMessage(WM_KEYDOWN, key, 1);
        List().SendMessage(WM_KEYUP, key, 1 | (3L << 30));
        PumpPending();
    }
    // Alt with the key, as the system sends it.
    void PressAltKey(UINT key)
    {
        BYTE keys[256] = {};
        ::GetKeyboardState(keys);
        keys[VK_MENU] = 0x80;
        ::SetKeyboardState(keys);
        List().SendMessage(WM_SYSKEYDOWN, key, 1 | (1L << 29));
        keys[VK_MENU] = 0;
        ::SetKeyboardState(keys);
        PumpPending();
    }
    // F2 on the selected row, the caption typed, Enter.
    void EditCaption(const char* caption)
    {
        if (!List().Editing())
            PressKey(VK_F2);
        CWnd& editor = List().GetEditorPtr()->GetEditorWindow();
        editor.SetWindowText(caption);
        editor.SendMessage(WM_CHAR, VK_RETURN, 1);
        PumpPending();
    }
    void ChooseTool(int index)
    {
        GetDlgItem(IDC_KY_ECM_TOOL_NAME)->SendMessage(CB_SETCURSEL, static_cast<WPARAM>(index));
        SendMessage(WM_COMMAND, MAKEWPARAM(IDC_KY_ECM_TOOL_NAME, CBN_SELCHANGE),
                    reinterpret_cast<LPARAM>(GetDlgItem(IDC_KY_ECM_TOOL_NAME)->m_hWnd));
        PumpPending();
    }
    bool Checked(int id) { return IsDlgButtonChecked(id) == BST_CHECKED; }
    bool Enabled(int id) { return GetDlgItem(id)->IsWindowEnabled() != FALSE; }
    std::string Text(int id)
    {
        CString text;
        GetDlgItemText(id, text);
        return static_cast<LPCSTR>(text);
    }
    // What the command controls show: the checked radio ("tool", "file" or
    // "none"), then the combo's or the edit's text.
    std::string Shown()
    {
        if (Checked(IDC_KY_ECM_STANDARD_TOOL))
            return "tool " + Text(IDC_KY_ECM_TOOL_NAME);
        if (Checked(IDC_KY_ECM_TASK_FILE))
            return "file " + Text(IDC_KY_ECM_FILE_NAME);
        return "none";
    }
    // Which command controls are enabled: radios, combo, edit, browse, as 1 or 0.
    std::string EnabledControls()
    {
        std::string flags;
        for (int id : {IDC_KY_ECM_STANDARD_TOOL, IDC_KY_ECM_TASK_FILE, IDC_KY_ECM_TOOL_NAME,
                       IDC_KY_ECM_FILE_NAME, IDC_KY_ECM_BROWSE})
            flags += Enabled(id) ? '1' : '0';
        return flags;
    }
};

// The texts of the boxes shown since the recording was cleared.
inline std::vector<std::string> BoxTexts()
{
    std::vector<std::string> texts;
    for (const RecordedBox& box : theApp.m_boxes)
        texts.push_back(box.text);
    return texts;
}

// A shown dialog of the thread other than the editor.
inline BOOL CALLBACK FindBox(HWND window, LPARAM found)
{
    char name[16] = "";
    ::GetClassNameA(window, name, sizeof name);
    if (std::string(name) != "#32770" || !::IsWindowVisible(window) ||
        ::GetDlgItem(window, IDC_KY_ECM_LIST) != nullptr)
        return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

// Answers the real message boxes that come up next with the given buttons,
// in turn, pressed from a timer inside each box's own loop.
class BoxAnswers {
public:
    BoxAnswers(std::vector<int> buttons, const char* screenshot = nullptr)
        : m_buttons(std::move(buttons)), m_screenshot(screenshot)
    {
        theApp.m_boxes.clear();
        theApp.m_showRealBoxes = true;
        theApp.m_onBox = [this] {
            const int button = m_next < m_buttons.size() ? m_buttons[m_next++] : IDCANCEL;
            Press(button, m_screenshot);
            m_screenshot = nullptr;
        };
    }
    ~BoxAnswers()
    {
        theApp.m_showRealBoxes = false;
        theApp.m_onBox = nullptr;
    }
    BoxAnswers(const BoxAnswers&) = delete;
    BoxAnswers& operator=(const BoxAnswers&) = delete;

private:
    static void Press(int button, const char* screenshot)
    {
        RunSoon([button, screenshot] {
            HWND box = nullptr;
            ::EnumThreadWindows(::GetCurrentThreadId(), &FindBox, reinterpret_cast<LPARAM>(&box));
            if (box == nullptr) {
                Press(button, screenshot);
                return;
            }
            if (screenshot != nullptr)
                SaveWindowPng(box, screenshot);
            ::PostMessageA(box, WM_COMMAND, static_cast<WPARAM>(button), 0);
        });
    }

    std::vector<int> m_buttons;
    size_t m_next = 0;
    const char* m_screenshot;
};

} // namespace menutest
