// Kyvant::Shell::FsObj: one selected file-system object (drive, folder or file).
#pragma once

#include "KyGui/KyGuiExport.h"
#include "KyStd/Files/FileName.h"

#include <windows.h>

namespace Kyvant {
namespace Shell {

class KYGUI_API FsObj {
public:
    static const DWORD ReadAttributes = 0xFFFFFFFF;  // read them from the file system

    FsObj(const ky_F& path, DWORD attributes = ReadAttributes);

    const ky_F& Path() const { return m_path; }
    bool IsDrive() const { return m_drive; }
    bool IsFolder() const { return m_folder; }
    bool IsFile() const { return m_file; }

private:
    ky_F m_path;
    bool m_drive;
    bool m_folder;
    bool m_file;
};

} // namespace Shell
} // namespace Kyvant
