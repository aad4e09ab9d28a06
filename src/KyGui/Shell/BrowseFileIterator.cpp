// Kyvant::Shell::BrowseFile_iterator: running the dialog and walking its chosen names.
#include "KyGui/Shell/BrowseFileIterator.h"

#include "KyGui/Shell/Browse.h"
#include "KyGui/Shell/KyFileDialog.h"

#include <stdexcept>

namespace Kyvant {
namespace Shell {

struct BrowseFile_iterator::State {
    std::unique_ptr<KyFileDialog> dialog;
    std::vector<char> names;
    POSITION next = nullptr;
    bool multiSelect = false;
    bool hasCurrent = false;
    ky_F current;

    void Free()
    {
        dialog.reset();
        names.clear();
        names.shrink_to_fit();
        next = nullptr;
    }
};

BrowseFile_iterator::BrowseFile_iterator() : m_atEnd(true) {}

BrowseFile_iterator::BrowseFile_iterator(const char* filter, const char* initialDir, DWORD flags, const char* title,
                                         CWnd* parent)
    : m_state(new State), m_atEnd(false)
{
    State& s = *m_state;
    s.dialog.reset(new KyFileDialog(TRUE, nullptr, nullptr, flags, filter, parent));
    s.multiSelect = (flags & OFN_ALLOWMULTISELECT) != 0;
    if (s.multiSelect) {
        s.names.assign(MultiSelectBufferSize, '\0');
        s.dialog->m_ofn.lpstrFile = s.names.data();
        s.dialog->m_ofn.nMaxFile = MultiSelectBufferSize;
    }
    if (IsExistingFolder(initialDir))
        s.dialog->m_ofn.lpstrInitialDir = initialDir;
    s.dialog->m_ofn.lpstrTitle = title;
    if (s.dialog->DoModal() != IDOK) {
        s.Free();
        m_atEnd = true;
        return;
    }
    if (s.multiSelect) {
        s.next = s.dialog->GetStartPosition();
        Advance();
    } else {
        s.current = static_cast<LPCSTR>(s.dialog->GetPathName());
        s.hasCurrent = true;
    }
}

BrowseFile_iterator::BrowseFile_iterator(const BrowseFile_iterator& other)
    : m_state(other.m_state), m_atEnd(other.m_atEnd)
{
}

BrowseFile_iterator& BrowseFile_iterator::operator=(const BrowseFile_iterator& other)
{
    m_state = other.m_state;
    m_atEnd = other.m_atEnd;
    return *this;
}

BrowseFile_iterator::~BrowseFile_iterator() = default;

void BrowseFile_iterator::Advance()
{
    State& s = *m_state;
    if (s.multiSelect && s.next != nullptr) {
        s.current = static_cast<LPCSTR>(s.dialog->GetNextPathName(s.next));
        s.hasCurrent = true;
        return;
    }
    s.hasCurrent = false;
    s.Free();
    m_atEnd = true;
}

const ky_F& BrowseFile_iterator::operator*() const
{
    if (m_atEnd || !m_state || !m_state->hasCurrent)
        throw std::out_of_range("BrowseFile_iterator: no current file");
    return m_state->current;
}

BrowseFile_iterator& BrowseFile_iterator::operator++()
{
    if (!m_atEnd && m_state)
        Advance();
    return *this;
}

ky_F BrowseFile_iterator::operator++(int)
{
    ky_F previous = **this;
    ++*this;
    return previous;
}

bool BrowseFile_iterator::operator==(const BrowseFile_iterator& other) const
{
    if (m_atEnd && other.m_atEnd)
        return true;
    return m_state.get() == other.m_state.get() && m_atEnd == other.m_atEnd;
}

} // namespace Shell
} // namespace Kyvant
