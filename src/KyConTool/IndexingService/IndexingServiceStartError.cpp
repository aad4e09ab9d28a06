// The message of a service error at a search's start: its text and what the code is about.
#include "KyConTool/IndexingService/IndexingServiceStartError.h"

#include "KyConTool/IndexingService/IndexingService.h"

namespace Kyvant {
namespace IndexingService {

namespace {

const ky_BSB<char>* ContextFor(unsigned long hr, const StartContext& context)
{
    switch (hr) {
    case 0xC0041801:
    case 0xC0041806:
    case 0x8004181D:
    case 0x00041826:
    case 0x8004160C:
        return &context.catalog;
    case 0x80041603:
        return &context.sort;
    case 0x8004160A:
    case 0x8004160B:
        return &context.scope;
    default:
        break;
    }
    if (HRESULT_FACILITY(hr) == FACILITY_WIN32)
        return &context.machine;
    if (hr >= 0x80041650 && hr <= 0x8004167F)
        return &context.query;
    return nullptr;
}

} // namespace

bool StartErrorText(const _com_error& error, const StartContext& context, ky_S& out)
{
    out.clear();
    _bstr_t description = error.Description();
    if (description.length() > 0)
        out = static_cast<const char*>(description);
    else
        out = GetErrorMessage(error.Error());
    unsigned end = out.find_last_not_of("\r\n. ");
    out.erase(end == ky_S::npos ? 0 : end + 1);
    if (out.empty())
        return false;
    const ky_BSB<char>* about = ContextFor(static_cast<unsigned long>(error.Error()), context);
    if (about && !about->empty()) {
        out += ": ";
        out += *about;
    }
    return true;
}

} // namespace IndexingService
} // namespace Kyvant
