// The ten-byte state of one Touch time stamp: bytes, packed date and time.
#include "KyTools/Touch/TouchStateRecord.h"

#include "KyTools/PageSupport/PageRecords.h"

namespace Kyvant {

namespace {

const unsigned kApplyOffset = 0;
const unsigned kNowOffset = 1;
const unsigned kDateOffset = 2;
const unsigned kTimeOffset = 6;
const unsigned kFieldSize = 4;
const unsigned kHighShift = 16;
const unsigned kMiddleShift = 8;
const std::uint32_t kByteMask = 0xFF;
const std::uint32_t kWordMask = 0xFFFF;

std::uint32_t Pack(unsigned high, unsigned middle, unsigned low)
{
    return static_cast<std::uint32_t>(high) << kHighShift |
           static_cast<std::uint32_t>(middle) << kMiddleShift | low;
}

} // namespace

TouchStateRecord TouchStateRecord::FromBytes(const void* payload, unsigned length)
{
    TouchStateRecord record;
    const unsigned char* bytes = static_cast<const unsigned char*>(payload);
    if (bytes == nullptr)
        return record;
    if (length > kApplyOffset)
        record.apply = bytes[kApplyOffset] != 0;
    if (length > kNowOffset)
        record.now = bytes[kNowOffset] != 0;
    if (length >= kDateOffset + kFieldSize)
        record.date = PageRecords::GetLittleEndian(bytes + kDateOffset, kFieldSize);
    if (length >= kTimeOffset + kFieldSize)
        record.time = PageRecords::GetLittleEndian(bytes + kTimeOffset, kFieldSize);
    return record;
}

TouchStateRecord::Bytes TouchStateRecord::ToBytes() const
{
    Bytes bytes{};
    bytes[kApplyOffset] = apply ? 1 : 0;
    bytes[kNowOffset] = now ? 1 : 0;
    PageRecords::PutLittleEndian(bytes.data() + kDateOffset, date, kFieldSize);
    PageRecords::PutLittleEndian(bytes.data() + kTimeOffset, time, kFieldSize);
    return bytes;
}

TouchStateRecord TouchStateRecord::Given(bool apply, const SYSTEMTIME& when)
{
    TouchStateRecord record;
    record.apply = apply;
    record.now = false;
    record.date = Pack(when.wYear, when.wMonth, when.wDay);
    record.time = Pack(when.wHour, when.wMinute, when.wSecond);
    return record;
}

TouchStateRecord TouchStateRecord::Now(bool apply)
{
    TouchStateRecord record;
    record.apply = apply;
    return record;
}

bool TouchStateRecord::GetTime(SYSTEMTIME& when) const
{
    if (date == kAbsent || time == kAbsent)
        return false;
    SYSTEMTIME unpacked = {};
    unpacked.wYear = static_cast<WORD>(date >> kHighShift & kWordMask);
    unpacked.wMonth = static_cast<WORD>(date >> kMiddleShift & kByteMask);
    unpacked.wDay = static_cast<WORD>(date & kByteMask);
    unpacked.wHour = static_cast<WORD>(time >> kHighShift & kWordMask);
    unpacked.wMinute = static_cast<WORD>(time >> kMiddleShift & kByteMask);
    unpacked.wSecond = static_cast<WORD>(time & kByteMask);
    // The conversion both checks the fields and finds the day of the week.
    FILETIME checked;
    if (!::SystemTimeToFileTime(&unpacked, &checked) || !::FileTimeToSystemTime(&checked, &when))
        return false;
    return true;
}

} // namespace Kyvant
