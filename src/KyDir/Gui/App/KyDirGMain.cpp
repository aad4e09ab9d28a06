// The Dir front-end's one application object, in the program only (its
// tests make their own).
#include "KyDir/Gui/App/KyDirGApp.h"

CKyDirGApp theApp;
