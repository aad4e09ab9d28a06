// Resource ids of the Find pattern pages: their two templates, controls and
// strings.
#pragma once

// The grep family's page (Plain Text, Grep, Egrep, Fgrep) and the Perl page.
#define IDD_KY_FIND_GREP_PAGE 10
#define IDD_KY_FIND_PERL_PAGE 11

#define IDC_KY_FIND_PATTERN 1000
#define IDC_KY_FIND_IGNORE_CASE 1001
#define IDC_KY_FIND_WHOLE_WORDS 1002
#define IDC_KY_FIND_LINE_NUMBERS 1003
#define IDC_KY_FIND_BINARY_MODE 1004
#define IDC_KY_FIND_NAMES_ONLY 1005
#define IDC_KY_FIND_XREGEX 1006
#define IDC_KY_FIND_LINE_MODE 1007
#define IDC_KY_FIND_DOT_MATCHES_NL 1008
#define IDC_KY_FIND_CONTEXT_LINES 1010
#define IDC_KY_FIND_INVERTED 1011
#define IDC_KY_FIND_EDITOR 1013

// Refusals of an Fgrep pattern.
#define IDS_KY_FIND_TRAILING_BACKSLASH 26704
#define IDS_KY_FIND_TRAILING_BAR 26705
#define IDS_KY_FIND_ADJACENT_BARS 26706

// What the Find front-end loads for its settings dialog.
#define IDS_KY_FIND_FILE_FILTER 26717
#define IDS_KY_FIND_FILE_EXTENSION 26718
#define IDS_KY_FIND_DOCUMENT_NAME 26720

// The pages' tab captions and GUIDs, in tab order.
#define IDS_KY_FIND_PLAIN_CAPTION 26721
#define IDS_KY_FIND_GREP_CAPTION 26722
#define IDS_KY_FIND_EGREP_CAPTION 26723
#define IDS_KY_FIND_FGREP_CAPTION 26724
#define IDS_KY_FIND_PERL_CAPTION 26725
#define IDS_KY_FIND_PLAIN_GUID 26726
#define IDS_KY_FIND_GREP_GUID 26727
#define IDS_KY_FIND_EGREP_GUID 26728
#define IDS_KY_FIND_FGREP_GUID 26729
#define IDS_KY_FIND_PERL_GUID 26730
