// Whole-buffer reads and writes through C-runtime descriptors, and a checked
// stream close.
#pragma once

#include "KyStd/KyStdExport.h"

#include <cstdio>
#include <new>

namespace Kyvant {
namespace CRT {

// Writes all n bytes in pieces of at most 4096 bytes. The no-throw form
// returns n (0 for n = 0) or -1 at the first failing write; the throwing form
// throws rtl_error unless every byte went out.
KYSTD_API int WritePipe(const std::nothrow_t&, int fd, const void* data, unsigned n);
KYSTD_API void WritePipe(int fd, const void* data, unsigned n);

// Reads until n bytes are in, the writer has closed its end, or a read fails.
// The no-throw form returns the bytes read or -1; the throwing form throws
// rtl_error unless exactly n bytes arrived (an early end is EPIPE).
KYSTD_API int ReadPipe(const std::nothrow_t&, int fd, void* buffer, unsigned n);
KYSTD_API void ReadPipe(int fd, void* buffer, unsigned n);

// fclose that also reports an error the stream had met before; true only
// when the stream was clean and closed well. A null stream gives false.
KYSTD_API bool ky_fclose(std::FILE* stream);

} // namespace CRT
} // namespace Kyvant
