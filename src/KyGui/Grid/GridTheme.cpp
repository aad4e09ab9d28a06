// The shared theme record of the cell list boxes, with the visual-style calls
// resolved from uxtheme.dll at run time.
#include "KyGui/Grid/GridTheme.h"

#include "KyGui/Helpers/UserEx.h"
#include "KyGui/Helpers/VisualStyles.h"
#include "KyGui/Lists/ListsResource.h"
#include "KyGui/Module/KyGuiModule.h"
#include "KyStd/Win32/OsVersion.h"

#include <vsstyle.h>

namespace Kyvant {
namespace GridTheme {
namespace {

// The three images of the check-box bitmap lie side by side.
const int kCheckImages = 3;
// The bitmap's images when it cannot be read.
const int kBitmapImageSize = 13;

using OpenFn = HTHEME(WINAPI*)(HWND, LPCWSTR);
using CloseFn = HRESULT(WINAPI*)(HTHEME);
using BackgroundFn = HRESULT(WINAPI*)(HTHEME, HDC, int, int, const RECT*, const RECT*);
using PartSizeFn = HRESULT(WINAPI*)(HTHEME, HDC, int, int, const RECT*, THEMESIZE, SIZE*);

struct UxTheme {
    OpenFn open = nullptr;
    CloseFn close = nullptr;
    BackgroundFn background = nullptr;
    PartSizeFn partSize = nullptr;
};

const UxTheme& Api()
{
    static const UxTheme api = [] {
        UxTheme a;
        if (!OsVersion::AtLeastXP())
            return a;
        a.open = VisualStyles::Function<OpenFn>("OpenThemeData");
        a.close = VisualStyles::Function<CloseFn>("CloseThemeData");
        a.background = VisualStyles::Function<BackgroundFn>("DrawThemeBackground");
        a.partSize = VisualStyles::Function<PartSizeFn>("GetThemePartSize");
        return a;
    }();
    return api;
}

Record* g_record = nullptr;
int g_holders = 0;

void Close(HTHEME& theme)
{
    if (theme != nullptr && Api().close != nullptr)
        Api().close(theme);
    theme = nullptr;
}

HTHEME Open(HWND window, const wchar_t* themeClass)
{
    return Api().open != nullptr ? Api().open(window, themeClass) : nullptr;
}

void LoadBitmapOnce(Record& record)
{
    if (record.checkBoxes != nullptr)
        return;
    record.checkBoxes = ::LoadBitmapA(KyGuiModule(), MAKEINTRESOURCEA(IDB_KY_CHECK_BOXES));
    BITMAP info = {};
    if (record.checkBoxes != nullptr && ::GetObjectA(record.checkBoxes, sizeof info, &info) != 0) {
        record.bitmapWidth = info.bmWidth;
        record.bitmapHeight = info.bmHeight;
    } else {
        record.bitmapWidth = kBitmapImageSize * kCheckImages;
        record.bitmapHeight = kBitmapImageSize;
    }
}

} // namespace

void Acquire()
{
    if (g_record == nullptr)
        g_record = new Record;
    ++g_holders;
}

void Release()
{
    if (g_holders <= 0 || --g_holders > 0)
        return;
    Close(g_record->button);
    Close(g_record->header);
    if (g_record->checkBoxes != nullptr)
        ::DeleteObject(g_record->checkBoxes);
    delete g_record;
    g_record = nullptr;
}

Record* Current()
{
    return g_record;
}

void Update(HWND window)
{
    if (g_record == nullptr)
        return;
    Record& record = *g_record;
    LoadBitmapOnce(record);
    if (OsVersion::AtLeastXP()) {
        Close(record.header);
        Close(record.button);
        if (UserEx::IsAppThemed()) {
            record.header = Open(window, L"header");
            record.button = Open(window, L"button");
        }
    }
    SIZE size = {};
    if (record.button != nullptr &&
        (Api().partSize == nullptr ||
         FAILED(Api().partSize(record.button, nullptr, BP_CHECKBOX, CBS_UNCHECKEDNORMAL, nullptr,
                               TS_TRUE, &size))))
        Close(record.button);
    if (record.button == nullptr) {
        size.cx = record.bitmapWidth / kCheckImages;
        size.cy = record.bitmapHeight;
    }
    record.checkWidth = size.cx;
    record.checkHeight = size.cy;
}

SIZE CheckBoxSize()
{
    if (g_record != nullptr && g_record->checkWidth > 0)
        return {g_record->checkWidth, g_record->checkHeight};
    return {kBitmapImageSize, kBitmapImageSize};
}

bool ButtonThemed()
{
    return g_record != nullptr && g_record->button != nullptr;
}

bool HeaderThemed()
{
    return g_record != nullptr && g_record->header != nullptr;
}

bool DrawBackground(HTHEME theme, HDC dc, int part, int state, const RECT& rect)
{
    return theme != nullptr && Api().background != nullptr &&
           SUCCEEDED(Api().background(theme, dc, part, state, &rect, nullptr));
}

} // namespace GridTheme
} // namespace Kyvant
