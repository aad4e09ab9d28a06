/* Command, string and prompt ids of the layer; plain definitions, usable in resource scripts. */
#ifndef KYMFC_AFXRES_H
#define KYMFC_AFXRES_H

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
/* Control bars (0xE800-0xE8FF), panes and the status indicators */
#define AFX_IDW_CONTROLBAR_FIRST 0xE800
#define AFX_IDW_CONTROLBAR_LAST 0xE8FF
#define AFX_IDW_TOOLBAR 0xE800
#define AFX_IDW_STATUS_BAR 0xE801
#define AFX_IDW_REBAR 0xE804
#define AFX_IDW_DIALOGBAR 0xE805
#define AFX_IDW_PANE_FIRST 0xE900
#define AFX_IDW_PANE_LAST 0xE9FF
#define ID_SEPARATOR 0
#define ID_INDICATOR_CAPS 0xE700
#define ID_INDICATOR_NUM 0xE701
#define ID_INDICATOR_SCRL 0xE702
#define ID_VIEW_TOOLBAR 0xE800
#define ID_VIEW_STATUS_BAR 0xE801
#define ID_NEXT_PANE 0xE150
#define ID_PREV_PANE 0xE151

/* Document strings and OLE texts */
#define AFX_IDS_UNTITLED 0xE002
#define AFX_IDP_FAILED_TO_CREATE_DOC 0xF104
#define AFX_IDP_OLE_INIT_FAILED 0xF180

/* Resource type of toolbar button lists */
#define RT_TOOLBAR_ID 241

#endif

/* Strings a program supplies */
#define AFX_IDS_APP_TITLE 0xE000
#define AFX_IDS_IDLEMESSAGE 0xE001

/* Commands */
#define ID_FILE_NEW 0xE100
#define ID_FILE_OPEN 0xE101
#define ID_FILE_CLOSE 0xE102
#define ID_FILE_SAVE 0xE103
#define ID_FILE_SAVE_AS 0xE104
#define ID_EDIT_CLEAR 0xE120
#define ID_EDIT_CLEAR_ALL 0xE121
#define ID_EDIT_COPY 0xE122
#define ID_EDIT_CUT 0xE123
#define ID_EDIT_FIND 0xE124
#define ID_EDIT_PASTE 0xE125
#define ID_EDIT_PASTE_LINK 0xE126
#define ID_EDIT_PASTE_SPECIAL 0xE127
#define ID_EDIT_REPEAT 0xE128
#define ID_EDIT_REPLACE 0xE129
#define ID_EDIT_SELECT_ALL 0xE12A
#define ID_EDIT_UNDO 0xE12B
#define ID_APP_ABOUT 0xE140
#define ID_APP_EXIT 0xE141
#define ID_HELP_INDEX 0xE142
#define ID_HELP_FINDER 0xE143
#define ID_HELP_USING 0xE144
#define ID_CONTEXT_HELP 0xE145
#define ID_HELP 0xE146
#define ID_DEFAULT_HELP 0xE147

/* The layer's own texts */
#define AFX_IDP_NO_ERROR_AVAILABLE 0xF020
#define AFX_IDP_INTERNAL_FAILURE 0xF021
#define AFX_IDP_COMMAND_FAILURE 0xF022
#define AFX_IDP_FAILED_TO_LAUNCH_HELP 0xF023
#define AFX_IDS_MEMORY_EXCEPTION 0xF024
#define AFX_IDS_RESOURCE_EXCEPTION 0xF025
#define AFX_IDS_NOT_SUPPORTED_EXCEPTION 0xF026
#define AFX_IDS_USER_EXCEPTION 0xF027

/* File failures by cause (none + cause): %1 stands for the file name */
#define AFX_IDP_FILE_NONE 0xF0E0
#define AFX_IDP_FILE_GENERIC 0xF0E1
#define AFX_IDP_FILE_NOT_FOUND 0xF0E2
#define AFX_IDP_FILE_BAD_PATH 0xF0E3
#define AFX_IDP_FILE_TOO_MANY_OPEN 0xF0E4
#define AFX_IDP_FILE_ACCESS_DENIED 0xF0E5
#define AFX_IDP_FILE_INVALID_FILE 0xF0E6
#define AFX_IDP_FILE_REMOVE_CURRENT 0xF0E7
#define AFX_IDP_FILE_DIR_FULL 0xF0E8
#define AFX_IDP_FILE_BAD_SEEK 0xF0E9
#define AFX_IDP_FILE_HARD_IO 0xF0EA
#define AFX_IDP_FILE_SHARING 0xF0EB
#define AFX_IDP_FILE_LOCKING 0xF0EC
#define AFX_IDP_FILE_DISKFULL 0xF0ED
#define AFX_IDP_FILE_EOF 0xF0EE

/* Data-exchange prompts: %1 and %2 stand for the limits */
#define AFX_IDP_PARSE_INT 0xF110
#define AFX_IDP_PARSE_INT_RANGE 0xF112
#define AFX_IDP_PARSE_STRING_SIZE 0xF114

/* Resource type of dialog-init data (list and combo entries of a template) */
#define RT_DLGINIT_ID 240

/* Control bars (0xE800-0xE8FF), panes and the status indicators */
#define AFX_IDW_CONTROLBAR_FIRST 0xE800
#define AFX_IDW_CONTROLBAR_LAST 0xE8FF
#define AFX_IDW_TOOLBAR 0xE800
#define AFX_IDW_STATUS_BAR 0xE801
#define AFX_IDW_REBAR 0xE804
#define AFX_IDW_DIALOGBAR 0xE805
#define AFX_IDW_PANE_FIRST 0xE900
#define AFX_IDW_PANE_LAST 0xE9FF
#define ID_SEPARATOR 0
#define ID_INDICATOR_CAPS 0xE700
#define ID_INDICATOR_NUM 0xE701
#define ID_INDICATOR_SCRL 0xE702
#define ID_VIEW_TOOLBAR 0xE800
#define ID_VIEW_STATUS_BAR 0xE801
#define ID_NEXT_PANE 0xE150
#define ID_PREV_PANE 0xE151

/* Document strings and OLE texts */
#define AFX_IDS_UNTITLED 0xE002
#define AFX_IDP_FAILED_TO_CREATE_DOC 0xF104
#define AFX_IDP_OLE_INIT_FAILED 0xF180

/* Resource type of toolbar button lists */
#define RT_TOOLBAR_ID 241

#endif
