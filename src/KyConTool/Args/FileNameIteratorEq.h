// Equality of the file-name iterators: two are equal when both are at their
// end, or when they share one state and have the same at-end flag. An
// iterator class takes part by having AtEnd() and StateId() and by
// specialising IsFileNameIterator.
#pragma once

#include <type_traits>

namespace Kyvant {

template <class T>
struct IsFileNameIterator : std::false_type {
};

class ky_filename_argv_iterator;
class ky_filename_PathPlan_iterator;
class ky_filename_response_file_iterator;
template <>
struct IsFileNameIterator<ky_filename_argv_iterator> : std::true_type {
};
template <>
struct IsFileNameIterator<ky_filename_PathPlan_iterator> : std::true_type {
};
template <>
struct IsFileNameIterator<ky_filename_response_file_iterator> : std::true_type {
};

template <class A, class B,
          class = std::enable_if_t<IsFileNameIterator<A>::value && IsFileNameIterator<B>::value>>
bool operator==(const A& a, const B& b)
{
    if (a.AtEnd() && b.AtEnd())
        return true;
    return a.StateId() == b.StateId() && a.AtEnd() == b.AtEnd();
}

template <class A, class B,
          class = std::enable_if_t<IsFileNameIterator<A>::value && IsFileNameIterator<B>::value>>
bool operator!=(const A& a, const B& b)
{
    return !(a == b);
}

} // namespace Kyvant
