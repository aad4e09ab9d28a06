// OLE exceptions and OLE start-up.
#pragma once

#include "afxwin.h"
#include "AfxOleException.h"
