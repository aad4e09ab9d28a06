// The export macro of the tool option pages: its classes are exported whole.
#pragma once

#ifdef KyTools_BUILD
#define KYTOOLS_API __declspec(dllexport)
#else
#define KYTOOLS_API __declspec(dllimport)
#endif
