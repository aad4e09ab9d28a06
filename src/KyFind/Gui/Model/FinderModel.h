// Finder::Model: what one find task produced. The found files in output
// order, each with its match lines, the texts of the lines and the match
// total. The results reader adds lines from its thread while the views read
// from the UI thread, so the containers take their own locks and the counts
// are atomic.
#pragma once

#include "FinderLink/Results/TsListVectorHybrid.h"
#include "KyFind/Gui/Finder/Finder.h"
#include "KyFind/Gui/Model/AtomicCounters.h"
#include "KyFind/Gui/Model/TextHeaps.h"
#include "KyGuiTool/FileRecords/ShFileRecItem.h"
#include "KyStd/Core/CritSec.h"
#include "KyStd/Core/RcPtr.h"
#include "KyStd/Files/FileName.h"

#include <vector>

class Finder::Model {
public:
    // The longest match text kept; the rest of a longer line is dropped.
    static const unsigned kMaxTextLength = 200;

    // One match line.
    struct MatchRec {
        int line;
        int position;     // where the match's highlight starts in the file view's text
        const char* text; // in the text heaps
    };
    using MatchList = Kyvant::TsListVectorHybrid<MatchRec>;

    // One found file. Copies share one match list.
    class FileRec : public Kyvant::ShFileRec::Item {
    public:
        FileRec(const Kyvant::ky_F& folder, const Kyvant::ky_F& name);
        ~FileRec() override;
        FileRec(const FileRec&) = default;
        FileRec& operator=(const FileRec&) = default;

        MatchList& GetMatches() const { return *m_matches; }
        // The match groups whose first line lies in this file.
        unsigned GetMatchCount() const { return m_matchCount.Load(); }

    private:
        friend class Finder::Model;
        Kyvant::rc_ptr<MatchList> m_matches;
        Kyvant::AtomicCount32 m_matchCount;
    };
    using FileList = Kyvant::TsListVectorHybrid<FileRec>;

    explicit Model(Finder& finder);
    ~Model();
    Model(const Model&) = delete;
    Model& operator=(const Model&) = delete;

    Finder& GetFinder() const { return m_finder; }

    // One line of the finder's results (not NUL-terminated): true when it
    // became a match. A malformed number field throws Kyvant::rtl_error.
    bool AddLine(const char* text, unsigned length);

    // Null when i is outside the list.
    FileRec* GetFile(int i);
    static const MatchRec* GetMatch(const FileRec& file, int i);
    unsigned GetFileCount() const { return m_files.size(); }
    unsigned long long GetMatchTotal() const { return m_matchTotal.Load(); }
    FileList& GetFiles() { return m_files; }

    // Removes the files (iterators of the file list) and their match groups
    // from the total; the old indexes of the removed files go to *removed in
    // ascending order. Lines that still arrive for a removed file are
    // dropped.
    void EraseFiles(const std::vector<FileList::iterator>& files, std::vector<int>* removed);
    // Empties everything, the group counters and the shared display data of
    // file records included. Only while no reader runs.
    void Clear();

    // A NUL-terminated copy of the characters in the text heaps.
    const char* StoreText(const char* chars, unsigned length);
    // Bytes the text heaps have committed.
    unsigned long long GetTextBytesCommitted() const { return m_texts.GetCommitted(); }

private:
    FileRec* FileFor(const char* name, unsigned length);

    Finder& m_finder;
    Kyvant::AtomicCount64 m_matchTotal;
    int m_groupTaken; // lines taken in the current group
    int m_groupSize;
    FileList m_files;
    Kyvant::ky_F m_lastFileName;
    // The record that receives the lines of m_lastFileName (null: none), and
    // whether it was erased while its lines still came. Guarded, with the
    // counts' changes, by m_writeLock.
    FileRec* m_lastFile;
    bool m_lastFileErased;
    Kyvant::Win32::CritSec m_writeLock;
    Kyvant::TextHeaps m_texts;
};
