// The Find front-end's one application object, in the program only (its
// tests make their own).
#include "KyFind/Gui/App/KyFindGApp.h"

CKyFindGApp theApp;
