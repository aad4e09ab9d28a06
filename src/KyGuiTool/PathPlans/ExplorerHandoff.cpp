// Kyvant::ExplorerHandoff: the hand-off key's values, the age of the
// selection and its question, the file read into rules or passed on as a
// response file, and which files may be deleted.
#include "KyGuiTool/PathPlans/ExplorerHandoff.h"

#include "KyDB/Named/PathPlanDB.h"
#include "KyGuiTool/App/KyGuiApp.h"
#include "KyGuiTool/PathPlans/PathPlanSupport.h"
#include "KyGuiTool/PathPlans/PathPlansResource.h"
#include "KyGuiTool/Storage/StorageText.h"
#include "KyStd/Processes/PipeIO.h"
#include "KyStd/Registry/RegKey.h"

#include <afxwin.h>

#include <cstdio>
#include <exception>
#include <stdexcept>

namespace Kyvant {
namespace ExplorerHandoff {

namespace {

const char kPathsFileValue[] = "PathsFile";
const char kTimeLoValue[] = "TimeLo";
const char kTimeHiValue[] = "TimeHi";
const char kResponseFileSeparator[] = " ";
const char kNameMarker[] = "%s";

ClockFunction g_clock = &::GetSystemTimeAsFileTime;

// A REG_DWORD value; false when it is missing or of another type.
bool ReadDword(const RegKey& key, const char* name, DWORD& value)
{
    DWORD type = 0;
    DWORD size = sizeof value;
    return ::RegQueryValueExA(key.get(), name, nullptr, &type, reinterpret_cast<BYTE*>(&value),
                              &size) == ERROR_SUCCESS &&
           type == REG_DWORD && size == sizeof value;
}

unsigned long long Combined(DWORD low, DWORD high)
{
    return (static_cast<unsigned long long>(high) << 32) | low;
}

// Now less the stamp, as a signed count: a stamp in the future gives a
// negative age.
long long AgeOf(const FILETIME& stamp)
{
    FILETIME now;
    g_clock(&now);
    const unsigned long long difference = Combined(now.dwLowDateTime, now.dwHighDateTime) -
                                          Combined(stamp.dwLowDateTime, stamp.dwHighDateTime);
    return static_cast<long long>(difference);
}

bool UserTakesStaleSelection()
{
    const char* app = AfxGetAppName();
    const ky_S question = StorageText::FormatName(PathPlanSupport::Load(IDS_KY_PP_EXPLORER_STALE),
                                                  kNameMarker, ky_S(app != nullptr ? app : ""));
    return AfxMessageBox(question.c_str(), MB_YESNO) == IDYES;
}

// Fresh selections are taken at once, older ones when the user says so;
// without both time values there is none.
bool Accepted(const RegKey& key)
{
    FILETIME stamp;
    if (!ReadDword(key, kTimeLoValue, stamp.dwLowDateTime) ||
        !ReadDword(key, kTimeHiValue, stamp.dwHighDateTime))
        return false;
    return AgeOf(stamp) < kStaleAge || UserTakesStaleSelection();
}

bool IsRemembered(const ky_F& file)
{
    if (KyGuiApp::s_pApp == nullptr)
        return false;
    const ky_F& remembered = KyGuiApp::s_pApp->GetShellExToolArgsTempFileName();
    if (remembered.empty())
        return false;
    if (remembered == file)
        return true;
    ky_F a(remembered);
    ky_F b(file);
    return a.ToFullPath() == b.ToFullPath();
}

// The open file is closed, and a temporary one deleted, however reading ends.
class ReadFile {
public:
    ReadFile(const ky_F& file, bool deletable)
        : m_file(file), m_deletable(deletable), m_stream(std::fopen(file.c_str(), "r"))
    {
        if (m_stream == nullptr)
            throw std::runtime_error("Error opening tempfile");
    }
    ~ReadFile()
    {
        if (m_stream != nullptr)
            std::fclose(m_stream);
        if (m_deletable)
            ::DeleteFileA(m_file.c_str());
    }
    ReadFile(const ReadFile&) = delete;
    ReadFile& operator=(const ReadFile&) = delete;

    // Each line that is not empty.
    void ReadLines(PathPlanItem::StringList& rules)
    {
        ky_S line;
        while (line.getline(m_stream)) {
            if (!line.empty())
                rules.push_back(line);
        }
        if (std::ferror(m_stream))
            throw std::runtime_error("Error reading tempfile");
    }
    void Close()
    {
        std::FILE* stream = m_stream;
        m_stream = nullptr;
        if (!CRT::ky_fclose(stream))
            throw std::runtime_error("Error closing tempfile");
    }

private:
    ky_F m_file;
    bool m_deletable;
    std::FILE* m_stream;
};

// A small file becomes the rules; a large one (or the one the application
// made and still needs) is named by one response-file rule and stays.
void ReadSelection(const ky_F& file, bool deletable, Selection& selection)
{
    const bool remembered = IsRemembered(file);
    if (!remembered && file.GetSize64() <= kMaxReadBytes) {
        ReadFile reader(file, deletable);
        reader.ReadLines(selection.rules);
        reader.Close();
        return;
    }
    ky_S rule(PathPlanDB::s_ResponseFileSpecifier);
    rule += kResponseFileSeparator;
    rule += file;
    rule += '\\';
    selection.rules.push_back(rule);
    selection.responseFile = true;
    if (deletable && !remembered && KyGuiApp::s_pApp != nullptr)
        KyGuiApp::s_pApp->SetShellExToolArgsTempFileName(file);
}

void Decide(const RegKey& key, Selection& selection)
{
    ky_F file;
    file.LoadStringA(key.get(), kPathsFileValue, "");
    const bool deletable = !file.empty() && IsInTempFolder(file);
    if (!Accepted(key)) {
        selection.state = Selection::kDeclined;
        if (deletable)
            ::DeleteFileA(file.c_str());
        return;
    }
    ReadSelection(file, deletable, selection);
    selection.state = Selection::kTaken;
}

} // namespace

Selection Take(const ky_BSB<char>& keyPath)
{
    Selection selection;
    RegKey key;
    if (keyPath.empty() || key.Open(HKEY_CURRENT_USER, keyPath.c_str(), KEY_ALL_ACCESS) != 0)
        return selection;
    try {
        Decide(key, selection);
    } catch (const std::exception& e) {
        selection = Selection();
        selection.state = Selection::kFailed;
        selection.problem = StorageText::FormatName(
            PathPlanSupport::Load(IDS_KY_PP_EXPLORER_UNREADABLE), kNameMarker, ky_S(e.what()));
    }
    key.DeleteAllValues();
    return selection;
}

bool IsInTempFolder(const ky_F& file)
{
    ky_F folder(file);
    folder.ToFullPath().ToPathPart(false);
    ky_F temp;
    temp.ToTempPath().ToFullPath();
    temp.DirSepTerminateIfNotPathCharTerminated();
    if (folder == temp)
        return true;
    // The same folder may be named by its long and its short name.
    ky_F shortFolder;
    ky_F shortTemp;
    return folder.ToShortPath(shortFolder) && temp.ToShortPath(shortTemp) &&
           shortFolder == shortTemp;
}

ClockFunction SetClockFunction(ClockFunction clock)
{
    const ClockFunction previous = g_clock;
    g_clock = clock != nullptr ? clock : &::GetSystemTimeAsFileTime;
    return previous;
}

} // namespace ExplorerHandoff
} // namespace Kyvant
