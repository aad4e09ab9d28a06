// KyDir's application object: lists what the file arguments give, on the
// console, into a list file, or as the Dir front-end's task in records.
#pragma once

#include "KyStandInTool/LinkedConApp.h"

namespace Kyvant {
namespace StandIn {

class DirItemSink;
struct DirOptions;

class KyDirApp : public LinkedConApp {
public:
    KyDirApp();
    void Main(int argc, char** argv) override;

protected:
    // Made-up records: slow files, an unknown record id between two files,
    // and a file whose records come in many small writes.
    void WriteTestResults(const TaskLinkSwitches& switches) override;

private:
    void Walk(int argc, char** argv, const DirOptions& options, DirItemSink& sink);
};

} // namespace StandIn
} // namespace Kyvant
