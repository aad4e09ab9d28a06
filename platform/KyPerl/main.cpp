// KyPerl: the replace engine. Usage: KyPerl [switches] <script file>
#include "EngineRun.h"
#include "EngineSwitches.h"

#include <cstdio>
#include <exception>

int main(int argc, char** argv)
{
    try {
        return Kyvant::KyPerl::RunEngine(Kyvant::KyPerl::ParseSwitches(argc, argv));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "KyPerl: %s\n", e.what());
        return 2;
    }
}
