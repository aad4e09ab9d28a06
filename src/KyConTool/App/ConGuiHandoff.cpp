// The hand-off records: a progress payload written into its block, the command line read back.
#include "KyConTool/App/ConGuiHandoff.h"

#include "KyStd/Core/HandleWords.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

namespace Kyvant {

namespace {

DWORD ReadWord(const void* block, size_t offset)
{
    DWORD value;
    std::memcpy(&value, static_cast<const char*>(block) + offset, sizeof value);
    return value;
}

void WriteWord(void* block, size_t offset, DWORD value)
{
    std::memcpy(static_cast<char*>(block) + offset, &value, sizeof value);
}

} // namespace

HandoffPeers ReadHandoffPeers(const void* block)
{
    return {WordToWindow(ReadWord(block, offsetof(ToolHandoffBlock, progressWindow))),
            WordToHandle(ReadWord(block, offsetof(ToolHandoffBlock, guiProcess)))};
}

void WriteHandoffPeers(void* block, const HandoffPeers& peers)
{
    WriteWord(block, offsetof(ToolHandoffBlock, progressWindow),
              WindowToWord(peers.progressWindow));
    WriteWord(block, offsetof(ToolHandoffBlock, guiProcess), HandleToWord(peers.guiProcess));
}

unsigned GuiProgress::WritePayload(char* block, unsigned size, const char* text,
                                   const char* caption)
{
    if (!block || size == 0)
        return 0;
    if (!text)
        text = "";
    size_t textLen = std::strlen(text);
    if (!caption) {
        textLen = std::min<size_t>(textLen, size - 1);
        std::memcpy(block, text, textLen);
        block[textLen] = '\0';
        return static_cast<unsigned>(textLen + 1);
    }
    if (size < 2)
        return 0;
    const size_t room = size - 2; // both texts without their NULs
    size_t captionLen = std::strlen(caption);
    if (textLen + captionLen > room) {
        // The text gives way first; a caption longer than half the block is
        // cut as far as needed, so neither length can go negative.
        captionLen = std::min(captionLen, std::max(room / 2, room - std::min(textLen, room)));
        textLen = std::min(textLen, room - captionLen);
    }
    std::memcpy(block, text, textLen);
    block[textLen] = '\0';
    std::memcpy(block + textLen + 1, caption, captionLen);
    block[textLen + 1 + captionLen] = '\0';
    return static_cast<unsigned>(textLen + captionLen + 2);
}

HandoffArgs::Status HandoffArgs::Read(const void* block, unsigned size, const char* programName)
{
    text_.clear();
    argv_.clear();
    if (!block || size < 16)
        return kCountMismatch;
    const char* base = static_cast<const char*>(block);
    DWORD rawArgc;
    std::memcpy(&rawArgc, base + 8, sizeof rawArgc);
    // Signed as the tool sees it; compared in 64 bits so argc + 1 cannot wrap.
    const long long argc = static_cast<int>(rawArgc);

    // Count the strings first, never looking past the block's end. A last
    // string cut off by the end of the block counts, and is a discrepancy.
    const char* p = base + 16;
    const char* const end = base + size;
    long long count = 0;
    bool cutOff = false;
    while (p < end && *p != '\0') {
        const char* nul = static_cast<const char*>(std::memchr(p, '\0', end - p));
        ++count;
        cutOff = nul == nullptr;
        p = nul ? nul + 1 : end;
    }
    if (count > argc + 1)
        return kTooManyStrings;
    if (count != argc || argc < 1 || cutOff)
        return kCountMismatch;

    // Argument 0 is replaced by the program name; copy the others.
    if (!programName)
        programName = "";
    const size_t nameLen = std::strlen(programName) + 1;
    const size_t argsLen = static_cast<size_t>(p - (base + 16));
    const char* first = static_cast<const char*>(std::memchr(base + 16, '\0', argsLen)) + 1;
    const size_t restLen = static_cast<size_t>(p - first);
    text_.resize(nameLen + restLen);
    std::memcpy(text_.data(), programName, nameLen);
    std::memcpy(text_.data() + nameLen, first, restLen);

    argv_.reserve(static_cast<size_t>(argc) + 1);
    for (size_t at = 0; at < text_.size(); at += std::strlen(&text_[at]) + 1)
        argv_.push_back(&text_[at]);
    argv_.push_back(nullptr);
    return kOk;
}

} // namespace Kyvant
