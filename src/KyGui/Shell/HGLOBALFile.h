// Kyvant::HGLOBAL_File: a memory file in one movable global block that it can hand out.
#pragma once

#include "KyGui/KyGuiExport.h"

#include <afxwin.h>

namespace Kyvant {

class KYGUI_API HGLOBAL_File : public CSharedFile {
public:
    static const UINT DefaultAllocFlags = GMEM_MOVEABLE | GMEM_DDESHARE;  // 0x2002
    static const UINT GrowStep = 4096;

    explicit HGLOBAL_File(UINT allocFlags = DefaultAllocFlags);
    ~HGLOBAL_File() override;

    // The start of the file's data; valid until the file grows or is released.
    BYTE* get() const { return m_lpBuffer; }
    // Hands the block (unlocked) to the caller; the file is empty afterwards.
    HGLOBAL release();

    // Only records the name as the file's path.
    void SetFilePath(LPCSTR newName) override;

protected:
    void GrowFile(DWORD newLength) override;
};

} // namespace Kyvant
