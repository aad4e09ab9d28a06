// A modeless dialog built from an in-memory template of edit, list-box and
// combo-box controls, with a data exchange the test supplies.
#pragma once

#include <afxwin.h>

#include <functional>
#include <vector>

namespace AdapterTest {

enum ControlClass : WORD {
    kEdit = 0x0081,
    kListBox = 0x0083,
    kComboBox = 0x0085,
};

struct Control {
    ControlClass kind;
    DWORD style;
    short x, y, cx, cy; // dialog units
    WORD id;
};

class Dialog : public CDialog {
public:
    ~Dialog() override;

    // Creates the dialog (shown, at the screen's top left) with the controls.
    bool Open(const std::vector<Control>& controls);

    std::function<void(CDataExchange*)> m_exchange;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override {}
    void OnCancel() override {}

private:
    std::vector<DWORD> m_template;
};

// A window object that counts the messages it is sent, by message number.
template <class Base>
class Counting : public Base {
public:
    int Count(UINT message) const
    {
        int n = 0;
        for (UINT m : m_messages)
            n += m == message ? 1 : 0;
        return n;
    }
    void Clear() { m_messages.clear(); }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        m_messages.push_back(message);
        return Base::WindowProc(message, wParam, lParam);
    }

private:
    std::vector<UINT> m_messages;
};

} // namespace AdapterTest
