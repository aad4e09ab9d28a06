// Splitting a text at each separator, for the scripts of test doubles.
#pragma once

#include <string>
#include <vector>

namespace kytest {

// The pieces between separators; n separators give n + 1 pieces, empty
// ones included.
inline std::vector<std::string> Split(const std::string& text, char sep)
{
    std::vector<std::string> parts;
    std::string::size_type start = 0;
    for (;;) {
        const std::string::size_type at = text.find(sep, start);
        parts.push_back(text.substr(start, at - start));
        if (at == std::string::npos)
            return parts;
        start = at + 1;
    }
}

} // namespace kytest
