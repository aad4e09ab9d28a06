// SimpleLayoutManager: one layout pass over its side and row/column managers.
#include "KyGui/Layout/SimpleLayoutManager.h"

namespace Kyvant {

SimpleLayoutManager::SimpleLayoutManager() = default;
SimpleLayoutManager::~SimpleLayoutManager() = default;

void SimpleLayoutManager::Layout()
{
    DeferredWindowManager deferred;
    DoLayout(deferred);
    deferred.Execute();
}

void SimpleLayoutManager::DoLayout(DeferredWindowManager& deferred)
{
    m_stretchyWindows.Layout(deferred);
    m_sideWindows.Layout(deferred);
    for (const rc_ptr<RowColManager>& manager : m_rowColManagers)
        manager->Layout(deferred);
}

void SimpleLayoutManager::AddRowColManager(const rc_ptr<RowColManager>& manager)
{
    if (manager)
        m_rowColManagers.insert(manager);
}

void SimpleLayoutManager::EraseRowColManager(const rc_ptr<RowColManager>& manager)
{
    m_rowColManagers.erase(manager);
}

} // namespace Kyvant
