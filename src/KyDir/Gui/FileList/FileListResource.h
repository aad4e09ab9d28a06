// Resource and command ids of the Dir file list and its Save As dialog.
#pragma once

// Column captions.
#define IDS_DL_NAME 130
#define IDS_DL_IN_FOLDER 131
#define IDS_DL_SIZE 135
#define IDS_DL_MODIFIED 136
#define IDS_DL_TYPE 137
#define IDS_DL_ATTRIBUTES 138
#define IDS_DL_CREATED 143
#define IDS_DL_RANK 144
// The message window's texts over an empty list.
#define IDS_DL_RESULTS_EMPTY 141
#define IDS_DL_RESULTS_SAVED 145

// The header's popup menu; its commands are the first id + the column id.
#define IDR_DL_HEADER_MENU 132
#define ID_DL_COLUMN_FIRST 32810
#define ID_DL_COLUMN_NAME 32810
#define ID_DL_COLUMN_IN_FOLDER 32811
#define ID_DL_COLUMN_SIZE 32812
#define ID_DL_COLUMN_TYPE 32813
#define ID_DL_COLUMN_MODIFIED 32814
#define ID_DL_COLUMN_CREATED 32815
#define ID_DL_COLUMN_ATTRIBUTES 32816
#define ID_DL_COLUMN_RANK 32817
#define ID_DL_COLUMN_LAST 32817

// The Save As dialog's added controls.
#define IDD_DL_SAVE_AS 133
#define IDC_DL_AS_DISPLAYED 1035
#define IDC_DL_WITH_FULL_PATHS 1036
#define IDC_DL_FULL_PATHS_ONLY 1037
#define IDC_DL_ALL_ITEMS 1040
#define IDC_DL_SELECTED_ITEMS 1041
