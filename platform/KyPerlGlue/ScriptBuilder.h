// Writes the engine's script for one configuration into a new temporary
// file, after creating the engine's two events whose names it records.
// The script file is deleted with the builder.
#pragma once

#include "KyPerlGlue/KyPerlGlueExport.h"
#include "KyStd/Files/FileName.h"

namespace Kyvant {
namespace PerlGlue {

class PerlConfiguration;

class KYPERLGLUE_API ScriptBuilder {
public:
    // Failures throw (os_error, std::runtime_error); nothing is left behind.
    explicit ScriptBuilder(PerlConfiguration& configuration);
    ~ScriptBuilder();
    ScriptBuilder(const ScriptBuilder&) = delete;
    ScriptBuilder& operator=(const ScriptBuilder&) = delete;

    const ky_F& ScriptName() const { return scriptName_; }

private:
    ky_F scriptName_;
};

} // namespace PerlGlue
} // namespace Kyvant
