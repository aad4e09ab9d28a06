// The file operations that put a changed file in place, behind an
// interface so that each step's failure can be examined. Every operation
// returns false on failure with GetLastError() telling why.
#pragma once

#include "KyStd/Files/FileName.h"

#include <windows.h>

namespace Kyvant {

class FileOps {
public:
    virtual ~FileOps() {}
    virtual bool GetAttributes(const ky_F& file, DWORD& attributes) = 0;
    virtual bool SetAttributes(const ky_F& file, DWORD attributes) = 0;
    // Creates a new empty file in the folder of beside and names it.
    virtual bool MakeTempFile(const ky_F& beside, ky_F& name) = 0;
    // Fails when link exists.
    virtual bool HardLink(const ky_F& existing, const ky_F& link) = 0;
    // Without overwrite, fails when to exists.
    virtual bool Copy(const ky_F& from, const ky_F& to, bool overwrite) = 0;
    // One step: to, when it exists, is replaced, never left missing.
    virtual bool MoveReplace(const ky_F& from, const ky_F& to) = 0;
    virtual bool Delete(const ky_F& file) = 0;
};

// The system's operations.
FileOps& SystemFileOps();

} // namespace Kyvant
