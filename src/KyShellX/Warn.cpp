// The warning box of hand-off and launch failures.
#include "KyShellX/Prompt.h"

namespace KyShellX {

void Warn(const std::string& text)
{
    Prompt(nullptr, text, "Kyvant Tools", MB_OK | MB_ICONWARNING);
}

} // namespace KyShellX
