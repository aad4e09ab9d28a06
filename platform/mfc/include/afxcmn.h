// Common controls of the layer.
#pragma once

#include "afxwin.h"
#include "AfxTabCtrl.h"
