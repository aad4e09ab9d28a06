// ky_filename_vc_iterator: the files or folders that an "@C" (Visual C++ 6)
// or "@V" (VS.NET) item takes from a running development environment: the
// active or open documents, the selected items, the files of the active,
// selected or all projects, their folders, or VS.NET's compiler folders.
// Files come as full names, sorted and without duplicates, through the rule
// that may follow the object name ("AllProjectFiles/|*.cpp"); folders are
// walked as path items with that rule ("/*" without one).
#pragma once

#include "KyConTool/Args/FileNameIterator.h"
#include "KyConTool/Args/FileNameIteratorEq.h"
#include "KyConTool/KyConToolExport.h"
#include "KyStd/Files/FileName.h"
#include "KyStd/Strings/String.h"

#include <memory>

namespace Kyvant {

class VcListState;

class KYCONTOOL_API ky_filename_vc_iterator {
public:
    using FileDetails = ky_filename_argv_iterator::FileDetails;

    // The end iterator.
    ky_filename_vc_iterator();
    // objectName: the text after the code, with its rule; itemText: the
    // whole item, whose "@C" or "@V" selects the environment. Syntax errors,
    // unknown names and failures to talk to the environment are
    // std::runtime_error; an empty environment state is a warning.
    ky_filename_vc_iterator(const ky_I& objectName, const ky_S& itemText,
                            ky_filename_argv_iterator::Terminator* terminator);
    // Copies share the state: they advance together.
    ky_filename_vc_iterator(const ky_filename_vc_iterator& other);
    ky_filename_vc_iterator& operator=(const ky_filename_vc_iterator& other);
    ~ky_filename_vc_iterator();

    const ky_F& operator*() const;
    const ky_F* operator->() const { return &**this; }
    ky_filename_vc_iterator& operator++();
    ky_filename_vc_iterator operator++(int);

    // Null unless a walked folder gave the current item's find data.
    const FileDetails* GetFileDetails() const;
    bool IsFolder() const;
    bool IsInfoFolder() const;

    bool AtEnd() const { return atEnd_; }
    const void* StateId() const { return state_.get(); }

private:
    std::shared_ptr<VcListState> state_;
    bool atEnd_;
};

template <>
struct IsFileNameIterator<ky_filename_vc_iterator> : std::true_type {
};

} // namespace Kyvant
