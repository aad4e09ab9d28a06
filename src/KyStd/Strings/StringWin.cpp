// Reading the text of windows, list boxes, combo boxes, edit and rich edit
// controls into the 8-bit string base.
#include "KyStd/Strings/String.h"

#include <cstring>

namespace Kyvant {

template <class T, class Tr, class A>
ky_BSB<T, Tr, A>& ky_BSB<T, Tr, A>::GetWindowTextA(HWND window)
{
    int n = GetWindowTextLengthA(window);
    if (n <= 0) {
        clear();
        return *this;
    }
    cow_and_set_size_without_retaining_data(static_cast<unsigned>(n));
    int got = ::GetWindowTextA(window, mutable_data(), n + 1);
    uninitialized_resize_no_reserve(got > 0 ? (got < n ? got : n) : 0);
    return *this;
}

template <class T, class Tr, class A>
ky_BSB<T, Tr, A>& ky_BSB<T, Tr, A>::GetLBItemText(HWND listBox, int index)
{
    LRESULT n = SendMessageA(listBox, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (n == LB_ERR || n < 0)
        throw std::out_of_range("GetLBItemText");
    if (n == 0) {
        clear();
        return *this;
    }
    cow_and_set_size_without_retaining_data(static_cast<unsigned>(n));
    LRESULT got = SendMessageA(listBox, LB_GETTEXT, static_cast<WPARAM>(index),
                               reinterpret_cast<LPARAM>(mutable_data()));
    if (got == LB_ERR || got < 0) {
        clear();
        throw std::out_of_range("GetLBItemText");
    }
    uninitialized_resize_no_reserve(got < n ? static_cast<unsigned>(got)
                                            : static_cast<unsigned>(n));
    return *this;
}

template <class T, class Tr, class A>
ky_BSB<T, Tr, A>& ky_BSB<T, Tr, A>::GetCBItemText(HWND comboBox, int index)
{
    LRESULT n = SendMessageA(comboBox, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (n == CB_ERR || n < 0)
        throw std::out_of_range("GetCBItemText");
    if (n == 0) {
        clear();
        return *this;
    }
    cow_and_set_size_without_retaining_data(static_cast<unsigned>(n));
    LRESULT got = SendMessageA(comboBox, CB_GETLBTEXT, static_cast<WPARAM>(index),
                               reinterpret_cast<LPARAM>(mutable_data()));
    if (got == CB_ERR || got < 0) {
        clear();
        throw std::out_of_range("GetCBItemText");
    }
    uninitialized_resize_no_reserve(got < n ? static_cast<unsigned>(got)
                                            : static_cast<unsigned>(n));
    return *this;
}

template <class T, class Tr, class A>
ky_BSB<T, Tr, A>& ky_BSB<T, Tr, A>::GetEditLine(HWND edit, int line, bool append)
{
    LRESULT first = 0;
    if (GetWindowLongA(edit, GWL_STYLE) & ES_MULTILINE) {
        first = SendMessageA(edit, EM_LINEINDEX, static_cast<WPARAM>(line), 0);
        if (first < 0)
            throw std::out_of_range("GetEditLine");
        if (line == -1)
            line = static_cast<int>(SendMessageA(edit, EM_LINEFROMCHAR, first, 0));
    } else {
        line = 0;
    }
    LRESULT n = SendMessageA(edit, EM_LINELENGTH, first, 0);
    unsigned lineLength = n > 0 ? static_cast<unsigned>(n) : 0;
    unsigned room = lineLength > 4 ? lineLength : 4;
    if (!append)
        clear();
    unsigned start = length();
    if (room > max_size() - start)
        throw std::length_error("ky_basic_string_base::append");
    reserve_pow2(start + room);
    uninitialized_resize_no_reserve(start + room);
    // EM_GETLINE takes the room, in characters, in the buffer's first word.
    WORD size = static_cast<WORD>(room < 0xFFFF ? room : 0xFFFF);
    std::memcpy(mutable_data() + start, &size, sizeof size);
    LRESULT got = SendMessageA(edit, EM_GETLINE, static_cast<WPARAM>(line),
                               reinterpret_cast<LPARAM>(mutable_data() + start));
    unsigned copied = got > 0 ? static_cast<unsigned>(got) : 0;
    uninitialized_resize_no_reserve(start + (copied < lineLength ? copied : lineLength));
    return *this;
}

template <class T, class Tr, class A>
ky_BSB<T, Tr, A>& ky_BSB<T, Tr, A>::GetRichEditTextRange(HWND richEdit, const CHARRANGE& range,
                                                         bool append)
{
    // The range is normalised against the text's length before the buffer is
    // sized from it: -1 (or any negative end) is the end, reversed ends swap.
    GETTEXTLENGTHEX query = {GTL_NUMCHARS | GTL_PRECISE, CP_ACP};
    LRESULT chars = SendMessageA(richEdit, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&query), 0);
    LRESULT plain = SendMessageA(richEdit, WM_GETTEXTLENGTH, 0, 0);
    LONG total = static_cast<LONG>(chars > plain ? chars : plain);
    if (total < 0)
        total = 0;
    LONG lo = range.cpMin < 0 || range.cpMin > total ? total : range.cpMin;
    LONG hi = range.cpMax < 0 || range.cpMax > total ? total : range.cpMax;
    if (lo > hi) {
        LONG t = lo;
        lo = hi;
        hi = t;
    }
    unsigned count = static_cast<unsigned>(hi - lo);
    // A multibyte code page can give more bytes than characters.
    CPINFO cp;
    unsigned perChar = GetCPInfo(CP_ACP, &cp) && cp.MaxCharSize > 1 ? cp.MaxCharSize : 1;
    if (!append)
        clear();
    unsigned start = length();
    if (count > (max_size() - start) / perChar)
        throw std::length_error("ky_basic_string_base::append");
    unsigned room = count * perChar;
    reserve_pow2(start + room);
    uninitialized_resize_no_reserve(start + room);
    TEXTRANGEA request;
    request.chrg.cpMin = lo;
    request.chrg.cpMax = hi;
    request.lpstrText = mutable_data() + start;
    LRESULT got =
        count == 0 ? 0
                   : SendMessageA(richEdit, EM_GETTEXTRANGE, 0, reinterpret_cast<LPARAM>(&request));
    unsigned copied = got > 0 ? static_cast<unsigned>(got) : 0;
    uninitialized_resize_no_reserve(start + (copied < room ? copied : room));
    return *this;
}

using String8 = ky_BSB<char, ky_SACT<char>, ky_A<char>>;

template String8& String8::GetWindowTextA(HWND);
template String8& String8::GetLBItemText(HWND, int);
template String8& String8::GetCBItemText(HWND, int);
template String8& String8::GetEditLine(HWND, int, bool);
template String8& String8::GetRichEditTextRange(HWND, const CHARRANGE&, bool);

} // namespace Kyvant
