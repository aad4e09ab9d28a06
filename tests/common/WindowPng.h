// A window's picture as the screen shows it, written as a PNG file under
// build/test-artifacts for a person to look at (24-bit colour, stored
// deflate blocks, so no compression library is needed).
#pragma once

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

namespace kytest {

namespace png {

inline unsigned long Crc(const std::string& bytes)
{
    unsigned long crc = 0xFFFFFFFFul;
    for (unsigned char c : bytes) {
        crc ^= c;
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320ul & (0ul - (crc & 1)));
    }
    return crc ^ 0xFFFFFFFFul;
}

inline void PutBig32(std::string& out, unsigned long value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out += static_cast<char>((value >> shift) & 0xFF);
}

inline void PutChunk(std::string& out, const char* type, const std::string& data)
{
    PutBig32(out, static_cast<unsigned long>(data.size()));
    const std::string body = std::string(type, 4) + data;
    out += body;
    PutBig32(out, Crc(body));
}

// The zlib stream of rows (each led by its filter byte) in stored blocks.
inline std::string Stored(const std::string& rows)
{
    const size_t kMaxBlock = 65535;
    std::string z("\x78\x01", 2);
    size_t at = 0;
    do {
        const size_t n = std::min(kMaxBlock, rows.size() - at);
        const bool last = at + n >= rows.size();
        z += static_cast<char>(last ? 1 : 0);
        z += static_cast<char>(n & 0xFF);
        z += static_cast<char>(n >> 8);
        z += static_cast<char>(~n & 0xFF);
        z += static_cast<char>((~n >> 8) & 0xFF);
        z.append(rows, at, n);
        at += n;
    } while (at < rows.size());
    unsigned long a = 1, b = 0;
    for (unsigned char c : rows) {
        a = (a + c) % 65521;
        b = (b + a) % 65521;
    }
    PutBig32(z, (b << 16) | a);
    return z;
}

inline std::string Encode(int width, int height, const std::string& rows)
{
    std::string header;
    PutBig32(header, static_cast<unsigned long>(width));
    PutBig32(header, static_cast<unsigned long>(height));
    header += std::string("\x08\x02\x00\x00\x00", 5); // 8 bits, RGB
    std::string file("\x89PNG\r\n\x1a\n", 8);
    PutChunk(file, "IHDR", header);
    PutChunk(file, "IDAT", Stored(rows));
    PutChunk(file, "IEND", "");
    return file;
}

} // namespace png

// Copies the window's screen rectangle to build/test-artifacts/<name>.png
// (the folder beside this program's bin folder); false when that fails.
inline bool SaveWindowPicture(HWND window, const std::string& name)
{
    RECT r;
    if (!GetWindowRect(window, &r))
        return false;
    const int width = r.right - r.left, height = r.bottom - r.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
    GdiFlush();
    const int stride = (width * 3 + 3) & ~3;
    std::string rows;
    rows.reserve(static_cast<size_t>(height) * (width * 3 + 1));
    for (int y = 0; y < height; ++y) {
        rows += '\0';
        const unsigned char* line = static_cast<const unsigned char*>(bits) + y * stride;
        for (int x = 0; x < width; ++x) {
            rows += static_cast<char>(line[x * 3 + 2]);
            rows += static_cast<char>(line[x * 3 + 1]);
            rows += static_cast<char>(line[x * 3]);
        }
    }
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);

    char program[MAX_PATH];
    GetModuleFileNameA(nullptr, program, MAX_PATH);
    std::string folder(program);
    folder = folder.substr(0, folder.find_last_of('\\')) + "\\..\\test-artifacts";
    CreateDirectoryA(folder.c_str(), nullptr);
    const std::string file = png::Encode(width, height, rows);
    FILE* f = std::fopen((folder + "\\" + name + ".png").c_str(), "wb");
    if (!f)
        return false;
    const bool written = std::fwrite(file.data(), 1, file.size(), f) == file.size();
    return std::fclose(f) == 0 && written;
}

} // namespace kytest
