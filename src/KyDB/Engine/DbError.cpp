// Message of the database exception, built from the engine's current error.
#include "KyDB/Engine/DbError.h"

#include "KyDB/Engine/BTree.h"
#include "KyDB/Engine/Isam.h"
#include "KyDB/Engine/IsamInternal.h"

namespace Kyvant {
namespace KyIsam {

namespace {

std::string EngineText()
{
    int error = IsamError();
    return error == kIsamCbt ? BtErrorText(CbtError()) : IsamErrorText(error);
}

std::string Message(const std::string& name, const std::string& operation)
{
    return "Database error: \"" + name + "\"; " + operation + "; " + EngineText();
}

// The record file's name without touching the engine's error state.
std::string NameOf(IsamDatabase* db)
{
    return IsamImpl::FindDatabase(db) ? db->dbName : std::string("<Unknown DB>");
}

} // namespace

DbError::DbError(IsamDatabase* db, const std::string& operation)
    : std::runtime_error(Message(NameOf(db), operation))
{
}

DbError::DbError(const std::string& fileName, const std::string& operation)
    : std::runtime_error(Message(fileName, operation))
{
}

DbError::DbError(const DbError& other) = default;
DbError& DbError::operator=(const DbError& other) = default;
DbError::~DbError() = default;

} // namespace KyIsam
} // namespace Kyvant
