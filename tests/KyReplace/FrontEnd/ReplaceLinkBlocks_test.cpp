// The link blocks' named words lie where the front-end looks for them: the
// layout word by word, and words written through the named types read back
// by offset through a second view of the same mapping, and the other way.
#include "KyReplace/Console/FrontEnd/ReplaceLinkBlocks.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <string>

using namespace Kyvant;

namespace {

// Two views of one 64-byte mapping: one through a block type, one raw, as
// the other program sees it.
class TwoViews {
public:
    explicit TwoViews(const std::string& name)
    {
        mapping_ = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                      kReplaceBlockSize, name.c_str());
        other_ = OpenFileMappingA(FILE_MAP_ALL_ACCESS, FALSE, name.c_str());
        typed_ = MapViewOfFile(mapping_, FILE_MAP_ALL_ACCESS, 0, 0, 0);
        raw_ = static_cast<unsigned char*>(MapViewOfFile(other_, FILE_MAP_ALL_ACCESS, 0, 0, 0));
    }
    ~TwoViews()
    {
        UnmapViewOfFile(typed_);
        UnmapViewOfFile(raw_);
        CloseHandle(other_);
        CloseHandle(mapping_);
    }
    TwoViews(const TwoViews&) = delete;
    TwoViews& operator=(const TwoViews&) = delete;

    bool Ok() const { return typed_ && raw_; }
    template <class Block>
    Block& As() const
    {
        return *static_cast<Block*>(typed_);
    }
    DWORD Word(unsigned index) const
    {
        DWORD value;
        std::memcpy(&value, raw_ + 4 * index, sizeof value);
        return value;
    }
    void SetWord(unsigned index, DWORD value)
    {
        std::memcpy(raw_ + 4 * index, &value, sizeof value);
    }

private:
    HANDLE mapping_ = nullptr, other_ = nullptr;
    void* typed_ = nullptr;
    unsigned char* raw_ = nullptr;
};

std::string UniqueName(const char* what)
{
    return std::string("KyRepTest_") + std::to_string(GetCurrentProcessId()) + "_" + what;
}

} // namespace

TEST(ReplaceLinkBlocks, WordsLieAtTheirOffsets)
{
    struct Word {
        const char* name;
        std::size_t offset, expected;
    } const words[] = {
        {"tool packetPipeRead", offsetof(ReplaceToolBlock, packetPipeRead), 0},
        {"tool viewWindow", offsetof(ReplaceToolBlock, viewWindow), 0},
        {"tool replacementCount", offsetof(ReplaceToolBlock, replacementCount), 0},
        {"tool replyPipeWrite", offsetof(ReplaceToolBlock, replyPipeWrite), 4},
        {"tool logPipeRead", offsetof(ReplaceToolBlock, logPipeRead), 8},
        {"tool size", sizeof(ReplaceToolBlock), 64},
        {"front-end viewWindow", offsetof(ReplaceFrontEndBlock, viewWindow), 0},
        {"front-end dialogFailed", offsetof(ReplaceFrontEndBlock, dialogFailed), 4},
        {"front-end size", sizeof(ReplaceFrontEndBlock), 64},
    };
    for (const Word& w : words)
        EXPECT_EQ(w.expected, w.offset) << w.name;
    EXPECT_STREQ("Kyvant_KyReplace_KyReplaceG_SharedMemory", kReplaceToolBlockName);
    EXPECT_STREQ("Kyvant_KyReplaceG_KyReplace_ShMem", kReplaceFrontEndBlockName);
}

TEST(ReplaceLinkBlocks, ToolBlockRoundTripThroughTheMapping)
{
    TwoViews views(UniqueName(kReplaceToolBlockName));
    ASSERT_TRUE(views.Ok());
    ReplaceToolBlock& block = views.As<ReplaceToolBlock>();
    WriteBlockWord(block.packetPipeRead, 0x111);
    WriteBlockWord(block.replyPipeWrite, 0x222);
    WriteBlockWord(block.logPipeRead, 0x333);
    EXPECT_EQ(0x111u, views.Word(0));
    EXPECT_EQ(0x222u, views.Word(1));
    EXPECT_EQ(0x333u, views.Word(2));

    views.SetWord(0, 0x10086); // the front-end's window
    EXPECT_EQ(reinterpret_cast<HWND>(0x10086),
              WindowFromBlockWord(ReadBlockWord(block.viewWindow)));
    views.SetWord(0, 7); // a finished file's count
    EXPECT_EQ(7u, ReadBlockWord(block.replacementCount));
}

TEST(ReplaceLinkBlocks, WindowWordsComeBackWithTheirSign)
{
    const HWND windows[] = {reinterpret_cast<HWND>(0x10086), HWND_TOPMOST, HWND_MESSAGE};
    for (HWND window : windows) {
        const DWORD word = static_cast<DWORD>(reinterpret_cast<UINT_PTR>(window));
        EXPECT_EQ(window, WindowFromBlockWord(word)) << word;
    }
}

TEST(ReplaceLinkBlocks, FrontEndBlockRoundTripThroughTheMapping)
{
    TwoViews views(UniqueName(kReplaceFrontEndBlockName));
    ASSERT_TRUE(views.Ok());
    const ReplaceFrontEndBlock& block = views.As<ReplaceFrontEndBlock>();
    views.SetWord(0, 0x20042);
    views.SetWord(1, 1);
    EXPECT_EQ(reinterpret_cast<HWND>(0x20042),
              WindowFromBlockWord(ReadBlockWord(block.viewWindow)));
    EXPECT_EQ(1u, ReadBlockWord(block.dialogFailed));
    WriteBlockWord(views.As<ReplaceFrontEndBlock>().dialogFailed, 0);
    EXPECT_EQ(0u, views.Word(1));
}
