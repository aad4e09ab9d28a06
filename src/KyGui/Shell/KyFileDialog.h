// KyFileDialog: the layer's file dialog with its own loop on newer systems and default-extension completion.
#pragma once

#include "KyGui/KyGuiExport.h"

#include <afxdlgs.h>

class KYGUI_API KyFileDialog : public CFileDialog {
    DECLARE_DYNAMIC(KyFileDialog)
public:
    explicit KyFileDialog(BOOL openFileDialog, LPCSTR defaultExtension = nullptr, LPCSTR fileName = nullptr,
                          DWORD flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, LPCSTR filter = nullptr,
                          CWnd* parent = nullptr);
    ~KyFileDialog() override;

    INT_PTR DoModal() override;

protected:
    DECLARE_MESSAGE_MAP()

private:
    INT_PTR DoModalExtended();
    void CompleteExtension();
};
