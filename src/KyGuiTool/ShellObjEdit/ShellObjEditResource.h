// Resource ids of the shell-object list edit control (ShellObjEdit.rc): its
// insert menu with the commands and the ranges of the filled-in submenus,
// and its strings (kept in the library's one string script).
#pragma once

#define IDR_KY_SHELL_OBJ_MENU 24706

#define ID_KY_SOE_FOLDER 53766
#define ID_KY_SOE_FILE 53767
#define ID_KY_SOE_PATH_PLAN 53770
#define ID_KY_SOE_ALL_FILES 53774
#define ID_KY_SOE_LOCAL_DRIVES 53779

// The stored mask sets, in the database's order.
#define ID_KY_SOE_FIRST_MASK_SET 1
#define ID_KY_SOE_LAST_MASK_SET 1000
// The rows of the special-folder table; the first id also marks the shell
// folder submenu's placeholder until the submenu is filled.
#define ID_KY_SOE_FIRST_SHELL_FOLDER 1001
#define ID_KY_SOE_LAST_SHELL_FOLDER 1100

#define IDS_KY_CHOOSE 29204
#define IDS_KY_PATH_PLANS 29205
#define IDS_KY_SELECT_A_FILE 29206
#define IDS_KY_SELECT_FILES 29207
#define IDS_KY_ALL_FILES_FILTER 29447
