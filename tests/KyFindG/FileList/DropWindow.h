// A window that takes dropped files the way a folder window does: it reads
// their names (CF_HDROP), moves them into its folder and reports a move,
// either as the drag's result or, as Explorer does for an optimized move,
// by writing back "Performed DropEffect" with a result of none.
#pragma once

#include "KyGuiTool/ResultList/FileDataSource.h"

#include <windows.h>
#include <ole2.h>
#include <shellapi.h>

#include <string>
#include <vector>

namespace findgtest {

class DropWindow : public IDropTarget {
public:
    // A window at the screen rectangle, registered as a drop target.
    DropWindow(const RECT& at, const std::string& folder, bool writeBack)
        : m_folder(folder), m_writeBack(writeBack)
    {
        // Not a static control: those are transparent to the point lookup.
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = DefWindowProcA;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        windowClass.lpszClassName = kClassName;
        RegisterClassA(&windowClass);
        m_window = CreateWindowExA(WS_EX_TOPMOST, kClassName, "Drop here", WS_POPUP | WS_VISIBLE,
                                   at.left, at.top, at.right - at.left, at.bottom - at.top, nullptr,
                                   nullptr, GetModuleHandleA(nullptr), nullptr);
        m_registered = SUCCEEDED(RegisterDragDrop(m_window, this));
    }
    ~DropWindow()
    {
        if (m_registered)
            RevokeDragDrop(m_window);
        DestroyWindow(m_window);
    }
    DropWindow(const DropWindow&) = delete;
    DropWindow& operator=(const DropWindow&) = delete;

    bool Registered() const { return m_registered; }
    POINT Centre() const
    {
        RECT r;
        GetWindowRect(m_window, &r);
        return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }

    std::vector<std::string> m_dropped; // the names of the last drop

    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override
    {
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDropTarget)) {
            *ppv = static_cast<IDropTarget*>(this);
            return S_OK;
        }
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return 2; }
    STDMETHODIMP_(ULONG) Release() override { return 1; }
    STDMETHODIMP DragEnter(IDataObject*, DWORD, POINTL, DWORD* effect) override
    {
        *effect &= DROPEFFECT_MOVE;
        return S_OK;
    }
    STDMETHODIMP DragOver(DWORD, POINTL, DWORD* effect) override
    {
        *effect &= DROPEFFECT_MOVE;
        return S_OK;
    }
    STDMETHODIMP DragLeave() override { return S_OK; }
    STDMETHODIMP Drop(IDataObject* data, DWORD, POINTL, DWORD* effect) override
    {
        FORMATETC format = {CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
        STGMEDIUM medium = {};
        if (FAILED(data->GetData(&format, &medium))) {
            *effect = DROPEFFECT_NONE;
            return S_OK;
        }
        HDROP drop = static_cast<HDROP>(medium.hGlobal);
        m_dropped.clear();
        const UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
        for (UINT i = 0; i < count; ++i) {
            char path[MAX_PATH] = "";
            DragQueryFileA(drop, i, path, MAX_PATH);
            m_dropped.push_back(path);
            const std::string name = std::string(path).substr(std::string(path).rfind('\\') + 1);
            MoveFileA(path, (m_folder + name).c_str());
        }
        ReleaseStgMedium(&medium);
        *effect = DROPEFFECT_MOVE;
        if (m_writeBack) {
            FORMATETC performed = {Kyvant::FileDataSource::GetCfPerformedDropEffect(), nullptr,
                                   DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
            STGMEDIUM written = {};
            written.tymed = TYMED_HGLOBAL;
            written.hGlobal = GlobalAlloc(GMEM_MOVEABLE, sizeof(DWORD));
            *static_cast<DWORD*>(GlobalLock(written.hGlobal)) = DROPEFFECT_MOVE;
            GlobalUnlock(written.hGlobal);
            data->SetData(&performed, &written, TRUE);
            *effect = DROPEFFECT_NONE;
        }
        return S_OK;
    }

private:
    static constexpr const char* kClassName = "KyTestDropWindow";

    std::string m_folder;
    bool m_writeBack;
    HWND m_window = nullptr;
    bool m_registered = false;
};

} // namespace findgtest
