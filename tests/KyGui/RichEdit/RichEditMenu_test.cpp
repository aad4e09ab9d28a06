// Tests of the rich edit control's context menu: where it opens, which commands it
// enables on a read-only control, commands reaching the control, and the cursor.
#include "RichEdit/RichEditTest.h"

#include <afxres.h>

#include <map>

namespace {

const UINT kGetMenuHandle = 0x01E1; // MN_GETHMENU

struct OpenMenu {
    bool open = false;
    CRect rect;
    std::map<UINT, bool> enabled;
};

BOOL CALLBACK NoteVisibleMenu(HWND hWnd, LPARAM result)
{
    char name[16] = {};
    ::GetClassNameA(hWnd, name, sizeof name);
    if (::IsWindowVisible(hWnd) && lstrcmpA(name, "#32768") == 0) {
        *reinterpret_cast<HWND*>(result) = hWnd;
        return FALSE;
    }
    return TRUE;
}

HWND FindPopupMenu()
{
    HWND found = nullptr;
    ::EnumWindows(&NoteVisibleMenu, reinterpret_cast<LPARAM>(&found));
    return found;
}

// Notes the open menu's place and item states, then presses the keys in it (or types
// the mnemonic).
void InspectSoon(OpenMenu& seen, std::vector<UINT> keys, char mnemonic = 0)
{
    RunSoon(
        [&seen, keys, mnemonic] {
            HWND popup = FindPopupMenu();
            seen.open = popup != nullptr;
            if (popup == nullptr)
                return;
            ::GetWindowRect(popup, &seen.rect);
            HMENU menu = reinterpret_cast<HMENU>(::SendMessageA(popup, kGetMenuHandle, 0, 0));
            for (UINT id : {ID_EDIT_UNDO, ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE, ID_EDIT_CLEAR,
                            ID_EDIT_SELECT_ALL})
                seen.enabled[id] = (::GetMenuState(menu, id, MF_BYCOMMAND) & MF_GRAYED) == 0;
            for (UINT key : keys)
                ::PostMessageA(popup, WM_KEYDOWN, key, 0);
            if (mnemonic != 0)
                ::PostMessageA(popup, WM_CHAR, static_cast<WPARAM>(mnemonic), 0);
        },
        150);
}

class RichEditMenuTest : public RichEditTest {
protected:
    void SetUp() override
    {
        RichEditTest::SetUp();
        ::OpenClipboard(m_main->m_hWnd);
        ::EmptyClipboard();
        ::CloseClipboard();
    }
};

TEST_F(RichEditMenuTest, AReadOnlyControlOffersOnlyCopyAndSelectAll)
{
    struct Case {
        const char* text;
        long selStart, selEnd;
        bool copy;
        bool selectAll;
    };
    const Case cases[] = {
        {"some text", 0, 4, true, true},
        {"some text", 2, 2, false, true},
        {"", 0, 0, false, false},
    };
    for (const Case& c : cases) {
        Load(c.text);
        m_edit.SetReadOnly(TRUE);
        m_edit.SetSel(c.selStart, c.selEnd);
        OpenMenu seen;
        InspectSoon(seen, {VK_ESCAPE, VK_ESCAPE});
        m_edit.SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(m_edit.m_hWnd),
                           MAKELPARAM(-1, -1));
        ASSERT_TRUE(seen.open) << c.text;
        EXPECT_FALSE(seen.enabled[ID_EDIT_UNDO]);
        EXPECT_FALSE(seen.enabled[ID_EDIT_CUT]);
        EXPECT_FALSE(seen.enabled[ID_EDIT_PASTE]);
        EXPECT_FALSE(seen.enabled[ID_EDIT_CLEAR]);
        EXPECT_EQ(seen.enabled[ID_EDIT_COPY], c.copy) << c.text << " " << c.selStart;
        EXPECT_EQ(seen.enabled[ID_EDIT_SELECT_ALL], c.selectAll) << c.text;
    }
}

TEST_F(RichEditMenuTest, AnEditableControlWithASelectionOffersCutAndDelete)
{
    Load("editable text");
    m_edit.SetSel(0, 8);
    OpenMenu seen;
    InspectSoon(seen, {VK_ESCAPE, VK_ESCAPE});
    m_edit.SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(m_edit.m_hWnd), MAKELPARAM(-1, -1));
    ASSERT_TRUE(seen.open);
    EXPECT_TRUE(seen.enabled[ID_EDIT_CUT]);
    EXPECT_TRUE(seen.enabled[ID_EDIT_CLEAR]);
    EXPECT_TRUE(seen.enabled[ID_EDIT_COPY]);
    EXPECT_FALSE(seen.enabled[ID_EDIT_PASTE]); // the clipboard is empty
}

TEST_F(RichEditMenuTest, FromTheKeyboardTheMenuOpensAtTheSelectionClampedIntoTheWindow)
{
    Load(NumberedLines(3));
    m_edit.SetSel(9, 10);
    OpenMenu seen;
    InspectSoon(seen, {VK_ESCAPE, VK_ESCAPE});
    m_edit.SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(m_edit.m_hWnd), MAKELPARAM(-1, -1));
    ASSERT_TRUE(seen.open);
    CPoint expected = m_edit.GetCharPos(9);
    m_edit.ClientToScreen(&expected);
    EXPECT_EQ(seen.rect.TopLeft(), expected);

    Load(std::string(300, 'x') + "end");
    m_edit.CRichEditCtrl::SetSel(300, 300); // the caret beyond the window's right edge
    m_edit.LineScroll(0, -1000);
    InspectSoon(seen, {VK_ESCAPE, VK_ESCAPE});
    m_edit.SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(m_edit.m_hWnd), MAKELPARAM(-1, -1));
    CRect client;
    m_edit.GetClientRect(&client);
    m_edit.ClientToScreen(&client);
    EXPECT_LE(seen.rect.left, client.right);
}

// A control of a program's own, whose message map chains to the library's.
class NotingRichEdit : public KyRichEditCtrl {
public:
    int m_copies = 0;

protected:
    afx_msg void OnNoteCopy() { ++m_copies; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(NotingRichEdit, KyRichEditCtrl)
ON_COMMAND(ID_EDIT_COPY, OnNoteCopy)
END_MESSAGE_MAP()

TEST_F(RichEditMenuTest, ChosenCommandsReachTheControlThroughADerivedMap)
{
    NotingRichEdit edit;
    ASSERT_TRUE(edit.Create(kStyle, CRect(0, 0, 200, 100), m_main, 4003));
    edit.SetWindowText("select me");
    edit.SetSel(0, 2);
    OpenMenu seen;
    InspectSoon(seen, {}, 'c'); // "&Copy": the derived control's handler
    edit.SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(edit.m_hWnd), MAKELPARAM(20, 20));
    PumpPending();
    ASSERT_TRUE(seen.open);
    EXPECT_EQ(seen.rect.TopLeft(), CPoint(20, 20));
    EXPECT_EQ(edit.m_copies, 1);

    InspectSoon(seen, {}, 'a'); // "Select &All": the library's
    edit.SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(edit.m_hWnd), MAKELPARAM(20, 20));
    PumpPending();
    EXPECT_STREQ(edit.GetSelText(), "select me");
    EXPECT_EQ(edit.m_copies, 1);
}

TEST_F(RichEditTest, TheCaptionHitTestGetsTheArrow)
{
    HCURSOR arrow = ::LoadCursor(nullptr, IDC_ARROW);
    ::SetCursor(::LoadCursor(nullptr, IDC_WAIT));
    EXPECT_TRUE(m_edit.SendMessage(WM_SETCURSOR, reinterpret_cast<WPARAM>(m_edit.m_hWnd),
                                   MAKELPARAM(HTCAPTION, WM_MOUSEMOVE)));
    EXPECT_EQ(::GetCursor(), arrow);
}

} // namespace
