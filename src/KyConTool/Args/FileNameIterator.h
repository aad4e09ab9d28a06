// ky_filename_argv_iterator: the input iterator through which a console
// tool reads the files (and, in folder modes, folders) that one
// command-line argument names. The argument is one item of the path-plan
// language: a path with wildcards, a literal name, a path plan, a response
// file, a settings item; folders are walked depth first, files of a folder
// before its sub-folders, both in name order.
#pragma once

#include "KyConTool/Args/FileNameIteratorEq.h"
#include "KyConTool/KyConToolExport.h"
#include "KyStd/Files/FileName.h"
#include "KyStd/Strings/String.h"

#include <windows.h>

#include <cstddef>
#include <memory>

namespace Kyvant {

class ArgIteratorCore;

class KYCONTOOL_API ky_filename_argv_iterator {
public:
    // The find data of one item, copied as a block (the Dir program writes
    // it to its result pipe as it stands).
    struct FileDetails {
        DWORD attributes;
        DWORD padding0;
        FILETIME lastWriteTime;
        FILETIME creationTime;
        unsigned long long size;
        DWORD reserved; // the Indexing Service's rank; 0 in records made here
        DWORD padding1;
    };

    // Asked before each item is dispatched and before each sub-folder is
    // entered; it stops the enumeration by throwing.
    class KYCONTOOL_API Terminator {
    public:
        virtual ~Terminator();
        virtual void CheckTerminate() = 0;
    };

    // Iterator flags.
    static constexpr unsigned ExpandVariables = 0x01;    // environment and folder variables
    static constexpr unsigned FullLongPaths = 0x02;      // full and long paths
    static constexpr unsigned FolderPreOrder = 0x04;     // walked folders reported before
    static constexpr unsigned FolderPostOrder = 0x08;    // ... or after their contents
    static constexpr unsigned AcceptsPureFolders = 0x10; // the program accepts "@f"

    // The end iterator.
    ky_filename_argv_iterator();
    // Parses argv[index] and moves to its first result; syntax errors are
    // std::runtime_error.
    ky_filename_argv_iterator(int argc, const char* const* argv, int index, Terminator* terminator,
                              unsigned flags);
    // Copies share the state: they advance together.
    ky_filename_argv_iterator(const ky_filename_argv_iterator& other);
    ky_filename_argv_iterator& operator=(const ky_filename_argv_iterator& other);
    ~ky_filename_argv_iterator();

    const ky_F& operator*() const;
    const ky_F* operator->() const { return &**this; }
    ky_filename_argv_iterator& operator++();
    ky_filename_argv_iterator operator++(int);

    // Null when the current item has none (a name from a list, a missing file).
    const FileDetails* GetFileDetails() const;
    bool IsFolder() const;
    // A folder reported as the context of a walk, not as a result.
    bool IsInfoFolder() const;
    // The item is an "@f" item: its results are folders.
    bool IsPureFolderFinder() const;
    // The item's Indexing Service query text.
    ky_S GetIndexingServiceQuery() const;

    // '/' becomes '\'; ExpandVariables expands environment strings and
    // folder variables; FullLongPaths makes the path full and long.
    static void DoPathFlags(ky_F& path, unsigned flags);

    // For the equality of file-name iterators.
    bool AtEnd() const;
    const void* StateId() const { return core_.get(); }

private:
    // The item state and the at-end flag, shared by all copies.
    std::shared_ptr<ArgIteratorCore> core_;
};

static_assert(sizeof(ky_filename_argv_iterator::FileDetails) == 40,
              "FileDetails is a fixed 40-byte record");
static_assert(offsetof(ky_filename_argv_iterator::FileDetails, lastWriteTime) == 8 &&
                  offsetof(ky_filename_argv_iterator::FileDetails, creationTime) == 16 &&
                  offsetof(ky_filename_argv_iterator::FileDetails, size) == 24 &&
                  offsetof(ky_filename_argv_iterator::FileDetails, reserved) == 32,
              "FileDetails keeps its words where the Dir front-end reads them on either width");

} // namespace Kyvant
