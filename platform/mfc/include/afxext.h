// Extension classes of the layer: bars, splitters and form views.
#pragma once

#include "afxwin.h"
#include "AfxDialogBar.h"
#include "AfxFormView.h"
#include "AfxReBar.h"
#include "AfxSplitterWnd.h"
#include "AfxStatusBar.h"
#include "AfxToolBar.h"
