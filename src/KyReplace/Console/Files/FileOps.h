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
    // Fails when to exists. A file another program holds open can be renamed
    // only when that program shares delete access.
    virtual bool Rename(const ky_F& from, const ky_F& to) = 0;
    // Replaces to by from in one step where the system can (MoveFileExA of
    // Windows NT, looked up at run time); elsewhere fails with
    // ERROR_CALL_NOT_IMPLEMENTED. Also fails while another program holds to
    // open.
    virtual bool MoveReplace(const ky_F& from, const ky_F& to) = 0;
    // True while another program holds file open without sharing delete
    // access: then neither a replace nor a rename of it can work, and a
    // second name made of it could not be deleted again.
    virtual bool HeldWithoutDeleteShare(const ky_F& file) = 0;
    // True where MoveReplace can work: Windows NT with MoveFileExA.
    virtual bool HasOneStepReplace() = 0;
    // Gives from the second name to, a hard link. Fails when to exists, and
    // where the system or the file system has no links (before Windows 2000:
    // ERROR_CALL_NOT_IMPLEMENTED; FAT: the file system's own error).
    virtual bool Link(const ky_F& from, const ky_F& to) = 0;
    // Copies from's bytes and attributes to to. Fails when to exists.
    virtual bool Copy(const ky_F& from, const ky_F& to) = 0;
    // Renames file to a name no file in its folder has, given in aside.
    virtual bool RenameAside(const ky_F& file, ky_F& aside) = 0;
    virtual bool Delete(const ky_F& file) = 0;
};

// The system's operations.
FileOps& SystemFileOps();

} // namespace Kyvant
