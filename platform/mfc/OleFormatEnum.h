// A format enumerator over a copied list of FORMATETCs, for the layer's data sources.
#pragma once

#include <ole2.h>
#include <vector>

// A new enumerator holding one reference; null when out of memory.
IEnumFORMATETC* AfxCreateFormatEnum(const std::vector<FORMATETC>& formats);
