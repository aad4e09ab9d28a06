// Common controls of the layer.
#pragma once

#include "afxwin.h"
#include "AfxTabCtrl.h"
#include "AfxCommonInit.h"
#include "AfxHeaderCtrl.h"
#include "AfxImageList.h"
#include "AfxListCtrl.h"
#include "AfxRichEditCtrl.h"
#include "AfxSmallCtrls.h"
#include "AfxToolBarCtrl.h"
#include "AfxTreeCtrl.h"
#include "AfxStatusBarCtrl.h"
