// The console tools' permuting option parser: single letters, grouped
// letters, required ("x:") and optional ("x::") arguments, non-option words
// moved behind the options, and a settable set of option prefix characters.
// Functions and state are exported with plain C names.
#pragma once

#include "KyConTool/KyConToolExport.h"

// The C runtime's <getopt.h> (also pulled in by <unistd.h>) declares a
// getopt of its own with other types; the two cannot meet in one unit.
#ifdef __GETOPT_H__
#error "KyConTool/GetOpt.h cannot be used together with the C runtime's getopt.h/unistd.h"
#endif
// Keep a later <unistd.h> from declaring the runtime's getopt beside ours.
#define __GETOPT_H__
#define __GETOPT_LONG_H__

extern "C" {

// Argument of the last option, NULL when it has none.
KYCONTOOL_API extern char* optarg;
// Index of the next word of argv; 0 starts the scan again at 1.
KYCONTOOL_API extern int optind;
// Messages for unknown options and missing arguments go to stderr when not 0.
KYCONTOOL_API extern int opterr;
// Characters that start an option word ("-" by default).
KYCONTOOL_API extern const char* optchars;
// Prefix character of the last option word.
KYCONTOOL_API extern char optchar;
// Letter of the last option examined, also when getopt returned '?'.
KYCONTOOL_API extern char optvalue;

// Returns the next option letter, '?' for an unknown option or a missing
// argument, -1 when the options are done; then the non-option words stand
// together at the end of argv, in their original order, from optind on.
KYCONTOOL_API int getopt(int argc, char** argv, const char* options);

// Starts a new scan with the given message switch and prefix characters
// (NULL means "-").
KYCONTOOL_API void getopt_reset(int opterr, const char* prefixChars);
}
