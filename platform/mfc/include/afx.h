// Core classes of the layer: objects, run-time classes, strings, exceptions and geometry.
#pragma once

#include "AfxException.h"
#include "AfxGeometry.h"
#include "AfxObject.h"
#include "AfxString.h"
#include "AfxFile.h"
#include "AfxMemFile.h"
#include "AfxStdioFile.h"
