// ky_filename_PathPlan_iterator: a plan's words walked as items, and plans that name themselves.
#include "KyConTool/Args/PathPlanIterator.h"

#include "KyConTool/Args/FileNameResultOf.h"
#include "KyConTool/Args/ItemHooks.h"
#include "KyConTool/Args/SearchSettings.h"
#include "KyDB/Named/PathPlanDB.h"

#include <list>
#include <set>
#include <stdexcept>
#include <vector>

namespace Kyvant {

namespace {

struct PlanNameLess {
    bool operator()(const ky_I& a, const ky_I& b) const { return a.compare(b) < 0; }
};

// The plans being expanded in this process.
std::set<ky_I, PlanNameLess>& PlansInExpansion()
{
    static std::set<ky_I, PlanNameLess> names;
    return names;
}

} // namespace

class PathPlanState {
public:
    PathPlanState(const ky_I& name, ky_filename_argv_iterator::Terminator* terminator,
                  unsigned flags);
    ~PathPlanState();
    PathPlanState(const PathPlanState&) = delete;
    PathPlanState& operator=(const PathPlanState&) = delete;

    // Moves to the next result; atEnd when there is none.
    void Step();

    FileNameResult result;
    bool atEnd = false;

private:
    void Release();

    ky_filename_argv_iterator::Terminator* terminator_;
    unsigned flags_;
    ky_I name_;
    std::list<ky_BSB<char>> words_;
    std::vector<const char*> argv_;
    size_t next_ = 0;
    ky_filename_argv_iterator current_;
    bool taken_ = false;
    bool registered_ = false;
    bool pushed_ = false;
    SettingsStack::Token token_;
};

PathPlanState::PathPlanState(const ky_I& name, ky_filename_argv_iterator::Terminator* terminator,
                             unsigned flags)
    : terminator_(terminator), flags_(flags), name_(name)
{
    if (!PlansInExpansion().insert(name_).second)
        throw std::runtime_error("Infinite set cycle detected");
    registered_ = true;
    try {
        token_ = SettingsStack::Push();
        pushed_ = true;
        PathPlanDB::Instance(false).StoreAsCmdArgs(
            name_.c_str(), back_insert_sequencer<std::list<ky_BSB<char>>>(words_), true);
        for (const ky_BSB<char>& w : words_)
            argv_.push_back(w.c_str());
        argv_.push_back(nullptr);
        Step();
    } catch (...) {
        Release();
        throw;
    }
}

PathPlanState::~PathPlanState()
{
    Release();
}

void PathPlanState::Release()
{
    // The words' own states go before the settings record they used.
    current_ = ky_filename_argv_iterator();
    if (pushed_)
        SettingsStack::Pop(token_);
    pushed_ = false;
    if (registered_)
        PlansInExpansion().erase(name_);
    registered_ = false;
}

void PathPlanState::Step()
{
    if (taken_ && !current_.AtEnd())
        ++current_;
    taken_ = false;
    const int argc = static_cast<int>(argv_.size()) - 1;
    while (current_.AtEnd()) {
        if (next_ >= static_cast<size_t>(argc)) {
            atEnd = true;
            result = FileNameResult();
            current_ = ky_filename_argv_iterator();
            return;
        }
        current_ = ky_filename_argv_iterator(argc, argv_.data(), static_cast<int>(next_++),
                                             terminator_, flags_);
    }
    result = FileNameResultOf(current_);
    taken_ = true;
}

ky_filename_PathPlan_iterator::ky_filename_PathPlan_iterator() {}

ky_filename_PathPlan_iterator::ky_filename_PathPlan_iterator(
    const ky_I& planName, ky_filename_argv_iterator::Terminator* terminator, unsigned flags)
    : state_(std::make_shared<PathPlanState>(planName, terminator, flags))
{
}

ky_filename_PathPlan_iterator::ky_filename_PathPlan_iterator(
    const ky_filename_PathPlan_iterator& other)
    : state_(other.state_)
{
}

ky_filename_PathPlan_iterator&
ky_filename_PathPlan_iterator::operator=(const ky_filename_PathPlan_iterator& other)
{
    state_ = other.state_;
    return *this;
}

ky_filename_PathPlan_iterator::~ky_filename_PathPlan_iterator() {}

bool ky_filename_PathPlan_iterator::AtEnd() const
{
    return !state_ || state_->atEnd;
}

const ky_F& ky_filename_PathPlan_iterator::operator*() const
{
    if (AtEnd())
        throw std::logic_error("ky_filename_PathPlan_iterator: dereferenced at the end");
    return state_->result.name;
}

ky_filename_PathPlan_iterator& ky_filename_PathPlan_iterator::operator++()
{
    if (AtEnd())
        throw std::logic_error("ky_filename_PathPlan_iterator: advanced past the end");
    state_->Step();
    return *this;
}

ky_filename_PathPlan_iterator ky_filename_PathPlan_iterator::operator++(int)
{
    ky_filename_PathPlan_iterator old(*this);
    ++*this;
    return old;
}

const ky_filename_PathPlan_iterator::FileDetails*
ky_filename_PathPlan_iterator::GetFileDetails() const
{
    return AtEnd() || !state_->result.hasDetails ? nullptr : &state_->result.details;
}

bool ky_filename_PathPlan_iterator::IsFolder() const
{
    return !AtEnd() && state_->result.isFolder;
}

bool ky_filename_PathPlan_iterator::IsInfoFolder() const
{
    return !AtEnd() && state_->result.isInfoFolder;
}

} // namespace Kyvant
