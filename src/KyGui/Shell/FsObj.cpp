// Kyvant::Shell::FsObj: classing a path as drive, folder or file.
#include "KyGui/Shell/FsObj.h"

namespace Kyvant {
namespace Shell {

namespace {

bool VolumeAnswers(const ky_F& path)
{
    if (!ky_F::LooksLikeVolumeName(path.c_str()))
        return false;
    return ::GetVolumeInformationA(path.c_str(), nullptr, 0, nullptr, nullptr, nullptr, nullptr, 0) != FALSE;
}

} // namespace

FsObj::FsObj(const ky_F& path, DWORD attributes)
    : m_path(path), m_drive(false), m_folder(false), m_file(false)
{
    if (attributes == ReadAttributes)
        attributes = ::GetFileAttributesA(path.c_str());
    // Unreadable attributes (0xFFFFFFFF has every bit) make a file.
    const bool directory = attributes != ReadAttributes && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    if (!directory)
        m_file = true;
    else if (VolumeAnswers(path))
        m_drive = true;
    else
        m_folder = true;
}

} // namespace Shell
} // namespace Kyvant
