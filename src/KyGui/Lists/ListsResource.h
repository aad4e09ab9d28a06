// Resource ids of the list boxes (toolbar images, tool tips, check boxes).
#pragma once

// Toolbar strips, two 15 x 13 images each: the normal ones on light grey (the
// toolbar shows it as the button face), the hot ones on magenta (transparent).
#define IDB_KY_LIST_MOVE_ITEMS 24577
#define IDB_KY_LIST_EDIT_ITEMS 24578
#define IDB_KY_LIST_MOVE_ITEMS_HOT 24579
#define IDB_KY_LIST_EDIT_ITEMS_HOT 24580

// Toolbar commands; the strings of the same numbers are their tool tips.
#define ID_KY_LIST_MOVE_UP 53248
#define ID_KY_LIST_MOVE_DOWN 53249
#define ID_KY_LIST_DELETE_ITEM 53250
#define ID_KY_LIST_NEW_ITEM 53251

// The toolbar's control id when none is given.
#define ID_KY_LIST_TOOLBAR 32128

// The check boxes of the grid and check lists when unthemed: three 13 x 13
// images side by side (unchecked, checked, indeterminate).
#define IDB_KY_CHECK_BOXES 30996
