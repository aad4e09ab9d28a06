// What an extension DLL's start-up needs: AFX_EXTENSION_MODULE and CDynLinkLibrary.
#pragma once

#include "afxwin.h"
