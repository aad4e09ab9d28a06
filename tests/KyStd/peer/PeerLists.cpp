// Lists held and dropped inside the peer module, for the node pool cases.
#include "peer/PeerLists.h"

#include "KyStd/Containers/List.h"

#include <memory>

namespace KyStdPeer {

namespace {
std::unique_ptr<Kyvant::ky_list<PooledItem>>& Kept()
{
    static std::unique_ptr<Kyvant::ky_list<PooledItem>> kept;
    return kept;
}
} // namespace

void PeerListHold(int n, unsigned blockSize)
{
    auto list = std::make_unique<Kyvant::ky_list<PooledItem>>(blockSize);
    for (int i = 0; i < n; ++i)
        list->push_back(PooledItem{i, i});
    Kept() = std::move(list);
}

void PeerListDrop()
{
    Kept().reset();
}

} // namespace KyStdPeer
