// ky_filename_response_file_iterator: the files that a response file lists
// ("@F" items), one name per line, or standard input for "<STDIN>". A line
// ending with a separator names a folder, which is walked with the masks of
// the rule that may follow the file name ("list.txt/|*.c|+"); other lines
// name files, which must exist and pass that rule.
#pragma once

#include "KyConTool/Args/FileNameIterator.h"
#include "KyConTool/Args/FileNameIteratorEq.h"
#include "KyConTool/KyConToolExport.h"
#include "KyStd/Files/FileName.h"
#include "KyStd/Strings/String.h"

#include <memory>

namespace Kyvant {

class ResponseFileState;

class KYCONTOOL_API ky_filename_response_file_iterator {
public:
    using FileDetails = ky_filename_argv_iterator::FileDetails;

    // The end iterator.
    ky_filename_response_file_iterator();
    // "Could not open: " + name when the file cannot be opened.
    ky_filename_response_file_iterator(const ky_F& file,
                                       ky_filename_argv_iterator::Terminator* terminator,
                                       unsigned flags);
    ky_filename_response_file_iterator(const ky_filename_response_file_iterator& other);
    ky_filename_response_file_iterator& operator=(const ky_filename_response_file_iterator& other);
    ~ky_filename_response_file_iterator();

    const ky_F& operator*() const;
    const ky_F* operator->() const { return &**this; }
    ky_filename_response_file_iterator& operator++();
    ky_filename_response_file_iterator operator++(int);

    const FileDetails* GetFileDetails() const;
    bool IsFolder() const;
    bool IsInfoFolder() const;

    bool AtEnd() const;
    const void* StateId() const { return state_.get(); }

private:
    std::shared_ptr<ResponseFileState> state_;
};

} // namespace Kyvant
