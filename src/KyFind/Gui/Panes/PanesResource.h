// Resource and command ids of the Find front-end's match list, file view,
// their dialogs and the status texts they show.
#pragma once

// Match list column captions.
#define IDS_ML_LINE 133
#define IDS_ML_TEXT 134

// Status notices and the Find dialog's message.
#define IDS_PASSED_FIRST_MATCH 1041
#define IDS_PASSED_LAST_MATCH 1042
#define IDS_PASSED_BEGINNING_OF_FILE 1048
#define IDS_PASSED_END_OF_FILE 1049
#define IDS_TEXT_NOT_FOUND 1051

// The caret pane of the status bar (its string sizes the pane) and its text.
#define ID_INDICATOR_CARET 32790
#define IDS_CARET_FORMAT 32791

// Navigation and view commands.
#define ID_NEXT_MATCH 32771
#define ID_PREVIOUS_MATCH 32772
#define ID_SINGLE_KEY_BROWSE 32773
#define ID_WORD_WRAP 32774
#define ID_SELECT_MATCHED_TEXT 32775
#define ID_TEXT_OPTIONS 32777
#define ID_FIND_PREVIOUS 32782
#define ID_FIND_NEXT 32783
#define ID_VIEW_FILE_LIST 32785
#define ID_VIEW_MATCH_LIST 32786
#define ID_PREVIOUS_FILE 32788
#define ID_NEXT_FILE 32789
#define ID_FIND_NEXT_SELECTED 32823
#define ID_FIND_PREVIOUS_SELECTED 32824
#define ID_TOGGLE_MATCH_CASE 32825
#define ID_TOGGLE_WHOLE_WORDS 32826

// Text Options dialog.
#define IDD_TEXT_OPTIONS 134
#define IDC_TO_TAB_SIZE 1028
#define IDC_TO_FILE_VIEW_FONT 1029
#define IDC_TO_MATCH_LIST_FONT 1030
#define IDC_TO_MATCH_COLOR 1032
#define IDC_TO_USE_COLORS 1035

// Find dialog.
#define IDD_FIND_TEXT 136
#define IDC_FT_TEXT 1049
#define IDC_FT_LABEL 1050
#define IDC_FT_UP 1051
#define IDC_FT_DOWN 1052
#define IDC_FT_WHOLE_WORDS 1053
#define IDC_FT_MATCH_CASE 1054
