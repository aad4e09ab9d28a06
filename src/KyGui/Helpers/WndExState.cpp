// WndEx: a window's placement saved in and restored from the registry.
#include "KyGui/Helpers/WndEx.h"

#include "KyStd/Registry/RegKey.h"
#include "KyStd/Registry/RegValues.h"

#include <stdexcept>
#include <utility>

namespace Kyvant {
namespace WndEx {

namespace {

const char* const kFlags = "Flags";
const char* const kShowCmd = "ShowCmd";
const char* const kLeft = "x1";
const char* const kTop = "y1";
const char* const kRight = "x2";
const char* const kBottom = "y2";
const char* const kAllValues[] = { kFlags, kShowCmd, kLeft, kTop, kRight, kBottom };

void WritePlacement(HKEY key, const WINDOWPLACEMENT& placement)
{
    WriteRegistryDWORD(key, kFlags, placement.flags);
    WriteRegistryDWORD(key, kShowCmd, placement.showCmd);
    WriteRegistryDWORD(key, kLeft, static_cast<DWORD>(placement.rcNormalPosition.left));
    WriteRegistryDWORD(key, kTop, static_cast<DWORD>(placement.rcNormalPosition.top));
    WriteRegistryDWORD(key, kRight, static_cast<DWORD>(placement.rcNormalPosition.right));
    WriteRegistryDWORD(key, kBottom, static_cast<DWORD>(placement.rcNormalPosition.bottom));
}

LONG ReadCoordinate(HKEY key, const char* name, LONG current)
{
    return static_cast<LONG>(GetRegistryDWORD(key, name, static_cast<DWORD>(current)));
}

bool ReadDWORD(HKEY key, const char* name, DWORD& value)
{
    DWORD type = 0;
    DWORD size = sizeof(value);
    return ::RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) == ERROR_SUCCESS &&
           type == REG_DWORD;
}

bool IsKnownShowCommand(DWORD command)
{
    return command == SW_SHOWNORMAL || command == SW_SHOWMINIMIZED || command == SW_SHOWMAXIMIZED;
}

void ReadPlacement(HKEY key, WINDOWPLACEMENT& placement)
{
    placement.flags = GetRegistryDWORD(key, kFlags, placement.flags);
    DWORD showCommand = 0;
    if (ReadDWORD(key, kShowCmd, showCommand))
        placement.showCmd = IsKnownShowCommand(showCommand) ? showCommand : SW_SHOWNORMAL;
    RECT& rect = placement.rcNormalPosition;
    rect.left = ReadCoordinate(key, kLeft, rect.left);
    rect.top = ReadCoordinate(key, kTop, rect.top);
    rect.right = ReadCoordinate(key, kRight, rect.right);
    rect.bottom = ReadCoordinate(key, kBottom, rect.bottom);
    if (rect.left > rect.right)
        std::swap(rect.left, rect.right);
    if (rect.top > rect.bottom)
        std::swap(rect.top, rect.bottom);
}

// One axis: inside [low, high], capped at start + oversize (or high) when longer.
void FitSpan(LONG& start, LONG& end, LONG low, LONG high, LONG oversize)
{
    if (end > high) {
        start -= end - high;
        end = high;
    }
    if (start < low) {
        end += low - start;
        start = low;
    }
    if (end - start > high - low)
        end = oversize != 0 ? start + oversize : high;
}

} // namespace

void SaveWindowState(CWnd& window, HKEY root, const char* subkey)
{
    RegKey key;
    if (key.Create(root, subkey) != ERROR_SUCCESS)
        return;
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof(placement);
    if (!::GetWindowPlacement(window.m_hWnd, &placement))
        return;
    try {
        WritePlacement(key.get(), placement);
    } catch (const std::exception&) {
        for (const char* name : kAllValues)
            ::RegDeleteValueA(key.get(), name);
    }
}

void RestoreWindowState(CWnd& window, HKEY root, const char* subkey, bool noMinimized, CSize oversize)
{
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof(placement);
    if (!::GetWindowPlacement(window.m_hWnd, &placement))
        return;
    RegKey key;
    if (key.Open(root, subkey, KEY_READ) == ERROR_SUCCESS)
        ReadPlacement(key.get(), placement);
    if (noMinimized && placement.showCmd == SW_SHOWMINIMIZED)
        placement.showCmd = (placement.flags & WPF_RESTORETOMAXIMIZED) ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL;
    RECT workArea;
    if (::SystemParametersInfoA(SPI_GETWORKAREA, 0, &workArea, 0)) {
        RECT& rect = placement.rcNormalPosition;
        FitSpan(rect.left, rect.right, workArea.left, workArea.right, oversize.cx);
        FitSpan(rect.top, rect.bottom, workArea.top, workArea.bottom, oversize.cy);
    }
    ::SetWindowPlacement(window.m_hWnd, &placement);
}

} // namespace WndEx
} // namespace Kyvant
