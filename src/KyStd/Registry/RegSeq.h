// Sequence lists: REG_SZ values named "0", "1", "2", ... in a registry key,
// read in ascending number order and rewritten whole.
#pragma once

#include "KyStd/Registry/RegOL.h"
#include "KyStd/Registry/RegValues.h"

#include <cstdlib>
#include <map>
#include <stdexcept>
#include <vector>

namespace Kyvant {

template <class T>
class RegSeqWriter;

template <class T>
class RegSeqReader : public RegMRUSeqReaderBase<T> {
public:
    RegSeqReader(const RegKey& parent, const char* listName, bool readNow = true)
        : RegMRUSeqReaderBase<T>(parent, listName), next_(entries_.end())
    {
        if (readNow)
            this->Read();
    }

    unsigned Read() override
    {
        unsigned count = RegMRUSeqReaderBase<T>::Read();
        next_ = entries_.begin();
        return count;
    }

    // The name is the entry's number in decimal (GetUnsignedInt(10)): a name
    // that is not a number throws rtl_error, leniently too. The first of two
    // equal numbers wins.
    bool TakeValue(const char* name, const ky_BSB<char>& text, bool /*lenient*/) override
    {
        const unsigned number = ky_S(name).GetUnsignedInt(10);
        return entries_.emplace(number, T(text)).second;
    }

    unsigned Count() const override { return static_cast<unsigned>(entries_.size()); }

    const T* GetFirst() override
    {
        CheckRead();
        next_ = entries_.begin();
        return GetNext();
    }
    const T* GetNext() override
    {
        CheckRead();
        if (next_ == entries_.end())
            return nullptr;
        return &(next_++)->second;
    }

    // The entry numbered number, or null.
    const T* Find(unsigned number) const
    {
        auto it = entries_.find(number);
        return it == entries_.end() ? nullptr : &it->second;
    }

private:
    friend class RegSeqWriter<T>;

    void CheckRead() const
    {
        if (!this->read_)
            throw std::runtime_error("RegSeqReader::GetNext was called without reading the seq");
    }

    std::map<unsigned, T> entries_;
    typename std::map<unsigned, T>::const_iterator next_;
};

// Writes a sequence list from "0" on. The plain form clears every value of
// the key first. The form tied to a reader keeps the key's values and, when
// finished, deletes only the reader's entries that were not written again:
// values put into the key after the reader read it stay.
template <class T>
class RegSeqWriter : public RegOLBase {
public:
    RegSeqWriter(const RegKey& parent, const char* listName)
        : RegOLBase(parent, listName), counter_(0)
    {
        key_.DeleteAllValues();
    }
    explicit RegSeqWriter(RegSeqReader<T>& reader) : RegOLBase(reader.GetKey()), counter_(0)
    {
        reader.Read();
        for (const auto& entry : reader.entries_)
            old_.push_back(entry.first);
    }
    // Finishes a tied writer; errors are swallowed (call Finish to see them).
    ~RegSeqWriter() override
    {
        try {
            Finish();
        } catch (...) {
        }
    }

    // The text becomes the value named by the next number.
    void Write(const ky_BSB<char>& text)
    {
        WriteRegistryString(key_.get(), Name(counter_).c_str(), text);
        ++counter_;
    }
    void Write(const input_sequencer<T>& items)
    {
        for (; !items.at_end(); items.next())
            Write(items.current());
    }

    // Tied form: deletes the reader's entries numbered from the write count
    // on. Later calls do nothing.
    void Finish()
    {
        while (!old_.empty()) {
            if (old_.back() >= counter_)
                key_.DeleteValue(Name(old_.back()).c_str());
            old_.pop_back();
        }
    }

private:
    static ky_S Name(unsigned number)
    {
        char text[16];
        _ultoa(number, text, 10);
        return text;
    }

    unsigned counter_;
    std::vector<unsigned> old_; // the reader's numbers not yet dealt with
};

} // namespace Kyvant
