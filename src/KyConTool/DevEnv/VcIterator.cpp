// ky_filename_vc_iterator: collecting and walking an environment object's list, and its supplier.
#include "KyConTool/DevEnv/VcIterator.h"

#include "KyConTool/Args/FileNameResultOf.h"
#include "KyConTool/Args/ItemHooks.h"
#include "KyConTool/Args/PathSection.h"
#include "KyConTool/Args/SearchSettings.h"
#include "KyConTool/DevEnv/DevEnvAccess.h"
#include "KyConTool/DevEnv/DevEnvError.h"
#include "KyConTool/DevEnv/VcLists.h"
#include "KyConTool/DevEnv/VcResultList.h"
#include "KyConTool/DevEnv/VirtualFolderRule.h"
#include "KyDB/Named/PathPlanCodes.h"

#include <objbase.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace Kyvant {

namespace {

[[noreturn]] void Fail(const char* prefix, const ky_BSB<char>& text)
{
    throw std::runtime_error(std::string(prefix) + text.c_str());
}

ky_I Trimmed(const ky_BSB<char>& text)
{
    ky_I t(text);
    t.EraseEdgeSpaces();
    return t;
}

// COM for the calls of one list; the thread's own initialisation, of
// whatever kind, is left as it was.
class ComScope {
public:
    ComScope() : hr_(CoInitialize(nullptr)) {}
    ~ComScope()
    {
        if (SUCCEEDED(hr_))
            CoUninitialize();
    }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;

private:
    HRESULT hr_;
};

} // namespace

class VcListState {
public:
    using Terminator = ky_filename_argv_iterator::Terminator;

    VcListState(const ky_I& objectName, const ky_S& itemText, Terminator* terminator);
    VcListState(const VcListState&) = delete;
    VcListState& operator=(const VcListState&) = delete;

    // Moves to the next result; false when there is none.
    bool Advance();
    const FileNameResult& Current() const { return current_; }

private:
    // The name with its modifiers (after '+') taken off into the list's flags.
    static ky_I TakeModifiers(const ky_I& text, VcResultList& list);
    void Collect(const DevEnv::ListObject& object, bool vsNet, VcResultList& list);

    Terminator* terminator_;
    std::unique_ptr<PathSection> filter_;
    std::unique_ptr<VcResultList> list_;
    ky_list<ky_F>::iterator next_;
    // Folder results, walked as path items one after the other.
    bool walking_;
    std::vector<ky_S> items_;
    std::vector<const char*> argv_;
    int nextItem_;
    ky_filename_argv_iterator walk_;
    FileNameResult current_;
};

VcListState::VcListState(const ky_I& objectName, const ky_S& itemText, Terminator* terminator)
    : terminator_(terminator), walking_(false), nextItem_(0)
{
    ky_F name(objectName);
    ky_S rule;
    SplitVirtualFolderRule(name, rule);

    // The list exists before the handler so that the modifiers can set its flags.
    list_.reset(new VcResultList(
        [this](const ky_F& file) { return !filter_ || filter_->AcceptListedFile(file); }, rule));
    ky_I key = TakeModifiers(name, *list_);

    bool vsNet;
    if (itemText.compare(0, 2, PathPlanCodes::s_VcSpecifier, 2) == 0)
        vsNet = false;
    else if (itemText.compare(0, 2, PathPlanCodes::s_VsNetSpecifier, 2) == 0)
        vsNet = true;
    else
        throw std::runtime_error("Unknown developer environment specifier");
    const DevEnv::ListObject* object =
        vsNet ? DevEnv::FindVsNetObject(key) : DevEnv::FindVcObject(key);
    if (!object)
        Fail(vsNet ? "Unknown VS.NET object name: " : "Unknown Visual C++ object name: ", key);

    if (!object->folders)
        filter_.reset(new PathSection(PathSection::Parse(
            rule, vsNet ? PathPlanCodes::s_VsNetSpecifier : PathPlanCodes::s_VcSpecifier, 0,
            SettingsStack::Current())));

    Collect(*object, vsNet, *list_);

    walking_ = object->folders;
    if (walking_) {
        for (const ky_F& item : list_->Names())
            items_.push_back(item);
        for (const ky_S& item : items_)
            argv_.push_back(item.c_str());
        argv_.push_back(nullptr);
    }
    next_ = list_->Names().begin();
}

ky_I VcListState::TakeModifiers(const ky_I& text, VcResultList& list)
{
    const char sep = PathPlanCodes::s_VsNetModifierSeparator;
    unsigned first = text.find(sep);
    if (first == ky_I::npos)
        return Trimmed(text);
    std::vector<ky_I> pieces;
    pieces.push_back(Trimmed(text.substr(0, first)));
    unsigned second = text.find(sep, first + 1);
    pieces.push_back(
        Trimmed(text.substr(first + 1, second == ky_I::npos ? ky_I::npos : second - first - 1)));
    if (second != ky_I::npos)
        pieces.push_back(Trimmed(text.substr(second + 1)));

    // Only the all-project-files list takes modifiers; any other name is
    // kept whole and then fails as an unknown name.
    if (pieces[0] != PathPlanTexts::s_VsNetAllProjectFiles)
        return Trimmed(text);
    for (size_t i = 1; i < pieces.size(); ++i) {
        if (pieces[i].empty())
            Fail("Illegal VS.NET modified rule: ", text);
        if (pieces[i] == PathPlanTexts::s_VsNetSolItemFiles)
            list.includeSolutionItems = true;
        else if (pieces[i] == PathPlanTexts::s_VsNetMiscFiles)
            list.includeMiscItems = true;
        else
            Fail("Unknown VS.NET rule modifier: ", pieces[i]);
    }
    return pieces[0];
}

void VcListState::Collect(const DevEnv::ListObject& object, bool vsNet, VcResultList& list)
{
    ComScope com;
    try {
        if (vsNet) {
            _DTEPtr dte;
            GetVsNet(dte, object.quiet, false, true);
            object.handler(dte, list);
        } else {
            IApplicationPtr app;
            GetMsDev(app, false, false, true);
            object.handler(app, list);
        }
    } catch (const _com_error& e) {
        DevEnv::ThrowCommunicationError(vsNet ? "VS.NET" : "Visual C++", e.Error());
    }
    list.Finish(object.emptyMessage);
}

bool VcListState::Advance()
{
    current_ = FileNameResult();
    if (!walking_) {
        if (next_ == list_->Names().end())
            return false;
        current_.name = *next_++;
        return true;
    }
    while (walk_.AtEnd()) {
        if (nextItem_ >= static_cast<int>(items_.size()))
            return false;
        walk_ = ky_filename_argv_iterator(static_cast<int>(items_.size()), argv_.data(),
                                          nextItem_++, terminator_, 0);
    }
    current_ = FileNameResultOf(walk_);
    ++walk_;
    return true;
}

ky_filename_vc_iterator::ky_filename_vc_iterator() : atEnd_(true) {}

ky_filename_vc_iterator::ky_filename_vc_iterator(const ky_I& objectName, const ky_S& itemText,
                                                 ky_filename_argv_iterator::Terminator* terminator)
    : state_(std::make_shared<VcListState>(objectName, itemText, terminator)), atEnd_(false)
{
    atEnd_ = !state_->Advance();
    if (atEnd_)
        state_.reset();
}

ky_filename_vc_iterator::ky_filename_vc_iterator(const ky_filename_vc_iterator& other) = default;
ky_filename_vc_iterator&
ky_filename_vc_iterator::operator=(const ky_filename_vc_iterator& other) = default;
ky_filename_vc_iterator::~ky_filename_vc_iterator() = default;

const ky_F& ky_filename_vc_iterator::operator*() const
{
    if (atEnd_)
        throw std::logic_error("ky_filename_vc_iterator: dereferenced at the end");
    return state_->Current().name;
}

ky_filename_vc_iterator& ky_filename_vc_iterator::operator++()
{
    if (atEnd_)
        throw std::logic_error("ky_filename_vc_iterator: advanced past the end");
    atEnd_ = !state_->Advance();
    if (atEnd_)
        state_.reset();
    return *this;
}

ky_filename_vc_iterator ky_filename_vc_iterator::operator++(int)
{
    ky_filename_vc_iterator old(*this);
    ++*this;
    return old;
}

const ky_filename_vc_iterator::FileDetails* ky_filename_vc_iterator::GetFileDetails() const
{
    return !atEnd_ && state_->Current().hasDetails ? &state_->Current().details : nullptr;
}

bool ky_filename_vc_iterator::IsFolder() const
{
    return !atEnd_ && state_->Current().isFolder;
}

bool ky_filename_vc_iterator::IsInfoFolder() const
{
    return !atEnd_ && state_->Current().isInfoFolder;
}

namespace {

// The argument items' nested source for "@C" and "@V".
class VcSource : public FileNameSource {
public:
    VcSource(const ky_I& objectName, const ky_S& itemText,
             ky_filename_argv_iterator::Terminator* terminator)
        : it_(objectName, itemText, terminator)
    {
    }
    bool Next(FileNameResult& out) override
    {
        if (it_.AtEnd())
            return false;
        out = FileNameResultOf(it_);
        ++it_;
        return true;
    }

private:
    ky_filename_vc_iterator it_;
};

std::unique_ptr<FileNameSource> MakeVcSource(const ky_I& objectName, const ky_S& itemText,
                                             ky_filename_argv_iterator::Terminator* terminator)
{
    return std::unique_ptr<FileNameSource>(new VcSource(objectName, itemText, terminator));
}

const bool s_registered = (SetIdeListFactory(&MakeVcSource), true);

} // namespace

} // namespace Kyvant
