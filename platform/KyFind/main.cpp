// KyFind: the console finder. Usage: KyFind options... @! file arguments...
#include "KyFindApp.h"

#include "KyStandInTool/RunStandIn.h"

int main(int argc, char** argv)
{
    Kyvant::StandIn::KyFindApp app;
    const int code = Kyvant::StandIn::RunStandIn(app, argc, argv);
    app.EndTask();
    return code;
}
