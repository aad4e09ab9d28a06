// ky_filename_response_file_iterator: the lines of a response file, folders walked, files tested.
#include "KyConTool/Args/ResponseFileIterator.h"

#include "KyConTool/App/KyConApp.h"
#include "KyConTool/Args/FileNameResultOf.h"
#include "KyConTool/Args/ItemHooks.h"
#include "KyConTool/Args/PathSection.h"
#include "KyConTool/Args/SearchSettings.h"
#include "KyConTool/DevEnv/VirtualFolderRule.h"
#include "KyDB/Named/PathPlanCodes.h"
#include "KyStd/Core/Errors.h"
#include "KyStd/Shell/FolderVariables.h"

#include <cstdio>
#include <memory>
#include <stdexcept>
#include <string>

namespace Kyvant {

class ResponseFileState {
public:
    ResponseFileState(const ky_F& file, ky_filename_argv_iterator::Terminator* terminator,
                      unsigned flags);
    ~ResponseFileState();
    ResponseFileState(const ResponseFileState&) = delete;
    ResponseFileState& operator=(const ResponseFileState&) = delete;

    // Moves to the next entry; atEnd when there is none.
    void Step();

    FileNameResult result;
    bool atEnd = false;

private:
    bool TakeNested();

    ky_filename_argv_iterator::Terminator* terminator_;
    unsigned flags_;
    std::unique_ptr<PathSection> section_;
    ky_S filterText_;
    ky_F name_;
    FILE* stream_ = nullptr;
    bool ownStream_ = false;
    ky_S word_;
    ky_filename_argv_iterator nested_;
    bool taken_ = false;
};

ResponseFileState::ResponseFileState(const ky_F& file,
                                     ky_filename_argv_iterator::Terminator* terminator,
                                     unsigned flags)
    : terminator_(terminator), flags_(flags), name_(file)
{
    SplitVirtualFolderRule(name_, filterText_);
    if (!name_.empty())
        section_.reset(
            new PathSection(PathSection::Parse(filterText_, PathPlanCodes::s_ResponseFileSpecifier,
                                               flags_, SettingsStack::Current())));
    if (name_ == KyConApp::GetStdinPseudoFileName()) {
        stream_ = stdin;
    } else {
        name_.ExpandEnvironmentStringsA();
        Shell::ExpandFolderVariables(name_);
        stream_ = std::fopen(name_.c_str(), "r");
        if (!stream_)
            throw std::runtime_error(std::string("Could not open: ") + name_.c_str());
        ownStream_ = true;
    }
    try {
        Step();
    } catch (...) {
        if (ownStream_)
            std::fclose(stream_);
        throw;
    }
}

ResponseFileState::~ResponseFileState()
{
    nested_ = ky_filename_argv_iterator();
    if (ownStream_)
        std::fclose(stream_);
}

bool ResponseFileState::TakeNested()
{
    if (nested_.AtEnd())
        return false;
    result = FileNameResultOf(nested_);
    taken_ = true;
    return true;
}

void ResponseFileState::Step()
{
    if (taken_) {
        taken_ = false;
        ++nested_;
        if (TakeNested())
            return;
        nested_ = ky_filename_argv_iterator();
    }
    for (;;) {
        ky_S line;
        bool got;
        try {
            // Read whole, however long the line is.
            got = line.getline(stream_);
        } catch (const rtl_error&) {
            throw std::runtime_error(std::string("Error reading response file: ") + name_.c_str());
        }
        if (!got) {
            atEnd = true;
            result = FileNameResult();
            return;
        }
        if (terminator_)
            terminator_->CheckTerminate();
        line.EraseEdgeSpaces();
        if (line.empty())
            continue;
        char last = line[line.length() - 1];
        if (last == '\\' || last == '/') {
            // A folder: walked with the masks of the file's rule.
            line.chop();
            word_ = ky_S(PathPlanCodes::s_PathSpecifier) + line + filterText_;
            const char* argv[2] = {word_.c_str(), nullptr};
            nested_ = ky_filename_argv_iterator(1, argv, 0, terminator_, flags_);
            if (TakeNested())
                return;
            nested_ = ky_filename_argv_iterator();
            continue;
        }
        ky_F file(line);
        ky_filename_argv_iterator::DoPathFlags(file,
                                               flags_ & ~ky_filename_argv_iterator::FullLongPaths);
        try {
            file.ToFullPath();
        } catch (const os_error&) {
            continue; // no such name can exist (far too long, say): like a missing file
        }
        if (!section_ || section_->AcceptListedFile(file)) {
            result = FileNameResult();
            result.name = file;
            return;
        }
    }
}

ky_filename_response_file_iterator::ky_filename_response_file_iterator() {}

ky_filename_response_file_iterator::ky_filename_response_file_iterator(
    const ky_F& file, ky_filename_argv_iterator::Terminator* terminator, unsigned flags)
    : state_(std::make_shared<ResponseFileState>(file, terminator, flags))
{
}

ky_filename_response_file_iterator::ky_filename_response_file_iterator(
    const ky_filename_response_file_iterator& other)
    : state_(other.state_)
{
}

ky_filename_response_file_iterator&
ky_filename_response_file_iterator::operator=(const ky_filename_response_file_iterator& other)
{
    state_ = other.state_;
    return *this;
}

ky_filename_response_file_iterator::~ky_filename_response_file_iterator() {}

bool ky_filename_response_file_iterator::AtEnd() const
{
    return !state_ || state_->atEnd;
}

const ky_F& ky_filename_response_file_iterator::operator*() const
{
    if (AtEnd())
        throw std::logic_error("ky_filename_response_file_iterator: dereferenced at the end");
    return state_->result.name;
}

ky_filename_response_file_iterator& ky_filename_response_file_iterator::operator++()
{
    if (AtEnd())
        throw std::logic_error("ky_filename_response_file_iterator: advanced past the end");
    state_->Step();
    return *this;
}

ky_filename_response_file_iterator ky_filename_response_file_iterator::operator++(int)
{
    ky_filename_response_file_iterator old(*this);
    ++*this;
    return old;
}

const ky_filename_response_file_iterator::FileDetails*
ky_filename_response_file_iterator::GetFileDetails() const
{
    return AtEnd() || !state_->result.hasDetails ? nullptr : &state_->result.details;
}

bool ky_filename_response_file_iterator::IsFolder() const
{
    return !AtEnd() && state_->result.isFolder;
}

bool ky_filename_response_file_iterator::IsInfoFolder() const
{
    return !AtEnd() && state_->result.isInfoFolder;
}

} // namespace Kyvant
