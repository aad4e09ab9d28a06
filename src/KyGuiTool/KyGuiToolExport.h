// The export macro of the GUI tool framework: its classes are exported whole.
#pragma once

#ifdef KyGuiTool_BUILD
#define KYGUITOOL_API __declspec(dllexport)
#else
#define KYGUITOOL_API __declspec(dllimport)
#endif
