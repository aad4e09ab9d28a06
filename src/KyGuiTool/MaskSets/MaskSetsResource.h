// Resource ids of the mask sets (MaskSets.rc): the mask-set button's menu and
// the Mask Set Editor.
#pragma once

// The drop-down of the mask-set button; the stored sets come between its items.
#define IDR_KY_MASK_SET_MENU 24708
#define ID_KY_MASK_SET_ALL_FILES 53774
#define ID_KY_MASK_SET_EDIT 53775

#define IDD_KY_MASK_SET_EDITOR 25065
#define IDC_KY_MASK_SET_MENU 1027
#define IDC_KY_MASK_SET_NAMES 1028
#define IDC_KY_MASK_SET_SAVE 1029
#define IDC_KY_MASK_SET_NEW 1030
#define IDC_KY_MASK_SET_DELETE 1031
#define IDC_KY_MASK_SET_CONTENTS 1032
