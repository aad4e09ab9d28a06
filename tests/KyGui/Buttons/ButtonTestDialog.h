// A modeless test dialog built from an in-memory template, holding buttons
// and statics to be subclassed, that records what reaches it.
#pragma once

#include "TestApp.h"

#include <afxwin.h>

#include <cstdlib>
#include <cstring>

#include <string>
#include <vector>

namespace ButtonTest {

enum : UINT
{
    kFirstId = 1001,
    kInvokeMessage = WM_APP + 0x96,
    kCmdChosen = 40001,
    kCmdDisabled = 40002,
};

struct Item
{
    bool isStatic;
    DWORD style;
    short x, y, cx, cy;
    WORD id;
    const wchar_t* text;
};

inline std::vector<WORD> BuildTemplate(const std::vector<Item>& items)
{
    std::vector<WORD> t;
    auto align = [&t] {
        if (t.size() % 2)
            t.push_back(0);
    };
    auto put32 = [&t](DWORD v) {
        t.push_back(LOWORD(v));
        t.push_back(HIWORD(v));
    };
    auto putText = [&t](const wchar_t* s) {
        for (; *s; ++s)
            t.push_back(static_cast<WORD>(*s));
        t.push_back(0);
    };
    put32(WS_POPUP | WS_VISIBLE | DS_SETFONT);
    put32(0);
    t.push_back(static_cast<WORD>(items.size()));
    t.push_back(0);
    t.push_back(0);
    t.push_back(300);
    t.push_back(200);
    t.push_back(0);  // no menu
    t.push_back(0);  // standard class
    putText(L"Buttons");
    t.push_back(8);
    putText(L"MS Shell Dlg");
    for (const Item& item : items)
    {
        align();
        put32(item.style | WS_CHILD | WS_VISIBLE);
        put32(0);
        t.push_back(static_cast<WORD>(item.x));
        t.push_back(static_cast<WORD>(item.y));
        t.push_back(static_cast<WORD>(item.cx));
        t.push_back(static_cast<WORD>(item.cy));
        t.push_back(item.id);
        t.push_back(0xFFFF);
        t.push_back(item.isStatic ? 0x0082 : 0x0080);
        putText(item.text);
        t.push_back(0);  // no creation data
    }
    return t;
}

class Dialog : public CDialog
{
public:
    std::vector<std::string> m_events;
    std::vector<std::pair<WPARAM, LPARAM>> m_invokes;

    // Creates the dialog (DWORD-aligned template) at the screen's top left.
    bool Open(const std::vector<Item>& items)
    {
        std::vector<WORD> t = BuildTemplate(items);
        m_template.assign((t.size() + 1) / 2, 0);
        memcpy(m_template.data(), t.data(), t.size() * sizeof(WORD));
        return CreateIndirect(reinterpret_cast<LPCDLGTEMPLATE>(m_template.data())) != FALSE;
    }
    ~Dialog() override
    {
        if (m_hWnd)
            DestroyWindow();
    }

protected:
    afx_msg LRESULT OnInvoke(WPARAM wParam, LPARAM lParam)
    {
        m_invokes.emplace_back(wParam, lParam);
        return 0;
    }
    afx_msg void OnClicked(UINT id) { m_events.push_back("clicked " + std::to_string(id)); }
    afx_msg void OnStaticClicked(UINT id) { m_events.push_back("static " + std::to_string(id)); }
    afx_msg void OnChosen() { m_events.push_back("chosen"); }
    afx_msg void OnDisabled() { m_events.push_back("disabled run"); }
    afx_msg void OnUpdateDisabled(CCmdUI* pCmdUI)
    {
        m_events.push_back("update");
        pCmdUI->Enable(FALSE);
    }
    void OnOK() override {}
    void OnCancel() override {}
    DECLARE_MESSAGE_MAP()

private:
    std::vector<DWORD> m_template;
};

// Sets or clears one key in the thread's keyboard state (read with GetKeyState).
inline void SetKey(int key, bool down)
{
    BYTE state[256];
    ::GetKeyboardState(state);
    state[key] = down ? 0x80 : 0;
    ::SetKeyboardState(state);
}

inline bool Unthemed()
{
    return std::getenv("KY_EXPECT_UNTHEMED") != nullptr;
}

} // namespace ButtonTest
