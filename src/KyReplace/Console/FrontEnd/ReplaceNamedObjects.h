// The kernel objects KyReplace shares with its front-end and the engine,
// all created (never opened) under the protocol prefix when the program
// starts; a name that already exists is an error. Creating the first of
// them fixes the prefix, which the engine then inherits.
#pragma once

#include "KyReplace/Console/FrontEnd/ReplaceLinkBlocks.h"
#include "KyStd/Win32/SharedMemory.h"
#include "KyStd/Win32/SyncObjects.h"

#include <windows.h>

namespace Kyvant {

class ReplaceNamedObjects {
public:
    // Failures throw os_error; objects made so far are closed again.
    ReplaceNamedObjects();
    ReplaceNamedObjects(const ReplaceNamedObjects&) = delete;
    ReplaceNamedObjects& operator=(const ReplaceNamedObjects&) = delete;

    // The link block, shared with the front-end; its words are read and
    // written with ReadBlockWord and WriteBlockWord.
    ReplaceToolBlock& ToolBlock() const;

    Win32::Event doQuit;           // manual reset: the front-end asks to stop
    Win32::Event hasQuit;          // manual reset: the engine ended or Main left
    Win32::Event endFile;          // auto reset: the engine finished one file
    Win32::Event modifiedTempFile; // auto reset: ... and changed it
    Win32::Event pause;            // auto reset: for the front-end and the engine
    Win32::Event resume;           // auto reset: the same
    Win32::Event logWindowDied;    // manual reset: no more log lines
    Win32::Mutex logWindowMutex;
    Win32::Mutex fileCheckMutex; // held while a file is being opened
    Win32::SharedMemory linkBlock;
};

} // namespace Kyvant
