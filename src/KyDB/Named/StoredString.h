// A string stored as a database value: the string class S with a virtual
// destructor, so values can be handled through a base pointer.
#pragma once

namespace Kyvant {

template <class S>
class StoredString : public S {
public:
    StoredString() {}
    StoredString(const S& s) : S(s) {}
    StoredString(const typename S::Base& s) : S(s) {}
    StoredString(const char* s) : S(s) {}
    StoredString(const char* s, unsigned n) : S(s, n) {}
    virtual ~StoredString() {}

    StoredString& operator=(const S& s)
    {
        S::operator=(s);
        return *this;
    }
    StoredString& operator=(const char* s)
    {
        S::operator=(s);
        return *this;
    }
};

} // namespace Kyvant
