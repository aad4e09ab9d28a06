// Query status texts from this library's strings, and the summary of warnings per scope.
#include "KyConTool/IndexingService/IndexingServiceStatus.h"

#include "KyStd/Win32/ModuleContaining.h"

#include <windows.h>

#include <map>
#include <mutex>

namespace Kyvant {
namespace IndexingService {

namespace {

// String resources of this library.
constexpr unsigned kStateErrorText = 29953;
struct FlagText {
    unsigned long bit;
    unsigned id;
};
constexpr FlagText kFlagTexts[] = {{0x8, 29956},  {0x10, 29957},  {0x20, 29958}, {0x40, 29959},
                                   {0x80, 29960}, {0x100, 29961}, {0x200, 29962}};

HINSTANCE ThisModule()
{
    return Win32::ModuleContaining(reinterpret_cast<const void*>(&ThisModule));
}

ky_S Text(unsigned id)
{
    ky_S text;
    text.LoadStringA(ThisModule(), id);
    return text;
}

// Machine, catalog, scope: the flag bits seen.
using Summary = std::map<ky_I, std::map<ky_I, std::map<ky_F, unsigned long>>>;

std::mutex& SummaryLock()
{
    static std::mutex lock;
    return lock;
}

Summary& TheSummary()
{
    static Summary summary;
    return summary;
}

} // namespace

ky_S GetQueryStatusString(unsigned long status)
{
    ky_S out;
    if ((status & kStatusStateMask) == kStatusStateError) {
        out = Text(kStateErrorText);
        out += ".\n";
        return out;
    }
    for (const FlagText& flag : kFlagTexts) {
        if (status & flag.bit) {
            out += Text(flag.id);
            out += ".\n";
        }
    }
    return out;
}

void AddStatusToSummary(const ky_I& machine, const ky_I& catalog, const ky_F& scope,
                        unsigned long status)
{
    if ((status & 0xFFFF) <= kStatusStateMask)
        return;
    std::lock_guard<std::mutex> hold(SummaryLock());
    TheSummary()[machine][catalog][scope] |= status & kStatusFlagMask;
}

void ClearSummary()
{
    std::lock_guard<std::mutex> hold(SummaryLock());
    TheSummary().clear();
}

ky_S GetSummary(bool)
{
    std::lock_guard<std::mutex> hold(SummaryLock());
    ky_S out;
    for (const auto& machine : TheSummary()) {
        out += "Machine: ";
        out += machine.first.empty() || machine.first == "." ? ky_S("My Computer")
                                                             : ky_S(machine.first);
        out += "\n";
        for (const auto& catalog : machine.second) {
            out += "Catalog: ";
            out += catalog.first.empty() ? ky_S("System") : ky_S(catalog.first);
            out += "\n";
            unsigned long bits = 0;
            for (const auto& scope : catalog.second)
                bits |= scope.second;
            out += GetQueryStatusString(bits);
        }
    }
    return out;
}

} // namespace IndexingService
} // namespace Kyvant
