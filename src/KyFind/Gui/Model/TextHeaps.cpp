// Storing match texts in the text heaps, a new heap when one is full.
#include "KyFind/Gui/Model/TextHeaps.h"

#include <cstring>
#include <exception>

namespace Kyvant {

namespace {

// A text list rarely needs more than a few heaps.
const unsigned kHeapListBlock = 4;

} // namespace

TextHeaps::TextHeaps() : m_heaps(kHeapListBlock) {}

const char* TextHeaps::Store(const char* chars, unsigned length)
{
    char* copy = Allocate(length + 1);
    std::memcpy(copy, chars, length);
    copy[length] = '\0';
    return copy;
}

char* TextHeaps::Allocate(unsigned size)
{
    if (m_heaps.empty())
        AddHeap();
    try {
        return static_cast<char*>(m_heaps.back()->allocate(size));
    } catch (const std::exception&) {
        // The current heap has no room left: the next one takes over.
    }
    AddHeap();
    return static_cast<char*>(m_heaps.back()->allocate(size));
}

void TextHeaps::AddHeap()
{
    m_heaps.push_back(rc_ptr<VirtualLinearHeap>(new VirtualLinearHeap(0, kHeapSize)));
}

void TextHeaps::Clear()
{
    m_heaps.clear();
}

unsigned long long TextHeaps::GetCommitted() const
{
    unsigned long long committed = 0;
    for (const rc_ptr<VirtualLinearHeap>& heap : m_heaps)
        committed += heap->GetBuffer().GetCommitted();
    return committed;
}

} // namespace Kyvant
