// KyDir's application object: lists what the file arguments give.
#pragma once

#include "KyConTool/App/KyConApp.h"

namespace Kyvant {
namespace StandIn {

class DirItemSink;
struct DirOptions;

class KyDirApp : public KyConApp {
public:
    KyDirApp();
    void Main(int argc, char** argv) override;

private:
    void Walk(int argc, char** argv, const DirOptions& options, DirItemSink& sink);
};

} // namespace StandIn
} // namespace Kyvant
