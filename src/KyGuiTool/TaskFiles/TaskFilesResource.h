// Resource ids of the task files: messages and the Save As dialog's part.
#pragma once

// %1 the target file.
#define IDS_KY_SAVE_NOT_ALTERED 29266
// %1 the target file.
#define IDS_KY_READ_ONLY_TARGET 29274
// %1 the file.
#define IDS_KY_INVALID_TASK_FILE 29269

// The part of the Save As dialog that chooses what a task file holds.
#define IDD_KY_DOC_SAVE 25076
#define IDC_KY_SAVE_EVERYTHING 1048
#define IDC_KY_SAVE_TOOL_ONLY 1049
