// Extension classes of the layer (this part has none beyond afxwin.h).
#pragma once

#include "afxwin.h"
