// Error number and texts of the record layer.
#include "KyDB/Engine/BTree.h"
#include "KyDB/Engine/Isam.h"
#include "KyDB/Engine/IsamInternal.h"

namespace Kyvant {

namespace {

int g_isamError = 0;
int g_cbtAtFailure = 0;

const char* const kTexts[] = {
    "No error",
    "Invalid database handle",
    "Invalid index handle",
    "Database in use; cannot perform operation",
    "No current record",
    "Out of memory",
    "Operation not allowed for this index",
    "Error reading or writing file",
    "Unknown index name",
    "Error from cbt level",
    "File not found",
    "Key too long for current buffer size",
    "Isam index file possibly corrupted",
    "Too many indexes for one database",
    "No marked record",
    "Cannot rename data base",
    "Cannot construct name of file",
    "New index name duplicates existing index name",
    "Field name is not name of existing field",
    "Cannot copy database to itself",
    "Block size too big for buffer pool",
    "Cannot overwrite existing index file",
    "Isaminit already called",
    "Field longer than specified maximum length",
    "Field number >= field count",
    "key number >= key count",
    "Unable to lock a record",
    "Unable to unlock a record",
    "Database is already locked",
    "No locks match the handle",
    "Data is larger than buffer",
    "Cannot modify a read only file",
    "File must be unshared for this function",
    "Too many records are locked",
    "Buffer is too small for record",
    "Invalid NULL pointer argument passed",
    "Argument type does not match field type",
    "Database(s) must be closed before exiting",
    "Numeric argument out of range",
    "Index number >= index count",
    "No Window instance handle defined",
    "No Window created for output",
};

} // namespace

namespace IsamImpl {

int Fail(int code)
{
    // The first failure of an operation is the one reported.
    if (g_isamError == kIsamOk) {
        g_isamError = code;
        if (code == kIsamCbt)
            g_cbtAtFailure = CbtError();
    }
    return -1;
}

OpGuard::OpGuard()
{
    g_isamError = kIsamOk;
    g_cbtAtFailure = 0;
}

OpGuard::~OpGuard()
{
    // Clean-up calls after a B-tree failure must not hide its reason.
    if (g_isamError == kIsamCbt)
        CbtSetError(g_cbtAtFailure);
}

} // namespace IsamImpl

int IsamError()
{
    return g_isamError;
}

void IsamSetError(int code)
{
    g_isamError = code;
    if (code == kIsamCbt)
        g_cbtAtFailure = CbtError();
}

const char* IsamErrorText(int code)
{
    if (code < 0 || code >= static_cast<int>(sizeof kTexts / sizeof kTexts[0]))
        return "Unknown isam error number";
    return kTexts[code];
}

} // namespace Kyvant
