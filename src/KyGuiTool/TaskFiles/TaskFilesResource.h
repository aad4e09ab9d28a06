// Resource ids of the task files.
#pragma once

// %1 the target file.
#define IDS_KY_SAVE_NOT_ALTERED 29266
// %1 the target file.
#define IDS_KY_READ_ONLY_TARGET 29274
