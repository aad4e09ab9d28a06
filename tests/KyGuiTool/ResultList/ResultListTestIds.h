// Resource ids of the result list tests: the test view's column titles and
// its header popup.
#pragma once

#define IDR_TEST_LIST_HEADER 2301
#define ID_TEST_LIST_COLUMN_FIRST 33000
#define ID_TEST_LIST_COLUMN_LAST 33007

#define IDS_TEST_COLUMN_NAME 2310
#define IDS_TEST_COLUMN_FOLDER 2311
#define IDS_TEST_COLUMN_SIZE 2312
#define IDS_TEST_COLUMN_TYPE 2313
#define IDS_TEST_COLUMN_MODIFIED 2314
#define IDS_TEST_COLUMN_CREATED 2315
#define IDS_TEST_COLUMN_ATTRIBUTES 2316
#define IDS_TEST_COLUMN_RANK 2317
