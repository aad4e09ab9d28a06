// A Dir listing's row.
#include "KyDir/Gui/Model/DirItem.h"

#include <cstddef>

namespace Kyvant {
namespace DirResults {

static_assert(sizeof(ShFileRec::Item::FileDetails) == 40, "the details record has 40 bytes");
static_assert(offsetof(ShFileRec::Item::FileDetails, reserved) == 32, "the rank is at offset 32");

DirItem::DirItem(const ky_F& folder, const ky_F& name, const FileDetails* details)
    : ShFileRec::Item(folder, name, details), m_rank(details != nullptr ? details->reserved : 0)
{
}

DirItem::~DirItem() {}

} // namespace DirResults
} // namespace Kyvant
