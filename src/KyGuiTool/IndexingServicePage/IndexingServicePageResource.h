// Resource ids of the Indexing Service page (IndexingServicePage.rc): its
// template and controls, the catalog tree's pictures and toolbar commands,
// the Add Computer dialog, and the page's strings (kept in the library's
// one string script).
#pragma once

#define IDD_KY_INDEXING_SERVICE_PAGE 25013
#define IDD_KY_ADD_COMPUTER 25075

// The page's own controls.
#define IDC_KY_IS_CATALOGS_LABEL 1042
#define IDC_KY_IS_CATALOGS 1043
#define IDC_KY_IS_QUERY_BUTTON 1100
#define IDC_KY_IS_QUERY 1101
#define IDC_KY_IS_MODE_LABEL 1102
#define IDC_KY_IS_MODE 1103
#define IDC_KY_IS_SORT_LABEL 1104
#define IDC_KY_IS_SORT 1105
#define IDC_KY_IS_ORDER_LABEL 1106
#define IDC_KY_IS_ORDER 1107
// The catalog tree's toolbar, a child of the page.
#define IDC_KY_IS_CATALOG_TOOLBAR 1108

// The Add Computer dialog's controls.
#define IDC_KY_ADD_COMPUTER_BROWSE 1000
#define IDC_KY_ADD_COMPUTER_NAME 1001

// The tree's pictures: computers and catalogs, check states, and the
// toolbar's buttons (plain and highlighted).
#define IDB_KY_CATALOG_TREE 24713
#define IDB_KY_CATALOG_STATES 24714
#define IDB_KY_CATALOG_TOOLBAR 24716
#define IDB_KY_CATALOG_TOOLBAR_HOT 24717

// The toolbar's commands; their strings are the buttons' tool tips.
#define ID_KY_ADD_COMPUTER 53777
#define ID_KY_REMOVE_COMPUTER 53778

// The tab caption, the local computer's name in the tree, the drop lists'
// entries (separated by '\n', in index order), the checks and questions
// ("%s": a computer's name).
#define IDS_KY_IS_CAPTION 29536
#define IDS_KY_IS_MY_COMPUTER 29537
#define IDS_KY_IS_SORT_COLUMNS 29538
#define IDS_KY_IS_SORT_DIRECTIONS 29539
#define IDS_KY_IS_NO_CATALOG_CHECKED 29540
#define IDS_KY_IS_NO_CATALOGS_FOUND 29541
#define IDS_KY_IS_REMOVE_QUESTION 29542
#define IDS_KY_IS_REMOVE_CAPTION 29543
#define IDS_KY_IS_REMOVE_LABEL 29544
#define IDS_KY_IS_UNAVAILABLE 29545
#define IDS_KY_IS_ALREADY_LISTED 29546
#define IDS_KY_IS_NAME_WITH_BACKSLASH 29547
