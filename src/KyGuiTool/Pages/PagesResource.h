// Resource ids of the sub-dialog page framework.
#pragma once

// A task file named a page that no tab control here has.
#define IDS_KY_PAGE_MISSING 29268
