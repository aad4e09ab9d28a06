// Resource ids of the buttons and the hyperlink control (Buttons.rc).
#pragma once

#define IDB_KY_STD_BUTTON_IMAGES 24576
#define IDC_KY_HAND_CURSOR 24584
#define IDS_KY_COLOR_AUTO 28674
