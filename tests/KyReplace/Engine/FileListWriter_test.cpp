// The file-list stream's bytes, item by item.
#include "KyReplace/Console/Engine/FileListWriter.h"
#include "KyStd/Processes/Pipe.h"
#include "KyStd/Processes/PipeIO.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

using Kyvant::FileListWriter;

namespace {

std::string Int(int v)
{
    const unsigned u = static_cast<unsigned>(v);
    return std::string{static_cast<char>(u), static_cast<char>(u >> 8), static_cast<char>(u >> 16),
                       static_cast<char>(u >> 24)};
}

} // namespace

TEST(FileListWriter, ItemsAsTheEngineReadsThem)
{
    struct Case {
        const char* label;
        std::function<void(FileListWriter&)> write;
        std::string bytes;
    } const cases[] = {
        {"wait flags", [](FileListWriter& w) { w.WaitFlag(false), w.WaitFlag(true); },
         Int(0) + Int(1)},
        {"file record", [](FileListWriter& w) { w.FileRecord("C:\\a.txt", true); },
         Int(1) + Int(8) + "C:\\a.txt" + Int(1)},
        {"text file", [](FileListWriter& w) { w.FileRecord("<STDIN>", false); },
         Int(1) + Int(7) + "<STDIN>" + Int(0)},
        {"temporary name", [](FileListWriter& w) { w.TempName("C:\\kyf1.tmp"); },
         Int(11) + "C:\\kyf1.tmp"},
        {"failed record", [](FileListWriter& w) { w.FailedRecord("x"); },
         Int(-1) + Int(1) + "x" + Int(1)},
        {"end of list", [](FileListWriter& w) { w.EndOfList(); }, Int(0) + Int(-1) + Int(0)},
        {"short end", [](FileListWriter& w) { w.ShortEndOfList(); }, Int(-1) + Int(0)},
        {"heartbeat", [](FileListWriter& w) { w.HeartbeatStart(), w.HeartbeatEnd(); },
         Int(1) + Int(0)},
    };
    for (const Case& c : cases) {
        Kyvant::CRT::Pipe pipe(Kyvant::CRT::Pipe::NoneInheritable, true, 65536);
        FileListWriter writer(pipe.GetFd(Kyvant::CRT::Pipe::WriteEnd));
        c.write(writer);
        pipe.CloseImp(Kyvant::CRT::Pipe::WriteEnd);
        std::string got(c.bytes.size() + 16, '\0');
        const int n = Kyvant::CRT::ReadPipe(std::nothrow, pipe.GetFd(Kyvant::CRT::Pipe::ReadEnd),
                                            &got[0], static_cast<unsigned>(got.size()));
        got.resize(n < 0 ? 0 : static_cast<std::size_t>(n));
        EXPECT_EQ(c.bytes, got) << c.label;
    }
}
