// SaveFileDialog: the save dialog of the listing, with the output mode and
// the output range added below the standard controls.
#pragma once

#include "KyDir/Gui/SaveAs/ListingWriter.h"
#include "KyGui/Shell/KyFileDialog.h"

class SaveFileDialog : public KyFileDialog {
    DECLARE_DYNAMIC(SaveFileDialog)

public:
    // The filter is a file dialog's; "Selected items only" can be chosen
    // only when items are selected.
    SaveFileDialog(const char* filter, ListingMode mode, bool haveSelection, CWnd* parent);

    ListingMode GetMode() const { return static_cast<ListingMode>(m_mode); }
    bool GetSelectedOnly() const { return m_range == kSelectedRange; }

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    // A name is taken only when the choices exchange without error.
    BOOL OnFileNameOK() override;
    DECLARE_MESSAGE_MAP()

private:
    static const int kSelectedRange = 1;

    int m_mode;
    int m_range;
    bool m_haveSelection;
};
