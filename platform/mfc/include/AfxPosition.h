// POSITION: an opaque place in a list that a caller walks with GetNext functions.
#pragma once

typedef struct __POSITION* POSITION;
