// The state of one argument item: the argument normalised and dispatched
// on its "@" code, the path section it names with its folder walk, a
// literal result, or one nested source (response file, path plan,
// development-environment list, Indexing Service search). A
// "<LocalDrives>" item runs once per fixed drive, one state per drive.
#pragma once

#include "KyConTool/Args/FileNameIterator.h"
#include "KyConTool/Args/ItemHooks.h"
#include "KyConTool/Args/PathPlanIterator.h"
#include "KyConTool/Args/PathSection.h"
#include "KyConTool/Args/ResponseFileIterator.h"
#include "KyConTool/Args/TreeWalk.h"
#include "KyStd/Files/FileName.h"
#include "KyStd/Strings/String.h"

#include <memory>
#include <vector>

namespace Kyvant {

class ArgItemState {
public:
    using Terminator = ky_filename_argv_iterator::Terminator;

    ArgItemState(int argc, const char* const* argv, int index, Terminator* terminator,
                 unsigned flags);
    ~ArgItemState();
    ArgItemState(const ArgItemState&) = delete;
    ArgItemState& operator=(const ArgItemState&) = delete;

    // Moves to the next result; false when the item has no more.
    bool Advance();
    const FileNameResult& Result() const { return result_; }
    bool IsPureFolder() const { return pureFolder_; }
    ky_S IndexingServiceQuery() const;
    // The state of the next drive of a "<LocalDrives>" item, or null.
    std::unique_ptr<ArgItemState> NextDriveState() const;

private:
    // The state of drive number driveIndex of drives.
    ArgItemState(const ArgItemState& previous, size_t driveIndex);

    void Normalise(const char* text);
    void DispatchDrive(size_t driveIndex);
    void Dispatch(const ky_S& argument);
    void RunPathSection(const ky_S& argument, const char* spec, bool wholeCatalog);
    void RunLiteral(const ky_S& argument);
    void StartSearch();
    bool IndexingServiceInUse() const;
    [[noreturn]] void FailPureFolder() const;
    bool NextFromNested();

    Terminator* terminator_;
    unsigned baseFlags_; // as given: each drive starts from them
    unsigned flags_;     // as the dispatch left them
    char code_;
    ky_S argument_; // of the whole item (before drive expansion)
    ky_S itemText_;

    FileNameResult result_;
    bool pureFolder_;
    bool literalPending_;
    FileNameResult literal_;

    std::unique_ptr<PathSection> section_;
    std::unique_ptr<TreeWalk> walk_;

    std::vector<ky_F> drives_;
    size_t driveIndex_;
    ky_S driveTail_;

    // At most one nested source; taken means its current entry was delivered.
    std::unique_ptr<ky_filename_response_file_iterator> responseFile_;
    std::unique_ptr<FileNameSource> ideList_;
    std::unique_ptr<ky_filename_PathPlan_iterator> plan_;
    std::unique_ptr<FileNameSource> search_;
    bool nestedTaken_;
};

} // namespace Kyvant
