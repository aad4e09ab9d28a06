// Resource ids of the bar tests (Bars_test.rc).
#pragma once

#define IDD_BARS_TEST_DIALOGBAR 31001
#define IDC_BARS_TEST_LABEL 31002
