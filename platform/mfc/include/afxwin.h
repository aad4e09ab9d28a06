// Windows, message maps, dialogs, data exchange, the application and the resource chain.
#pragma once

#include "afx.h"
#include "afxres.h"
#include "AfxApp.h"
#include "AfxCmdTarget.h"
#include "AfxCmdUI.h"
#include "AfxCommandLineInfo.h"
#include "AfxControlBar.h"
#include "AfxControls.h"
#include "AfxDataExchange.h"
#include "AfxDC.h"
#include "AfxDialog.h"
#include "AfxDocTemplate.h"
#include "AfxDocument.h"
#include "AfxDynLinkLibrary.h"
#include "AfxFrameWnd.h"
#include "AfxGdiObject.h"
#include "AfxMenu.h"
#include "AfxMsgMacros.h"
#include "AfxResources.h"
#include "AfxThread.h"
#include "AfxView.h"
#include "AfxWaitCursor.h"
#include "AfxWnd.h"

#include <commctrl.h>
