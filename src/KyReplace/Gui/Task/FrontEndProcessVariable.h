// "KYVANT_KyReplaceG_PROCESS_HDL": how a KyReplace that the front-end starts
// finds the front-end. Its value is the decimal handle of an inheritable
// duplicate of the front-end's own process.
#pragma once

namespace Kyvant {

constexpr char kFrontEndProcessVariable[] = "KYVANT_KyReplaceG_PROCESS_HDL";

// Makes the duplicate and puts the variable into the C runtime's and the
// process's environment; failures throw os_error.
void PublishFrontEndProcess();

} // namespace Kyvant
