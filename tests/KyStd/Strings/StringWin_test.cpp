// Tests of strings with Windows: control texts, resources, registry values and ellipses.
#include "KyStd/Strings/String.h"
#include "KyStd/Strings/TextMeasure.h"

#include <gtest/gtest.h>
#include <windows.h>
#include <richedit.h>

#include <cstring>
#include <string>

using namespace Kyvant;

namespace {

std::string Str(const ky_BSB<char>& s)
{
    return std::string(s.data(), s.length());
}

template <class F>
void ExpectOutOfRange(F f, const char* text)
{
    try {
        f();
        ADD_FAILURE() << "no exception, expected " << text;
    } catch (const std::out_of_range& e) {
        EXPECT_STREQ(e.what(), text);
    }
}

// Child controls of one hidden top-level window; needs a display (Xvfb).
class StringControls : public ::testing::Test {
protected:
    void SetUp() override
    {
        LoadLibraryA("riched20.dll");
        host_ = CreateWindowExA(0, "STATIC", "host", WS_OVERLAPPEDWINDOW, 0, 0, 600, 400, nullptr,
                                nullptr, nullptr, nullptr);
        ASSERT_NE(host_, nullptr) << "no window: is DISPLAY set (Xvfb)?";
    }
    void TearDown() override
    {
        if (host_)
            DestroyWindow(host_);
    }
    HWND Child(const char* cls, DWORD style, const char* text = "")
    {
        HWND w = CreateWindowExA(0, cls, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 300, 200, host_,
                                 nullptr, nullptr, nullptr);
        EXPECT_NE(w, nullptr) << cls;
        return w;
    }
    HWND host_ = nullptr;
};

// Every character is 10 pixels wide; whole texts of 4 or more characters
// measure `kerning` pixels wider than their prefixes say.
int kerning = 0;
bool failMeasure = false;
bool FixedWidth(HDC, const char*, int count, int* width, int* extents)
{
    if (failMeasure)
        return false;
    for (int i = 0; extents && i < count; ++i)
        extents[i] = 10 * (i + 1);
    *width = 10 * count + (count >= 4 ? kerning : 0);
    return true;
}

struct FixedMeasurer {
    FixedMeasurer() { previous = SetTextMeasurer(&FixedWidth); }
    ~FixedMeasurer()
    {
        SetTextMeasurer(previous);
        kerning = 0;
        failMeasure = false;
    }
    TextMeasurer previous;
};

} // namespace

TEST_F(StringControls, ListAndComboItems)
{
    HWND list = Child("LISTBOX", LBS_HASSTRINGS);
    HWND combo = Child("COMBOBOX", CBS_DROPDOWNLIST | CBS_HASSTRINGS);
    const char* items[] = {"first", "", "third item"};
    for (const char* item : items) {
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
        SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    }
    ky_S s("old");
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(Str(s.GetLBItemText(list, i)), items[i]);
        EXPECT_EQ(Str(s.GetCBItemText(combo, i)), items[i]);
    }
    for (int bad : {3, -1}) {
        ExpectOutOfRange([&] { s.GetLBItemText(list, bad); }, "GetLBItemText");
        ExpectOutOfRange([&] { s.GetCBItemText(combo, bad); }, "GetCBItemText");
    }
    std::string caption(600, 'c');
    SetWindowTextA(host_, caption.c_str());
    EXPECT_EQ(Str(s.GetWindowTextA(host_)), caption);
    SetWindowTextA(host_, "");
    EXPECT_EQ(Str(s.GetWindowTextA(host_)), "");
}

TEST_F(StringControls, EditLinesIncludingTheCaretLine)
{
    HWND edit = Child("EDIT", ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL,
                      "line zero\r\nline one is longer\r\n\r\nx");
    const char* lines[] = {"line zero", "line one is longer", "", "x"};
    ky_S s;
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(Str(s.GetEditLine(edit, i)), lines[i]) << i;
    SendMessageA(edit, EM_SETSEL, 15, 15); // inside line 1
    EXPECT_EQ(Str(s.GetEditLine(edit, -1)), "line one is longer");
    s = "A:";
    EXPECT_EQ(Str(s.GetEditLine(edit, 3, true)), "A:x");
    ExpectOutOfRange([&] { s.GetEditLine(edit, 9); }, "GetEditLine");

    HWND single = Child("EDIT", ES_AUTOHSCROLL, "single line");
    EXPECT_EQ(Str(s.GetEditLine(single, 5)), "single line");
    EXPECT_EQ(Str(s.GetEditLine(single, -1)), "single line");
}

TEST_F(StringControls, RichEditRangesAreNormalised)
{
    HWND rich = Child("RichEdit20A", ES_MULTILINE, "Hello rich world");
    ASSERT_NE(rich, nullptr);
    struct {
        LONG lo, hi;
        const char* text;
    } cases[] = {{0, -1, "Hello rich world"},   {6, 10, "rich"}, {10, 6, "rich"}, {-1, 11, "world"},
                 {0, 1000, "Hello rich world"}, {3, 3, ""}};
    ky_S s;
    for (auto& c : cases) {
        CHARRANGE r = {c.lo, c.hi};
        EXPECT_EQ(Str(s.GetRichEditTextRange(rich, r)), c.text) << c.lo << ".." << c.hi;
    }
    s = "<";
    CHARRANGE head = {0, 5};
    EXPECT_EQ(Str(s.GetRichEditTextRange(rich, head, true)), "<Hello");
}

TEST(StringResources, LoadsWholeOrThrows)
{
    HINSTANCE self = GetModuleHandleA(nullptr);
    ky_S s;
    s.LoadStringA(self, 7301);
    ASSERT_EQ(s.length(), 300u);
    for (unsigned i = 0; i < 300; ++i)
        ASSERT_EQ(s[i], 'A' + static_cast<char>(i % 26)) << i;
    EXPECT_EQ(Str(s.LoadStringA(self, 7302)), "Short text");
    EXPECT_EQ(Str(s.LoadStringA(self, 7303)), std::string(254, 'x') + "y");
    try {
        s.LoadStringA(self, 7399);
        ADD_FAILURE() << "no exception";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "The string resource doesn't exist");
    }
    EXPECT_EQ(Str(s), std::string(254, 'x') + "y");
}

TEST(StringRegistry, ValuesOfEveryShape)
{
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Kyvant\\Tests\\KyStdStrings", 0,
                              nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    std::string big(1000, 'r');
    DWORD number = 7;
    auto put = [&](const char* name, DWORD type, const void* data, DWORD size) {
        RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size);
    };
    put("plain", REG_SZ, "hello", 6);
    put("noNul", REG_SZ, "abc", 3);
    put("zero", REG_SZ, "", 0);
    put("big", REG_SZ, big.c_str(), static_cast<DWORD>(big.size() + 1));
    put("dword", REG_DWORD, &number, sizeof number);
    struct {
        const char* name;
        const char* def;
        std::string expected;
    } cases[] = {
        {"plain", "d", "hello"},  {"noNul", "d", "abc"},   {"zero", "d", ""},
        {"big", nullptr, big},    {"dword", "def", "def"}, {"missing", "def", "def"},
        {"missing", nullptr, ""},
    };
    for (auto& c : cases) {
        ky_S s("previous");
        EXPECT_EQ(Str(s.LoadStringA(key, c.name, c.def)), c.expected) << c.name;
    }
    RegCloseKey(key);
    RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Kyvant\\Tests\\KyStdStrings");
}

TEST(StringEllipsis, FixedWidthFrontAndEnd)
{
    FixedMeasurer fixed;
    struct {
        const char* text;
        int width;
        EllipsisType type;
        int kern;
        const char* expected;
    } cases[] = {
        {"abcdefghij", 60, EllipsisEnd, 0, "abc..."},
        {"abcdefghij", 60, EllipsisFront, 0, "...hij"},
        {"abcdefghij", 100, EllipsisEnd, 0, "abcdefghij"},
        {"abcdefghij", 25, EllipsisEnd, 0, "abcdefghij"},
        {"abcdefghij", 30, EllipsisFront, 0, "..."},
        {"abcdefghij", 35, EllipsisEnd, 0, "abcdefghij"},
        {"abcdefghij", 60, EllipsisEnd, 15, "a..."},
        {"abcdefghij", 60, EllipsisFront, 15, "...j"},
        {"", 5, EllipsisEnd, 0, ""},
    };
    for (auto& c : cases) {
        kerning = c.kern;
        ky_S s(c.text);
        s.ToEllipsis(nullptr, c.width, c.type);
        EXPECT_EQ(Str(s), c.expected) << c.width << " " << c.type << " " << c.kern;
    }
    failMeasure = true;
    ky_S s("abcdefghij");
    EXPECT_EQ(Str(s.ToEllipsis(nullptr, 40, EllipsisEnd)), "abcdefghij");
}

TEST_F(StringControls, EllipsisWithARealDeviceContext)
{
    HWND label = Child("STATIC", 0);
    SetWindowPos(label, nullptr, 0, 0, 80, 20, SWP_NOZORDER);
    HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    ky_S s("A rather long text that will never fit into eighty pixels");
    s.ToEllipsis(label, font, EllipsisEnd);
    ASSERT_GT(s.length(), 3u);
    EXPECT_EQ(Str(s).substr(s.length() - 3), "...");
    HDC dc = GetDC(label);
    HGDIOBJ old = SelectObject(dc, font);
    SIZE size;
    GetTextExtentPoint32A(dc, s.c_str(), static_cast<int>(s.length()), &size);
    SelectObject(dc, old);
    ReleaseDC(label, dc);
    EXPECT_LE(size.cx, 80);
}
