// Pixel measurement of text in a device context, behind one replaceable
// function so that tests can measure with a fixed width per character.
#pragma once

#include "KyStd/KyStdExport.h"

#include <windows.h>

namespace Kyvant {

// Sets *width to the width of the count characters of text; when extents is
// not null, extents[i] also receives the width of the first i + 1
// characters. False when the measurement fails.
using TextMeasurer = bool (*)(HDC dc, const char* text, int count, int* width, int* extents);

// Measures with the installed measurer (by default GDI's text extents).
KYSTD_API bool MeasureText(HDC dc, const char* text, int count, int* width, int* extents);

// Installs fn (null: GDI again) and returns the measurer it replaces.
KYSTD_API TextMeasurer SetTextMeasurer(TextMeasurer fn);

} // namespace Kyvant
