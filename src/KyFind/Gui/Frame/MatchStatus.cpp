// The match status text with thousands grouping by the C locale.
#include "KyFind/Gui/Frame/MatchStatus.h"

#include "KyFind/Gui/Frame/FrameResource.h"

#include <afxwin.h>

#include <clocale>

namespace Kyvant {
namespace FindFrame {

std::string GroupThousands(unsigned long long n)
{
    const std::string digits = std::to_string(n);
    const lconv* conventions = std::localeconv();
    const char* separator = conventions ? conventions->thousands_sep : nullptr;
    const char* grouping = conventions ? conventions->grouping : nullptr;
    if (!separator || !*separator || !grouping || *grouping <= 0 ||
        digits.size() <= static_cast<size_t>(*grouping))
        return digits;
    const size_t group = static_cast<size_t>(*grouping);
    std::string grouped;
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i != 0 && (digits.size() - i) % group == 0)
            grouped += separator[0];
        grouped += digits[i];
    }
    return grouped;
}

unsigned MatchStatusFormat(unsigned long long matches, unsigned long long files)
{
    if (matches == 1)
        return files == 1 ? IDS_KYFINDG_MATCH_IN_FILE : IDS_KYFINDG_MATCH_IN_FILES;
    return files == 1 ? IDS_KYFINDG_MATCHES_IN_FILE : IDS_KYFINDG_MATCHES_IN_FILES;
}

std::string MatchStatusText(unsigned long long matches, unsigned long long files)
{
    CString text;
    const std::string first = GroupThousands(matches), second = GroupThousands(files);
    AfxFormatString2(text, MatchStatusFormat(matches, files), first.c_str(), second.c_str());
    return static_cast<const char*>(text);
}

} // namespace FindFrame
} // namespace Kyvant
