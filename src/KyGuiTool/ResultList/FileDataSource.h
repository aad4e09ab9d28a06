// Kyvant::FileDataSource: the data source through which the result views put
// files on the clipboard or drag them. It registers the shell's clipboard
// formats, routes the file list's renderings to the derived class and
// reports the first failed rendering to the main window.
#pragma once

#include "KyGuiTool/KyGuiToolExport.h"

#include <afxole.h>

namespace Kyvant {

class KYGUITOOL_API FileDataSource : public COleDataSource {
public:
    // keepRendered: the derived class keeps each rendered block and hands
    // out copies later; second: kept for the derived class; with
    // offerFeedbackFormats a drop target may write back the performed and
    // logical performed drop effects and "Paste Succeeded".
    FileDataSource(bool keepRendered, bool second, bool offerFeedbackFormats);
    ~FileDataSource() override;

    // CF_HDROP to OnRenderHDrop, "Shell IDList Array" to OnRenderShellIdList,
    // the rest to COleDataSource.
    BOOL OnRenderGlobalData(LPFORMATETC lpFormatEtc, HGLOBAL* phGlobal) override;
    virtual BOOL OnRenderHDrop(LPFORMATETC lpFormatEtc, HGLOBAL* phGlobal) = 0;
    virtual BOOL RenderHDrop(HGLOBAL* phGlobal) = 0;
    virtual BOOL OnRenderShellIdList(LPFORMATETC lpFormatEtc, HGLOBAL* phGlobal) = 0;
    virtual BOOL RenderShellIdList(HGLOBAL* phGlobal) = 0;

    // The shell's formats, registered on first use.
    static CLIPFORMAT GetCfShellIdList();
    static CLIPFORMAT GetCfPreferredDropEffect();
    static CLIPFORMAT GetCfPerformedDropEffect();
    static CLIPFORMAT GetCfLogicalPerformedDropEffect();
    static CLIPFORMAT GetCfPasteSucceeded();

    // Copies the whole of src into dest (null: a new block of src's size);
    // null when dest is smaller, src is null or memory fails, else dest.
    static HGLOBAL CopyGlobalMemory(HGLOBAL dest, HGLOBAL src);

protected:
    bool m_errorReported;
    const bool m_keepRendered;
    const bool m_second;
    HGLOBAL m_keptHDrop;       // freed with the data source
    HGLOBAL m_keptShellIdList; // freed with the data source

private:
    void ReportRenderError(CException& e);
};

} // namespace Kyvant
