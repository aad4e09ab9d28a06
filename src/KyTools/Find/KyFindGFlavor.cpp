// The process-wide map from Find page GUIDs to their pattern kinds.
#include "KyTools/Find/KyFindGFlavor.h"

#include "KyStd/Containers/Map.h"
#include "KyTools/Find/FindResource.h"
#include "KyTools/Module/KyToolsModule.h"

namespace {

// Empty when the library is loaded, destroyed when it is unloaded.
Kyvant::ky_map<Kyvant::ky_I, KyFindGFlavor> s_flavors;

unsigned Index(KyFindGFlavor flavor)
{
    return static_cast<unsigned>(flavor);
}

} // namespace

namespace Kyvant {
namespace FindFlavors {

ky_I Guid(KyFindGFlavor flavor)
{
    ky_I guid;
    guid.LoadStringA(KyToolsModule(), IDS_KY_FIND_PLAIN_GUID + Index(flavor));
    return guid;
}

ky_S Caption(KyFindGFlavor flavor)
{
    ky_S caption;
    caption.LoadStringA(KyToolsModule(), IDS_KY_FIND_PLAIN_CAPTION + Index(flavor));
    return caption;
}

void Enter(const ky_I& guid, KyFindGFlavor flavor)
{
    const auto found = s_flavors.find(guid);
    if (found != s_flavors.end())
        found->second = flavor;
    else
        s_flavors.insert({guid, flavor});
}

bool Lookup(const ky_I& guid, KyFindGFlavor& flavor)
{
    const auto found = s_flavors.find(guid);
    if (found == s_flavors.end())
        return false;
    flavor = found->second;
    return true;
}

char OptionLetter(const ky_I& guid)
{
    KyFindGFlavor flavor = KyFindGFlavor::PlainText;
    if (!Lookup(guid, flavor))
        return 'F';
    switch (flavor) {
    case KyFindGFlavor::Grep:
        return 'G';
    case KyFindGFlavor::Egrep:
        return 'E';
    default:
        return 'F';
    }
}

} // namespace FindFlavors
} // namespace Kyvant
