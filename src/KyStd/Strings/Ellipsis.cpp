// Shortening a text with "..." to a pixel width, and the text measurer.
#include "KyStd/Strings/String.h"
#include "KyStd/Strings/TextMeasure.h"
#include "KyStd/Win32/GdiScopes.h"

#include <atomic>
#include <climits>
#include <new>
#include <vector>

namespace Kyvant {

namespace {

bool GdiMeasure(HDC dc, const char* text, int count, int* width, int* extents)
{
    SIZE size;
    BOOL ok = extents ? GetTextExtentExPointA(dc, text, count, 0, nullptr, extents, &size)
                      : GetTextExtentPoint32A(dc, text, count, &size);
    if (!ok)
        return false;
    *width = size.cx;
    return true;
}

std::atomic<TextMeasurer>& Measurer()
{
    static std::atomic<TextMeasurer> fn{&GdiMeasure};
    return fn;
}

const char kDots[] = "...";
const unsigned kDotsLen = 3;

} // namespace

bool MeasureText(HDC dc, const char* text, int count, int* width, int* extents)
{
    return Measurer().load()(dc, text, count, width, extents);
}

TextMeasurer SetTextMeasurer(TextMeasurer fn)
{
    return Measurer().exchange(fn ? fn : &GdiMeasure);
}

template <class T, class Tr, class A>
ky_BSB<T, Tr, A>& ky_BSB<T, Tr, A>::ToEllipsis(HDC dc, int width, EllipsisType type)
{
    const unsigned len = length();
    if (len == 0 || len > INT_MAX)
        return *this;
    int textWidth = 0;
    int dotsWidth = 0;
    if (!MeasureText(dc, data(), static_cast<int>(len), &textWidth, nullptr) || textWidth <= width)
        return *this;
    if (!MeasureText(dc, kDots, kDotsLen, &dotsWidth, nullptr) || dotsWidth > width)
        return *this;
    std::vector<int> extents;
    try {
        extents.resize(len);
    } catch (const std::bad_alloc&) {
        return *this;
    }
    if (!MeasureText(dc, data(), static_cast<int>(len), &textWidth, extents.data()))
        return *this;

    auto tooWide = [&]() {
        int w = 0;
        return MeasureText(dc, data(), static_cast<int>(length()), &w, nullptr) && w > width;
    };
    if (type == EllipsisFront) {
        // Drop the first i + 1 characters as soon as the tail and "..." fit.
        for (unsigned i = 0; i < len; ++i) {
            if (extents[len - 1] - extents[i] + dotsWidth <= width) {
                replace(0, i + 1, kDots, kDotsLen);
                break;
            }
        }
        while (length() >= 4 && tooWide())
            erase(kDotsLen, 1);
    } else {
        unsigned n = len;
        while (n > 0 && extents[n - 1] + dotsWidth > width)
            --n;
        if (n == 0)
            return *this;
        resize(n);
        append(kDots, kDotsLen);
        while (length() >= 4 && tooWide())
            erase(length() - kDotsLen - 1, 1);
    }
    return *this;
}

template <class T, class Tr, class A>
ky_BSB<T, Tr, A>& ky_BSB<T, Tr, A>::ToEllipsis(HDC dc, int width, HFONT font, EllipsisType type)
{
    SelectedFont selected(dc, font);
    ToEllipsis(dc, width, type);
    return *this;
}

template <class T, class Tr, class A>
ky_BSB<T, Tr, A>& ky_BSB<T, Tr, A>::ToEllipsis(HWND window, HFONT font, EllipsisType type)
{
    RECT client;
    if (!GetClientRect(window, &client))
        return *this;
    WindowDC dc(window);
    if (!dc.get())
        return *this;
    ToEllipsis(dc.get(), client.right - client.left, font, type);
    return *this;
}

using String8 = ky_BSB<char, ky_SACT<char>, ky_A<char>>;

template String8& String8::ToEllipsis(HDC, int, EllipsisType);
template String8& String8::ToEllipsis(HDC, int, HFONT, EllipsisType);
template String8& String8::ToEllipsis(HWND, HFONT, EllipsisType);

} // namespace Kyvant
