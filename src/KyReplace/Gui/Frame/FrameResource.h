// Resource, command and control ids of the Replace front-end's frame, its
// bars, the document template, the Text Options dialog and the program's
// own strings.
#pragma once

// The frame's menu, tool bar, accelerators, icon and tab-size bar template,
// and the document template's strings.
#define IDR_MAINFRAME 128

// Commands (New is ID_FILE_NEW, Exit ID_APP_EXIT).
#define ID_VIEW_WORD_WRAP 32772
#define ID_VIEW_TEXT_OPTIONS 32773
#define ID_TASK_STOP 32781
#define ID_FILE_SAVE_LOG 32783
#define ID_EDIT_SELECT_MATCHED 32787

// The tab-size bar: its ComboBoxEx and the rebar band's label.
#define IDC_TAB_SIZE_COMBO 1043
#define IDW_TAB_SIZE_BAR 0xE810
#define IDS_TAB_SIZE_LABEL 245

// The Text Options dialog.
#define IDD_TEXT_OPTIONS 134
#define IDC_TO_MAIN_FONT 1026
#define IDC_TO_LOG_FONT 1027
#define IDC_TO_TAB_SIZE 1028
#define IDC_TO_MATCH_COLOR 1032
#define IDC_TO_REPLACE_COLOR 1033
#define IDC_TO_SKIP_COLOR 1034
#define IDC_TO_USE_COLORS 1035
