// Export macro of the console tool framework: classes, functions and data
// marked KYCONTOOL_API are exported from KyConTool.dll and imported elsewhere.
#pragma once

#ifdef KyConTool_BUILD
#define KYCONTOOL_API __declspec(dllexport)
#else
#define KYCONTOOL_API __declspec(dllimport)
#endif
