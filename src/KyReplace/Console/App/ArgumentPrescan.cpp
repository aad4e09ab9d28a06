// The prescan of KyReplace's own words: "-R" plans expanded in place, "-C" taken out, "@!" seen.
#include "KyReplace/Console/App/ArgumentPrescan.h"

#include "KyConTool/App/KyConApp.h"

namespace Kyvant {

PrescanResult PrescanArguments(int argc, const char* const* argv, const PlanLookup& lookup)
{
    PrescanResult result;
    result.args = ArgVector(argc, argv);
    ArgVector& args = result.args;
    const std::string separator = KyConApp::GetPureShellArgSep().c_str();
    bool planExpanded = false;
    int i = 1;
    while (i < args.argc() && args[i] != separator) {
        const std::string word = args[i];
        if (word.compare(0, 2, "-R") == 0) {
            if (planExpanded)
                throw UsageError("Multiple -R arguments");
            int used = 1;
            std::string name = word.substr(2);
            if (name.empty()) {
                if (i + 1 >= args.argc())
                    throw UsageError("Missing argument to option -R");
                name = args[i + 1];
                used = 2;
            }
            std::vector<std::string> planWords;
            if (!lookup(name, planWords))
                throw UsageError("Unknown Replace Plan name: " + name);
            args.Replace(i, used, planWords);
            planExpanded = true;
            // The plan's own words are not scanned.
            i += static_cast<int>(planWords.size());
        } else if (word.compare(0, 2, "-C") == 0) {
            if (word.size() > 2)
                throw UsageError("The -C option must appear by itself");
            result.stopOnError = false;
            args.Replace(i, 1, {});
        } else {
            ++i;
        }
    }
    result.separator = i;
    return result;
}

} // namespace Kyvant
