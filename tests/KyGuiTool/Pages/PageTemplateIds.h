// Ids of the page tests' dialog templates and controls.
#pragma once

#define IDD_TEST_PAGE_A 101
#define IDD_TEST_PAGE_B 102
#define IDD_TEST_PAGE_C 103
#define IDD_TEST_HOST 110

#define IDC_TEST_EDIT_A 1001
#define IDC_TEST_APPLY_A 1002
#define IDC_TEST_EDIT_B 1011
#define IDC_TEST_CHECK_C 1021
