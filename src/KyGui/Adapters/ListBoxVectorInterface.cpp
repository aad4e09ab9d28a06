// The vector view over a list box or a combo box: room, insertion, erasure,
// and the text and data of one item.
#include "KyGui/Adapters/ListBoxVectorInterface.h"

#include <stdexcept>
#include <vector>

namespace Kyvant {
namespace {

// The most items a list box or combo box of the older systems holds.
const int kMaxItems = 32767;

void ThrowIfRefused(int index)
{
    if (index < 0)
        AfxThrowMemoryException();
}

} // namespace

ListBoxVectorInterfaceBase::ListBoxVectorInterfaceBase(CListBox& listBox)
    : m_listBoxOps(&listBox), m_comboBoxOps(&listBox), m_active(&m_listBoxOps)
{
}

ListBoxVectorInterfaceBase::ListBoxVectorInterfaceBase(CComboBox& comboBox)
    : m_listBoxOps(&comboBox), m_comboBoxOps(&comboBox), m_active(&m_comboBoxOps)
{
}

ListBoxVectorInterfaceBase::~ListBoxVectorInterfaceBase() = default;

int ListBoxVectorInterfaceBase::max_size()
{
    return kMaxItems;
}

void ListBoxVectorInterfaceBase::reserve(int n)
{
    if (n > m_active->InitStorage(0, 0))
        m_active->InitStorage(n - size(), 0);
}

int ListBoxVectorInterfaceBase::insert(int index, const char* text)
{
    const int at = m_active->InsertString(index, text);
    ThrowIfRefused(at);
    return at;
}

int ListBoxVectorInterfaceBase::insert(int index, int count, const char* text)
{
    if (count <= 0)
        return index;
    reserve(size() + count);
    const int first = insert(index, text);
    for (int i = 1; i < count; ++i)
        insert(index, text);
    return first;
}

int ListBoxVectorInterfaceBase::erase(int first, int last)
{
    if (last <= first)
        return first;
    if (first == 0 && last == size()) {
        m_active->ResetContent();
        return first;
    }
    for (int i = last - 1; i >= first; --i)
        m_active->DeleteString(i);
    return first;
}

void ListBoxVectorInterfaceBase::reference_base::GetText(ky_BSB<char>& text) const
{
    const int length = m_ops->GetTextLen(m_index);
    if (length < 1) {
        text.clear();
        return;
    }
    std::vector<char> buffer(static_cast<size_t>(length) + 1, '\0');
    const int got = m_ops->GetText(m_index, buffer.data());
    if (got < 1)
        text.clear();
    else
        text.assign(buffer.data(), static_cast<unsigned>(got < length ? got : length));
}

void ListBoxVectorInterfaceBase::reference_base::SetText(const char* text)
{
    if (!m_ops->HasStrings())
        return;
    if (m_index < 0 || m_index >= m_ops->GetCount())
        throw std::out_of_range(
            "ListBoxVectorInterfaceBase::reference_base::SetText: no such item");
    const DWORD_PTR data = m_ops->GetItemData(m_index);
    // The new item goes in first, so a refusal leaves the old one in place.
    const int at = m_ops->InsertString(m_index, text);
    ThrowIfRefused(at);
    m_ops->DeleteString(at + 1);
    m_index = at;
    m_ops->SetItemData(at, data);
}

ListBoxVectorInterfaceBase::reference_base&
ListBoxVectorInterfaceBase::reference_base::operator=(const reference_base& other)
{
    if (m_ops->GetWindow() == other.m_ops->GetWindow() && m_index == other.m_index)
        return *this;
    const DWORD_PTR data = other.GetItemData();
    if (m_ops->HasStrings()) {
        ky_BSB<char> text;
        if (other.m_ops->HasStrings())
            other.GetText(text);
        SetText(text.c_str());
    }
    SetItemData(data);
    return *this;
}

} // namespace Kyvant
