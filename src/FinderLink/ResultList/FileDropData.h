// The blocks a result list puts on the clipboard or into a drag: the file
// list (CF_HDROP with ANSI names), the shell's ID-list array ("Shell IDList
// Array") built over one shell folder object per folder, and the 4-byte
// drop-effect blocks. Header-only, so that every front-end's list view can
// use it.
#pragma once

#include "KyStd/Files/FileName.h"
#include "KyStd/Shell/Co.h"
#include "KyStd/Shell/ItemIdList.h"
#include "KyStd/Shell/ShellFolders.h"

#include <afx.h>

#include <windows.h>
#include <shlobj.h>

#include <cstring>
#include <map>
#include <memory>
#include <vector>

namespace Kyvant {
namespace FileDrop {

// Holds a global block locked for its lifetime.
class LockedGlobal {
public:
    explicit LockedGlobal(HGLOBAL block) : m_block(block), m_data(::GlobalLock(block)) {}
    ~LockedGlobal()
    {
        if (m_data != nullptr)
            ::GlobalUnlock(m_block);
    }
    LockedGlobal(const LockedGlobal&) = delete;
    LockedGlobal& operator=(const LockedGlobal&) = delete;
    char* data() const { return static_cast<char*>(m_data); }

private:
    HGLOBAL m_block;
    void* m_data;
};

// A zeroed shareable block; MFC's memory exception when there is no memory.
inline HGLOBAL NewGlobal(SIZE_T size)
{
    const HGLOBAL block = ::GlobalAlloc(GMEM_DDESHARE | GMEM_MOVEABLE | GMEM_ZEROINIT, size);
    if (block == nullptr)
        AfxThrowMemoryException();
    return block;
}

// A 4-byte block holding value (a drop effect).
inline HGLOBAL MakeDwordBlock(DWORD value)
{
    const HGLOBAL block = NewGlobal(sizeof value);
    LockedGlobal locked(block);
    std::memcpy(locked.data(), &value, sizeof value);
    return block;
}

// The DWORD at the start of a block; false for a block too small to hold one.
inline bool ReadDwordBlock(HGLOBAL block, DWORD& value)
{
    if (block == nullptr || ::GlobalSize(block) < sizeof value)
        return false;
    LockedGlobal locked(block);
    if (locked.data() == nullptr)
        return false;
    std::memcpy(&value, locked.data(), sizeof value);
    return true;
}

// CF_HDROP: the 20-byte DROPFILES header (names after it, ANSI), each path
// with its NUL, then one more NUL.
inline HGLOBAL MakeHDrop(const std::vector<ky_F>& paths)
{
    SIZE_T size = sizeof(DROPFILES) + 1;
    for (const ky_F& path : paths)
        size += path.length() + 1;
    const HGLOBAL block = NewGlobal(size);
    LockedGlobal locked(block);
    DROPFILES* header = reinterpret_cast<DROPFILES*>(locked.data());
    header->pFiles = sizeof(DROPFILES);
    header->fWide = FALSE;
    char* at = locked.data() + sizeof(DROPFILES);
    for (const ky_F& path : paths) {
        std::memcpy(at, path.c_str(), path.length() + 1);
        at += path.length() + 1;
    }
    return block;
}

// An item-ID list the shell allocated, freed with it.
using OwnedPidl = std::unique_ptr<ITEMIDLIST, Shell::MallocDeleter>;

// A folder's shell object and its absolute item-ID list, looked up once.
class ShellFolderDesc {
public:
    explicit ShellFolderDesc(const ky_F& folder)
    {
        LPITEMIDLIST absolute = nullptr;
        m_folder = Shell::GetFolder(folder.c_str(), &absolute);
        m_absolute.reset(absolute);
    }
    ~ShellFolderDesc()
    {
        if (m_folder != nullptr)
            m_folder->Release();
    }
    ShellFolderDesc(const ShellFolderDesc&) = delete;
    ShellFolderDesc& operator=(const ShellFolderDesc&) = delete;

    IShellFolder* Folder() const { return m_folder; }
    LPCITEMIDLIST Absolute() const { return m_absolute.get(); }
    // The list of a name within the folder, relative to it.
    OwnedPidl Child(const ky_F& name) const
    {
        return OwnedPidl(Shell::GetPidl(m_folder, name.c_str()));
    }

private:
    IShellFolder* m_folder = nullptr;
    OwnedPidl m_absolute;
};

// File names as the shell's ID-list array. Folder objects are cached by
// folder name for the life of the cache; COM failures raise `_com_error`.
class ShellIdListBuilder {
public:
    void Add(const ky_F& folder, const ky_F& name)
    {
        const ShellFolderDesc& desc = Lookup(folder);
        m_items.push_back({&desc, desc.Child(name)});
    }

    // The CIDA block: with one folder the parent is that folder and each
    // item one level below it; with several the parent is the desktop (the
    // empty list) and each item its absolute list.
    HGLOBAL Make() const
    {
        const bool oneFolder = OneFolder();
        static const USHORT emptyList = 0;
        const LPCITEMIDLIST parent = oneFolder && !m_items.empty()
                                         ? m_items.front().folder->Absolute()
                                         : reinterpret_cast<LPCITEMIDLIST>(&emptyList);
        std::vector<OwnedPidl> joined;
        std::vector<LPCITEMIDLIST> items;
        for (const Item& item : m_items) {
            if (oneFolder) {
                items.push_back(item.child.get());
            } else {
                joined.emplace_back(Shell::Join(item.folder->Absolute(), item.child.get()));
                items.push_back(joined.back().get());
            }
        }
        return MakeCida(parent, items);
    }

    void Clear() { m_items.clear(); }

private:
    struct Item {
        const ShellFolderDesc* folder;
        OwnedPidl child;
    };
    struct FolderLess {
        bool operator()(const ky_F& a, const ky_F& b) const { return a.compare(b) < 0; }
    };

    const ShellFolderDesc& Lookup(const ky_F& folder)
    {
        auto found = m_folders.find(folder);
        if (found == m_folders.end())
            found = m_folders.emplace(folder, std::make_unique<ShellFolderDesc>(folder)).first;
        return *found->second;
    }

    bool OneFolder() const
    {
        for (const Item& item : m_items)
            if (item.folder != m_items.front().folder)
                return false;
        return true;
    }

    static HGLOBAL MakeCida(LPCITEMIDLIST parent, const std::vector<LPCITEMIDLIST>& items)
    {
        const UINT count = static_cast<UINT>(items.size());
        const SIZE_T header = sizeof(UINT) * (2 + count);
        SIZE_T size = header + Shell::Size(parent);
        for (LPCITEMIDLIST item : items)
            size += Shell::Size(item);
        const HGLOBAL block = NewGlobal(size);
        LockedGlobal locked(block);
        UINT* words = reinterpret_cast<UINT*>(locked.data());
        words[0] = count;
        SIZE_T at = header;
        const auto put = [&](UINT& offset, LPCITEMIDLIST list) {
            offset = static_cast<UINT>(at);
            std::memcpy(locked.data() + at, list, Shell::Size(list));
            at += Shell::Size(list);
        };
        put(words[1], parent);
        for (UINT i = 0; i < count; ++i)
            put(words[2 + i], items[i]);
        return block;
    }

    std::map<ky_F, std::unique_ptr<ShellFolderDesc>, FolderLess> m_folders;
    std::vector<Item> m_items;
};

} // namespace FileDrop
} // namespace Kyvant
