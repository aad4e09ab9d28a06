// The database of replace plans (files "KyReplacePlan").
#pragma once

#include "KyDB/Engine/IsamValueCodec.h"
#include "KyDB/KyDBExport.h"
#include "KyDB/Named/NamedDatabase.h"
#include "KyDB/Named/ReplacePlan.h"
#include "KyStd/Containers/Sequencer.h"
#include "KyStd/Registry/RegKey.h"
#include "KyStd/Strings/String.h"

#include <functional>

namespace Kyvant {

template <>
struct KYDB_API IsamValueCodec<ReplacePlan> {
    static void Store(const ReplacePlan& value, ky_S& text);
    static void Load(const ky_S& text, ReplacePlan& value);
    static void Check(const ky_BSB<char>& name, const ReplacePlan& value);
};

class KYDB_API ReplacePlanDB : public NamedDatabase<ReplacePlan, std::less<ky_I>> {
public:
    using Args = output_sequencer<ky_BSB<char>>;
    class ImpT;

    // The process's instance, built at first use with loading on.
    static ReplacePlanDB& Instance();
    // The flag counts only for the first construction; without loading the
    // map is read-only and reads plans one at a time (find_load).
    static ReplacePlanDB& Instance(bool load);
    // Closes the instance; the next Instance opens the files again.
    static void Reset();

    // The plan's argument words for the replace program.
    void StoreAsCmdArgs(const_iterator plan, const Args& out) const;
    void StoreAsCmdArgs(const ReplacePlan& plan, const Args& out) const;

    // HKCU "Software\Kyvant\Tools\Shared\ReplacePlanDB", where other parts of
    // the suite keep their replace-plan settings.
    RegKey m_regKey;

private:
    explicit ReplacePlanDB(bool load);
    ~ReplacePlanDB();
};

} // namespace Kyvant
