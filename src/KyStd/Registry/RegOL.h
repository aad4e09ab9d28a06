// Ordered lists kept in a registry key: the common base of the list readers
// and writers. An MRU list (RegMRU.h) names its REG_SZ values by one-character
// codes and keeps their order in a separate value; a sequence list (RegSeq.h)
// names them "0", "1", "2", ... and is read in numeric order.
#pragma once

#include "KyStd/Containers/Sequencer.h"
#include "KyStd/KyStdExport.h"
#include "KyStd/Registry/RegKey.h"
#include "KyStd/Strings/String.h"

namespace Kyvant {

namespace RegOL {
// Default subkey of an MRU list and default name of its order value.
extern KYSTD_API const char DefMRUKeyName[];   // "MRU"
extern KYSTD_API const char DefOrderValName[]; // "Order"
} // namespace RegOL

// Holds the list's key: the subkey of parent, created empty when missing and
// opened with full access.
class KYSTD_API RegOLBase {
public:
    RegOLBase(const RegKey& parent, const char* subkey);
    virtual ~RegOLBase();
    RegOLBase(const RegOLBase&) = delete;
    RegOLBase& operator=(const RegOLBase&) = delete;

    const RegKey& GetKey() const { return key_; }

protected:
    // A list in a key that is already open.
    explicit RegOLBase(const RegKey& listKey);

    RegKey key_;
};

// Reads every value of the list's key once and hands each to the list's
// TakeValue. Every value of a list key must be REG_SZ: any other type throws
// std::runtime_error("Encountered non-REG_SZ in RegOLReaderBase").
class KYSTD_API RegOLReaderBase : public RegOLBase {
public:
    RegOLReaderBase(const RegKey& parent, const char* subkey);
    ~RegOLReaderBase() override;

    // Reads the key on the first call; later calls only return the count.
    virtual unsigned Read();
    // Takes one value; false when it is no entry of the list. Lenient
    // taking skips what a strict one would throw for.
    virtual bool TakeValue(const char* name, const ky_BSB<char>& text, bool lenient) = 0;
    virtual unsigned Count() const = 0;

    bool IsRead() const { return read_; }

protected:
    bool read_;
};

template <class T>
class RegMRUSeqReaderBase : public RegOLReaderBase {
public:
    RegMRUSeqReaderBase(const RegKey& parent, const char* subkey) : RegOLReaderBase(parent, subkey)
    {
    }

    // Appends the entries in list order.
    virtual void CopyTo(const output_sequencer<T>& out)
    {
        for (const T* text = GetFirst(); text; text = GetNext())
            out.append(*text);
    }
    // The first entry (restarting the walk) and the next one; null at the end.
    virtual const T* GetFirst() = 0;
    virtual const T* GetNext() = 0;
};

} // namespace Kyvant
