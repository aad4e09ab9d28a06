// Environment variables of the C runtime and the process, and expansion of
// %NAME% references.
#include "KyStd/Strings/String.h"

#include <cstdlib>

namespace Kyvant {

template <class T, class Tr, class A>
ky_BSB<T, Tr, A>& ky_BSB<T, Tr, A>::GetEnv(const char* name, const char* def)
{
    const char* value = std::getenv(name);
    if (!value)
        value = def;
    if (!value)
        throw std::runtime_error("GetEnv failed.");
    return assign(value);
}

template <class T, class Tr, class A>
void ky_BSB<T, Tr, A>::PutEnv(const char* name, unsigned nameLength) const
{
    if (nameLength == npos)
        nameLength = Tr::length(name);
    ky_BSB setting(name, nameLength);
    setting.append(1, '=');
    setting.append(*this);
    if (_putenv(setting.c_str()) != 0)
        throw std::runtime_error("PutEnv failed.");
}

template <class T, class Tr, class A>
void ky_BSB<T, Tr, A>::PutEnv(const char* name, unsigned nameLength, bool alsoProcess) const
{
    PutEnv(name, nameLength);
    if (!alsoProcess)
        return;
    if (nameLength == npos)
        nameLength = Tr::length(name);
    ky_BSB n(name, nameLength);
    if (!SetEnvironmentVariableA(n.c_str(), empty() ? nullptr : c_str())) {
        DWORD err = GetLastError();
        if (!(empty() && err == ERROR_ENVVAR_NOT_FOUND))
            throw os_error(err);
    }
}

template <class T, class Tr, class A>
ky_BSB<T, Tr, A>& ky_BSB<T, Tr, A>::ExpandEnvironmentStringsA()
{
    ky_BSB out;
    unsigned room = 256;
    // The environment may grow between calls: retry while the result does not fit.
    for (int attempt = 0; attempt < 4; ++attempt) {
        out.cow_and_set_size_without_retaining_data(room);
        DWORD n = ::ExpandEnvironmentStringsA(c_str(), out.mutable_data(), room);
        if (n == 0)
            return *this;
        if (n <= room) {
            out.uninitialized_resize_no_reserve(Tr::length(out.data()));
            return assign(out);
        }
        room = n;
    }
    return *this;
}

using String8 = ky_BSB<char, ky_SACT<char>, ky_A<char>>;

template String8& String8::GetEnv(const char*, const char*);
template void String8::PutEnv(const char*, unsigned) const;
template void String8::PutEnv(const char*, unsigned, bool) const;
template String8& String8::ExpandEnvironmentStringsA();

} // namespace Kyvant
