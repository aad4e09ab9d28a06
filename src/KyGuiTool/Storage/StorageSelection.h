// The choice lists of the storage dialogs (Delete Some, Export): filling a
// list box, the label counting the chosen entries, Select All and Select None,
// and collecting the chosen strings.
#pragma once

#include "KyStd/Containers/Sequencer.h"
#include "KyStd/Strings/String.h"

#include <afxwin.h>

namespace Kyvant {
namespace StorageSelection {

// The choices in order; the first equal (ignoring case) to the preselected
// string is selected.
void Fill(CListBox& list, const input_sequencer<const char*>& choices, const char* preselected,
          bool multiple);
// "label (n / m):" with n of m entries selected, "label:" with none.
ky_S CountedLabel(const ky_BSB<char>& label, int selected, int total);
// The label's text from the list's selection; Select All enabled while some
// entry is not selected, Select None while some is.
void Refresh(CWnd& dialog, CWnd& label, const ky_BSB<char>& text, CListBox& list,
             CButton& selectAll, CButton& selectNone);
// Selects or deselects every entry of a multiple-selection list.
void SelectAll(CListBox& list, bool select);
// Clears out and appends the selected entries in list order; their number.
unsigned Collect(CListBox& list, const output_sequencer<ky_BSB<char>>& out, bool multiple);

// The text shown when nothing was chosen.
extern const char kEmptySelection[];

} // namespace StorageSelection
} // namespace Kyvant
