// The check list tests' dialog: the list box tests' dialog that also records the
// check-change commands, and a check list that records what its overrides see.
#pragma once

#include "KyGui/CheckList/KyCheckListBox.h"
#include "Lists/ListTestDialog.h"

#include <cstdlib>
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

// Sets or clears one key in the thread's keyboard state (read with GetKeyState).
void SetKey(int key, bool down);
// The check box's height: the bitmap image's unthemed, the theme's part size themed.
int CheckBoxHeight(KyCheckListBoxBase& list);
