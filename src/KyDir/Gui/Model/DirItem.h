// Kyvant::DirResults::DirItem: one row of a Dir listing: the result row's
// base record with the Indexing Service's rank that the details carried.
#pragma once

#include "KyGuiTool/FileRecords/ShFileRecItem.h"

#include <windows.h>

namespace Kyvant {
namespace DirResults {

class DirItem : public ShFileRec::Item {
public:
    // The rank is the details' 32-bit word at offset 32; 0 without details.
    DirItem(const ky_F& folder, const ky_F& name, const FileDetails* details);
    ~DirItem() override;
    DirItem(const DirItem&) = default;
    DirItem& operator=(const DirItem&) = default;

    DWORD GetRank() const { return m_rank; }

private:
    DWORD m_rank;
};

} // namespace DirResults
} // namespace Kyvant
