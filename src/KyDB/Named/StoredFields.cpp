// Field splitting of stored record texts.
#include "KyDB/Named/StoredFields.h"

#include "KyStd/Containers/Sequencer.h"

#include <cstdio>
#include <stdexcept>
#include <string>

namespace Kyvant {

std::vector<ky_S> SplitStoredFields(const ky_S& text, char sep)
{
    std::vector<ky_S> fields;
    back_insert_sequencer<std::vector<ky_S>, ky_BSB<char>> out(fields);
    const char seps[2] = {sep, 0};
    text.Split(out, seps, true);
    return fields;
}

void CheckNoSeparators(const ky_BSB<char>& text, const char* seps, const char* kind,
                       const ky_BSB<char>& name)
{
    for (const char* s = seps; *s; ++s) {
        if (std::char_traits<char>::find(text.data(), text.length(), *s)) {
            char code[8];
            std::snprintf(code, sizeof code, "0x%02X", static_cast<unsigned char>(*s));
            throw std::runtime_error(std::string("The ") + kind + " \"" + name.c_str() +
                                     "\" cannot be stored: it contains the character " + code);
        }
    }
}

} // namespace Kyvant
