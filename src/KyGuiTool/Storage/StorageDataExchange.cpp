// Data exchange of the storage dialogs: required, bounded texts and failures
// with a reason.
#include "KyGuiTool/Storage/StorageDataExchange.h"

namespace Kyvant {
namespace StorageDataExchange {

namespace {

const char kValueRequired[] = "You must enter a value for this field.";

} // namespace

void RequireText(CDataExchange* pDX, const ky_BSB<char>& text, unsigned maxLength)
{
    if (text.empty()) {
        AfxMessageBox(kValueRequired, MB_ICONEXCLAMATION);
        pDX->Fail();
    }
    if (maxLength != 0)
        DDV_MaxChars(pDX, CString(text.c_str()), static_cast<int>(maxLength));
}

void FailWith(CDataExchange* pDX, const std::exception& e)
{
    AfxMessageBox(e.what(), MB_ICONEXCLAMATION);
    pDX->Fail();
}

} // namespace StorageDataExchange
} // namespace Kyvant
