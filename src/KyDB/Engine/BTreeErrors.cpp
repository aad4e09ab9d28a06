// Error number and texts of the B-tree layer.
#include "KyDB/Engine/BTree.h"
#include "KyDB/Engine/BTreeInternal.h"

namespace Kyvant {

namespace {

int g_cbtError = 0;
int g_cbtPlace = 0;
const char* g_cbtOperation = "";

const char* const kTexts[] = {
    "no error",
    "cannot create a btree file",
    "cannot open a btree file",
    "no buffer pool",
    "buffer pool error",
    "out of memory",
    "error getting disk block",
    "error getting empty block",
    "error putting disk block",
    "error releasing disk block",
    "error purging disk block",
    "error flushing blocks to disk",
    "error closing LRU buffered file",
    "error purging all disk blocks",
    "error locking disk block",
    "error unlocking disk block",
    "control record parity error",
    "btree block size error",
    "invalid control record pointer",
    "invalid tree pointer",
    "invalid block or index cursor",
    "invalid key length",
    "duplicate key not allowed",
    "duplicate key/item pair",
    "tree has no index entries",
    "node in tree is corrupted",
    "key not found",
    "no mark in index",
    "file share/exclusive conflict",
    "unable to lock the file",
    "unable to unlock the file",
    "key has been deleted by another task",
    "btree is read only",
};

} // namespace

namespace BtImpl {

int Fail(int code)
{
    return FailAt(code, 0);
}

int FailAt(int code, int place)
{
    g_cbtError = code;
    g_cbtPlace = place;
    return -1;
}

void SetError(int code)
{
    g_cbtError = code;
}

void StartOp(const char* operation)
{
    g_cbtError = 0;
    g_cbtPlace = 0;
    g_cbtOperation = operation;
}

} // namespace BtImpl

int CbtError()
{
    return g_cbtError;
}

int CbtErrorPlace()
{
    return g_cbtPlace;
}

const char* CbtErrorOperation()
{
    return g_cbtOperation;
}

void CbtSetError(int code)
{
    g_cbtError = code;
}

const char* BtErrorText(int code)
{
    if (code < 0 || code >= static_cast<int>(sizeof kTexts / sizeof kTexts[0]))
        return "Unknown cbt error number";
    return kTexts[code];
}

} // namespace Kyvant
