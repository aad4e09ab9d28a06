// The registered suppliers of development-environment lists and of the Indexing Service.
#include "KyConTool/Args/ItemHooks.h"

namespace Kyvant {

namespace {

// Constant-initialised, so registrations from other files' initializers
// are never overwritten.
IdeListFactory s_ideListFactory = nullptr;
IndexingServiceItemHandler s_itemHandler = nullptr;
IndexingServiceSearchFactory s_searchFactory = nullptr;

} // namespace

FileNameSource::~FileNameSource() {}

void SetIdeListFactory(IdeListFactory factory)
{
    s_ideListFactory = factory;
}

void SetIndexingServiceHooks(IndexingServiceItemHandler itemHandler,
                             IndexingServiceSearchFactory searchFactory)
{
    s_itemHandler = itemHandler;
    s_searchFactory = searchFactory;
}

IdeListFactory GetIdeListFactory()
{
    return s_ideListFactory;
}

IndexingServiceItemHandler GetIndexingServiceItemHandler()
{
    return s_itemHandler;
}

IndexingServiceSearchFactory GetIndexingServiceSearchFactory()
{
    return s_searchFactory;
}

} // namespace Kyvant
