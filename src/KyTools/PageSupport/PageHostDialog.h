// What a tool page does to the settings dialog that hosts it: moving the
// dialog focus to one of its own controls and ending the dialog.
#pragma once

#include "KyTools/KyToolsExport.h"

#include <afxwin.h>

namespace Kyvant {
namespace PageHostDialog {

// Moves the dialog focus to the page's control with the id (nothing when the
// page has none).
KYTOOLS_API void FocusControl(CWnd& page, int id);
// Ends the modal dialog that holds the page (its nearest top-level ancestor)
// with the result; false when no dialog of the layer holds it.
KYTOOLS_API bool EndHostDialog(CWnd& page, int result);

} // namespace PageHostDialog
} // namespace Kyvant
