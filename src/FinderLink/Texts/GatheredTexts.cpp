// Gathering a tool's texts for its next message box.
#include "FinderLink/Texts/GatheredTexts.h"

#include <cstdio>

namespace Kyvant {
namespace FinderLink {

namespace {

const char kLineEnd[] = "\r\n";

std::string MoreLine(unsigned count)
{
    char line[64];
    std::snprintf(line, sizeof line,
                  count == 1 ? "... and %u more message." : "... and %u more messages.", count);
    return line;
}

} // namespace

void GatheredTexts::Add(const char* text, unsigned length)
{
    if (m_listed.size() >= kListedTexts || m_counted > 0) {
        ++m_counted;
        return;
    }
    try {
        m_listed.emplace_back(text != nullptr ? text : "", text != nullptr ? length : 0);
    } catch (...) {
        ++m_counted;
    }
}

std::string GatheredTexts::Take()
{
    std::string shown;
    for (const std::string& text : m_listed) {
        if (!shown.empty())
            shown += kLineEnd;
        shown += text;
    }
    if (m_counted > 0) {
        if (!m_listed.empty())
            shown += kLineEnd;
        shown += MoreLine(m_counted);
    }
    m_listed.clear();
    m_counted = 0;
    return shown;
}

} // namespace FinderLink
} // namespace Kyvant
