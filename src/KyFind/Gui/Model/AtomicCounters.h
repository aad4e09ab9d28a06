// Counters that one thread changes while another reads them: every change is
// one interlocked (lock-prefixed) operation, every read an atomic one. The
// 64-bit counter is read with an 8-byte compare-exchange, since two plain
// 32-bit halves could tear on this processor.
#pragma once

namespace Kyvant {

class AtomicCount32 {
public:
    explicit AtomicCount32(unsigned value = 0) : m_value(value) {}
    AtomicCount32(const AtomicCount32& other) : m_value(other.Load()) {}
    AtomicCount32& operator=(const AtomicCount32& other)
    {
        __sync_lock_test_and_set(&m_value, other.Load());
        return *this;
    }

    void Add(unsigned delta) { __sync_fetch_and_add(&m_value, delta); }
    void Subtract(unsigned delta) { __sync_fetch_and_sub(&m_value, delta); }
    unsigned Load() const { return __sync_val_compare_and_swap(&m_value, 0u, 0u); }

private:
    mutable volatile unsigned m_value;
};

class AtomicCount64 {
public:
    explicit AtomicCount64(unsigned long long value = 0) : m_value(value) {}
    AtomicCount64(const AtomicCount64&) = delete;
    AtomicCount64& operator=(const AtomicCount64&) = delete;

    void Add(unsigned long long delta) { Change(delta); }
    void Subtract(unsigned long long delta) { Change(0 - delta); }
    void Reset()
    {
        unsigned long long seen = Load();
        for (;;) {
            const unsigned long long found = __sync_val_compare_and_swap(&m_value, seen, 0ull);
            if (found == seen)
                return;
            seen = found;
        }
    }
    // Compare-exchange of 0 with 0: writes nothing new, gives the whole value.
    unsigned long long Load() const { return __sync_val_compare_and_swap(&m_value, 0ull, 0ull); }

private:
    void Change(unsigned long long delta)
    {
        unsigned long long seen = Load();
        for (;;) {
            const unsigned long long found =
                __sync_val_compare_and_swap(&m_value, seen, seen + delta);
            if (found == seen)
                return;
            seen = found;
        }
    }

    alignas(8) mutable volatile unsigned long long m_value;
};

} // namespace Kyvant
