// The database of path plans (files "KyPathPlan") and the path-plan
// language: rendering plans as console arguments, checking path-list items,
// folder-depth texts and command-line macros.
#pragma once

#include "KyDB/Engine/IsamValueCodec.h"
#include "KyDB/KyDBExport.h"
#include "KyDB/Named/NamedDatabase.h"
#include "KyDB/Named/PathPlanCodes.h"
#include "KyDB/Named/PathPlanItem.h"
#include "KyStd/Containers/Sequencer.h"
#include "KyStd/Registry/RegKey.h"
#include "KyStd/Strings/String.h"

#include <functional>
#include <utility>

namespace Kyvant {

template <>
struct KYDB_API IsamValueCodec<PathPlanItem> {
    static void Store(const PathPlanItem& value, ky_S& text);
    static void Load(const ky_S& text, PathPlanItem& value);
    static void Check(const ky_BSB<char>& name, const PathPlanItem& value);
};

class KYDB_API PathPlanDB : public PathPlanCodes,
                            public PathPlanTexts,
                            public NamedDatabase<PathPlanItem, std::less<ky_I>> {
public:
    using Item = PathPlanItem;
    using StringList = PathPlanItem::StringList;
    using Args = output_sequencer<ky_BSB<char>>;
    using Texts = input_sequencer<ky_BSB<char>>;
    class ImpT;

    // The process's instance, built at first use with loading on.
    static PathPlanDB& Instance();
    // The flag counts only for the first construction; without loading the
    // map is read-only and reads plans one at a time (find_load).
    static PathPlanDB& Instance(bool load);
    // Closes the instance; the next Instance opens the files again.
    static void Reset();

    // Without expand: "@P" + name. With expand: the stored plan's arguments
    // ("Unknown Path Plan name: " + name when there is none).
    void StoreAsCmdArgs(const char* name, const Args& out, bool expand);
    void StoreAsCmdArgs(const Texts& names, const Args& out, bool expand);
    // A plan's arguments: "@d" + depth, "@m" + masks, "@x" + each exception,
    // "@a" + each advanced filter (all when not empty), then each non-empty
    // path: "@p" + path for a plain path, a code item as it stands.
    void StoreAsCmdArgs(const_iterator plan, const Args& out) const;
    void StoreAsCmdArgs(const Item& item, const Args& out) const;
    void StoreAsCmdArgs(const Texts& paths, const Texts& exceptions, const ky_BSB<char>& masks,
                        const ky_BSB<char>& depth, const Texts& advanced, const Args& out) const;
    // Only the filter arguments, with or without the depth.
    void StoreFiltersAsCmdArgs(const Texts& exceptions, const ky_BSB<char>& masks,
                               const ky_BSB<char>& depth, const Texts& advanced,
                               const Args& out) const;
    void StoreFiltersAsCmdArgs(const Texts& exceptions, const ky_BSB<char>& masks,
                               const Texts& advanced, const Args& out) const;

    // The 15 code characters, and the 12 that take an argument text.
    static bool IsCode(char c);
    static bool CodeRequiresArgument(char c);
    // Checks one path-list item; needsPathCode is set when the item is a
    // plain path (does not start with '@'). Errors are std::runtime_error.
    static void ValidateForPathList(const ky_S& item, bool& needsPathCode);
    static bool IsValidInPathList(const ky_S& item);

    // INT_MAX gives "+" and true; another depth its decimal (negative as 0) and false.
    static bool MaxRecDepthToText(int depth, ky_BSB<char>& text);
    // "+" or "Infinite": INT_MAX; "-" or empty: 0; else the decimal number
    // (negative as 0); other text: "Bad folder depth number: " + text.
    static int TextToMaxRecDepth(const ky_I& text);

    // Macros are environment variables of the C runtime and the process.
    static void AddMacro(const ky_BSB<char>& name, const ky_BSB<char>& value);
    static void AddMacro(const ky_BSB<char>& text);
    static void EraseMacro(const ky_BSB<char>& name);
    static bool SplitMacro(const ky_BSB<char>& text,
                           std::pair<ky_BSB<char>, ky_BSB<char>>& nameAndValue);
    static void RecordCommandLineMacros(const char* const* first, const char* const* last);

    // HKCU "Software\Kyvant\Tools\Shared\PathPlanDB", where other parts of
    // the suite keep their path-plan settings.
    RegKey m_regKey;

private:
    explicit PathPlanDB(bool load);
    ~PathPlanDB();
};

} // namespace Kyvant
