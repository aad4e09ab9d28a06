// The CF_HDROP file list of a selection and the data object that carries it.
#pragma once

#include "KyGui/KyGuiExport.h"
#include "KyGui/Shell/FsObj.h"
#include "KyStd/Containers/Sequencer.h"

#include <windows.h>
#include <objidl.h>

namespace Kyvant {
namespace Shell {

// A DROPFILES block (0x2002) of 20 + listBytes bytes: the header, every path
// with its NUL in selection order, one more NUL. listBytes counts the paths'
// characters, their NULs and the final NUL. Out of memory raises MFC's
// memory exception.
KYGUI_API HGLOBAL MakeDropFilesBlock(const input_sequencer<FsObj>& selection, unsigned listBytes);

// A data object offering the block as CF_HDROP on global memory; it takes
// the block, and the caller holds its only reference.
KYGUI_API IDataObject* CreateDropFilesDataObject(HGLOBAL block);

} // namespace Shell
} // namespace Kyvant
