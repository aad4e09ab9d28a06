// Handle maps: each handle's permanent object, or a temporary one made on demand and freed at idle.
#pragma once

#include "AfxDC.h"
#include "AfxGdiObject.h"
#include "AfxImageList.h"
#include "AfxMenu.h"
#include "AfxState.h"
#include "AfxWnd.h"

#include <map>
#include <vector>

template <class T, class H, H T::*Member>
class AfxHandleMap
{
public:
    T* LookupPermanent(H h)
    {
        AfxLock lock;
        auto it = m_permanent.find(h);
        return it == m_permanent.end() ? nullptr : it->second;
    }

    // False when the handle has a permanent object already.
    bool SetPermanent(H h, T* pObject)
    {
        AfxLock lock;
        return m_permanent.emplace(h, pObject).second;
    }

    void RemovePermanent(H h)
    {
        AfxLock lock;
        m_permanent.erase(h);
    }

    T* FromHandle(H h)
    {
        if (h == nullptr)
            return nullptr;
        AfxLock lock;
        auto it = m_permanent.find(h);
        if (it != m_permanent.end())
            return it->second;
        T*& temporary = m_temporary[h];
        if (temporary == nullptr) {
            temporary = new T;
            temporary->*Member = h;
        }
        return temporary;
    }

    void DeleteTemporaries()
    {
        std::map<H, T*> doomed;
        {
            AfxLock lock;
            doomed.swap(m_temporary);
        }
        for (auto& entry : doomed) {
            entry.second->*Member = nullptr;
            delete entry.second;
        }
    }

private:
    std::map<H, T*> m_permanent;
    std::map<H, T*> m_temporary;
};

AfxHandleMap<CWnd, HWND, &CWnd::m_hWnd>& AfxWndMap();
AfxHandleMap<CMenu, HMENU, &CMenu::m_hMenu>& AfxMenuMap();
AfxHandleMap<CDC, HDC, &CDC::m_hDC>& AfxDCMap();
AfxHandleMap<CGdiObject, HGDIOBJ, &CGdiObject::m_hObject>& AfxGdiMap();
AfxHandleMap<CImageList, HIMAGELIST, &CImageList::m_hImageList>& AfxImageListMap();

// Frees every temporary window, menu, device-context, GDI and image-list object.
void AfxDeleteTempMaps();
