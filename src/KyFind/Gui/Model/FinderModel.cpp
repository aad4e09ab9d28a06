// The result model: the parser of result lines into files and matches, the
// counts, erasing files and clearing.
#include "KyFind/Gui/Model/FinderModel.h"

#include "KyFind/Gui/Model/ResultLine.h"
#include "KyStd/Files/FileNameTraits.h"

#include <algorithm>
#include <set>

using Kyvant::ky_F;
using Kyvant::Win32::CritSecLock;
namespace FindResults = Kyvant::FindResults;

namespace {

// Records of one file's matches per pool block; files per file-list block.
const unsigned kMatchBlock = 10;
const unsigned kFileBlock = 100;

} // namespace

Finder::Model::FileRec::FileRec(const ky_F& folder, const ky_F& name)
    : Item(folder, name, nullptr), m_matches(new MatchList(kMatchBlock))
{
}

Finder::Model::FileRec::~FileRec() {}

Finder::Model::Model(Finder& finder)
    : m_finder(finder), m_groupTaken(0), m_groupSize(0), m_files(kFileBlock), m_lastFile(nullptr),
      m_lastFileErased(false)
{
}

Finder::Model::~Model() {}

bool Finder::Model::AddLine(const char* text, unsigned length)
{
    unsigned long groupSize = 0;
    if (FindResults::IsGroupLine(text, length, groupSize)) {
        m_groupSize = static_cast<int>(groupSize);
        m_groupTaken = 0;
        return false;
    }
    // At the start, and after each complete group, a line is a group of its own.
    if (m_groupTaken == m_groupSize) {
        m_groupTaken = 0;
        m_groupSize = 1;
    }
    FindResults::MatchLine match;
    if (!FindResults::ParseMatchLine(text, length, match))
        return false;
    const bool firstOfGroup = m_groupTaken == 0;
    ++m_groupTaken;
    const MatchRec record = {match.line, match.position,
                             StoreText(match.text, std::min(match.textLength, kMaxTextLength))};

    CritSecLock lock(m_writeLock);
    FileRec* file = FileFor(match.name, match.nameLength);
    if (!file)
        return false;
    file->m_matches->push_back(record);
    if (firstOfGroup) {
        file->m_matchCount.Add(1);
        m_matchTotal.Add(1);
    }
    return true;
}

// The record for a line of the named file: the last one while the name is
// the same (lines of one file in two separate runs make two records), a new
// one otherwise; null while the same name's record has been erased.
Finder::Model::FileRec* Finder::Model::FileFor(const char* name, unsigned length)
{
    const bool sameName = (m_lastFile || m_lastFileErased) && m_lastFileName.length() == length &&
                          Kyvant::ky_FCCT<char>::compare(m_lastFileName.data(), name, length) == 0;
    if (sameName)
        return m_lastFile;
    const ky_F path(name, length);
    ky_F folder;
    ky_F fileName;
    path.SplitPath(folder, fileName);
    FileList::iterator added = m_files.push_back(FileRec(folder, fileName));
    m_lastFileName = path;
    m_lastFile = &*added;
    m_lastFileErased = false;
    return m_lastFile;
}

Finder::Model::FileRec* Finder::Model::GetFile(int i)
{
    if (i < 0 || static_cast<unsigned>(i) >= m_files.size())
        return nullptr;
    return &m_files.at(static_cast<unsigned>(i));
}

const Finder::Model::MatchRec* Finder::Model::GetMatch(const FileRec& file, int i)
{
    const MatchList& matches = file.GetMatches();
    if (i < 0 || static_cast<unsigned>(i) >= matches.size())
        return nullptr;
    return &matches.at(static_cast<unsigned>(i));
}

void Finder::Model::EraseFiles(const std::vector<FileList::iterator>& files,
                               std::vector<int>* removed)
{
    std::set<FileRec*> records;
    for (const FileList::iterator& it : files)
        records.insert(&*it);
    CritSecLock lock(m_writeLock);
    for (FileRec* record : records) {
        m_matchTotal.Subtract(record->GetMatchCount());
        if (record == m_lastFile) {
            m_lastFile = nullptr;
            m_lastFileErased = true;
        }
    }
    m_files.erase(files.begin(), files.end(), removed);
}

void Finder::Model::Clear()
{
    CritSecLock lock(m_writeLock);
    m_files.clear();
    Kyvant::ShFileRec::Item::ClearStaticData();
    m_lastFileName = ky_F();
    m_lastFile = nullptr;
    m_lastFileErased = false;
    m_texts.Clear();
    m_matchTotal.Reset();
    m_groupTaken = 0;
    m_groupSize = 0;
}

const char* Finder::Model::StoreText(const char* chars, unsigned length)
{
    return m_texts.Store(chars, length);
}
