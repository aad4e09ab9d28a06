// The results reader's parser of the Dir record stream. Each record starts
// with an id byte: 0 and the 40-byte details of the next name, 1 and a
// folder up to '\n', 2 and a name in the current folder up to '\n'. The
// stream is read in large chunks (a pipe read costs about the same whatever
// it moves); a record may cross chunks: the rest of a details record is
// read exactly, a text is collected over as many chunks as its '\n' needs
// (but no more than kMaxTextLength bytes). The items do not depend on the
// chunk size.
#pragma once

#include "FinderLink/Results/LineReader.h"
#include "KyConTool/Args/FileNameIterator.h"
#include "KyStd/Files/FileName.h"

#include <string>
#include <vector>

namespace Kyvant {
namespace DirResults {

using FileDetails = ky_filename_argv_iterator::FileDetails;

enum RecordId : unsigned char {
    kDetailsRecord = 0,
    kFolderRecord = 1,
    kNameRecord = 2,
};

// Where the listing's names go.
class ItemSink {
public:
    virtual ~ItemSink();
    // A name (not NUL-terminated) in the folder; details null when none came
    // with it. The texts live only for the call.
    virtual void OnItem(const ky_F& folder, const char* name, unsigned length,
                        const FileDetails* details) = 0;
};

class RecordReader {
public:
    // The size of each chunk read, and the least a reader may be given.
    static const unsigned kChunkSize = 65536;
    static const unsigned kLeastChunkSize = 1;
    static const unsigned kDetailsSize = 40;
    // A folder or name still without its '\n' after this many bytes fails.
    static const unsigned kMaxTextLength = 65536;

    // Each read asks for chunkSize bytes (at least kLeastChunkSize).
    explicit RecordReader(unsigned chunkSize = kChunkSize);
    RecordReader(const RecordReader&) = delete;
    RecordReader& operator=(const RecordReader&) = delete;

    // Reads the source to its end; returns 1. A record of another id, a text
    // without its '\n' (at the end, or past the longest text) and a details
    // record cut short by the end throw std::runtime_error; the names read
    // before have gone to the sink.
    int Run(FinderLink::ByteSource& source, ItemSink& sink);

private:
    // Reads the next chunk; false at the end of the stream.
    bool NextChunk(FinderLink::ByteSource& source);
    void ReadDetails(FinderLink::ByteSource& source);
    // The text up to the next '\n' (which is passed); it may cross chunks.
    void ReadText(FinderLink::ByteSource& source, const char*& text, unsigned& length);

    std::vector<char> m_chunk; // its size is the chunk size
    const char* m_at;
    const char* m_end;
    std::string m_text; // a text that crosses chunks
    FileDetails m_details;
    bool m_haveDetails;
};

} // namespace DirResults
} // namespace Kyvant
