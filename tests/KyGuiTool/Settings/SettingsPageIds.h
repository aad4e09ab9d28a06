// Ids of the test pages' templates and controls, and the test programs' own
// strings for the settings dialog's Help and About items.
#pragma once

#define IDD_SETTINGS_TOOL_PAGE 120
#define IDD_SETTINGS_SEARCH_A 121
#define IDD_SETTINGS_SEARCH_B 122

#define IDC_SETTINGS_TOOL_EDIT 1101
#define IDC_SETTINGS_SEARCH_EDIT 1111

// Below the tool proxy and right of it: they follow the tool page's size.
#define IDC_SETTINGS_WIDTH_LINE 32001
#define IDC_SETTINGS_HEIGHT_LINE 32002
