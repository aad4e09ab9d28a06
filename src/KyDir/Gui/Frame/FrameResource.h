// Resource, command and status ids of the Dir front-end's frame, document
// template and task dialog.
#pragma once

// The frame's menu, accelerators, tool bar and icon, and the document
// template's strings.
#define IDR_MAINFRAME 128

// Commands (the New task is ID_FILE_NEW, Exit ID_APP_EXIT).
#define ID_TASK_STOP 32776
#define ID_TASK_DISCARD 32778
#define ID_TASK_FIND_IN_RESULTS 32784
#define ID_TASK_SAVE_AS 32797
// The status bar's item count pane; its string sizes the pane.
#define ID_INDICATOR_COUNT 32793

// Status texts.
#define IDS_STATUS_STOPPING 1043
#define IDS_STATUS_WORKING 1044
#define IDS_STATUS_SELECTED_MANY 1045
#define IDS_STATUS_SELECTED_ONE 1046
#define IDS_COUNT_ONE 1047
#define IDS_COUNT_MANY 1048

// The task dialog's question when both Indexing Service settings are chosen.
#define IDS_BOTH_INDEXING_SERVICES 110
