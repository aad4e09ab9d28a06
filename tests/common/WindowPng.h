// A window's picture as the screen shows it, written as a PNG file into
// build/test-artifacts (beside the program's bin folder) for a person to look
// at: uncompressed deflate blocks, 24-bit colour.
#pragma once

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>

namespace kytest {

namespace png_detail {

inline unsigned long Crc(const std::string& bytes)
{
    unsigned long crc = 0xFFFFFFFFul;
    for (unsigned char c : bytes) {
        crc ^= c;
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320ul & (0ul - (crc & 1)));
    }
    return crc ^ 0xFFFFFFFFul;
}

inline void Big32(std::string& out, unsigned long value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out += static_cast<char>((value >> shift) & 0xFF);
}

inline void Chunk(std::string& out, const char* type, const std::string& data)
{
    Big32(out, static_cast<unsigned long>(data.size()));
    const std::string body = std::string(type, 4) + data;
    out += body;
    Big32(out, Crc(body));
}

// Rows of filter byte 0 and RGB triples, as stored deflate blocks.
inline std::string Png(int width, int height, const std::string& rows)
{
    const std::size_t kBlock = 65535;
    std::string header;
    Big32(header, static_cast<unsigned long>(width));
    Big32(header, static_cast<unsigned long>(height));
    header += std::string("\x08\x02\x00\x00\x00", 5);
    std::string z("\x78\x01", 2);
    for (std::size_t at = 0;; at += kBlock) {
        const std::size_t n = std::min(kBlock, rows.size() - at);
        const bool last = at + n >= rows.size();
        z += static_cast<char>(last ? 1 : 0);
        z += static_cast<char>(n & 0xFF);
        z += static_cast<char>(n >> 8);
        z += static_cast<char>(~n & 0xFF);
        z += static_cast<char>((~n >> 8) & 0xFF);
        z.append(rows, at, n);
        if (last)
            break;
    }
    unsigned long a = 1, b = 0;
    for (unsigned char c : rows) {
        a = (a + c) % 65521;
        b = (b + a) % 65521;
    }
    Big32(z, (b << 16) | a);
    std::string png("\x89PNG\r\n\x1a\n", 8);
    Chunk(png, "IHDR", header);
    Chunk(png, "IDAT", z);
    Chunk(png, "IEND", "");
    return png;
}

} // namespace png_detail

// False when the window or the file could not be read or written.
inline bool SaveWindowPng(HWND window, const char* name)
{
    RECT rect;
    if (!GetWindowRect(window, &rect))
        return false;
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
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
    BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    GdiFlush();
    const int stride = (width * 3 + 3) & ~3;
    std::string rows;
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
    const DWORD n = GetModuleFileNameA(nullptr, program, MAX_PATH);
    std::string folder(program, n);
    folder = folder.substr(0, folder.find_last_of("\\/")) + "\\..\\test-artifacts";
    CreateDirectoryA(folder.c_str(), nullptr);
    std::FILE* file = std::fopen((folder + "\\" + name + ".png").c_str(), "wb");
    if (!file)
        return false;
    const std::string png = png_detail::Png(width, height, rows);
    const bool written = std::fwrite(png.data(), 1, png.size(), file) == png.size();
    return std::fclose(file) == 0 && written;
}

} // namespace kytest
