// KyRichEditCtrl::FindReverse: the last match in a range, read backwards in blocks that
// begin at line starts; whole words are confirmed by the control's own search.
#include "KyGui/RichEdit/KyRichEditCtrl.h"

#include "KyStd/Strings/String.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace {

using Kyvant::ky_I;
using Kyvant::ky_S;

constexpr LONG kBlockSize = 32768;
constexpr unsigned kNotFound = 0xFFFFFFFFu;

// One block of text: matches must start in [start, end); the text runs on after end by up
// to the needle's length less one, so a match may end in the next block.
template <class Text>
struct Block {
    LONG start;
    LONG end;
    Text text;
};

class ReverseSearch {
public:
    ReverseSearch(const KyRichEditCtrl& control, DWORD flags, const char* needle,
                  const CHARRANGE& range)
        : m_control(control), m_flags(flags), m_needle(needle),
          m_length(static_cast<LONG>(std::strlen(needle))), m_range(range)
    {
    }

    template <class Text>
    long Run(CHARRANGE& found) const
    {
        LONG end = m_range.cpMax;
        for (;;) {
            const Block<Text> block = Read<Text>(end);
            const long at = Search(block, found);
            if (at >= 0 || block.start == m_range.cpMin)
                return at;
            end = block.start;
        }
    }

private:
    Kyvant::ky_BSB<char>& Fetch(Kyvant::ky_BSB<char>& text, LONG from, LONG to, bool append) const
    {
        const CHARRANGE range = {from, to};
        return text.GetRichEditTextRange(m_control.m_hWnd, range, append);
    }

    // The block ending at end: kBlockSize back, then cut just after its first line feed;
    // without one, grown backwards by pieces as long as itself until it has one. A line
    // feed that is the block's last character does not count: the block ends a line there,
    // and a cut at it would leave nothing (and the next block would end at the same place).
    template <class Text>
    Block<Text> Read(LONG end) const
    {
        Block<Text> block{std::max(m_range.cpMin, end - kBlockSize), end, Text()};
        const LONG tail = std::min(m_range.cpMax, end + m_length - 1);
        Fetch(block.text, block.start, tail, false);
        unsigned searched = static_cast<unsigned>(end - block.start) - 1;
        while (block.start > m_range.cpMin) {
            const void* feed = std::memchr(block.text.data(), '\n', searched);
            if (feed != nullptr) {
                const unsigned cut =
                    static_cast<unsigned>(static_cast<const char*>(feed) - block.text.data()) + 1;
                block.text.erase(0, cut);
                block.start += static_cast<LONG>(cut);
                break;
            }
            const LONG piece =
                std::min(static_cast<LONG>(block.text.length()), block.start - m_range.cpMin);
            Text before;
            Fetch(before, block.start - piece, block.start, false);
            before.append(block.text);
            block.text = before;
            block.start -= piece;
            searched = static_cast<unsigned>(piece);
        }
        return block;
    }

    template <class Text>
    long Search(const Block<Text>& block, CHARRANGE& found) const
    {
        if (block.end <= block.start)
            return -1;
        unsigned from = static_cast<unsigned>(block.end - block.start - 1);
        for (;;) {
            const unsigned index =
                block.text.rfind(m_needle, from, static_cast<unsigned>(m_length));
            if (index == kNotFound)
                return -1;
            const LONG at = block.start + static_cast<LONG>(index);
            if ((m_flags & FR_WHOLEWORD) == 0 || ControlAgrees(at)) {
                found.cpMin = at;
                found.cpMax = at + m_length;
                return at;
            }
            if (index == 0)
                return -1;
            from = index - 1;
        }
    }

    // The control's search over exactly the match's range finds it there (forward:
    // searching backward, newer controls never agree over such a range).
    bool ControlAgrees(LONG at) const
    {
        FINDTEXTEXA probe = {};
        probe.chrg.cpMin = at;
        probe.chrg.cpMax = at + m_length;
        probe.lpstrText = m_needle;
        return m_control.SendMessage(EM_FINDTEXTEX, m_flags | FR_DOWN,
                                     reinterpret_cast<LPARAM>(&probe)) == at;
    }

    const KyRichEditCtrl& m_control;
    DWORD m_flags;
    const char* m_needle;
    LONG m_length;
    CHARRANGE m_range;
};

} // namespace

long KyRichEditCtrl::FindReverse(DWORD flags, FINDTEXTEXA* find) const
{
    if (find == nullptr || find->lpstrText == nullptr)
        throw std::invalid_argument("KyRichEditCtrl::FindReverse: no text to find");
    CHARRANGE range = {};
    if (!NormalizeRange(find->chrg, range) || *find->lpstrText == '\0')
        return -1;
    const ReverseSearch search(*this, flags, find->lpstrText, range);
    return (flags & FR_MATCHCASE) != 0 ? search.Run<ky_S>(find->chrgText)
                                       : search.Run<ky_I>(find->chrgText);
}
