// Kyvant::Shell::BrowseFile_iterator: an input iterator over the files chosen in an open dialog.
#pragma once

#include "KyGui/KyGuiExport.h"
#include "KyStd/Core/RcPtr.h"
#include "KyStd/Files/FileName.h"

#include <afxwin.h>

#include <iterator>
#include <memory>
#include <vector>

class KyFileDialog;

namespace Kyvant {
namespace Shell {

class KYGUI_API BrowseFile_iterator {
public:
    using iterator_category = std::input_iterator_tag;
    using value_type = ky_F;
    using difference_type = ptrdiff_t;
    using pointer = const ky_F*;
    using reference = const ky_F&;

    static const unsigned MultiSelectBufferSize = 16384;

    BrowseFile_iterator();  // the end
    // Runs the dialog; equal to the end when nothing was chosen.
    BrowseFile_iterator(const char* filter, const char* initialDir, DWORD flags, const char* title, CWnd* parent);
    BrowseFile_iterator(const BrowseFile_iterator& other);
    BrowseFile_iterator& operator=(const BrowseFile_iterator& other);
    ~BrowseFile_iterator();

    const ky_F& operator*() const;
    const ky_F* operator->() const { return &**this; }
    BrowseFile_iterator& operator++();
    ky_F operator++(int);

    bool operator==(const BrowseFile_iterator& other) const;
    bool operator!=(const BrowseFile_iterator& other) const { return !(*this == other); }

    struct State;

private:
    void Advance();

    rc_ptr<State> m_state;
    bool m_atEnd;
};

} // namespace Shell
} // namespace Kyvant
