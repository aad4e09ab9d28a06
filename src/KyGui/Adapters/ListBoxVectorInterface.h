// The items of a list box, or of a combo box's list, seen as a vector: one
// table of operations per control kind, the untyped vector view with item
// references, and the typed view over a string type and an item-data type.
#pragma once

#include "KyGui/KyGuiExport.h"
#include "KyStd/Strings/String.h"

#include <afxwin.h>

#include <type_traits>

namespace Kyvant {

class KYGUI_API ListBoxVectorInterfaceBase {
public:
    // The operations on the items, each answered by the control kind's own message.
    class KYGUI_API ListBoxComboBoxOps {
    public:
        explicit ListBoxComboBoxOps(CWnd* window);
        virtual ~ListBoxComboBoxOps();
        ListBoxComboBoxOps(const ListBoxComboBoxOps&) = delete;
        ListBoxComboBoxOps& operator=(const ListBoxComboBoxOps&) = delete;

        virtual CWnd* GetWindow() const;
        virtual int GetCount() const = 0;
        // Room for items more items of bytes text; (0, 0) reports the room reserved.
        virtual int InitStorage(int items, int bytes) = 0;
        virtual int AddString(const char* text) = 0;
        virtual int InsertString(int index, const char* text) = 0;
        virtual int DeleteString(int index) = 0;
        virtual void ResetContent() = 0;
        virtual int SetCurSel(int index) = 0;
        virtual bool HasStrings();
        virtual bool IsOwnerDraw();
        virtual bool IsOwnerDrawFixed();
        virtual bool IsOwnerDrawVariable();
        virtual int SetItemData(int index, DWORD_PTR data) = 0;
        virtual DWORD_PTR GetItemData(int index) const = 0;
        virtual void GetText(int index, CString& text) const = 0;
        virtual int GetText(int index, char* buffer) const = 0;
        virtual int GetTextLen(int index) const = 0;
        virtual int GetItemRect(int index, RECT& rect) const = 0;
        virtual int GetItemHeight(int index) const = 0;
        virtual bool IsSelected(int index) const = 0;
        // Reads the owner-draw and has-strings bits of the window's style, once the window exists.
        virtual void DetermineStyle();

    protected:
        LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;

        bool m_styleDetermined;
        bool m_hasStrings;
        bool m_ownerDrawFixed;
        bool m_ownerDrawVariable;
        CWnd* m_window;
    };

    class KYGUI_API ListBoxOps : public ListBoxComboBoxOps {
    public:
        explicit ListBoxOps(CWnd* window) : ListBoxComboBoxOps(window) {}

        int GetCount() const override;
        int InitStorage(int items, int bytes) override;
        int AddString(const char* text) override;
        int InsertString(int index, const char* text) override;
        int DeleteString(int index) override;
        void ResetContent() override;
        int SetCurSel(int index) override;
        int SetItemData(int index, DWORD_PTR data) override;
        DWORD_PTR GetItemData(int index) const override;
        void GetText(int index, CString& text) const override;
        int GetText(int index, char* buffer) const override;
        int GetTextLen(int index) const override;
        int GetItemRect(int index, RECT& rect) const override;
        int GetItemHeight(int index) const override;
        bool IsSelected(int index) const override;
    };

    class KYGUI_API ComboBoxOps : public ListBoxComboBoxOps {
    public:
        explicit ComboBoxOps(CWnd* window) : ListBoxComboBoxOps(window) {}

        int GetCount() const override;
        int InitStorage(int items, int bytes) override;
        int AddString(const char* text) override;
        int InsertString(int index, const char* text) override;
        int DeleteString(int index) override;
        void ResetContent() override;
        int SetCurSel(int index) override;
        int SetItemData(int index, DWORD_PTR data) override;
        DWORD_PTR GetItemData(int index) const override;
        void GetText(int index, CString& text) const override;
        int GetText(int index, char* buffer) const override;
        int GetTextLen(int index) const override;
        int GetItemRect(int index, RECT& rect) const override;
        int GetItemHeight(int index) const override;
        bool IsSelected(int index) const override;
        // A rectangle at (0, 0) as wide as the dropped list and as high as the item; 0.
        int GetRect(int index, RECT& rect) const;
    };

    // One item: the table it is reached through and its index. Copying a
    // reference names the same item; assigning one copies the item.
    class KYGUI_API reference_base {
    public:
        reference_base(ListBoxComboBoxOps& ops, int index) : m_ops(&ops), m_index(index) {}
        reference_base(const reference_base&) = default;

        // The item's text; empty when its length is below 1.
        void GetText(ky_BSB<char>& text) const;
        // For controls with strings: the new text at the same index, item data kept.
        // A text the control cannot take raises an MFC memory exception; the item stays as it was.
        void SetText(const char* text);
        // Copies the other item's data and, for controls with strings, its text.
        reference_base& operator=(const reference_base& other);

        int GetIndex() const { return m_index; }
        ListBoxComboBoxOps& GetOps() const { return *m_ops; }
        DWORD_PTR GetItemData() const { return m_ops->GetItemData(m_index); }
        void SetItemData(DWORD_PTR data) { m_ops->SetItemData(m_index, data); }

    protected:
        ListBoxComboBoxOps* m_ops;
        int m_index;
    };

    explicit ListBoxVectorInterfaceBase(CListBox& listBox);
    explicit ListBoxVectorInterfaceBase(CComboBox& comboBox);
    virtual ~ListBoxVectorInterfaceBase();
    ListBoxVectorInterfaceBase(const ListBoxVectorInterfaceBase&) = delete;
    ListBoxVectorInterfaceBase& operator=(const ListBoxVectorInterfaceBase&) = delete;

    // The active table: the list box's or the combo box's.
    ListBoxComboBoxOps& ops() const { return *m_active; }
    int size() const { return m_active->GetCount(); }
    bool empty() const { return size() <= 0; }
    static int max_size();
    // Makes room for n items in all.
    void reserve(int n);
    // The new item's index; a refused insertion raises an MFC memory exception.
    int insert(int index, const char* text);
    // count copies of the text at index, room reserved first; the first new item's index.
    int insert(int index, int count, const char* text);
    // Removes [first, last): nothing when last <= first, one reset for the whole list. Returns
    // first.
    int erase(int first, int last);

private:
    ListBoxOps m_listBoxOps;
    ComboBoxOps m_comboBoxOps;
    ListBoxComboBoxOps* m_active;
};

// The vector view with the item texts as T and the item data as D (an
// integral or a pointer type).
template <class T, class D>
class ListBoxVectorInterface : public ListBoxVectorInterfaceBase {
public:
    using value_type = T;
    using data_type = D;

    class reference : public reference_base {
    public:
        reference(ListBoxComboBoxOps& ops, int index) : reference_base(ops, index) {}
        reference(const reference&) = default;

        using reference_base::GetText;
        T GetText() const
        {
            ky_BSB<char> text;
            GetText(text);
            return T(text.c_str());
        }
        D GetData() const { return FromItemData(GetItemData()); }
        void SetData(D data) { SetItemData(ToItemData(data)); }
        operator T() const { return GetText(); }
        reference& operator=(const reference& other)
        {
            reference_base::operator=(other);
            return *this;
        }
        reference& operator=(const char* text)
        {
            SetText(text);
            return *this;
        }
    };

    class iterator {
    public:
        iterator(ListBoxComboBoxOps& ops, int index) : m_ops(&ops), m_index(index) {}
        reference operator*() const { return reference(*m_ops, m_index); }
        iterator& operator++()
        {
            ++m_index;
            return *this;
        }
        iterator& operator--()
        {
            --m_index;
            return *this;
        }
        iterator operator+(int n) const { return iterator(*m_ops, m_index + n); }
        int operator-(const iterator& other) const { return m_index - other.m_index; }
        bool operator==(const iterator& other) const { return m_index == other.m_index; }
        bool operator!=(const iterator& other) const { return m_index != other.m_index; }
        int index() const { return m_index; }

    private:
        ListBoxComboBoxOps* m_ops;
        int m_index;
    };

    explicit ListBoxVectorInterface(CListBox& listBox) : ListBoxVectorInterfaceBase(listBox) {}
    explicit ListBoxVectorInterface(CComboBox& comboBox) : ListBoxVectorInterfaceBase(comboBox) {}

    reference operator[](int index) const { return reference(ops(), index); }
    iterator begin() const { return iterator(ops(), 0); }
    iterator end() const { return iterator(ops(), size()); }

private:
    static D FromItemData(DWORD_PTR data)
    {
        if constexpr (std::is_pointer_v<D>)
            return reinterpret_cast<D>(data);
        else
            return static_cast<D>(data);
    }
    static DWORD_PTR ToItemData(D data)
    {
        if constexpr (std::is_pointer_v<D>)
            return reinterpret_cast<DWORD_PTR>(data);
        else
            return static_cast<DWORD_PTR>(data);
    }
};

} // namespace Kyvant
