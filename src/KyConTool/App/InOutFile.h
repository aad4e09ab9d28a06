// Files of the console tools. InFile opens one input file: existence,
// protected attributes and binary content are checked through the
// application object's Gui* operations (asked in GUI mode, warned about and
// skipped in console mode). OutFile writes into a temporary file that
// replaces the target only on Close. Both take "<STDIN>" / "<STDOUT>" for the
// standard streams. C runtime failures go to KyConApp::GuiQueryError, which
// skips the file or ends the run.
#pragma once

#include "KyConTool/App/KyConApp.h"
#include "KyConTool/KyConToolExport.h"
#include "KyStd/Files/FileName.h"

#include <windows.h>

#include <memory>

namespace Kyvant {

class KYCONTOOL_API InFile {
public:
    enum Flags : unsigned {
        kText = 0x01,               // text mode; otherwise binary mode
        kRelaxed = 0x02,            // accept binary files, clear read-only silently
        kNoFirstRead = 0x04,        // no first read, so no binary test
        kNoFirstReadOfStdin = 0x08, // the same for standard input only
        kNoBinaryTest = 0x10,       // first read without the binary test
        kNoChecks = 0x20,           // no existence check, no attribute handling
        kHiddenSystemOnly = 0x40,   // check hidden and system; otherwise read-only too
    };
    static constexpr unsigned kBufferSize = 16384;

    InFile(const ky_F& file, unsigned flags);
    ~InFile();
    InFile(const InFile&) = delete;
    InFile& operator=(const InFile&) = delete;

    // Reads the next block into the buffer; false at the end of the file.
    bool Read();
    // Back to the first byte; standard input cannot be rewound.
    void Rewind();
    const char* BufferBegin() const;
    const char* BufferEnd() const;
    // Whether the first block held a NUL byte; throws when no first block
    // was tested.
    bool IsBinary() const;
    void Close();

private:
    class Stream;

    std::unique_ptr<KyConApp::GuiAttribHandler> attribHandler_;
    std::unique_ptr<Stream> stream_;
    bool isStdin_;
    int binary_; // -1 not determined, 0 text, 1 binary
};

class KYCONTOOL_API OutFile {
public:
    enum Flags : unsigned {
        kTempInTempFolder = 0x01, // temporary file in the system's temporary folder
        kText = 0x02,             // text mode; otherwise binary mode
    };
    static constexpr unsigned kBufferSize = 16384;

    // The target must exist (os_error otherwise); its hidden and system
    // bits are put back after the replacement.
    OutFile(const ky_F& file, unsigned flags);
    // Discards whatever was not closed: the target stays as it was.
    ~OutFile();
    OutFile(const OutFile&) = delete;
    OutFile& operator=(const OutFile&) = delete;

    void Write(const void* data, unsigned size);
    void Flush();
    // Puts the written file in place of the target in one step. When that
    // fails the target is untouched and the new file is kept under its
    // temporary name, which the error names.
    void Close();
    // Ends writing without replacing the target. discard: drop the
    // temporary file now; otherwise flush and close it (it goes with the
    // object).
    void Cancel(bool discard);
    // Exchanges the written temporary files of two objects; the targets stay.
    void SwapTempFile(OutFile& other);
    bool IsStdout() const;

private:
    void CloseDescriptor();
    void Replace();

    std::unique_ptr<char[]> buffer_;
    char* end_;
    char* fill_;
    bool closed_;
    ky_F target_;
    ky_F temp_;
    DWORD savedAttributes_;
    int fd_;
};

} // namespace Kyvant
