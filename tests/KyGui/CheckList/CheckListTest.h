// The check list tests' dialog: the list box tests' dialog that also records the
// check-change commands, and a check list that records what its overrides see.
#pragma once

#include "KyGui/CheckList/KyCheckListBox.h"
#include "Lists/ListTestDialog.h"
#include "TestApp.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <initializer_list>
#include <memory>
#include <vector>

class CheckListDialog : public ListTestDialog {
public:
    using ListTestDialog::ListTestDialog;

    std::vector<LPARAM> m_checkChanges; // lParam of each WM_COMMAND with code 40

protected:
    afx_msg void OnCheckChanged();
    DECLARE_MESSAGE_MAP()
};

// Records the caller's values that reach the owner-draw overrides; compares them as numbers.
template <class Base>
class RecordingCheckList : public Base {
public:
    std::vector<DWORD_PTR> m_deleted;
    std::vector<DWORD_PTR> m_compared;
    std::vector<MEASUREITEMSTRUCT> m_measured;
    UINT m_answerHeight = 0;

    void DeleteItem(LPDELETEITEMSTRUCT dis) override { m_deleted.push_back(dis->itemData); }
    int CompareItem(LPCOMPAREITEMSTRUCT cis) override
    {
        m_compared.push_back(cis->itemData1);
        m_compared.push_back(cis->itemData2);
        return cis->itemData1 < cis->itemData2 ? -1 : (cis->itemData1 > cis->itemData2 ? 1 : 0);
    }
    void MeasureItem(LPMEASUREITEMSTRUCT mis) override
    {
        m_measured.push_back(*mis);
        mis->itemHeight = m_answerHeight;
    }
};

inline bool Unthemed()
{
    return std::getenv("KY_EXPECT_UNTHEMED") != nullptr;
}

// A check list of the given class in the dialog, with the helpers that click its checks
// and read them all.
template <class List>
class CheckListFixture : public ::testing::Test {
protected:
    void Open(DWORD style, std::initializer_list<const char*> items = {})
    {
        m_dialog.reset(new CheckListDialog(style));
        ASSERT_TRUE(m_dialog->Open(m_list));
        for (const char* item : items)
            m_list.AddString(item);
        PumpPending();
    }
    void TearDown() override
    {
        if (m_dialog)
            m_dialog->DestroyWindow();
    }
    // A left click in the item's check area, with the given modifier flags.
    void ClickCheck(int item, UINT flags = 0)
    {
        CRect rect;
        m_list.GetItemRect(item, &rect);
        const LPARAM at = MAKELPARAM(rect.left + 5, rect.CenterPoint().y);
        m_list.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON | flags, at);
        m_list.SendMessage(WM_LBUTTONUP, flags, at);
    }
    void SetChecks(const std::vector<int>& checks)
    {
        for (size_t i = 0; i < checks.size(); ++i)
            m_list.SetCheck(static_cast<int>(i), checks[i]);
    }
    std::vector<int> Checks()
    {
        std::vector<int> checks;
        for (int i = 0; i < m_list.GetCount(); ++i)
            checks.push_back(m_list.GetCheck(i));
        return checks;
    }

    List m_list;
    std::unique_ptr<CheckListDialog> m_dialog;
};

// Sets or clears one key in the thread's keyboard state (read with GetKeyState).
void SetKey(int key, bool down);
// The check box's height: the bitmap image's unthemed, the theme's part size themed.
int CheckBoxHeight(KyCheckListBoxBase& list);
