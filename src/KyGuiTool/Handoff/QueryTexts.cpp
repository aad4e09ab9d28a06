// The question texts of the progress dialog.
#include "KyGuiTool/Handoff/QueryTexts.h"

#include "KyGuiTool/Handoff/HandoffResource.h"
#include "KyGuiTool/Module/KyGuiToolModule.h"

#include <afxwin.h>

namespace Kyvant {
namespace QueryTexts {

namespace {

const char kIndent[] = "   ";
const char kErrorPlaceholder[] = "%s";

struct AttributeName {
    DWORD bit;
    UINT name;
};

// In the order they are listed.
const AttributeName kAttributeNames[] = {
    {FILE_ATTRIBUTE_HIDDEN, IDS_KY_ATTRIBUTE_HIDDEN},
    {FILE_ATTRIBUTE_SYSTEM, IDS_KY_ATTRIBUTE_SYSTEM},
    {FILE_ATTRIBUTE_READONLY, IDS_KY_ATTRIBUTE_READONLY},
    {FILE_ATTRIBUTE_COMPRESSED, IDS_KY_ATTRIBUTE_COMPRESSED},
    {FILE_ATTRIBUTE_ENCRYPTED, IDS_KY_ATTRIBUTE_ENCRYPTED},
};

} // namespace

ky_S Load(UINT id)
{
    return ky_S().LoadStringA(KyGuiToolModule(), id);
}

ky_S Attributes(DWORD attributes, bool folder)
{
    ky_S list;
    for (const AttributeName& a : kAttributeNames) {
        if (attributes & a.bit) {
            list += kIndent;
            list += Load(a.name);
            list += '\n';
        }
    }
    const bool exclusive =
        (attributes & (FILE_ATTRIBUTE_COMPRESSED | FILE_ATTRIBUTE_ENCRYPTED)) != 0;
    const ky_S format =
        Load(exclusive ? IDS_KY_QUERY_ATTRIBUTES_EXCLUSIVE : IDS_KY_QUERY_ATTRIBUTES);
    const ky_S object = Load(folder ? IDS_KY_QUERY_FOLDER : IDS_KY_QUERY_FILE);
    CString text;
    LPCSTR parts[] = {list.c_str(), object.c_str()};
    AfxFormatStrings(text, format.c_str(), parts, 2);
    return ky_S(static_cast<LPCSTR>(text));
}

ky_S Error(const char* errorText)
{
    ky_S text = Load(IDS_KY_QUERY_ERROR);
    const unsigned at = text.find(kErrorPlaceholder);
    if (at != ky_S::npos)
        text.replace(at, sizeof kErrorPlaceholder - 1, errorText ? errorText : "");
    return text;
}

} // namespace QueryTexts
} // namespace Kyvant
