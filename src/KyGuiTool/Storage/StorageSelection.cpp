// The choice lists of the storage dialogs.
#include "KyGuiTool/Storage/StorageSelection.h"

#include "KyGui/Helpers/DialogEx.h"

#include <cstdio>
#include <vector>

namespace Kyvant {
namespace StorageSelection {

const char kEmptySelection[] = "The selection is empty.";

namespace {

ky_S EntryText(const CListBox& list, int index)
{
    const int length = static_cast<int>(list.SendMessage(LB_GETTEXTLEN, index));
    if (length < 0)
        return ky_S();
    std::vector<char> buffer(static_cast<std::size_t>(length) + 1);
    const int got = static_cast<int>(
        list.SendMessage(LB_GETTEXT, index, reinterpret_cast<LPARAM>(buffer.data())));
    return got < 0 ? ky_S() : ky_S(buffer.data(), static_cast<unsigned>(got));
}

} // namespace

void Fill(CListBox& list, const input_sequencer<const char*>& choices, const char* preselected,
          bool multiple)
{
    for (choices.rewind(); !choices.at_end(); choices.next())
        list.AddString(choices.current());
    if (preselected == nullptr || *preselected == '\0')
        return;
    const int found = list.FindStringExact(-1, preselected);
    if (found < 0)
        return;
    if (multiple)
        list.SetSel(found, TRUE);
    else
        list.SetCurSel(found);
}

ky_S CountedLabel(const ky_BSB<char>& label, int selected, int total)
{
    ky_S text(label);
    if (selected == 0)
        return text += ":";
    char counts[32];
    std::snprintf(counts, sizeof counts, " (%d / %d):", selected, total);
    return text += counts;
}

void Refresh(CWnd& dialog, CWnd& label, const ky_BSB<char>& text, CListBox& list,
             CButton& selectAll, CButton& selectNone)
{
    const int total = list.GetCount();
    const int selected = list.GetSelCount();
    label.SetWindowText(CountedLabel(text, selected, total).c_str());
    DialogEx::EnablePushButton(selectAll, selected < total, dialog);
    DialogEx::EnablePushButton(selectNone, selected > 0, dialog);
}

void SelectAll(CListBox& list, bool select)
{
    list.SetSel(-1, select ? TRUE : FALSE);
}

unsigned Collect(CListBox& list, const output_sequencer<ky_BSB<char>>& out, bool multiple)
{
    out.clear();
    if (!multiple) {
        const int index = list.GetCurSel();
        if (index >= 0)
            out.append(EntryText(list, index));
        return index >= 0 ? 1 : 0;
    }
    unsigned count = 0;
    for (int i = 0; i < list.GetCount(); ++i) {
        if (list.GetSel(i) > 0) {
            out.append(EntryText(list, i));
            ++count;
        }
    }
    return count;
}

} // namespace StorageSelection
} // namespace Kyvant
