// The engine's two events, created (manual reset, not signalled) by
// ScriptBuilder before the engine starts: g_evPerlReady, named the protocol
// prefix + "Kyvant_Perl_Ready_Event" for the Replace front-end, is set by
// the engine once it reads file names, g_evPerlNormalExit when it ended well.
// Empty until a ScriptBuilder is built.
#pragma once

#include "KyPerlGlue/KyPerlGlueExport.h"
#include "KyStd/Win32/SyncObjects.h"

namespace Kyvant {
namespace PerlGlue {

KYPERLGLUE_API extern Win32::Event g_evPerlReady;
KYPERLGLUE_API extern Win32::Event g_evPerlNormalExit;

} // namespace PerlGlue
} // namespace Kyvant
