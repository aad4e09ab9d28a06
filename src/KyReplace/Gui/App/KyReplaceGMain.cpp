// The Replace front-end's one application object, in the program only (its
// tests make their own).
#include "KyReplace/Gui/App/KyReplaceGApp.h"

CKyReplaceGApp theApp;
