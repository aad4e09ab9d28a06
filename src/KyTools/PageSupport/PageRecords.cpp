// The tool pages' fixed-size task-file records.
#include "KyTools/PageSupport/PageRecords.h"

namespace Kyvant {
namespace PageRecords {

namespace {

const unsigned kByteBits = 8;

} // namespace

std::uint32_t GetLittleEndian(const unsigned char* bytes, unsigned count)
{
    std::uint32_t value = 0;
    for (unsigned i = 0; i < count; ++i)
        value |= static_cast<std::uint32_t>(bytes[i]) << (kByteBits * i);
    return value;
}

void PutLittleEndian(unsigned char* bytes, std::uint32_t value, unsigned count)
{
    for (unsigned i = 0; i < count; ++i)
        bytes[i] = static_cast<unsigned char>(value >> (kByteBits * i));
}

bool ReadInt(const ToolDoc::RecHeader& header, const void* payload, int& value)
{
    if (payload == nullptr || header.length < kIntSize)
        return false;
    value = static_cast<int>(GetLittleEndian(static_cast<const unsigned char*>(payload), kIntSize));
    return true;
}

bool ReadFlag(const ToolDoc::RecHeader& header, const void* payload, int& flag)
{
    if (payload == nullptr || header.length < kFlagSize)
        return false;
    flag = *static_cast<const unsigned char*>(payload) != 0 ? 1 : 0;
    return true;
}

void WriteInt(ToolDoc::File& file, int type, int value)
{
    unsigned char bytes[kIntSize];
    PutLittleEndian(bytes, static_cast<std::uint32_t>(value), kIntSize);
    file.Write(type, bytes, kIntSize);
}

void WriteFlag(ToolDoc::File& file, int type, int flag)
{
    const unsigned char byte = flag != 0 ? 1 : 0;
    file.Write(type, &byte, kFlagSize);
}

} // namespace PageRecords
} // namespace Kyvant
