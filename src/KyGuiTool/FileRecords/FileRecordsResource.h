// Resource ids of the file record display: the texts that stand in for what
// the shell or the file system could not give.
#pragma once

#define IDS_KY_TYPE_NAME_SUFFIX 29231
#define IDS_KY_TYPE_NAME_FILE 29232
#define IDS_KY_DISPLAY_ERROR 29233
#define IDS_KY_TYPE_NAME_FOLDER 29236
