// Resource ids of the adapters and data exchange (their string is in KyGui.rc).
#pragma once

// The data-exchange check of a required value.
#define IDS_KY_DDV_REQUIRED 28672
