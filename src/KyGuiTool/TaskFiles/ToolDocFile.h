// Kyvant::ToolDoc::File: the task-file record stream over an owned file:
// records written and read one at a time, payloads in a buffer of its own.
#pragma once

#include "KyGuiTool/KyGuiToolExport.h"
#include "KyGuiTool/TaskFiles/ToolDocRecords.h"
#include "KyStd/Files/FileName.h"
#include "KyStd/Strings/String.h"

#include <afx.h>

#include <memory>
#include <vector>

namespace Kyvant {
namespace ToolDoc {

class KYGUITOOL_API File {
public:
    using OpenMode = unsigned;
    // Binary, create, write, exclusive, not inherited: written through a MirrorFile.
    static const OpenMode kSaveMode = 0x9091;
    // Binary, read, deny write, not inherited.
    static const OpenMode kLoadMode = 0x80A0;

    // Takes the file over.
    explicit File(CFile* file);
    // The save mode opens a MirrorFile, any other a CStdioFile; failures
    // raise their exceptions.
    File(const ky_F& path, OpenMode mode);
    // Aborts a file that was not closed: an unfinished save leaves the target
    // as it was.
    ~File();
    File(const File&) = delete;
    File& operator=(const File&) = delete;

    // The header, then the payload when there is one.
    void Write(int type, const void* data, unsigned length);
    // A string record: the characters without terminator.
    void Write(int type, const ky_BSB<char>& text);
    // The next record's payload (a buffer of the stream's, valid until the
    // next read, with a NUL after the payload); null at the end of the file.
    // A partial header and a payload longer than the rest of the file raise
    // os_error.
    char* Read(RecHeader& header);

    // Finishes the file (a MirrorFile replaces its target here).
    void Close();
    void Abort();
    CFile& GetFile() const { return *m_file; }

private:
    unsigned ReadFully(void* data, unsigned count);

    std::unique_ptr<CFile> m_file;
    std::vector<char> m_buffer;
    bool m_open;
};

} // namespace ToolDoc
} // namespace Kyvant
