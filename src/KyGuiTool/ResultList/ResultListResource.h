// Resource and command ids of the result list view and its data source.
#pragma once

// Sort marks of the column header before common controls 6.0.
#define IDB_KY_SORT_ASCENDING 24718
#define IDB_KY_SORT_DESCENDING 24719

// Commands beside MFC's edit commands (properties and open containing folder
// are the shell menus' own, in KyGui/Shell/ShellIds.h).
#define ID_KY_INVERT_SELECTION 53512
#define ID_KY_RENAME 53513
#define ID_KY_REFRESH 53514

// The refusal of a new file name, followed by the characters it may not hold.
#define IDS_KY_BAD_FILENAME_CHARS 29449

#define IDS_KY_UNKNOWN_OLE_ERROR 29262
#define IDS_KY_CLIPBOARD_ERROR 29263
