// ky_filename_argv_iterator: copying, advancing, and the details of the current file or folder.
#include "KyConTool/Args/FileNameIterator.h"

#include "KyConTool/Args/ArgItems.h"
#include "KyStd/Shell/FolderVariables.h"
#include "KyStd/Shell/ShellNames.h"

#include <stdexcept>

namespace Kyvant {

class ArgIteratorCore {
public:
    std::unique_ptr<ArgItemState> item;
    bool atEnd = true;
};

ky_filename_argv_iterator::Terminator::~Terminator() {}

ky_filename_argv_iterator::ky_filename_argv_iterator() {}

ky_filename_argv_iterator::ky_filename_argv_iterator(int argc, const char* const* argv, int index,
                                                     Terminator* terminator, unsigned flags)
    : core_(std::make_shared<ArgIteratorCore>())
{
    core_->item.reset(new ArgItemState(argc, argv, index, terminator, flags));
    core_->atEnd = false;
    ++*this;
}

ky_filename_argv_iterator::ky_filename_argv_iterator(const ky_filename_argv_iterator& other)
    : core_(other.core_)
{
}

ky_filename_argv_iterator&
ky_filename_argv_iterator::operator=(const ky_filename_argv_iterator& other)
{
    core_ = other.core_;
    return *this;
}

ky_filename_argv_iterator::~ky_filename_argv_iterator() {}

bool ky_filename_argv_iterator::AtEnd() const
{
    return !core_ || core_->atEnd;
}

ky_filename_argv_iterator& ky_filename_argv_iterator::operator++()
{
    if (AtEnd())
        throw std::logic_error("ky_filename_argv_iterator: advanced past the end");
    // When a drive of a "<LocalDrives>" item is exhausted the next drive's
    // state takes its place, until one has a result or none is left.
    while (!core_->item->Advance()) {
        std::unique_ptr<ArgItemState> next = core_->item->NextDriveState();
        if (!next) {
            core_->atEnd = true;
            core_->item.reset();
            break;
        }
        core_->item = std::move(next);
    }
    return *this;
}

ky_filename_argv_iterator ky_filename_argv_iterator::operator++(int)
{
    ky_filename_argv_iterator old(*this);
    ++*this;
    return old;
}

const ky_F& ky_filename_argv_iterator::operator*() const
{
    if (AtEnd())
        throw std::logic_error("ky_filename_argv_iterator: dereferenced at the end");
    return core_->item->Result().name;
}

const ky_filename_argv_iterator::FileDetails* ky_filename_argv_iterator::GetFileDetails() const
{
    if (AtEnd() || !core_->item->Result().hasDetails)
        return nullptr;
    return &core_->item->Result().details;
}

bool ky_filename_argv_iterator::IsFolder() const
{
    return !AtEnd() && core_->item->Result().isFolder;
}

bool ky_filename_argv_iterator::IsInfoFolder() const
{
    return !AtEnd() && core_->item->Result().isInfoFolder;
}

bool ky_filename_argv_iterator::IsPureFolderFinder() const
{
    return !AtEnd() && core_->item->IsPureFolder();
}

ky_S ky_filename_argv_iterator::GetIndexingServiceQuery() const
{
    return AtEnd() ? ky_S() : core_->item->IndexingServiceQuery();
}

void ky_filename_argv_iterator::DoPathFlags(ky_F& path, unsigned flags)
{
    for (unsigned i = 0; i < path.length(); ++i) {
        if (path[i] == '/')
            path[i] = '\\';
    }
    if (path.empty())
        return;
    if (flags & ExpandVariables) {
        path.ExpandEnvironmentStringsA();
        Shell::ExpandFolderVariables(path);
    }
    if (flags & FullLongPaths) {
        bool folder = path[path.length() - 1] == '\\';
        path.ToFullPath();
        path = Shell::GetLongName(path.c_str());
        if (folder)
            path.DirSepTerminateIfNotPathCharTerminated();
    }
}

} // namespace Kyvant
