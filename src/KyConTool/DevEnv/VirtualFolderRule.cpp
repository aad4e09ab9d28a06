// Splitting the rule off a response-file or environment object name ("name/|masks|...").
#include "KyConTool/DevEnv/VirtualFolderRule.h"

#include "KyDB/Named/PathPlanCodes.h"

#include <stdexcept>
#include <string>

namespace Kyvant {

namespace {

bool IsSep(char c)
{
    return c == '\\' || c == '/';
}

} // namespace

bool SplitVirtualFolderRule(ky_F& rule, ky_S& filter)
{
    if (rule.empty())
        throw std::runtime_error("Empty rule in VirtualFolderFilter");
    const unsigned len = rule.length();
    for (unsigned i = 0; i + 1 < len; ++i) {
        if (rule[i] != PathPlanCodes::s_PathSectionSeparator)
            continue;
        if (i < 2 || !IsSep(rule[i - 1]))
            throw std::runtime_error(std::string("Illegal VirtualFolderFilter rule: ") +
                                     rule.c_str());
        filter = rule.substr(i - 1);
        rule.erase(i - 1);
        return true;
    }
    if (IsSep(rule[len - 1])) {
        rule.chop();
        filter = "/";
        return true;
    }
    filter = "/*";
    return false;
}

} // namespace Kyvant
