// Kyvant::FinderLink::GatheredTexts: the texts a tool sent while one of its
// message boxes was up, kept for the next box. The first ones are kept
// whole, the rest only counted, so that a burst of any size costs little
// and no text goes unmentioned.
#pragma once

#include <string>
#include <vector>

namespace Kyvant {
namespace FinderLink {

class GatheredTexts {
public:
    // Texts listed in one box; those beyond are counted.
    static const unsigned kListedTexts = 30;

    GatheredTexts() : m_counted(0) {}

    // A text that cannot be kept (no memory) is counted; once one was
    // counted, the later ones are too, so that the list stays in order.
    void Add(const char* text, unsigned length);
    // Texts known only by their number (posts the queue refused): counted.
    void Count(unsigned texts) { m_counted += texts; }
    bool Empty() const { return m_listed.empty() && m_counted == 0; }
    // Texts added since the last Take.
    unsigned Size() const { return static_cast<unsigned>(m_listed.size()) + m_counted; }

    // The next box's text, and empties the gathering: a lone text as it is;
    // else the listed texts one a line, then a line telling how many more
    // there were.
    std::string Take();

private:
    std::vector<std::string> m_listed;
    unsigned m_counted; // beyond the listed ones
};

} // namespace FinderLink
} // namespace Kyvant
