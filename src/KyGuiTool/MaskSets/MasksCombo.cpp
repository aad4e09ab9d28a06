// Putting a text into a page's masks combo.
#include "KyGuiTool/MaskSets/MasksCombo.h"

#include "KyGui/Helpers/ComboBoxEx.h"

namespace Kyvant {
namespace MasksCombo {

void Show(CComboBox& masks, const char* text)
{
    masks.SetCurSel(-1);
    ComboBoxEx::SetCurSelExact(masks, text);
}

} // namespace MasksCombo
} // namespace Kyvant
