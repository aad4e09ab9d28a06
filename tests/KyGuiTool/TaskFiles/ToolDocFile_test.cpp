// Tests of the task-file record stream: records written and read back byte
// for byte, the end of the stream, and damaged streams.
#include "KyGuiTool/TaskFiles/ToolDocFile.h"

#include "KyStd/Core/Errors.h"
#include "TaskFiles/ScratchFolder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

using Kyvant::ToolDoc::File;
using Kyvant::ToolDoc::RecHeader;

std::string LittleEndian(std::uint32_t value, int bytes)
{
    std::string out;
    for (int i = 0; i < bytes; ++i)
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
    return out;
}

std::string Record(int type, const std::string& payload)
{
    return LittleEndian(static_cast<std::uint32_t>(type), 2) +
           LittleEndian(static_cast<std::uint32_t>(payload.size()), 4) + payload;
}

struct Rec {
    int type;
    std::string payload;
};

const std::string kGuid = "{5E1D0A01-0000-4000-8000-00000000000A}";

std::vector<Rec> SampleRecords()
{
    const std::string header = LittleEndian(Kyvant::ToolDoc::kTaskFileMagic, 4) +
                               LittleEndian(0, 4) + LittleEndian(Kyvant::ToolDoc::AllSettings, 4);
    return {{Kyvant::ToolDoc::HeaderRecord, header},
            {Kyvant::ToolDoc::ConsoleProgramRecord, "C:\\Tools\\KyFind.exe"},
            {100, kGuid},
            {4007, std::string("a\0b\xff", 4)},
            {0xFFFF, "top type"},
            {Kyvant::ToolDoc::EndRecord, ""}};
}

TEST(ToolDocFile, RecordsRoundTripByteForByte)
{
    tasktest::ScratchFolder folder;
    const std::string path = folder["task.kyfnd"];
    std::string expected;
    {
        File file(Kyvant::ky_F(path.c_str()), File::kSaveMode);
        for (const Rec& r : SampleRecords()) {
            if (r.type == 4 || r.type == 100)
                file.Write(r.type, Kyvant::ky_S(r.payload.c_str()));
            else
                file.Write(r.type, r.payload.data(), static_cast<unsigned>(r.payload.size()));
            expected += Record(r.type, r.payload);
        }
        file.Close();
    }
    EXPECT_EQ(expected, kytest::ReadFile(path));

    File file(Kyvant::ky_F(path.c_str()), File::kLoadMode);
    for (const Rec& r : SampleRecords()) {
        SCOPED_TRACE(r.type);
        RecHeader header = {};
        const char* payload = file.Read(header);
        ASSERT_NE(nullptr, payload) << "an empty payload still gives a buffer";
        EXPECT_EQ(r.type, header.type);
        EXPECT_EQ(std::string(payload, header.length), r.payload);
    }
    RecHeader header = {};
    EXPECT_EQ(nullptr, file.Read(header)) << "the end of the stream";
}

struct DamagedCase {
    const char* what;
    std::string tail;
};

TEST(ToolDocFile, DamagedStreamsRaiseOsErrorAfterTheGoodRecords)
{
    const std::string good = Record(4000, "good");
    const DamagedCase cases[] = {
        {"1 header byte", std::string("\x01", 1)},
        {"3 header bytes", std::string("\x01\x00\x05", 3)},
        {"5 header bytes", std::string("\x01\x00\x05\x00\x00", 5)},
        {"short payload", Record(4001, "0123456789").substr(0, 6 + 4)},
        {"length past the end", LittleEndian(4002, 2) + LittleEndian(0xFFFFFFF0u, 4) + "abc"},
    };
    for (const DamagedCase& c : cases) {
        SCOPED_TRACE(c.what);
        auto* memory = new CMemFile;
        const std::string bytes = good + c.tail;
        memory->Write(bytes.data(), static_cast<UINT>(bytes.size()));
        memory->SeekToBegin();
        File file(memory);
        RecHeader header = {};
        const char* payload = file.Read(header);
        ASSERT_NE(nullptr, payload);
        EXPECT_EQ("good", std::string(payload, header.length));
        EXPECT_THROW(file.Read(header), Kyvant::os_error);
    }
}

} // namespace
