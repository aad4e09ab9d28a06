// Export macro of the base library: classes and functions marked KYSTD_API
// are exported whole from KyStd.dll and imported by every other module.
#pragma once

#ifdef KyStd_BUILD
#define KYSTD_API __declspec(dllexport)
#else
#define KYSTD_API __declspec(dllimport)
#endif
