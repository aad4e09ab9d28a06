// Resource ids of the tests' task dialog.
#pragma once

#define IDD_TEST_REPLACE_TASK 30100
#define IDC_TEST_REPLACE_ARGS 30101
