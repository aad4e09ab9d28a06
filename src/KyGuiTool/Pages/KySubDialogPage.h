// KySubDialogPage: a sub-dialog that is one page of a KySubDialogTabCtrl,
// known by its page GUID.
#pragma once

#include "KyGuiTool/KyGuiToolExport.h"
#include "KyGuiTool/Pages/KySubDialog.h"
#include "KyStd/Strings/String.h"

class KYGUITOOL_API KySubDialogPage : public KySubDialog {
    DECLARE_DYNAMIC(KySubDialogPage)
public:
    KySubDialogPage(int templateId, const Kyvant::ky_I& guid, const DWORD* helpIds,
                    const Kyvant::rc_ptr<Kyvant::AppBridge>& bridge, int proxyId);
    ~KySubDialogPage() override;

    const Kyvant::ky_I& GetGUID() const { return m_guid; }
    // The page's position in its parent tab control; the parent must be one
    // (std::bad_cast) and hold the page (std::runtime_error).
    unsigned GetIndex() const;
    // The parent's tab caption at the page's index.
    Kyvant::ky_S GetCaption() const;

    BOOL OnInitDialog() override;
    virtual void OnActivatePage();
    // False keeps the page shown.
    virtual bool OnDeactivatePage();

private:
    Kyvant::ky_I m_guid;
};
