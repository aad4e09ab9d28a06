// Allocating and releasing an MRU list's codes, its order string, and renumbering.
#include "KyStd/Registry/MRUCodeAllocator.h"

#include <climits>
#include <stdexcept>

namespace Kyvant {
namespace RegOL {

MRUCodeAllocator::MRUCodeAllocator() : front_(0), back_(0)
{
    Reset();
}

MRUCodeAllocator::~MRUCodeAllocator() {}

void MRUCodeAllocator::Reset(const char* order)
{
    codes_.clear();
    order_.clear();
    free_.clear();
    for (char c = FirstCode; c <= LastCode; ++c)
        free_.insert(c);
    front_ = back_ = 0;
    if (order)
        AllocateCodes(order);
}

char MRUCodeAllocator::GetNextAvailableCode(bool front)
{
    if (free_.empty())
        throw std::runtime_error("Out of MRU codes");
    char code = *free_.begin();
    AllocateCode(code, front);
    return code;
}

void MRUCodeAllocator::AllocateCode(char code, bool front)
{
    if (free_.find(code) == free_.end())
        throw std::runtime_error("Failed to allocate specific MRU code");
    OrderList::iterator node;
    if (front) {
        order_.push_front(OrderPair{code, --front_});
        node = order_.begin();
    } else {
        order_.push_back(OrderPair{code, ++back_});
        node = std::prev(order_.end());
    }
    if (front_ == INT_MIN || back_ == INT_MAX)
        Renumber();
    try {
        codes_.emplace(code, node);
    } catch (...) {
        order_.erase(node);
        throw;
    }
    free_.erase(code);
}

void MRUCodeAllocator::AllocateCodes(const char* codes)
{
    for (; *codes; ++codes)
        AllocateCode(*codes, false);
}

void MRUCodeAllocator::AllocateCodes(const RegKey& key, const ky_S& valueName)
{
    ky_S codes;
    codes.LoadStringA(key.get(), valueName.c_str(), nullptr);
    AllocateCodes(codes.c_str());
}

void MRUCodeAllocator::ReleaseCode(char code)
{
    if (code < FirstCode || code > LastCode)
        throw std::runtime_error("Tried to release a non-MRU code");
    free_.insert(code);
    auto it = codes_.find(code);
    if (it != codes_.end()) {
        order_.erase(it->second);
        codes_.erase(it);
    }
}

ky_S MRUCodeAllocator::GetOrder() const
{
    ky_S order;
    for (const OrderPair& pair : order_)
        order += pair.code;
    return order;
}

MRUCodeAllocator::OrderList::const_iterator
MRUCodeAllocator::OrderListIteratorFromCode(char code) const
{
    OrderList::const_iterator position;
    if (!OrderListIteratorFromCode(std::nothrow, code, position))
        throw std::runtime_error("OL code not found");
    return position;
}

bool MRUCodeAllocator::OrderListIteratorFromCode(const std::nothrow_t&, char code,
                                                 OrderList::const_iterator& position) const
{
    auto it = codes_.find(code);
    if (it == codes_.end())
        return false;
    position = it->second;
    return true;
}

// Sequence numbers restart at 1 from the front, keeping the order.
void MRUCodeAllocator::Renumber()
{
    front_ = 0;
    back_ = 0;
    for (OrderPair& pair : order_)
        pair.sequence = ++back_;
}

} // namespace RegOL
} // namespace Kyvant
