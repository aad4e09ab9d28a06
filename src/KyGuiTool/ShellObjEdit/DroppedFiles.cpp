// Kyvant::DroppedFiles: reading the names of a drop and finishing it.
#include "KyGuiTool/ShellObjEdit/DroppedFiles.h"

#include <vector>

namespace Kyvant {

namespace {

const UINT kCountQuery = 0xFFFFFFFF;

} // namespace

DroppedFiles::~DroppedFiles()
{
    ::DragFinish(m_drop);
}

unsigned DroppedFiles::Count() const
{
    return ::DragQueryFileA(m_drop, kCountQuery, nullptr, 0);
}

ky_S DroppedFiles::Name(unsigned index) const
{
    const UINT length = ::DragQueryFileA(m_drop, index, nullptr, 0);
    std::vector<char> name(length + 1, '\0');
    const UINT copied = ::DragQueryFileA(m_drop, index, name.data(), length + 1);
    return ky_S(name.data(), copied);
}

} // namespace Kyvant
