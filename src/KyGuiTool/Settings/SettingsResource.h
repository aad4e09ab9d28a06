// Resource ids of the tool settings dialog: its template, menu, accelerators
// and commands, the command-line viewer and the Options dialog.
#pragma once

#define IDD_KY_BASE_DIALOG 25077
#define IDD_KY_COMMAND_LINE_VIEWER 25064
#define IDD_KY_OPTIONS 25007
#define IDR_KY_BASE_MENU 25014
#define IDR_KY_BASE_ACCELERATORS 24720

// Controls of the settings dialog. A child with the width id takes the tool
// page's width, one with the height id its height.
#define IDC_KY_PATH_PLAN_PROXY 32000
#define IDC_KY_TOOL_WIDTH 32001
#define IDC_KY_TOOL_HEIGHT 32002
#define IDC_KY_HELP 32003
#define IDC_KY_ABOUT 32004
#define IDC_KY_TOOL_PROXY 32005
#define IDC_KY_MENU_LINE 0xFFFF

// Commands of the settings dialog's menu.
#define ID_KY_DOC_NEW 53780
#define ID_KY_DOC_OPEN 53781
#define ID_KY_DOC_SAVE 53782
#define ID_KY_DOC_SAVE_AS 53783
#define ID_KY_DOC_CANCEL 53784
#define ID_KY_DLG_HELP 53785
#define ID_KY_DLG_ABOUT 53789
#define ID_KY_OPTIONS 53790
#define ID_KY_WEB 53791
#define ID_KY_RECENT_FILES 53792
#define ID_KY_RECENT_FILE_FIRST 53793
#define ID_KY_RECENT_FILE_LAST 53800
#define ID_KY_EXPLORER_MENU_EDITOR 53801
#define ID_KY_SHELL_EXTENSION 53802

// The command-line viewer's fields.
#define IDC_KY_VIEWER_ARGS 24016
#define IDC_KY_VIEWER_COMMAND 24017

// The Options dialog's font button.
#define IDC_KY_OPTIONS_FONT 1001

// %1 the needed length, %2 the greatest (printf style: %lu, %lu).
#define IDS_KY_COMMAND_LINE_TOO_LONG 29192
#define IDS_KY_SAVE_TASK 29264
// %s the task file.
#define IDS_KY_SAVE_TASK_CHANGES 29265
#define IDS_KY_CLOSE_BEFORE_SHUTDOWN 29442
// The placeholder of the "Recent Files" items.
#define IDS_KY_RECENT_FILES 53792

// The program's own strings: the texts of the Help and About menu items.
#define IDS_KY_PROGRAM_HELP_ITEM 29450
#define IDS_KY_PROGRAM_ABOUT_ITEM 101
