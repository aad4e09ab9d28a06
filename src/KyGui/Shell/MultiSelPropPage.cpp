// Kyvant::Shell::MultiSelPropPage: counting a selection and filling the page's fields.
#include "KyGui/Shell/MultiSelPropPage.h"

#include "KyGui/Shell/ShellIds.h"

#include <shellapi.h>

#include <clocale>
#include <cstring>
#include <string>

namespace Kyvant {
namespace Shell {

namespace {

const unsigned long long BytesPerKB = 1024;

// What the walk over the selection found.
struct Summary {
    unsigned files = 0;
    unsigned folders = 0;
    unsigned long long bytes = 0;
    bool multipleLocations = false;
    bool multipleTypes = false;
    bool seenFile = false;
    bool seenFolder = false;
    bool seenDrive = false;
    ky_F location;
    ky_F extension;  // of the files, without the dot
};

int KindCount(const Summary& s)
{
    return (s.seenFile ? 1 : 0) + (s.seenFolder ? 1 : 0) + (s.seenDrive ? 1 : 0);
}

void NoteKind(Summary& s, const FsObj& object)
{
    if (s.multipleTypes)
        return;
    if (object.IsFile()) {
        ky_F ext = object.Path();
        ext.ToExtension(true);
        if (s.seenFile && !(ext == s.extension))
            s.multipleTypes = true;
        s.extension = ext;
        s.seenFile = true;
    } else if (object.IsDrive()) {
        s.seenDrive = true;
    } else {
        s.seenFolder = true;
    }
    if (KindCount(s) > 1)
        s.multipleTypes = true;
}

Summary Walk(const input_sequencer<FsObj>& selection)
{
    Summary s;
    bool first = true;
    for (selection.rewind(); !selection.at_end(); selection.next()) {
        const FsObj object = selection.current();
        if (object.IsFile()) {
            unsigned long long size = 0;
            object.Path().GetSize(size);
            s.bytes += size;
            ++s.files;
        } else {
            ++s.folders;
        }
        ky_F folder = object.Path();
        folder.ToPathPart(true);
        if (first)
            s.location = folder;
        else if (!(folder == s.location))
            s.multipleLocations = true;
        first = false;
        NoteKind(s, object);
    }
    return s;
}

CString ShellTypeName(const char* name, DWORD attributes)
{
    SHFILEINFOA info = {};
    if (::SHGetFileInfoA(name, attributes, &info, sizeof info, SHGFI_TYPENAME | SHGFI_USEFILEATTRIBUTES) == 0)
        return CString();
    return CString(info.szTypeName);
}

CString TypeName(const Summary& s)
{
    CString name;
    if (s.seenFile) {
        if (s.extension.empty()) {
            name.LoadString(IDS_KY_FILE);
            return name;
        }
        name = ShellTypeName((ky_F("a.") + s.extension).c_str(), FILE_ATTRIBUTE_NORMAL);
    } else {
        name = ShellTypeName(s.seenDrive ? "C:\\" : "a", FILE_ATTRIBUTE_DIRECTORY);
    }
    if (name.IsEmpty())
        name.LoadString(s.seenFile ? IDS_KY_FILE : IDS_KY_FILE_FOLDER);
    return name;
}

CString FormatResource(UINT id, const CString& a)
{
    CString format;
    format.LoadString(id);
    CString out;
    out.Format(format, static_cast<LPCSTR>(a));
    return out;
}

CString FormatResource(UINT id, const CString& a, const CString& b)
{
    CString format;
    format.LoadString(id);
    CString out;
    out.Format(format, static_cast<LPCSTR>(a), static_cast<LPCSTR>(b));
    return out;
}

} // namespace

IMPLEMENT_DYNAMIC(MultiSelPropPage, CPropertyPage)

BEGIN_MESSAGE_MAP(MultiSelPropPage, CPropertyPage)
END_MESSAGE_MAP()

MultiSelPropPage::MultiSelPropPage(const input_sequencer<FsObj>& selection)
    : CPropertyPage(IDD_KY_MULTISELPROP), m_selection(selection)
{
}

MultiSelPropPage::~MultiSelPropPage() = default;

CString MultiSelPropPage::FormatNumber(unsigned long long value)
{
    std::string digits = std::to_string(value);
    const lconv* conv = localeconv();
    const char* sep = conv != nullptr ? conv->thousands_sep : nullptr;
    const int group = conv != nullptr && conv->grouping != nullptr ? conv->grouping[0] : 0;
    if (sep != nullptr && sep[0] != '\0' && group > 0 && group != CHAR_MAX &&
        digits.size() > static_cast<size_t>(group)) {
        for (size_t at = digits.size() - group; at > 0; at = at > static_cast<size_t>(group) ? at - group : 0)
            digits.insert(at, sep);
    }
    return CString(digits.c_str());
}

void MultiSelPropPage::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_KY_PROP_TYPE, m_type);
    DDX_Control(pDX, IDC_KY_PROP_SIZE, m_size);
    DDX_Control(pDX, IDC_KY_PROP_LOCATION, m_location);
    DDX_Control(pDX, IDC_KY_PROP_SUMMARY, m_summary);
}

BOOL MultiSelPropPage::OnInitDialog()
{
    const BOOL result = CPropertyPage::OnInitDialog();
    CWaitCursor wait;
    Fill();
    return result;
}

void MultiSelPropPage::Fill()
{
    const Summary s = Walk(m_selection);
    m_summary.SetWindowText(FormatResource(IDS_KY_FILES_FOLDERS, FormatNumber(s.files), FormatNumber(s.folders)));
    CString type;
    if (s.multipleTypes)
        type.LoadString(IDS_KY_MULTIPLE_TYPES);
    else
        type = FormatResource(IDS_KY_ALL_OF_TYPE, TypeName(s));
    m_type.SetWindowText(type);
    CString location;
    if (s.multipleLocations)
        location.LoadString(IDS_KY_MULTIPLE_LOCATIONS);
    else
        location = FormatResource(IDS_KY_ALL_IN, CString(s.location.c_str()));
    m_location.SetWindowText(location);
    const unsigned long long kb = (s.bytes + BytesPerKB - 1) / BytesPerKB;
    m_size.SetWindowText(FormatResource(IDS_KY_KB_BYTES, FormatNumber(kb), FormatNumber(s.bytes)));
}

bool DoExplorerProperties(const input_sequencer<FsObj>& selection, CWnd&)
{
    CPropertySheet sheet(IDS_KY_PROPERTIES);
    sheet.m_psh.dwFlags |= PSH_NOAPPLYNOW;
    MultiSelPropPage page(selection);
    sheet.AddPage(&page);
    return sheet.DoModal() != 0;
}

} // namespace Shell
} // namespace Kyvant
