// The codes of a most-recently-used list kept in the registry: each entry is
// a value named by one character from '!' to '`' (64 codes), and the list's
// order is the string of those codes, front (most recent) first.
#pragma once

#include "KyStd/KyStdExport.h"
#include "KyStd/Registry/RegKey.h"
#include "KyStd/Strings/String.h"

#include <list>
#include <map>
#include <new>
#include <set>

namespace Kyvant {
namespace RegOL {

// A code and its place in the order: lower numbers stand nearer the front.
struct OrderPair {
    char code;
    int sequence;
};

class KYSTD_API MRUCodeAllocator {
public:
    using OrderList = std::list<OrderPair>;

    static const char FirstCode = '!';
    static const char LastCode = '`';

    MRUCodeAllocator();
    MRUCodeAllocator(const MRUCodeAllocator&) = delete;
    MRUCodeAllocator& operator=(const MRUCodeAllocator&) = delete;
    ~MRUCodeAllocator();

    // Frees every code, then allocates the codes of order (if given) at the
    // back, in order.
    void Reset(const char* order = nullptr);

    // The lowest free code, allocated at the front or the back; none free
    // throws "Out of MRU codes".
    char GetNextAvailableCode(bool front);
    // A code that is not free throws "Failed to allocate specific MRU code".
    void AllocateCode(char code, bool front);
    // Each code of the string at the back, in order.
    void AllocateCodes(const char* codes);
    void AllocateCodes(const RegKey& key, const ky_S& valueName);

    // Frees code; one outside '!'..'`' throws "Tried to release a non-MRU code".
    void ReleaseCode(char code);

    // The allocated codes in list order.
    ky_S GetOrder() const;

    // The order-list position of code; "OL code not found" when it is not
    // allocated (the no-throw form gives false).
    OrderList::const_iterator OrderListIteratorFromCode(char code) const;
    bool OrderListIteratorFromCode(const std::nothrow_t&, char code,
                                   OrderList::const_iterator& position) const;

private:
    void Renumber();

    std::set<char> free_;
    OrderList order_;
    std::map<char, OrderList::iterator> codes_;
    int front_; // sequence number of the last front allocation
    int back_;  // sequence number of the last back allocation
};

} // namespace RegOL
} // namespace Kyvant
