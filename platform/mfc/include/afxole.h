// OLE classes of the layer: data sources, drop sources, OLE exceptions and start-up.
#pragma once

#include "afxwin.h"
#include "afxdisp.h"
#include "AfxOleDataSource.h"
