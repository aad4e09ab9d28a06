// Resource ids of the rich edit control (RichEdit.rc).
#pragma once

// The context menu: one popup with the standard edit commands.
#define IDR_KY_RICHEDIT_CONTEXT 24582
