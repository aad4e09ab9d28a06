// KyBigEditor: the text loaded from a sequence, a string or a window, and
// stored back into one of them as lines.
#include "KyGuiTool/PathLists/KyBigEditor.h"

#include "KyGui/Helpers/ComboBoxEx.h"
#include "KyGui/Lists/EditableListBox.h"

#include <vector>

namespace {

using Text = KyBigEditor::Text;
using Lines = std::vector<Text>;

const char kLineBreak[] = "\r\n";
const unsigned kLineBreakLength = 2;
const char kNoSeparator[] = "";

// Selects the combo box entry equal to the text, else shows the text in it.
void ShowInCombo(CWnd& window, const char* text)
{
    CComboBox* combo = dynamic_cast<CComboBox*>(&window);
    if (combo != nullptr) {
        Kyvant::ComboBoxEx::SetCurSelExact(*combo, text);
        return;
    }
    CComboBox view; // borrows the handle for the call only
    view.m_hWnd = window.m_hWnd;
    Kyvant::ComboBoxEx::SetCurSelExact(view, text);
    view.m_hWnd = nullptr;
}

} // namespace

void KyBigEditor::ShowLoaded(int update)
{
    if (!update || GetSafeHwnd() == nullptr)
        return;
    const bool watching = m_watchChanges;
    m_watchChanges = false;
    UpdateData(FALSE);
    m_watchChanges = watching;
}

bool KyBigEditor::TakeEdited(int update)
{
    if (!update || GetSafeHwnd() == nullptr)
        return true;
    return UpdateData(TRUE) != FALSE;
}

void KyBigEditor::LoadContents(const Kyvant::input_sequencer<Text>& items, int update)
{
    m_text.Join(items, kLineBreak, false, kLineBreakLength);
    ShowLoaded(update);
}

void KyBigEditor::LoadContents(const Text& text, int update)
{
    m_text = text;
    ShowLoaded(update);
}

void KyBigEditor::LoadContents(CWnd& window, int update)
{
    KyEditableListBox* list = dynamic_cast<KyEditableListBox*>(&window);
    if (list != nullptr) {
        Lines rows;
        list->StoreContents(Kyvant::back_insert_sequencer<Lines>(rows));
        m_text.Join(Kyvant::forward_input_sequencer<Lines>(rows), kLineBreak, false,
                    kLineBreakLength);
    } else {
        m_text.GetWindowTextA(window.m_hWnd);
    }
    ShowLoaded(update);
}

void KyBigEditor::SplitLines(const Kyvant::output_sequencer<Text>& lines, bool keepEmptyLines) const
{
    m_text.Split(lines, kLineBreak, keepEmptyLines, false, Text::npos, true, kLineBreakLength);
}

Kyvant::ky_S KyBigEditor::JoinedLines(bool keepEmptyLines, const char* separator,
                                      unsigned separatorLength) const
{
    Lines lines;
    SplitLines(Kyvant::back_insert_sequencer<Lines>(lines), keepEmptyLines);
    Kyvant::ky_S joined;
    joined.Join(Kyvant::forward_input_sequencer<Lines>(lines),
                separator != nullptr ? separator : kNoSeparator, false,
                separator != nullptr ? separatorLength : 0);
    return joined;
}

void KyBigEditor::StoreContents(const Kyvant::output_sequencer<Text>& lines, bool keepEmptyLines,
                                int update)
{
    if (TakeEdited(update))
        SplitLines(lines, keepEmptyLines);
}

void KyBigEditor::StoreContents(Text& out, bool split, const char* separator,
                                unsigned separatorLength, int update)
{
    if (!TakeEdited(update))
        return;
    if (split)
        out = JoinedLines(true, separator, separatorLength);
    else
        out = m_text;
}

void KyBigEditor::StoreContents(CWnd& window, bool keepEmptyLines, const char* separator,
                                unsigned separatorLength, int update)
{
    if (!TakeEdited(update))
        return;
    KyEditableListBox* list = dynamic_cast<KyEditableListBox*>(&window);
    if (list != nullptr) {
        Lines lines;
        SplitLines(Kyvant::back_insert_sequencer<Lines>(lines), keepEmptyLines);
        list->LoadContents(Kyvant::forward_input_sequencer<Lines>(lines), list->HasEmptyItem());
        return;
    }
    const Kyvant::ky_S joined = JoinedLines(keepEmptyLines, separator, separatorLength);
    if (IsOfClass(window, "ComboBox"))
        ShowInCombo(window, joined.c_str());
    else
        window.SetWindowText(joined.c_str());
}

void KyBigEditor::StoreContents(CWnd& window, int update)
{
    StoreContents(window, false, kNoSeparator, 0, update);
}
