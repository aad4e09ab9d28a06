// Opening a file at a line in Visual C++ 5/6 or Visual Studio .NET through
// their automation objects: the running instance, else a new one. Failures
// are raised as _com_error.
#pragma once

#include <string>

namespace Kyvant {
namespace FindEditor {

// line 0: no line to go to (the file is only opened).
void OpenWithVisualCpp(const std::string& file, unsigned line);
void OpenWithVsNet(const std::string& file, unsigned line);

} // namespace FindEditor
} // namespace Kyvant
