// Control views of the layer.
#pragma once

#include "afxwin.h"
#include "AfxCtrlView.h"
