// Kyvant::PathText: path characters at the end of a folder's name.
#include "KyGuiTool/ShellObjEdit/PathText.h"

namespace Kyvant {
namespace PathText {

namespace {

const char kBackslash = '\\';
const char kSlash = '/';
const char kDriveColon = ':';

} // namespace

bool EndsInPathChar(const ky_BSB<char>& text)
{
    if (text.empty())
        return false;
    const char last = text[text.length() - 1];
    return last == kBackslash || last == kSlash || last == kDriveColon;
}

void TerminateFolder(ky_BSB<char>& text)
{
    if (!text.empty() && !EndsInPathChar(text))
        text += kBackslash;
}

} // namespace PathText
} // namespace Kyvant
