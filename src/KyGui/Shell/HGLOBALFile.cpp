// Kyvant::HGLOBAL_File: growth by doubling and handing out the block.
#include "KyGui/Shell/HGLOBALFile.h"

namespace Kyvant {

namespace {
const DWORD DoublingLimit = 0x7FFFFFFF;
}

HGLOBAL_File::HGLOBAL_File(UINT allocFlags) : CSharedFile(allocFlags, GrowStep) {}

HGLOBAL_File::~HGLOBAL_File() = default;

HGLOBAL HGLOBAL_File::release()
{
    return Detach();
}

void HGLOBAL_File::SetFilePath(LPCSTR newName)
{
    m_strFileName = newName;
}

void HGLOBAL_File::GrowFile(DWORD newLength)
{
    DWORD target = newLength;
    if (newLength > m_nBufferSize && m_nBufferSize < DoublingLimit && 2 * m_nBufferSize > newLength)
        target = 2 * m_nBufferSize;
    CSharedFile::GrowFile(target);
}

} // namespace Kyvant
