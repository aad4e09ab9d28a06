// Small text helpers of the storage controls.
#include "KyGuiTool/Storage/StorageText.h"

#include <cstring>
#include <vector>

namespace Kyvant {
namespace StorageText {

ky_S FormatName(const ky_BSB<char>& pattern, const char* marker, const ky_BSB<char>& name)
{
    ky_S text(pattern);
    const unsigned at = text.find(marker);
    if (at != ky_S::npos)
        text.replace(at, static_cast<unsigned>(std::strlen(marker)), name);
    return text;
}

ky_S WindowText(const CWnd& window)
{
    ky_S text;
    text.GetWindowTextA(window.GetSafeHwnd());
    return text;
}

ky_S EntryText(const CComboBox& combo, int index)
{
    const int length = combo.GetLBTextLen(index);
    if (length < 0)
        return ky_S();
    std::vector<char> buffer(static_cast<std::size_t>(length) + 1);
    const int got = combo.GetLBText(index, buffer.data());
    return got < 0 ? ky_S() : ky_S(buffer.data(), static_cast<unsigned>(got));
}

ky_S WithoutMnemonics(const ky_BSB<char>& label)
{
    const char kMark = '&';
    ky_S out;
    for (unsigned i = 0; i < label.length(); ++i) {
        if (label[i] != kMark)
            out += label[i];
        else if (i + 1 < label.length() && label[i + 1] == kMark)
            out += label[++i];
    }
    return out;
}

} // namespace StorageText
} // namespace Kyvant
