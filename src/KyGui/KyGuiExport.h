// The export macro of the GUI control library: its classes are exported whole.
#pragma once

#ifdef KyGui_BUILD
#define KYGUI_API __declspec(dllexport)
#else
#define KYGUI_API __declspec(dllimport)
#endif
