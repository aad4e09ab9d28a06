// Resource ids of the storage controls of named items (Storage.rc): the
// storage menu and its commands, and the dialogs for Save As, Rename,
// Delete Some and the Export file dialog's extension.
#pragma once

// The storage menu: one popup whose items are the commands below.
#define IDR_KY_STORAGE_MENU 25011
#define ID_KY_STORAGE_NEW 54016
#define ID_KY_STORAGE_CLEAR_NAME 54017
#define ID_KY_STORAGE_SAVE 54018
#define ID_KY_STORAGE_SAVE_AS 54019
#define ID_KY_STORAGE_RENAME 54020
#define ID_KY_STORAGE_DELETE 54021
#define ID_KY_STORAGE_DELETE_SOME 54022
#define ID_KY_STORAGE_IMPORT 54023
#define ID_KY_STORAGE_EXPORT 54024

// Save As: a label over a simple combo box of the stored names.
#define IDD_KY_NAME_SAVE_AS 25004
#define IDC_KY_SAVE_AS_LABEL 1000
#define IDC_KY_SAVE_AS_NAME 1001

// Rename: the current name and an edit for the new one.
#define IDD_KY_RENAMER 25012
#define IDC_KY_RENAME_CURRENT 1000
#define IDC_KY_RENAME_NEW 1001

// A list of strings to choose one or several from.
#define IDD_KY_STRING_PICKER 25009
#define IDC_KY_PICKER_LABEL 1000
#define IDC_KY_PICKER_LIST 1001
#define IDC_KY_PICKER_ALL 1002
#define IDC_KY_PICKER_NONE 1003

// The child template that the Export file dialog shows below its own controls.
#define IDD_KY_EXPORTER_CHILD 25068
#define IDC_KY_EXPORTER_GROUP 1000
#define IDC_KY_EXPORTER_LABEL 1001
#define IDC_KY_EXPORTER_LIST 1002
#define IDC_KY_EXPORTER_ALL 1003
#define IDC_KY_EXPORTER_NONE 1004
