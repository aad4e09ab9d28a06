/* Resource, control and command ids shared by the test program, its resources and the test DLL. */
#ifndef KYMFC_TEST_IDS_H
#define KYMFC_TEST_IDS_H

/* Test program templates */
#define IDD_DATA 100
#define IDD_NOTIFY 101
#define IDD_PAGE 102
#define IDD_HOST 103
#define IDD_POPUP 104

/* IDD_DATA */
#define IDC_NUMBER 1001
#define IDC_TABSIZE 1002
#define IDC_CHECK 1003
#define IDC_RADIO1 1004
#define IDC_RADIO2 1005
#define IDC_RADIO3 1006
#define IDC_COMBO 1007

/* IDD_NOTIFY */
#define IDC_PUSH 1101
#define IDC_LINK 1102
#define IDC_DROPCOMBO 1103
#define IDC_SELLIST 1104
#define IDC_OWNERBUTTON 1105
#define IDC_TAB 1106
#define IDC_DRAGLIST 1107
#define IDC_ODLIST 1108
#define IDC_EXBUTTON 1109

/* IDD_HOST: buttons are commands of the storage target */
#define ID_STORE_FIRST 0x8201
#define ID_STORE_SAVE 0x8201
#define ID_STORE_DELETE 0x8202
#define ID_STORE_SHOWALL 0x8203
#define ID_STORE_LAST 0x8203
#define ID_STORE_ORPHAN 0x8204
#define IDC_STORE_COMBO 1204
#define IDC_PAGE_EDIT 1301

/* Commands of the test windows */
#define ID_DLL_COMMAND 0x8101
#define ID_EXE_COMMAND 0x8102
#define ID_DISABLED_COMMAND 0x8103
#define ID_RANGE_FIRST 0x8110
#define ID_RANGE_LAST 0x8114
#define ID_THROW_COMMAND 0x8120

/* Test DLL resources */
#define IDD_DLL_DIALOG 3000
#define IDS_DLL_TEXT 3001
#define IDR_DLL_MENU 3002
#define IDB_DLL_BITMAP 3003
#define IDI_DLL_ICON 3004
#define IDC_DLL_CURSOR 3005
#define IDR_DLL_ACCEL 3006
#define IDR_DLL_DATA 3007
#define IDS_BOTH 4000
#define IDS_EXE_ONLY 4001

/* Test DLL resources of controls, menus and common dialogs */
#define IDD_DLL_FILECHILD 3010
#define IDC_DLL_RADIO_TEXT 3011
#define IDC_DLL_RADIO_BINARY 3012
#define IDB_DLL_STRIP 3013
#define IDR_DLL_CLIP 3014
#define IDR_DLL_POPUP 3015
#define ID_POPUP_FIRST 0x8301
#define ID_POPUP_SECOND 0x8302
#define ID_POPUP_THIRD 0x8303
#define ID_TOOL_ONE 0x8311
#define ID_TOOL_TWO 0x8312
#define ID_TOOL_THREE 0x8313

/* Test program templates of property pages */
#define IDD_SHEETPAGE 110
#define IDC_SHEET_NUMBER 1401
#define IDS_SHEET_CAPTION 4010
#define IDS_PAGE_CAPTION 4011

#endif
