// Standard dialogs of the layer: the common dialogs and property sheets.
#pragma once

#include "afxwin.h"
#include "AfxColorDialog.h"
#include "AfxCommonDialog.h"
#include "AfxFileDialog.h"
#include "AfxPropertySheet.h"
