// Kyvant::TaskFileInitialDirManager: the folder a task-file dialog starts in,
// remembered under "TaskFileLastLocation" of the program's and the shared key.
#pragma once

#include "KyGui/Shell/InitialDirManager.h"
#include "KyGuiTool/KyGuiToolExport.h"
#include "KyStd/Registry/RegKey.h"

namespace Kyvant {

class KYGUITOOL_API TaskFileInitialDirManager : public InitialDirManager2 {
public:
    static const char kValueName[];

    // The running program's keys.
    explicit TaskFileInitialDirManager(KyFileDialog& dialog);
    // The program's key is asked first; the folder is stored under both.
    TaskFileInitialDirManager(KyFileDialog& dialog, const RegKey& appKey, const RegKey& sharedKey);
};

} // namespace Kyvant
