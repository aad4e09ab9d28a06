// Ids of the tests' settings dialog.
#pragma once

#define IDD_KYTOOLS_TEST_HOST 130
// The control the tool page replaces, as in the tools' settings dialog.
#define IDC_KYTOOLS_TEST_TOOL_PROXY 32005
