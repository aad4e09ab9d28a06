// Resource and command ids of the Find file list.
#pragma once

// Column captions.
#define IDS_FL_NAME 130
#define IDS_FL_IN_FOLDER 131
#define IDS_FL_MATCHES 132
#define IDS_FL_SIZE 135
#define IDS_FL_MODIFIED 136
#define IDS_FL_TYPE 137
#define IDS_FL_ATTRIBUTES 138
#define IDS_FL_CREATED 143
// The message window's text over an empty list.
#define IDS_FL_RESULTS_EMPTY 139

// The header's popup menu; its commands are the first id + the column id.
#define IDR_FL_HEADER_MENU 132
#define ID_FL_COLUMN_FIRST 32794
#define ID_FL_COLUMN_NAME 32794
#define ID_FL_COLUMN_IN_FOLDER 32795
#define ID_FL_COLUMN_MATCHES 32796
#define ID_FL_COLUMN_SIZE 32797
#define ID_FL_COLUMN_TYPE 32798
#define ID_FL_COLUMN_MODIFIED 32799
#define ID_FL_COLUMN_CREATED 32800
#define ID_FL_COLUMN_ATTRIBUTES 32801
#define ID_FL_COLUMN_LAST 32801

// The frame's command that makes the file view the active pane.
#define ID_VIEW_FILE_VIEW 32787
