// The export file of named items: a header line, then a name line and a
// contents line per item, every byte outside printable ASCII written as a
// backslash, 'x' and two hexadecimal digits and a backslash doubled.
#pragma once

#include "KyGuiTool/KyGuiToolExport.h"
#include "KyStd/Files/FileName.h"
#include "KyStd/Strings/String.h"

#include <cstdio>

namespace Kyvant {
namespace ky_StorageMapSupport {

// One text file opened in the C library's text mode. A file for writing is
// written under a temporary name beside the chosen one, which Close replaces
// in one step; until then the chosen file stays as it was, and a write that
// does not reach Close leaves nothing behind.
class KYGUITOOL_API FileBase {
public:
    ~FileBase();
    FileBase(const FileBase&) = delete;
    FileBase& operator=(const FileBase&) = delete;

    // Ends the file; a write file then takes the chosen name. Failures throw
    // rtl_error (closing) or os_error (replacing), the temporary file removed.
    void Close();
    // The line and one '\n'; a failure throws rtl_error.
    void Write(const ky_BSB<char>& line);
    // The next line without its line end ('\n', or "\r\n"); false at the end
    // of the file (a Ctrl-Z as its last byte is no line). A line holding any
    // other byte below 0x20 throws the invalid-file text with its line
    // number (counted from 1); a read error throws rtl_error.
    bool Read(ky_BSB<char>& line);

    // The chosen file.
    const ky_F& Path() const { return m_path; }

protected:
    // Opens the path for reading ("rb"), or a new temporary file beside it for
    // writing ("wt"); failures throw rtl_error or os_error.
    FileBase(const ky_F& path, bool write);

private:
    void Discard();

    std::FILE* m_file;
    ky_F m_path;
    bool m_write;
    ky_F m_temporary;
    unsigned m_lineNumber;
};

class KYGUITOOL_API Exporter : public FileBase {
public:
    explicit Exporter(const ky_F& path);

    // The text as one line: bytes below 0x20 and from 0x80 up as "\x" and two
    // lower-case hexadecimal digits, a backslash doubled, others as they are.
    static ky_S ExportToText(const ky_BSB<char>& text);
};

class KYGUITOOL_API Importer : public FileBase {
public:
    // The refusal of a file that is no export file of the database.
    static const char kInvalidFile[];

    explicit Importer(const ky_F& path);

    // The escapes undone: "\x" and two hexadecimal digits give that byte (a
    // 0 included), a backslash before any other character gives that
    // character. Throws "Dangling escape character", "Truncated escape
    // sequence", or rtl_error (EINVAL) for digits that are not hexadecimal.
    static ky_S ImportFromText(const ky_BSB<char>& text);
};

} // namespace ky_StorageMapSupport
} // namespace Kyvant
