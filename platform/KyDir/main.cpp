// KyDir: the console Dir program. Usage: KyDir options... @! file arguments...
#include "KyDirApp.h"

#include "KyStandInTool/RunStandIn.h"

int main(int argc, char** argv)
{
    Kyvant::StandIn::KyDirApp app;
    const int code = Kyvant::StandIn::RunStandIn(app, argc, argv);
    app.EndTask();
    return code;
}
