// KyOptionsDialog: the options that all tools share; for now the alternate
// editor font.
#pragma once

#include "KyGui/Helpers/GdiEx.h"
#include "KyGuiTool/KyGuiToolExport.h"

#include <afxwin.h>

class KYGUITOOL_API KyOptionsDialog : public CDialog {
    DECLARE_DYNAMIC(KyOptionsDialog)
public:
    // The application's alternate editor font (KyGuiApp).
    explicit KyOptionsDialog(CWnd* parent = nullptr);
    // The given font stands for the application's.
    KyOptionsDialog(Kyvant::GdiEx::Font& font, CWnd* parent);
    ~KyOptionsDialog() override;

protected:
    // Makes the font anew when the choice differs from it.
    void OnOK() override;
    afx_msg void OnFont();
    DECLARE_MESSAGE_MAP()

private:
    Kyvant::GdiEx::Font& m_font;
    LOGFONTA m_logFont;
    int m_pointSize;
};
