// The extension object: Explorer's context-menu handler with its IShellExtInit face.
#pragma once

#include "KyShellX/ToolTable.h"
#include "KyStd/Files/FileName.h"
#include "KyStd/Registry/RegSeq.h"

#include <shlobj.h>

#include <memory>

class CShellExt : public IContextMenu, public IShellExtInit {
public:
    CShellExt();

    // IUnknown and IShellExtInit give the IShellExtInit face.
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    HRESULT STDMETHODCALLTYPE QueryContextMenu(HMENU menu, UINT index, UINT firstId, UINT lastId,
                                               UINT flags) override;
    HRESULT STDMETHODCALLTYPE InvokeCommand(CMINVOKECOMMANDINFO* info) override;
    HRESULT STDMETHODCALLTYPE GetCommandString(UINT_PTR id, UINT flags, UINT* reserved,
                                               CHAR* name, UINT size) override;

    HRESULT STDMETHODCALLTYPE Initialize(LPCITEMIDLIST folder, IDataObject* data,
                                         HKEY progId) override;

private:
    using MenuReader = Kyvant::RegSeqReader<Kyvant::ky_S>;

    virtual ~CShellExt();

    HRESULT BuildToolMenu(HMENU menu, UINT index, UINT firstId, UINT lastId);
    HRESULT RunMenuCommand(const CMINVOKECOMMANDINFO& info);
    HRESULT HandOffAndLaunch(const Kyvant::ky_F& command, const KyShellX::ShellTool& row,
                             bool console);
    HRESULT WriteShellExArgs(const Kyvant::ky_S& keyName);
    void WriteSelection(const Kyvant::ky_F& file, HDROP drop, UINT count);
    HRESULT LaunchTool(const Kyvant::ky_F& command, bool console);
    void ReleaseSelection();

    LONG refs_;
    STGMEDIUM medium_;
    bool held_;
    std::unique_ptr<MenuReader> reader_;
};
