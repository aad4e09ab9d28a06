// KyStringPicker: a dialog to choose one string, or several (with Select All
// and Select None and a label counting the chosen ones), from a list.
#pragma once

#include "KyGuiTool/KyGuiToolExport.h"
#include "KyStd/Containers/Sequencer.h"
#include "KyStd/Strings/String.h"

#include <afxwin.h>

class KYGUITOOL_API KyStringPicker : public CDialog {
public:
    // The choices are listed when the dialog opens; after IDOK chosen holds
    // the selected ones in list order. The preselected string may be null.
    KyStringPicker(const Kyvant::input_sequencer<const char*>& choices,
                   const Kyvant::output_sequencer<Kyvant::ky_BSB<char>>& chosen,
                   const Kyvant::ky_BSB<char>& caption, const Kyvant::ky_BSB<char>& label,
                   const char* preselected, bool multiple, CWnd* parent);

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    afx_msg void OnSelChange();
    afx_msg void OnSelectAll();
    afx_msg void OnSelectNone();
    DECLARE_MESSAGE_MAP()

private:
    void MakeSingleChoiceList();
    void FitListHeight();
    void Refresh();

    const Kyvant::input_sequencer<const char*>& m_choices;
    const Kyvant::output_sequencer<Kyvant::ky_BSB<char>>& m_chosen;
    Kyvant::ky_S m_caption;
    Kyvant::ky_S m_label;
    Kyvant::ky_S m_preselected;
    bool m_multiple;
    CListBox m_list;
    CButton m_selectAll;
    CButton m_selectNone;
};
