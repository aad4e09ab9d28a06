// Abstract sequences passed across module boundaries instead of containers:
// a library function reads from or appends to a caller's container of any
// type without sharing its template instance.
#pragma once

#include <iterator>
#include <stdexcept>

namespace Kyvant {

// A readable cursor. The operations are const so that a sequencer can be
// passed by const reference; the cursor itself is mutable state.
template <class T>
class input_sequencer {
public:
    virtual ~input_sequencer() {}
    virtual void next() const = 0;
    virtual bool at_end() const = 0;
    virtual void advance(unsigned n) const = 0;
    virtual unsigned remaining() const = 0;
    virtual void rewind() const = 0;
    virtual T current() const = 0;
    virtual T current() = 0;
};

// An appendable sink.
template <class T>
class output_sequencer {
public:
    virtual ~output_sequencer() {}
    virtual void clear() const = 0;
    virtual unsigned count() const = 0;
    virtual void append(const T& value) const = 0;
};

template <class T>
struct identity_converter {
    T operator()(const T& v) const { return v; }
};

// A string class to its C string.
template <class From, class To>
struct ky_cast_converter {
    To operator()(const From& v) const { return v.c_str(); }
};

template <class From, class To>
struct static_cast_converter {
    To operator()(const From& v) const { return static_cast<To>(v); }
};

// A derived class to its base (for example a file name to the string base).
template <class From, class To>
struct static_hierarchy_converter {
    To operator()(const From& v) const { return static_cast<const To&>(v); }
};

template <class Container, class Converter = identity_converter<typename Container::value_type>>
class forward_input_sequencer : public input_sequencer<decltype(std::declval<Converter>()(
                                    std::declval<const typename Container::value_type&>()))> {
    using Iter = typename Container::const_iterator;

public:
    using value_type =
        decltype(std::declval<Converter>()(std::declval<const typename Container::value_type&>()));

    explicit forward_input_sequencer(const Container& c, Converter conv = Converter())
        : c_(c), cur_(c.begin()), end_(c.end()), start_(c.begin()), conv_(conv)
    {
    }
    forward_input_sequencer(const Container& c, Iter first, Iter last, Converter conv = Converter())
        : c_(c), cur_(first), end_(last), start_(first), conv_(conv)
    {
    }

    void next() const override
    {
        if (cur_ != end_)
            ++cur_;
    }
    bool at_end() const override { return cur_ == end_; }
    void advance(unsigned n) const override
    {
        while (n-- > 0 && cur_ != end_)
            ++cur_;
    }
    unsigned remaining() const override
    {
        if (cur_ == c_.begin() && end_ == c_.end())
            return static_cast<unsigned>(c_.size());
        return static_cast<unsigned>(std::distance(cur_, end_));
    }
    void rewind() const override { cur_ = start_; }
    value_type current() const override { return conv_(*Checked()); }
    value_type current() override { return conv_(*Checked()); }

private:
    Iter Checked() const
    {
        if (cur_ == end_)
            throw std::out_of_range("forward_input_sequencer: current element past the end");
        return cur_;
    }

    const Container& c_;
    mutable Iter cur_;
    Iter end_;
    Iter start_;
    Converter conv_;
};

template <class Container, class Source = typename Container::value_type,
          class Converter = identity_converter<Source>>
class back_insert_sequencer : public output_sequencer<Source> {
public:
    explicit back_insert_sequencer(Container& c, bool clearAllowed = true,
                                   Converter conv = Converter())
        : conv_(conv), c_(c), clear_(clearAllowed)
    {
    }
    // Empties the container only when built with the clear flag.
    void clear() const override
    {
        if (clear_)
            c_.clear();
    }
    unsigned count() const override { return static_cast<unsigned>(c_.size()); }
    void append(const Source& v) const override { c_.insert(c_.end(), conv_(v)); }

private:
    Converter conv_;
    Container& c_;
    bool clear_;
};

// Always empty; reading or moving it is a program error.
template <class T>
class null_input_sequencer : public input_sequencer<T> {
public:
    void next() const override { Illegal(); }
    bool at_end() const override { return true; }
    void advance(unsigned) const override { Illegal(); }
    unsigned remaining() const override { return 0; }
    void rewind() const override {}
    T current() const override { Illegal(); }
    T current() override { Illegal(); }

private:
    [[noreturn]] static void Illegal()
    {
        throw std::runtime_error("Illegal call of null_input_sequencer function");
    }
};

// Appends every remaining element of in to out.
template <class T>
void CopySequence(const input_sequencer<T>& in, const output_sequencer<T>& out)
{
    for (; !in.at_end(); in.next())
        out.append(in.current());
}

// Stores the remaining elements of in into array[0..capacity) and returns
// the slot after the last one stored; throws before writing past the end.
template <class T>
T* FillArray(const input_sequencer<T>& in, T* array, unsigned capacity)
{
    if (in.remaining() > capacity)
        throw std::length_error("FillArray: sequence longer than the array");
    T* p = array;
    for (; !in.at_end(); in.next()) {
        if (static_cast<unsigned>(p - array) >= capacity)
            throw std::length_error("FillArray: sequence longer than the array");
        *p++ = in.current();
    }
    return p;
}

} // namespace Kyvant
