// Pipe ends that the replace program made inheritable and named in the
// environment by their OS handles.
#pragma once

namespace Kyvant {
namespace KyPerl {

// The end as a binary C-runtime descriptor opened with mode (_O_RDONLY or
// _O_WRONLY). A missing, malformed or unusable handle throws
// std::runtime_error naming the variable.
int InheritedPipe(const char* variable, int mode);

// Whether the variable names a handle at all.
bool PipeNamed(const char* variable);

} // namespace KyPerl
} // namespace Kyvant
