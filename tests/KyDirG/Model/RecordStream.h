// Building Dir record streams for the tests, and reading them back through
// sources that cut them where a test wants.
#pragma once

#include "FinderLink/Results/LineReader.h"
#include "KyDir/Gui/Model/RecordReader.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace dirgtest {

using Kyvant::DirResults::FileDetails;

inline FileDetails MakeDetails(unsigned rank, unsigned long long size, DWORD attributes)
{
    FileDetails details = {};
    details.attributes = attributes;
    details.size = size;
    details.reserved = rank;
    details.lastWriteTime.dwLowDateTime = 0x12345678;
    details.lastWriteTime.dwHighDateTime = 0x01D00000;
    return details;
}

inline std::string DetailsRecord(const FileDetails& details)
{
    return std::string(1, '\0') +
           std::string(reinterpret_cast<const char*>(&details), sizeof details);
}

inline std::string FolderRecord(const std::string& folder)
{
    return "\x01" + folder + "\n";
}

inline std::string NameRecord(const std::string& name)
{
    return "\x02" + name + "\n";
}

// Gives the stream in reads that end at the cut positions, never past what
// the reader asks for; remembers how much each read asked for.
class CutSource : public Kyvant::FinderLink::ByteSource {
public:
    CutSource(const std::string& bytes, std::vector<std::size_t> cuts)
        : m_bytes(bytes), m_cuts(std::move(cuts))
    {
        m_cuts.push_back(bytes.size());
        std::sort(m_cuts.begin(), m_cuts.end());
    }
    int Read(char* buffer, unsigned count) override
    {
        asked.push_back(count);
        while (m_next < m_cuts.size() && m_cuts[m_next] <= m_at)
            ++m_next;
        if (m_at >= m_bytes.size())
            return 0;
        const std::size_t n = std::min<std::size_t>(count, m_cuts[m_next] - m_at);
        std::memcpy(buffer, m_bytes.data() + m_at, n);
        m_at += n;
        return static_cast<int>(n);
    }

    std::vector<unsigned> asked;

private:
    std::string m_bytes;
    std::vector<std::size_t> m_cuts;
    std::size_t m_next = 0;
    std::size_t m_at = 0;
};

// Each item as "folder|name|rank", or "folder|name|-" without details.
class ItemTexts : public Kyvant::DirResults::ItemSink {
public:
    void OnItem(const Kyvant::ky_F& folder, const char* name, unsigned length,
                const FileDetails* details) override
    {
        items.push_back(std::string(folder.c_str()) + "|" + std::string(name, length) + "|" +
                        (details ? std::to_string(details->reserved) : std::string("-")));
    }
    std::vector<std::string> items;
};

} // namespace dirgtest
