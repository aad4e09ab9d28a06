// The state of one argument item: normalising, dispatch on its "@" code, and advancing its source.
#include "KyConTool/Args/ArgItems.h"

#include "KyConTool/Args/LocalDrives.h"
#include "KyConTool/Args/OptionsList.h"
#include "KyConTool/Args/SearchSettings.h"
#include "KyDB/Named/PathPlanDB.h"

#include <cctype>
#include <climits>
#include <stdexcept>
#include <string>

namespace Kyvant {

namespace {

using It = ky_filename_argv_iterator;

const char* SkipSpaces(const char* p)
{
    while (std::isspace(static_cast<unsigned char>(*p)))
        ++p;
    return p;
}

[[noreturn]] void Fail(const std::string& prefix, const ky_BSB<char>& text)
{
    throw std::runtime_error(prefix + text.c_str());
}

ky_S Specifier(char code)
{
    return ky_S(1, PathPlanCodes::s_EscapeCode) + code;
}

// A folder name without its trailing separator (roots keep theirs).
ky_F WithoutTrailingSep(const ky_F& name)
{
    ky_F n(name);
    while (n.length() > 1 && (n[n.length() - 1] == '\\' || n[n.length() - 1] == '/') &&
           n[n.length() - 2] != ':')
        n.chop();
    return n;
}

template <class Iterator>
void CopyCurrent(const Iterator& it, FileNameResult& out)
{
    out.name = *it;
    out.isFolder = it.IsFolder();
    out.isInfoFolder = it.IsInfoFolder();
    const It::FileDetails* details = it.GetFileDetails();
    out.hasDetails = details != nullptr;
    if (details)
        out.details = *details;
}

} // namespace

ArgItemState::ArgItemState(int argc, const char* const* argv, int index, Terminator* terminator,
                           unsigned flags)
    : terminator_(terminator), baseFlags_(flags), flags_(flags), code_(0), pureFolder_(false),
      literalPending_(false), driveIndex_(0), nestedTaken_(false)
{
    if (!argv || index < 0 || index >= argc || !argv[index])
        throw std::out_of_range("ky_filename_argv_iterator: no argument at index " +
                                std::to_string(index));
    Normalise(argv[index]);
}

ArgItemState::ArgItemState(const ArgItemState& previous, size_t driveIndex)
    : terminator_(previous.terminator_), baseFlags_(previous.baseFlags_),
      flags_(previous.baseFlags_), code_(previous.code_), argument_(previous.argument_),
      itemText_(previous.itemText_), pureFolder_(false), literalPending_(false),
      drives_(previous.drives_), driveIndex_(driveIndex), driveTail_(previous.driveTail_),
      nestedTaken_(false)
{
    DispatchDrive(driveIndex);
}

ArgItemState::~ArgItemState()
{
    // Nested sources go first: a path plan pops its settings record.
    search_.reset();
    plan_.reset();
    ideList_.reset();
    responseFile_.reset();
}

void ArgItemState::Normalise(const char* text)
{
    const char* p = SkipSpaces(text);
    if (!*p)
        return; // no items
    if (p[0] != PathPlanCodes::s_EscapeCode || p[1] == PathPlanCodes::s_EscapeCode) {
        // A literal text: a folder that exists is the item itself, anything
        // else a path to search.
        argument_ = p[0] == PathPlanCodes::s_EscapeCode ? p + 1 : p;
        ky_F check(argument_);
        It::DoPathFlags(check, flags_ & It::ExpandVariables);
        code_ = check.IsDirectory() ? PathPlanCodes::s_LiteralCode : PathPlanCodes::s_PathCode;
        itemText_ = Specifier(code_) + argument_;
    } else {
        code_ = p[1];
        if (!code_)
            Fail("Missing argument to ", ky_S(1, PathPlanCodes::s_EscapeCode));
        if (!PathPlanDB::IsCode(code_))
            Fail("Unknown code: ", Specifier(code_));
        argument_ = SkipSpaces(p + 2);
        itemText_ = p;
    }

    const ky_F& token = LocalDrivesToken();
    if (ky_F(argument_).compare(0, token.length(), token.data(), token.length()) == 0) {
        driveTail_ = argument_.substr(token.length());
        if (!driveTail_.empty() && driveTail_[0] == '\\')
            driveTail_.erase(0, 1);
        drives_ = FixedDriveRoots();
        if (!drives_.empty())
            DispatchDrive(0);
        return;
    }
    Dispatch(argument_);
}

void ArgItemState::DispatchDrive(size_t driveIndex)
{
    driveIndex_ = driveIndex;
    Dispatch(ky_S(drives_[driveIndex]) + driveTail_);
}

std::unique_ptr<ArgItemState> ArgItemState::NextDriveState() const
{
    if (drives_.empty() || driveIndex_ + 1 >= drives_.size())
        return nullptr;
    return std::unique_ptr<ArgItemState>(new ArgItemState(*this, driveIndex_ + 1));
}

void ArgItemState::FailPureFolder() const
{
    throw std::runtime_error(
        "This program does not support the @f code, or you did not enable @f for this program "
        "by using the appropriate option, which means it can act only upon files. It cannot "
        "(currently) act on folders themselves. If this program supports @f, include the "
        "necessary option on the command line.");
}

void ArgItemState::Dispatch(const ky_S& argument)
{
    if (terminator_)
        terminator_->CheckTerminate();
    flags_ = baseFlags_;
    SearchSettings& settings = SettingsStack::Current();
    if (code_ == PathPlanCodes::s_ClearCode) {
        if (!argument.empty())
            Fail("Extraneous characters following: ", Specifier(code_));
        settings.Clear();
        IndexingService::OptionsList::ClearTop();
        return;
    }
    if (argument.empty()) {
        ky_S item(itemText_);
        item.EraseEdgeSpaces();
        Fail("Missing argument to: ", item);
    }
    if (flags_ & (It::FolderPreOrder | It::FolderPostOrder))
        flags_ |= It::FullLongPaths;

    switch (code_) {
    case PathPlanCodes::s_PathCode:
        RunPathSection(argument, PathPlanCodes::s_PathSpecifier, false);
        break;
    case PathPlanCodes::s_PureFolderCode:
        if (!(flags_ & It::AcceptsPureFolders))
            FailPureFolder();
        pureFolder_ = true;
        flags_ |= It::FullLongPaths;
        RunPathSection(argument, PathPlanCodes::s_PureFolderSpecifier, false);
        break;
    case PathPlanCodes::s_LiteralCode:
        RunLiteral(argument);
        break;
    case PathPlanCodes::s_PathPlanNameCode: {
        ky_I name(argument);
        name.EraseEdgeSpaces();
        plan_.reset(new ky_filename_PathPlan_iterator(name, terminator_, flags_));
        break;
    }
    case PathPlanCodes::s_VcCode:
    case PathPlanCodes::s_VsNetCode: {
        IdeListFactory factory = GetIdeListFactory();
        if (!factory)
            Fail("Development-environment lists are not available in this program: ", itemText_);
        ideList_ = factory(ky_I(argument), itemText_, terminator_);
        break;
    }
    case PathPlanCodes::s_ResponseFileCode:
        responseFile_.reset(
            new ky_filename_response_file_iterator(ky_F(argument), terminator_, flags_));
        break;
    case PathPlanCodes::s_MasksCode:
        for (const ky_F& mask : ExpandMasks(argument))
            settings.masks.push_back(mask);
        break;
    case PathPlanCodes::s_MaxRecursionDepthCode: {
        int depth = PathPlanDB::TextToMaxRecDepth(ky_I(argument));
        settings.depth = depth < 1 ? 0 : depth;
        break;
    }
    case PathPlanCodes::s_ExceptionCode:
        AddRejectionRules(argument, settings.pathRules, settings.maskRules);
        break;
    case PathPlanCodes::s_AdvancedCode:
        for (const ky_S& piece :
             SplitText(argument, PathPlanCodes::s_SecondaryListSeparator, false))
            settings.filters.Parse(ky_I(piece));
        break;
    case PathPlanCodes::s_IndexingServiceCode: {
        IndexingServiceItemHandler handler = GetIndexingServiceItemHandler();
        if (!handler)
            Fail("Indexing Service items are not available in this program: ", itemText_);
        if (handler(argument)) {
            flags_ &= ~(It::ExpandVariables | It::FullLongPaths);
            RunPathSection(ky_S("\\"), PathPlanCodes::s_IndexingServiceSpecifier, true);
        }
        break;
    }
    default:
        Fail("Unknown code: ", Specifier(code_));
    }
}

bool ArgItemState::IndexingServiceInUse() const
{
    if (IndexingService::OptionsList::Top().use)
        return true;
    for (const SearchSettings& record : SettingsStack::All()) {
        if (record.filters.IndexingService().Active())
            return true;
    }
    return false;
}

void ArgItemState::RunPathSection(const ky_S& argument, const char* spec, bool wholeCatalog)
{
    const bool search = wholeCatalog || IndexingServiceInUse();
    if (search && !wholeCatalog)
        flags_ |= It::FullLongPaths;
    section_.reset(
        new PathSection(PathSection::Parse(argument, spec, flags_, SettingsStack::Current())));
    if (wholeCatalog)
        section_->depth = INT_MAX;
    if (section_->special) {
        // A standard stream: the pseudo name goes to the tool as it stands.
        literal_ = FileNameResult();
        literal_.name = section_->masks.front();
        literalPending_ = true;
        return;
    }
    if (search) {
        StartSearch();
        return;
    }
    walk_.reset(new TreeWalk(*section_, pureFolder_, flags_, terminator_));
    walk_->Start();
}

void ArgItemState::StartSearch()
{
    IndexingServiceSearchFactory factory = GetIndexingServiceSearchFactory();
    if (!factory)
        Fail("Indexing Service searches are not available in this program: ", itemText_);
    IndexingServiceSearch s;
    s.query = ky_I(IndexingServiceQuery());
    IndexingService::OptionsList::Read(s.force, s.machine, s.catalog, s.sort);
    s.scope = section_->folder;
    s.deep = section_->depth != 0;
    s.depth = section_->depth;
    s.terminator = terminator_;
    search_ = factory(s);
}

ky_S ArgItemState::IndexingServiceQuery() const
{
    return JoinQueryParts({ky_S(IndexingService::OptionsList::CombinedQuery()),
                           section_ ? section_->IndexingServiceQuery() : ky_S(),
                           ScopesIndexingServiceQuery()});
}

void ArgItemState::RunLiteral(const ky_S& argument)
{
    ky_F name(argument);
    It::DoPathFlags(name, flags_);
    // The name is yielded as given; only the look-up drops a final separator,
    // which the system refuses in a file name.
    literal_ = FileNameResult();
    literal_.name = name;
    const ky_F lookup = WithoutTrailingSep(name);
    FileInfo entry;
    if (lookup.GetInfo(std::nothrow, entry)) {
        literal_.hasDetails = true;
        TreeWalk::FillDetails(entry, literal_.details);
        literal_.isFolder = entry.IsDirectory();
    } else {
        literal_.isFolder = lookup.IsDirectory();
    }
    if (literal_.isFolder && !(flags_ & It::AcceptsPureFolders))
        FailPureFolder();
    literalPending_ = true;
}

bool ArgItemState::NextFromNested()
{
    if (responseFile_) {
        if (nestedTaken_)
            ++*responseFile_;
        nestedTaken_ = false;
        if (!responseFile_->AtEnd()) {
            CopyCurrent(*responseFile_, result_);
            nestedTaken_ = true;
            return true;
        }
        responseFile_.reset();
    }
    if (ideList_) {
        if (ideList_->Next(result_))
            return true;
        ideList_.reset();
    }
    if (plan_) {
        if (nestedTaken_)
            ++*plan_;
        nestedTaken_ = false;
        if (!plan_->AtEnd()) {
            CopyCurrent(*plan_, result_);
            nestedTaken_ = true;
            return true;
        }
        plan_.reset();
    }
    if (search_) {
        FileNameResult row;
        while (search_->Next(row)) {
            if (section_->AcceptListedFile(row.name)) {
                result_ = row;
                return true;
            }
            row = FileNameResult();
        }
        search_.reset();
    }
    return false;
}

namespace {

// Clears the result; the name keeps its storage for the next name unless a
// copy shares it.
void ClearResult(FileNameResult& result)
{
    result.name.assign("", 0);
    result.isFolder = false;
    result.isInfoFolder = false;
    result.hasDetails = false;
    result.details = ky_filename_argv_iterator::FileDetails();
}

} // namespace

bool ArgItemState::Advance()
{
    ClearResult(result_);
    if (literalPending_) {
        literalPending_ = false;
        result_ = literal_;
        return true;
    }
    if (NextFromNested())
        return true;
    return walk_ && walk_->Next(result_);
}

} // namespace Kyvant
