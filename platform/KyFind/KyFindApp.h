// KyFind's application object: reads the pattern pages' vectors and
// searches every file that the file arguments give.
#pragma once

#include "KyStandInTool/LinkedConApp.h"

namespace Kyvant {
namespace StandIn {

class KyFindApp : public LinkedConApp {
public:
    KyFindApp();
    void Main(int argc, char** argv) override;

protected:
    // Made-up match lines: slow ones, and one whose line number is no number;
    // then a file's bytes replayed as they are.
    void WriteTestResults(const TaskLinkSwitches& switches) override;
};

} // namespace StandIn
} // namespace Kyvant
