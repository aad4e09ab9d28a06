// String resources and registry string values into the 8-bit string base.
#include "KyStd/Strings/String.h"

namespace Kyvant {

template <class T, class Tr, class A>
ky_BSB<T, Tr, A>& ky_BSB<T, Tr, A>::LoadStringA(HINSTANCE module, unsigned id)
{
    char buffer[256];
    int n = ::LoadStringA(module, id, buffer, sizeof buffer);
    if (n <= 0)
        throw std::runtime_error("The string resource doesn't exist");
    if (n <= 254)
        return assign(buffer, static_cast<unsigned>(n));
    // It may have been cut: load again with more room until the text ends
    // before the room does.
    ky_BSB text;
    for (unsigned room = 512;; room *= 2) {
        if (room > max_size() / 2)
            throw std::length_error("The string resource is too big");
        text.cow_and_set_size_without_retaining_data(room);
        n = ::LoadStringA(module, id, text.mutable_data(), static_cast<int>(room));
        if (n <= 0)
            throw std::runtime_error("The string resource doesn't exist");
        if (static_cast<unsigned>(n) < room - 1) {
            text.uninitialized_resize_no_reserve(static_cast<unsigned>(n));
            return assign(text);
        }
    }
}

template <class T, class Tr, class A>
ky_BSB<T, Tr, A>& ky_BSB<T, Tr, A>::LoadStringA(HKEY key, const char* valueName, const char* def)
{
    DWORD type = 0;
    DWORD size = 0;
    LONG rc = RegQueryValueExA(key, valueName, nullptr, &type, nullptr, &size);
    if (rc != ERROR_SUCCESS || type != REG_SZ || size > 0xFFFFFFF3u) {
        if (def)
            return assign(def);
        clear();
        return *this;
    }
    if (size == 0) {
        clear();
        return *this;
    }
    // One element more than the value's size, so a value stored without its
    // NUL keeps its last character.
    ky_BSB text;
    text.cow_and_set_size_without_retaining_data(size);
    DWORD got = size + 1;
    rc = RegQueryValueExA(key, valueName, nullptr, &type,
                          reinterpret_cast<BYTE*>(text.mutable_data()), &got);
    if (rc != ERROR_SUCCESS || type != REG_SZ) {
        clear();
        throw std::out_of_range("LoadString");
    }
    if (got > size)
        got = size;
    text.uninitialized_resize_no_reserve(got);
    // The text ends at its first NUL (normally the stored terminator).
    text.uninitialized_resize_no_reserve(Tr::length(text.data()));
    return assign(text);
}

using String8 = ky_BSB<char, ky_SACT<char>, ky_A<char>>;

template String8& String8::LoadStringA(HINSTANCE, unsigned);
template String8& String8::LoadStringA(HKEY, const char*, const char*);

} // namespace Kyvant
