// The size filter "S": its values in bytes, its texts for the Indexing Service, and its test.
#include "KyConTool/Filters/SizeFilter.h"

namespace Kyvant {
namespace AdvancedFiltration {

namespace {

unsigned long long BytesOf(const FileSize& size)
{
    return size.GetBytes();
}

} // namespace

char SizeFilter::GetFilterCode() const
{
    return 'S';
}

void SizeFilter::Append(ky_BSB<char>& out, const FileSize& value) const
{
    out += value.AsString();
}

FileSize SizeFilter::ConvertToValue(const ky_S& text) const
{
    FileSize size;
    size.Parse(ky_I(text));
    return size;
}

const char* SizeFilter::GetIndexingServiceFilterCode() const
{
    return "@size";
}

void SizeFilter::IndexingServiceAppend(ky_BSB<char>& out, const FileSize& value) const
{
    out += value.AsStringForIndexingService();
}

bool SizeFilter::Accept(const FileInfo& entry) const
{
    if (count_ == 0 || entry.IsDirectory())
        return true;
    return Holds<unsigned long long>(entry.GetSize64(), &BytesOf);
}

} // namespace AdvancedFiltration
} // namespace Kyvant
