// Resource ids of the option pages' own script; each area keeps the ids of its
// templates, bitmaps and strings in a header beside its own .rc file.
#pragma once
