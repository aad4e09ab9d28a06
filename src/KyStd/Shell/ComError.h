// The COM error exception `_com_error` and its support functions.
// MinGW's <comdef.h> and <comutil.h> declare a few functions that a compiler
// vendor's COM support library would define; KyStd defines and exports them,
// so every module that links KyStd can use `_com_error`, `_bstr_t` and
// `_com_issue_errorex` as declared there.
#pragma once

#include <comdef.h>
