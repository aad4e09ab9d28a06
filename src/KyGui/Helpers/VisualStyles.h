// Kyvant::VisualStyles: the visual-styles library (uxtheme.dll) and its
// functions, found at run time because systems before Windows XP lack it.
#pragma once

#include <windows.h>

namespace Kyvant {
namespace VisualStyles {

// The library, loaded at first use and kept; null where the system has none.
inline HMODULE Library()
{
    static const HMODULE module = ::LoadLibraryA("uxtheme.dll");
    return module;
}

// The library's function of that name as type F; null where the library or
// the function is missing.
template <class F>
F Function(const char* name)
{
    const HMODULE module = Library();
    return module != nullptr
               ? reinterpret_cast<F>(reinterpret_cast<void (*)()>(::GetProcAddress(module, name)))
               : nullptr;
}

} // namespace VisualStyles
} // namespace Kyvant
