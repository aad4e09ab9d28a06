// The advanced size filter "S": conditions on a file's size in bytes.
// Folders pass it whatever it holds.
#pragma once

#include "KyConTool/Filters/FilterConditions.h"
#include "KyConTool/Filters/FilterValues.h"
#include "KyConTool/KyConToolExport.h"
#include "KyStd/Files/FileInfo.h"

namespace Kyvant {
namespace AdvancedFiltration {

class KYCONTOOL_API SizeFilter : public Conditions<FileSize> {
public:
    char GetFilterCode() const override;
    void Append(ky_BSB<char>& out, const FileSize& value) const override;
    FileSize ConvertToValue(const ky_S& text) const override;
    const char* GetIndexingServiceFilterCode() const override;
    void IndexingServiceAppend(ky_BSB<char>& out, const FileSize& value) const override;

    bool Accept(const FileInfo& entry) const;

    bool operator==(const SizeFilter& o) const { return Conditions<FileSize>::operator==(o); }
    bool operator!=(const SizeFilter& o) const { return !(*this == o); }
};

} // namespace AdvancedFiltration
} // namespace Kyvant
