// Reading the engine's program name and its options from the shared settings key.
#include "KyReplace/Console/App/ReplaceRegistry.h"

#include "KyStd/Registry/RegKey.h"

namespace Kyvant {

namespace {

const char kSharedKey[] = "Software\\Kyvant\\Tools\\Shared";

ky_S ReadShared(const char* value, const char* def)
{
    RegKey key(HKEY_CURRENT_USER, kSharedKey);
    ky_S text;
    text.LoadStringA(key.get(), value, def);
    return text;
}

} // namespace

ky_S ReadEngineProgramName()
{
    return ReadShared("PerlAppName", "KyPerl.exe");
}

ky_S ReadEngineOptions()
{
    return ReadShared("PerlOptions", "");
}

} // namespace Kyvant
