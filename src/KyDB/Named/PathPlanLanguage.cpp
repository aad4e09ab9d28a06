// Checks and conversions of the path-plan language: code characters,
// path-list items and folder-depth texts.
#include "KyDB/Named/PathPlanDB.h"
#include "KyStd/Core/Errors.h"

#include <cctype>
#include <climits>
#include <cstdio>
#include <cstring>
#include <stdexcept>
#include <string>

namespace Kyvant {

bool PathPlanDB::IsCode(char c)
{
    return c != 0 && std::strchr(s_Codes, c) != nullptr;
}

bool PathPlanDB::CodeRequiresArgument(char c)
{
    return c != 0 && std::strchr(s_CodesWithArgument, c) != nullptr;
}

void PathPlanDB::ValidateForPathList(const ky_S& item, bool& needsPathCode)
{
    if (item.empty())
        throw std::runtime_error("Empty item in path list");
    needsPathCode = item[0] != s_EscapeCode;
    if (needsPathCode)
        return;
    if (item.length() == 1)
        throw std::runtime_error(std::string("Unescaped escape code; use \"") + s_EscapeSpecifier +
                                 "\" instead");
    const char code = item[1];
    if (code == s_EscapeCode)
        return;
    if (!IsCode(code))
        throw std::runtime_error(std::string("Unknown escape code \"") + code + "\"");
    if (!CodeRequiresArgument(code))
        return;
    for (unsigned i = 2; i < item.length(); ++i)
        if (!std::isspace(static_cast<unsigned char>(item[i])))
            return;
    throw std::runtime_error(std::string("Missing argument to \"") + item.c_str() + "\"");
}

bool PathPlanDB::IsValidInPathList(const ky_S& item)
{
    try {
        bool needsPathCode;
        ValidateForPathList(item, needsPathCode);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

bool PathPlanDB::MaxRecDepthToText(int depth, ky_BSB<char>& text)
{
    if (depth == INT_MAX) {
        text = s_InfiniteRecursionCode;
        return true;
    }
    char digits[16];
    std::snprintf(digits, sizeof digits, "%d", depth < 0 ? 0 : depth);
    text = digits;
    return false;
}

int PathPlanDB::TextToMaxRecDepth(const ky_I& text)
{
    if (text == ky_I(1, s_InfiniteRecursionCode) || text == s_InfiniteText)
        return INT_MAX;
    if (text.empty() || text == ky_I(1, s_NoRecursionCode))
        return 0;
    long depth;
    try {
        depth = text.GetLong();
    } catch (const rtl_error&) {
        throw std::runtime_error(std::string("Bad folder depth number: ") + text.c_str());
    }
    if (depth < 0)
        return 0;
    return static_cast<int>(depth);
}

} // namespace Kyvant
