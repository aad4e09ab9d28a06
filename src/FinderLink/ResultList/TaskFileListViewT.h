// Kyvant::TaskFileListViewT<F, T>: a result list of records T that the
// task controller F (a front-end's Finder) gathers: it knows the controller
// whose results it shows, asks it whether its task still runs and has it
// discard the results of an ended task (header-only).
#pragma once

#include "FinderLink/ResultList/FileListViewBaseT.h"

namespace Kyvant {

template <class F, class T>
class TaskFileListViewT : public FileListViewBaseT<T> {
public:
    using FileListViewBaseT<T>::FileListViewBaseT;

    // The controller whose results the rows show (null: none).
    void SetFinder(F* finder) { m_finder = finder; }
    F* GetFinder() const { return m_finder; }

protected:
    bool IsTaskRunning() const override { return m_finder != nullptr && m_finder->IsRunning(); }
    void DiscardResults() override { m_finder->Discard(); }

    F* m_finder = nullptr;
};

} // namespace Kyvant
