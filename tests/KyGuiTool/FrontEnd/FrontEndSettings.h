// The test front-end's settings dialog: the real dialog with the test pages,
// driven by the script's stages.
#pragma once

#include "FrontEndScript.h"

#include <afxwin.h>

#include <string>

class KyGuiApp;

namespace frontend {

// Runs the script's next stage on a dialog whose modal loop idles; false
// when no stage is left.
bool RunNextStage(const Script& script, size_t& used, CWnd& dialog);

// The settings dialog with the test pages under the application's key, or
// with pages "pathplans" the path-plan pages alone (reading the Explorer
// hand-off under the application key's "ShellExArgs"); the dialog's result.
INT_PTR RunSettingsDialog(KyGuiApp& app, const std::string& pages, const std::string& appKeyPath);

} // namespace frontend
