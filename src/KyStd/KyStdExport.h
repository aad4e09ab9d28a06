// Export macro of the base library: classes and functions marked KYSTD_API
// are exported whole from KyStd.dll and imported by every other module; a
// module that compiles the pieces it needs into itself (KYSTD_EMBEDDED)
// neither exports nor imports them.
#pragma once

#if defined(KYSTD_EMBEDDED)
#define KYSTD_API
#elif defined(KyStd_BUILD)
#define KYSTD_API __declspec(dllexport)
#else
#define KYSTD_API __declspec(dllimport)
#endif
