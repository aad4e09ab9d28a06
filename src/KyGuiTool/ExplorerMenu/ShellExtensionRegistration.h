// The shell extension's registration: its COM class beside this library, the
// context-menu handler for files, folders and drives, and its approval.
#pragma once

#include "KyGuiTool/KyGuiToolExport.h"

// True when the class key opens for reading.
KYGUITOOL_API bool IsShellExtensionRegistered();
// On writes the registration; off removes it, passing over pieces that are
// missing. Registry failures raise os_error, except a failed approval when
// registering, which raises std::runtime_error with its own explanation.
KYGUITOOL_API void SetShellExtensionRegistration(bool on);
