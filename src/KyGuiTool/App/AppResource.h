// Resource ids of the application base (App.rc): the Indexing Service
// message's icon, the commands every front-end chains to and their texts.
#pragma once

#define IDI_KY_INDEXING_SERVICE_MESSAGE 24715

#define IDS_KY_RICHEDIT_INIT_FAILED 29259
#define IDS_KY_OLE_INIT_FAILED 29260
#define IDS_KY_ABOUT_TEXT 29261
// In KyGuiToolStrings.rc, with the other strings of its block.
#define IDS_KY_UNKNOWN_EXCEPTION 29440
// The filter of the list files and listings that front-ends write.
#define IDS_KY_TEXT_FILES_FILTER 29445
// The filter of the programs a front-end lets the user choose.
#define IDS_KY_EXE_FILES_FILTER 29446

#define ID_KY_INDEXING_SERVICE_MESSAGE 54025
#define ID_KY_HELP_WEB 54029
#define ID_KY_APP_ABOUT 54030
#define ID_KY_HELP_MAIN 54031
