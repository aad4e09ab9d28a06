// In-memory state of the record layer: open databases with their field
// dictionary and indexes, and the helpers its source files share.
#pragma once

#include "KyDB/Engine/BTree.h"
#include "KyDB/Engine/FileAccess.h"
#include "KyDB/Engine/Isam.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace Kyvant {

enum FieldType {
    kFieldString = 0,     // NUL-terminated, compared without regard to case
    kFieldStringCase = 1, // NUL-terminated, compared case-sensitively
    kFieldInt16 = 2,
    kFieldUInt16 = 3,
    kFieldInt32 = 4,
    kFieldFloat = 5,
    kFieldDouble = 6,
    kFieldBinary = 7,
};

struct FieldDef {
    std::string spec; // the whole specification names the field
    int type = kFieldString;
    std::uint32_t size = 0;    // bytes of a fixed-size value (0 for strings)
    std::uint32_t minSize = 1; // towards the minimum record length
};

struct KeyPart {
    int field = 0;
    std::uint32_t start = 0;
    std::uint32_t length = 0;
    bool hasLength = false;
};

struct IsamIndex {
    IsamDatabase* db = nullptr;
    int number = 0; // 0 = "Physical Index"
    std::string name;
    bool unique = false;
    std::vector<KeyPart> parts;
    std::int32_t defItem = 0; // item of the definition key
    BTreeHandle* bt = nullptr;
    int state = -2;               // 1 on a record, -2 before the first, -3 past the end
    std::int32_t pos = 0;         // current record while state is 1
    std::uint32_t generation = 0; // database generation when pos was taken
    bool deleted = false;         // physical index: the current record was deleted
};

constexpr int kMaxIndexNumber = 253; // 254 and 255 begin the free-space keys
constexpr std::uint8_t kFreeByPosition = 0xFE;
constexpr std::uint8_t kFreeByLength = 0xFF;
constexpr std::uint32_t kMaxRecordLength = 0x7FFF;

struct IsamDatabase {
    std::string dbName;
    std::string idxName;
    FileHandle fh = kNoFile;
    std::vector<FieldDef> fields;
    std::int32_t dataStart = 0;
    std::uint32_t minRecord = 0;
    bool shared = false;
    bool readOnly = false;
    bool lockShared = false; // explicit IsamLock kinds held
    bool lockExclusive = false;
    BTreeHandle* keyBt = nullptr;  // definitions and lookups
    BTreeHandle* freeBt = nullptr; // free-space keys
    bool indexFileOpen = false;
    std::vector<std::unique_ptr<IsamIndex>> indexes; // [0] is "Physical Index"
    IsamIndex* byNumber[256] = {};
    std::int32_t walkLock = -1;              // record locked by the physical walk
    std::vector<std::int32_t> lockedRecords; // every record lock held
    std::uint32_t generation = 1;            // bumped by every change made here
};

namespace IsamImpl {

// Records the operation's first failure; returns -1.
int Fail(int code);

// Clears the error at the start of a public operation and, at its end, puts
// back the B-tree error a failure with 9 was reported with.
class OpGuard {
public:
    OpGuard();
    ~OpGuard();
    OpGuard(const OpGuard&) = delete;
    OpGuard& operator=(const OpGuard&) = delete;
};

// The comparison function given to the B-tree layer; `context` is the database.
int CompareKeys(const std::uint8_t* a, std::uint32_t al, const std::uint8_t* b, std::uint32_t bl,
                void* context);

// Process-wide state of the layer.
std::vector<IsamDatabase*>& OpenDatabases();
IsamDatabase* FindDatabase(IsamDatabase* db);              // null when not open
IsamDatabase* CheckDatabase(IsamDatabase* db);             // null and error 1 when not open
IsamIndex* CheckIndex(IsamDatabase* db, IsamIndex* index); // null and error 2 when not its index
bool Initialised();
std::uint32_t KeyBufferSize(); // the engine's record buffer: the pool's block size

bool SameText(const std::string& a, const std::string& b); // ignoring ASCII case

} // namespace IsamImpl
} // namespace Kyvant
