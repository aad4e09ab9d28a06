// The ordered lists' common base, and the readers' one pass over the key's REG_SZ values.
#include "KyStd/Registry/RegOL.h"

#include "KyStd/Core/Errors.h"

#include <stdexcept>
#include <vector>

namespace Kyvant {

namespace RegOL {
const char DefMRUKeyName[] = "MRU";
const char DefOrderValName[] = "Order";
} // namespace RegOL

RegOLBase::RegOLBase(const RegKey& parent, const char* subkey)
    : key_(parent, subkey, KEY_ALL_ACCESS)
{
}

RegOLBase::RegOLBase(const RegKey& listKey) : key_(listKey) {}

RegOLBase::~RegOLBase() {}

RegOLReaderBase::RegOLReaderBase(const RegKey& parent, const char* subkey)
    : RegOLBase(parent, subkey), read_(false)
{
}

RegOLReaderBase::~RegOLReaderBase() {}

unsigned RegOLReaderBase::Read()
{
    if (read_)
        return Count();
    // Value names are at most 16383 characters.
    std::vector<char> name(16384);
    ky_S text;
    for (DWORD index = 0;; ++index) {
        DWORD length = static_cast<DWORD>(name.size());
        DWORD type = 0;
        LONG result = RegEnumValueA(key_.get(), index, name.data(), &length, nullptr, &type,
                                    nullptr, nullptr);
        if (result == ERROR_NO_MORE_ITEMS)
            break;
        if (result != ERROR_SUCCESS)
            throw os_error(static_cast<unsigned long>(result));
        if (type != REG_SZ)
            throw std::runtime_error("Encountered non-REG_SZ in RegOLReaderBase");
        text.LoadStringA(key_.get(), name.data(), nullptr);
        TakeValue(name.data(), text, true);
    }
    read_ = true;
    return Count();
}

} // namespace Kyvant
