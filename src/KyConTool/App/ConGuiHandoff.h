// The shared records of the console-GUI hand-off: the 64 KB hand-off block
// that the front-end fills with the command line, the 4 KB progress block and
// the window messages of the progress channel. Kernel-object names are given
// without the protocol prefix that goes in front of each.
#pragma once

#include "KyConTool/KyConToolExport.h"

#include <windows.h>

#include <cstddef>
#include <vector>

namespace Kyvant {

// Named file mapping, created by the console tool, written by the front-end.
// Its words are little-endian 32-bit numbers on both widths; the handles in
// them are handle words (KyStd/Core/HandleWords.h).
struct ToolHandoffBlock {
    static constexpr unsigned kSize = 0x10000;
    static constexpr const char* kName = "KyvantSharedData";
    // Manual-reset event the front-end sets once it has written the block.
    static constexpr const char* kDoneEventName = "Kyvant_GuiApp_Done_Event";
    static constexpr DWORD kAccess = 0xF001F; // FILE_MAP_ALL_ACCESS

    DWORD runFlag;         // 1 run the tool, 0 cancelled
    DWORD progressWindow;  // HWND of the front-end's progress window
    DWORD argc;            // argument count, argument 0 included
    DWORD guiProcess;      // the front-end's process handle, valid in the console
    char args[kSize - 16]; // NUL-terminated arguments, then one more NUL
};
static_assert(sizeof(ToolHandoffBlock) == ToolHandoffBlock::kSize, "hand-off block layout");
static_assert(offsetof(ToolHandoffBlock, progressWindow) == 4 &&
                  offsetof(ToolHandoffBlock, argc) == 8 &&
                  offsetof(ToolHandoffBlock, guiProcess) == 12 &&
                  offsetof(ToolHandoffBlock, args) == 16,
              "hand-off block words");

// The front-end's progress window and process, as the header words of a
// hand-off block hold them.
struct HandoffPeers {
    HWND progressWindow;
    HANDLE guiProcess;
};

// Reads them from a block of at least 16 bytes, widened as the system widens
// a 32-bit process's handles.
KYCONTOOL_API HandoffPeers ReadHandoffPeers(const void* block);
// Writes them as handle words, touching no other byte.
KYCONTOOL_API void WriteHandoffPeers(void* block, const HandoffPeers& peers);

// Named file mapping, created by the front-end, written by the console tool
// before each message: one NUL-terminated text, or a text and a caption.
struct GuiProgressBlock {
    static constexpr unsigned kSize = 4096;
    static constexpr const char* kName = "Kyvant_GuiProgress_ShMem";

    char text[kSize];
};

namespace GuiProgress {

// Messages sent to the front-end's progress window.
constexpr UINT kInit = WM_APP + 0xC8;        // wParam: GUI flag; text: display name
constexpr UINT kStartFile = WM_APP + 0xC9;   // text: file path
constexpr UINT kQuery = WM_APP + 0xCA;       // wParam: QueryType; text: path
constexpr UINT kDone = WM_APP + 0xCB;        // posted at exit, no text
constexpr UINT kMessageBox = WM_APP + 0xCC;  // wParam: box style; text, caption
constexpr UINT kStartFolder = WM_APP + 0xCD; // text: folder path
constexpr UINT kSummary = WM_APP + 0xCE;     // wParam 0x30; text, caption

// What a query asks; lParam carries the matched attribute bits (0), errno
// (3) or the Win32 error code (4).
enum QueryType {
    kAttributes = 0,
    kBinaryFile = 1,
    kNotFileOrFolder = 2,
    kRuntimeError = 3,
    kSystemError = 4,
};

// The front-end's answer to a query.
enum QueryResult {
    kCancel = 0,
    kSkip = 1,
    kProcess = 2,
};

// Writes text (and, when caption is not NULL, the caption behind it) into a
// progress block of size bytes, each with its NUL. Texts that do not fit are
// cut: a lone text to size - 1 bytes; of a pair the text first, the caption
// only when it would take more than half of the block. Returns the bytes
// written.
KYCONTOOL_API unsigned WritePayload(char* block, unsigned size, const char* text,
                                    const char* caption);

} // namespace GuiProgress

// The argument vector that a front-end handed back in a hand-off block,
// copied out of the block so the block cannot change it afterwards.
class KYCONTOOL_API HandoffArgs {
public:
    enum Status {
        kOk,
        kTooManyStrings, // more strings than argc + 1
        kCountMismatch,  // a string count other than argc (or argc < 1)
    };

    // Reads argc and the strings of a block of size bytes; only bytes inside
    // the block are looked at. Argument 0 becomes programName.
    Status Read(const void* block, unsigned size, const char* programName);

    int argc() const { return static_cast<int>(argv_.size()) - 1; }
    // NULL-terminated; the tool's parser may reorder it.
    char** argv() { return argv_.data(); }

private:
    std::vector<char> text_;
    std::vector<char*> argv_;
};

} // namespace Kyvant
