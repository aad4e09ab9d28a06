// Message and theme helpers: input-message groups, a busy-loop pump that drops input, visual styles.
#pragma once

#include "KyGui/KyGuiExport.h"

#include <windows.h>

namespace Kyvant {
namespace UserEx {

// True when the message belongs to one of the chosen groups: keyboard (key downs and ups,
// WM_CONTEXTMENU), mouse (button downs, ups and double clicks, client and non-client), commands
// (WM_COMMAND, WM_SYSCOMMAND, WM_CONTEXTMENU).
KYGUI_API bool IsInputMessage(UINT message, bool keyboard = true, bool mouse = true, bool commands = true);

// Takes one queued message: input aimed at the busy window or its children (all input when it is
// null) and the idle message are dropped; the keys of the active dialog that is none of the
// framework's windows (a message box whose own loop waits below this one) are its dialog keys;
// anything else is translated and dispatched. False when the queue was empty, or when the message
// was WM_QUIT (posted again, for the outer loop to see).
KYGUI_API bool PumpMessagesDiscardingInputMessages(HWND busyWindow);

// Visual styles are on for the application (Windows XP or later).
KYGUI_API bool IsAppThemed();

} // namespace UserEx
} // namespace Kyvant
