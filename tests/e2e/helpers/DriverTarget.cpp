// A small windowed program for the GUI driver's own tests: a list view, an
// edit, buttons that copy the edit's text into the status bar and ask a
// question in a message box, and an exit code of 7 when closed. Started with
// "ask-first" it asks before its window shows, and ends with 3 at No.
#include <windows.h>
#include <commctrl.h>

#include <cstring>

namespace {

const int kAskButton = 101;
const int kEdit = 102;
const int kList = 103;
const int kStatus = 104;
const int kCopyButton = 105;
const int kExitCode = 7;
const int kRefusedExitCode = 3;

HWND g_status;

void AddRow(HWND list, int row, const char* name, const char* size)
{
    LVITEMA item{};
    item.mask = LVIF_TEXT;
    item.iItem = row;
    item.pszText = const_cast<char*>(name);
    SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    item.iSubItem = 1;
    item.pszText = const_cast<char*>(size);
    SendMessageA(list, LVM_SETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
}

void MakeChildren(HWND window)
{
    HINSTANCE instance = GetModuleHandleA(nullptr);
    auto child = [&](const char* cls, const char* text, DWORD style, int x, int y, int w, int h,
                     int id) {
        return CreateWindowExA(0, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, window,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance,
                               nullptr);
    };
    child("BUTTON", "Ask", BS_PUSHBUTTON, 10, 10, 80, 24, kAskButton);
    child("BUTTON", "Copy", BS_PUSHBUTTON, 100, 10, 80, 24, kCopyButton);
    child("EDIT", "", WS_BORDER | ES_AUTOHSCROLL, 190, 10, 200, 24, kEdit);
    HWND list = child(WC_LISTVIEWA, "", WS_BORDER | LVS_REPORT, 10, 44, 380, 150, kList);
    LVCOLUMNA column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.cx = 150;
    column.pszText = const_cast<char*>("Name");
    SendMessageA(list, LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
    column.pszText = const_cast<char*>("Size");
    SendMessageA(list, LVM_INSERTCOLUMNA, 1, reinterpret_cast<LPARAM>(&column));
    AddRow(list, 0, "alpha.txt", "1");
    AddRow(list, 1, "beta.txt", "22");
    AddRow(list, 2, "gamma with blanks.txt", "333");
    g_status = child(STATUSCLASSNAMEA, "", 0, 0, 0, 0, 0, kStatus);
    const int parts[] = {200, -1};
    SendMessageA(g_status, SB_SETPARTS, 2, reinterpret_cast<LPARAM>(parts));
    SendMessageA(g_status, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>("Ready"));
    SendMessageA(g_status, SB_SETTEXTA, 1, reinterpret_cast<LPARAM>("3 items"));
}

void OnCommand(HWND window, int id)
{
    if (id == kAskButton) {
        const int answer = MessageBoxA(window, "Proceed with the test?", "Target Question",
                                       MB_YESNO | MB_ICONQUESTION);
        SendMessageA(g_status, SB_SETTEXTA, 0,
                     reinterpret_cast<LPARAM>(answer == IDYES ? "Answer: Yes" : "Answer: No"));
    } else if (id == kCopyButton) {
        char text[256] = "";
        GetDlgItemTextA(window, kEdit, text, sizeof text);
        SendMessageA(g_status, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(text));
    }
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        MakeChildren(window);
        return 0;
    case WM_COMMAND:
        OnCommand(window, LOWORD(wParam));
        return 0;
    case WM_DESTROY:
        PostQuitMessage(kExitCode);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int)
{
    if (strstr(commandLine, "ask-first") &&
        MessageBoxA(nullptr, "Start the target anyway?", "Target Start", MB_YESNO) != IDYES)
        return kRefusedExitCode;
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    WNDCLASSA cls{};
    cls.lpfnWndProc = WindowProc;
    cls.hInstance = instance;
    cls.hCursor = LoadCursor(nullptr, IDC_ARROW);
    cls.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    cls.lpszClassName = "KyTestDriverTarget";
    RegisterClassA(&cls);
    HWND window = CreateWindowExA(0, cls.lpszClassName, "Driver Target", WS_OVERLAPPEDWINDOW, 40,
                                  40, 420, 260, nullptr, nullptr, instance, nullptr);
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}
