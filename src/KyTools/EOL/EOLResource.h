// Resource ids of the EOL page: its template, controls and strings.
#pragma once

#define IDD_KY_EOL_PAGE 3

// Input line ends.
#define IDC_KY_EOL_IN_DOS 1000
#define IDC_KY_EOL_IN_UNIX 1001
#define IDC_KY_EOL_IN_MAC 1002
#define IDC_KY_EOL_IN_ALL 1003
#define IDC_KY_EOL_INPUT_GROUP 1005
#define IDC_KY_EOL_VERBOSE 1006
// Output line ends.
#define IDC_KY_EOL_OUTPUT_GROUP 1013
#define IDC_KY_EOL_OUT_DOS 1014
#define IDC_KY_EOL_OUT_UNIX 1015
#define IDC_KY_EOL_OUT_MAC 1016

#define IDS_KY_EOL_SAME_MODES 26640
#define IDS_KY_EOL_FILE_FILTER 26641
#define IDS_KY_EOL_FILE_EXTENSION 26642
#define IDS_KY_EOL_TAB_CAPTION 26643
#define IDS_KY_EOL_DOCUMENT_NAME 26644
