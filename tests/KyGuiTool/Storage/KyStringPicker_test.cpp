// Tests of KyStringPicker: the counting label and the selection buttons of the
// multiple-choice list, the single-choice list, whole rows, and the refusal of
// an empty choice.
#include "KyGuiTool/Storage/KyStringPicker.h"

#include "StorageTestSupport.h"

using namespace StorageTest;

namespace {

struct PickerSeen {
    std::string caption;
    std::string label;
    bool selectAll = false;
    bool selectNone = false;
    bool buttonsVisible = false;
    DWORD listStyle = 0;
    int listRowsRemainder = -1;
    int rows = 0;
};

PickerSeen Read(CWnd* dialog)
{
    PickerSeen seen;
    HWND list = ::GetDlgItem(dialog->m_hWnd, IDC_KY_PICKER_LIST);
    seen.caption = Text(dialog->m_hWnd);
    seen.label = ItemText(*dialog, IDC_KY_PICKER_LABEL);
    seen.selectAll = Enabled(*dialog, IDC_KY_PICKER_ALL);
    seen.selectNone = Enabled(*dialog, IDC_KY_PICKER_NONE);
    seen.buttonsVisible = ::IsWindowVisible(::GetDlgItem(dialog->m_hWnd, IDC_KY_PICKER_ALL)) &&
                          ::IsWindowVisible(::GetDlgItem(dialog->m_hWnd, IDC_KY_PICKER_NONE));
    seen.listStyle = static_cast<DWORD>(::GetWindowLongA(list, GWL_STYLE));
    RECT client;
    ::GetClientRect(list, &client);
    const int rowHeight = static_cast<int>(::SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
    seen.listRowsRemainder = client.bottom % rowHeight;
    seen.rows = client.bottom / rowHeight;
    return seen;
}

// A click on the list's row with Ctrl held, as the mouse gives it.
void CtrlClickRow(CWnd* dialog, int row)
{
    HWND list = ::GetDlgItem(dialog->m_hWnd, IDC_KY_PICKER_LIST);
    RECT item;
    ::SendMessageA(list, LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    const LPARAM at = MAKELPARAM(item.left + 4, (item.top + item.bottom) / 2);
    ::SendMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON | MK_CONTROL, at);
    ::SendMessageA(list, WM_LBUTTONUP, MK_CONTROL, at);
}

using Choices = std::vector<std::string>;
using ChoiceSequence =
    Kyvant::forward_input_sequencer<Choices, Kyvant::ky_cast_converter<std::string, const char*>>;
using Chosen = std::vector<Kyvant::ky_BSB<char>>;

Strings AsStrings(const Chosen& chosen)
{
    Strings out;
    for (const auto& s : chosen)
        out.push_back(s.c_str());
    return out;
}

} // namespace

TEST(KyStringPicker, MultipleChoiceCountsTheChosenAndRefusesNone)
{
    const Choices choices = {"Alpha", "Beta", "Gamma", "Delta", "Epsilon"};
    ChoiceSequence in(choices);
    Chosen chosen{Kyvant::ky_BSB<char>("stale")};
    Kyvant::back_insert_sequencer<Chosen> out(chosen);
    KyStringPicker picker(in, out, ky_S("Delete"), ky_S("&Path Plans"), "gamma", true, nullptr);
    std::vector<PickerSeen> seen;
    BoxAnswers boxes;
    OnNextModalIdle([&](CWnd* dialog) {
        seen.push_back(Read(dialog)); // the preselected one
        CtrlClickRow(dialog, 0);
        seen.push_back(Read(dialog)); // two of five
        Snapshot(dialog->m_hWnd, "storage-picker-multiple");
        ::SendMessageA(dialog->m_hWnd, WM_COMMAND, IDC_KY_PICKER_ALL, 0);
        seen.push_back(Read(dialog));
        ::SendMessageA(dialog->m_hWnd, WM_COMMAND, IDC_KY_PICKER_NONE, 0);
        seen.push_back(Read(dialog));
        ::SendMessageA(dialog->m_hWnd, WM_COMMAND, IDOK, 0); // refused: nothing is chosen
        CtrlClickRow(dialog, 3);
        CtrlClickRow(dialog, 1);
        PressButton(dialog, IDOK);
    });
    ASSERT_EQ(IDOK, picker.DoModal());
    ASSERT_EQ(4u, seen.size());
    EXPECT_EQ("Delete", seen[0].caption);
    EXPECT_EQ("&Path Plans (1 / 5):", seen[0].label);
    EXPECT_EQ("&Path Plans (2 / 5):", seen[1].label);
    EXPECT_TRUE(seen[1].selectAll && seen[1].selectNone);
    EXPECT_EQ("&Path Plans (5 / 5):", seen[2].label);
    EXPECT_FALSE(seen[2].selectAll);
    EXPECT_TRUE(seen[2].selectNone);
    EXPECT_EQ("&Path Plans:", seen[3].label);
    EXPECT_TRUE(seen[3].selectAll);
    EXPECT_FALSE(seen[3].selectNone);
    EXPECT_TRUE(seen[0].buttonsVisible);
    EXPECT_EQ(0, seen[0].listRowsRemainder);
    EXPECT_EQ(Strings({"The selection is empty."}), boxes.Texts());
    EXPECT_EQ(Strings({"Beta", "Delta"}), AsStrings(chosen));
}

TEST(KyStringPicker, SingleChoiceHidesTheSelectionButtons)
{
    const Choices choices = {"one"};
    ChoiceSequence in(choices);
    Chosen chosen;
    Kyvant::back_insert_sequencer<Chosen> out(chosen);
    KyStringPicker picker(in, out, ky_S("Pick"), ky_S("&Things"), "ONE", false, nullptr);
    PickerSeen seen;
    int selected = -2;
    OnNextModalIdle([&](CWnd* dialog) {
        seen = Read(dialog);
        selected = static_cast<int>(
            ::SendDlgItemMessageA(dialog->m_hWnd, IDC_KY_PICKER_LIST, LB_GETCURSEL, 0, 0));
        Snapshot(dialog->m_hWnd, "storage-picker-single");
        PressButton(dialog, IDOK);
    });
    ASSERT_EQ(IDOK, picker.DoModal());
    EXPECT_EQ("Pick", seen.caption);
    EXPECT_EQ("&Things:", seen.label);
    EXPECT_FALSE(seen.buttonsVisible);
    EXPECT_EQ(0u, seen.listStyle & (LBS_EXTENDEDSEL | LBS_MULTIPLESEL));
    EXPECT_EQ(0, selected);
    EXPECT_EQ(0, seen.listRowsRemainder);
    EXPECT_LE(3, seen.rows);
    EXPECT_EQ(Strings({"one"}), AsStrings(chosen));
}
