// The Configure Editor dialog in a real window: its fields, the refusal of
// arguments without a program, the values taken on OK, Cancel keeping them.
#include "KyFind/Gui/Editor/EditorOptionsDlg.h"

#include "FindGTestApp.h"
#include "KyFind/Gui/Frame/FrameResource.h"
#include "common/WindowPng.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

std::function<void(CWnd*)> g_script;

void RunScript(CWnd* dialog)
{
    if (g_script)
        g_script(dialog);
}

// Runs the dialog with the script as its modal loop's first idle step.
int RunDialog(EditorOptionsDlg& dialog, std::function<void(CWnd*)> script)
{
    g_script = std::move(script);
    AFX_MODALIDLEHOOK old = AfxSetModalIdleHook(&RunScript);
    const int result = static_cast<int>(dialog.DoModal());
    AfxSetModalIdleHook(old);
    g_script = nullptr;
    return result;
}

std::string Text(CWnd* dialog, int id)
{
    char text[600] = "";
    GetDlgItemTextA(dialog->m_hWnd, id, text, sizeof text);
    return text;
}

void Click(CWnd* dialog, int id)
{
    SendMessageA(GetDlgItem(dialog->m_hWnd, id), BM_CLICK, 0, 0);
}

// Lets Wine put the drawing on the screen.
void Settle()
{
    findgtest::PumpUntil([] { return false; }, 150);
}

Kyvant::FindEditor::EditorSettings Settings(const char* path, const char* options)
{
    Kyvant::FindEditor::EditorSettings settings;
    settings.path = path;
    settings.options = options;
    return settings;
}

} // namespace

TEST(EditorOptionsDlg, ArgumentsWithoutProgramAreRefused)
{
    EditorOptionsDlg dialog(Settings("notepad.exe", ""));
    theApp.m_boxes.clear();
    bool stayedOpen = false, pathFocused = false;
    std::string shownPath;
    const int result = RunDialog(dialog, [&](CWnd* d) {
        shownPath = Text(d, IDC_KYFINDG_EDITOR_PATH);
        SetDlgItemTextA(d->m_hWnd, IDC_KYFINDG_EDITOR_PATH, "");
        SetDlgItemTextA(d->m_hWnd, IDC_KYFINDG_EDITOR_ARGS, "-n%L %F");
        Settle();
        kytest::SaveWindowPng(d->m_hWnd, "KyFindG_ConfigureEditor");
        Click(d, IDOK);
        stayedOpen = IsWindowVisible(d->m_hWnd) != FALSE;
        pathFocused = GetFocus() == GetDlgItem(d->m_hWnd, IDC_KYFINDG_EDITOR_PATH);
        SetDlgItemTextA(d->m_hWnd, IDC_KYFINDG_EDITOR_PATH, "C:\\Tools\\ed.exe");
        Click(d, IDOK);
    });
    EXPECT_EQ("notepad.exe", shownPath);
    EXPECT_TRUE(stayedOpen);
    EXPECT_TRUE(pathFocused);
    ASSERT_EQ(1u, theApp.m_boxes.size());
    EXPECT_EQ("Because you specified the arguments, you must also supply the editor filename.",
              theApp.m_boxes[0]);
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ("C:\\Tools\\ed.exe", dialog.GetSettings().path);
    EXPECT_EQ("-n%L %F", dialog.GetSettings().options);
}

TEST(EditorOptionsDlg, EmptyFieldsAreAcceptedAndCancelKeepsValues)
{
    EditorOptionsDlg cleared(Settings("ed.exe", "-x"));
    EXPECT_EQ(IDOK, RunDialog(cleared, [](CWnd* d) {
                  SetDlgItemTextA(d->m_hWnd, IDC_KYFINDG_EDITOR_PATH, "");
                  SetDlgItemTextA(d->m_hWnd, IDC_KYFINDG_EDITOR_ARGS, "");
                  Click(d, IDOK);
              }));
    EXPECT_EQ("", cleared.GetSettings().path);
    EXPECT_EQ("", cleared.GetSettings().options);

    EditorOptionsDlg cancelled(Settings("ed.exe", "-x"));
    std::string shownArgs;
    EXPECT_EQ(IDCANCEL, RunDialog(cancelled, [&](CWnd* d) {
                  shownArgs = Text(d, IDC_KYFINDG_EDITOR_ARGS);
                  SetDlgItemTextA(d->m_hWnd, IDC_KYFINDG_EDITOR_PATH, "other.exe");
                  Click(d, IDCANCEL);
              }));
    EXPECT_EQ("-x", shownArgs);
    EXPECT_EQ("ed.exe", cancelled.GetSettings().path);
}

TEST(EditorOptionsDlg, FieldsAreLimited)
{
    EditorOptionsDlg dialog(Settings("", ""));
    std::string path, args;
    RunDialog(dialog, [&](CWnd* d) {
        const std::string longText(700, 'a');
        SetDlgItemTextA(d->m_hWnd, IDC_KYFINDG_EDITOR_PATH, "");
        SetDlgItemTextA(d->m_hWnd, IDC_KYFINDG_EDITOR_ARGS, "");
        SendDlgItemMessageA(d->m_hWnd, IDC_KYFINDG_EDITOR_PATH, EM_REPLACESEL, FALSE,
                            reinterpret_cast<LPARAM>(longText.c_str()));
        SendDlgItemMessageA(d->m_hWnd, IDC_KYFINDG_EDITOR_ARGS, EM_REPLACESEL, FALSE,
                            reinterpret_cast<LPARAM>(longText.c_str()));
        path = Text(d, IDC_KYFINDG_EDITOR_PATH);
        args = Text(d, IDC_KYFINDG_EDITOR_ARGS);
        Click(d, IDCANCEL);
    });
    EXPECT_EQ(512u, path.size());
    EXPECT_EQ(256u, args.size());
}
