// Resource ids of the Explorer context-menu editor and the shell extension's
// registration.
#pragma once

#define IDD_KY_EXPLORER_MENU_EDITOR 25078

// The editor's controls.
#define IDC_KY_ECM_LIST 4000
#define IDC_KY_ECM_STANDARD_TOOL 4001
#define IDC_KY_ECM_TASK_FILE 4002
#define IDC_KY_ECM_ADD_SEPARATOR 4003
#define IDC_KY_ECM_BROWSE 4004
#define IDC_KY_ECM_FILE_NAME 4005
#define IDC_KY_ECM_TOOL_NAME 4006
#define IDC_KY_ECM_NOTE 4007
#define IDC_KY_ECM_RESET 4008
// The list's move and edit toolbar.
#define IDC_KY_ECM_TOOLBAR 32128

#define IDS_KY_ECM_NO_COMMAND 29275
#define IDS_KY_ECM_BAR_IN_CAPTION 29276
#define IDS_KY_ECM_SEPARATOR_ROW 29277
#define IDS_KY_ECM_DASH_CAPTION 29278
#define IDS_KY_ECM_SAVE_CHANGES 29279
#define IDS_KY_ECM_EMPTY_MENU 29280
#define IDS_KY_ECM_APPROVAL_FAILED 29281
#define IDS_KY_ECM_DISCARD_CHANGES 29282
// %1 why the stored list could not be read.
#define IDS_KY_ECM_UNREADABLE 29283
#define IDS_KY_TASK_FILE_FILTER 29451
