// Resource ids of the path and file list boxes and the large list editor
// (PathLists.rc): the in-place editor's toolbar images and commands (their
// tool tips are the strings of the same ids, in the library's string
// script) and the editor's dialog.
#pragma once

// Four 15 x 13 images on the button face: folder, file, cancel, accept.
#define IDB_KY_FILE_FOLDER_TOOLBAR 24704
// One 15 x 13 image: the path editor's insert menu.
#define IDB_KY_PATH_TOOLBAR 24705

#define ID_KY_INSERT_FOLDER_NAME 53760
#define ID_KY_INSERT_FILENAME 53761
#define ID_KY_CANCEL_EDIT 53762
#define ID_KY_ACCEPT_CHANGES 53763
#define ID_KY_ADD_TO_PATH 53764

#define IDD_KY_BIG_EDITOR 25001
#define IDC_KY_BIG_EDITOR_EDIT 24500
