// Resource ids of the GUI tool framework's own script; each area keeps the ids
// of its dialogs, icons and strings in a header beside its own .rc file.
#pragma once
