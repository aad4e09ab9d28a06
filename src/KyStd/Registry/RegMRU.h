// Most-recently-used lists in the registry: each entry is a REG_SZ value
// named by a one-character code (RegOL::MRUCodeAllocator), and the order
// value (default "Order") holds the codes front (most recent) first.
#pragma once

#include "KyStd/Registry/MRUCodeAllocator.h"
#include "KyStd/Registry/RegOL.h"
#include "KyStd/Registry/RegValues.h"

#include <map>
#include <stdexcept>

namespace Kyvant {

template <class T>
class RegMRUWriter;

template <class T>
class RegMRUReader : public RegMRUSeqReaderBase<T> {
public:
    using Position = RegOL::MRUCodeAllocator::OrderList::const_iterator;

    // An order name shorter than two characters throws, since one-character
    // names are the entries.
    RegMRUReader(const RegKey& parent, const char* keyName = RegOL::DefMRUKeyName,
                 const char* orderName = RegOL::DefOrderValName, bool readNow = true)
        : RegMRUSeqReaderBase<T>(parent, CheckNames(keyName, orderName)), orderName_(orderName),
          next_(0)
    {
        if (readNow)
            Read();
    }

    // Loads the order, then the entries. Codes in the order value that are
    // duplicated, outside the code range or without a value are dropped, so
    // a damaged list stays readable and rewritable.
    unsigned Read() override
    {
        if (this->read_)
            return Count();
        codes_.Reset();
        texts_.clear();
        ky_S order;
        order.LoadStringA(this->key_.get(), orderName_.c_str(), nullptr);
        for (const char* p = order.c_str(); *p; ++p) {
            try {
                codes_.AllocateCode(*p, false);
            } catch (const std::runtime_error&) {
            }
        }
        RegMRUSeqReaderBase<T>::Read();
        ky_S allocated = codes_.GetOrder();
        for (const char* p = allocated.c_str(); *p; ++p) {
            if (texts_.find(*p) == texts_.end())
                codes_.ReleaseCode(*p);
        }
        next_ = 0;
        walk_ = codes_.GetOrder();
        return Count();
    }

    // Only one-character names are entries; a code that is not in the order
    // is skipped leniently and throws "OL code not found" strictly.
    bool TakeValue(const char* name, const ky_BSB<char>& text, bool lenient) override
    {
        if (!name[0] || name[1])
            return false;
        char code = name[0];
        Position position;
        if (lenient) {
            if (!codes_.OrderListIteratorFromCode(std::nothrow, code, position))
                return false;
        } else {
            CodeToPosition(code);
        }
        return Store(code, T(text));
    }

    unsigned Count() const override { return static_cast<unsigned>(texts_.size()); }

    const T* GetFirst() override
    {
        CheckRead();
        walk_ = codes_.GetOrder();
        next_ = 0;
        return GetNext();
    }
    const T* GetNext() override
    {
        CheckRead();
        while (next_ < walk_.length()) {
            auto it = texts_.find(walk_[next_++]);
            if (it != texts_.end())
                return &it->second;
        }
        return nullptr;
    }

    // The code's place in the order; "OL code not found" when it has none.
    virtual Position CodeToPosition(char code) const
    {
        return codes_.OrderListIteratorFromCode(code);
    }

    // Stores text under the lowest free code at the front of the list and
    // returns the code; "Out of MRU codes" when none is free. The registry
    // is left to the writer.
    char InsertFront(const T& text)
    {
        Read();
        char code = codes_.GetNextAvailableCode(true);
        if (!Store(code, text)) {
            codes_.ReleaseCode(code);
            throw std::runtime_error("RegMRUReader::InsertFront failed");
        }
        return code;
    }

    // Keeps text as the entry of code; false when the code has one already.
    virtual bool Store(char code, const T& text) { return texts_.emplace(code, text).second; }

private:
    friend class RegMRUWriter<T>;

    static const char* CheckNames(const char* keyName, const char* orderName)
    {
        if (!orderName || !orderName[0] || !orderName[1])
            throw std::runtime_error("MRU order names must be at least two characters long");
        return keyName;
    }

    void CheckRead() const
    {
        if (!this->read_)
            throw std::runtime_error("RegMRUReader::GetNext was called without reading the MRU");
    }

    // Forgets the entry of code and frees the code.
    void Erase(char code)
    {
        texts_.erase(code);
        codes_.ReleaseCode(code);
    }

    RegOL::MRUCodeAllocator codes_;
    ky_S orderName_;
    std::map<char, T> texts_;
    ky_S walk_;     // the order when the walk began
    unsigned next_; // index in walk_ of the next entry
};

// Keeps an MRU list of at most maxSize entries, writing each change to the
// registry at once.
template <class T>
class RegMRUWriter {
public:
    RegMRUWriter(RegMRUReader<T>& reader, unsigned maxSize) : reader_(reader), max_(maxSize)
    {
        if (maxSize > 64)
            throw std::runtime_error("RegMRUWriter size exceeds code space");
        if (maxSize == 0)
            throw std::runtime_error("RegMRUWriter size must be at least 1");
        reader_.Read();
        // Front to back, so of two equal texts the more recent is indexed.
        ky_S order = reader_.codes_.GetOrder();
        for (const char* p = order.c_str(); *p; ++p)
            index_.emplace(reader_.texts_.at(*p), *p);
    }
    RegMRUWriter(const RegMRUWriter&) = delete;
    RegMRUWriter& operator=(const RegMRUWriter&) = delete;

    // Puts text at the front: an empty text is ignored unless allowed, an
    // equal entry moves to the front, and the entries at the back go while
    // the list is full.
    void Add(const T& text, bool allowEmpty = false)
    {
        if (text.empty() && !allowEmpty)
            return;
        auto found = index_.find(text);
        if (found != index_.end()) {
            if (reader_.codes_.GetOrder()[0] == found->second)
                return;
            RemoveEntry(found->second);
        }
        while (reader_.Count() >= max_) {
            ky_S order = reader_.codes_.GetOrder();
            RemoveEntry(order[order.length() - 1]);
        }
        char code = reader_.InsertFront(text);
        try {
            const char name[2] = {code, 0};
            WriteRegistryString(Key(), name, text);
            WriteOrder();
        } catch (...) {
            reader_.Erase(code);
            throw;
        }
        index_[text] = code;
    }

    // Removes the entry equal to text; false when there is none.
    bool Remove(const T& text)
    {
        auto found = index_.find(text);
        if (found == index_.end())
            return false;
        RemoveEntry(found->second);
        return true;
    }

private:
    HKEY Key() const { return reader_.GetKey().get(); }

    void WriteOrder()
    {
        WriteRegistryString(Key(), reader_.orderName_.c_str(), reader_.codes_.GetOrder());
    }

    void RemoveEntry(char code)
    {
        auto text = reader_.texts_.find(code);
        if (text != reader_.texts_.end()) {
            auto indexed = index_.find(text->second);
            if (indexed != index_.end() && indexed->second == code)
                index_.erase(indexed);
        }
        reader_.Erase(code);
        const char name[2] = {code, 0};
        reader_.GetKey().DeleteValue(name);
        WriteOrder();
    }

    RegMRUReader<T>& reader_;
    unsigned max_;
    std::map<T, char> index_;
};

} // namespace Kyvant
