// KyExporterFileDialog: the Save dialog of Export, extended below its own
// controls by a list of the items to export.
#pragma once

#include "KyGui/Shell/KyFileDialog.h"
#include "KyGuiTool/KyGuiToolExport.h"
#include "KyStd/Containers/Sequencer.h"
#include "KyStd/Strings/String.h"

class KYGUITOOL_API KyExporterFileDialog : public KyFileDialog {
public:
    // The names are listed when the dialog opens; after IDOK chosen holds the
    // selected ones in list order. The label loses its '&' marks; the
    // preselected name may be null.
    KyExporterFileDialog(const Kyvant::input_sequencer<const char*>& names,
                         const Kyvant::output_sequencer<Kyvant::ky_BSB<char>>& chosen,
                         const Kyvant::ky_BSB<char>& label, const char* preselected, CWnd* parent);

    // The filter of export files, also used by Import.
    static const char kFilter[];
    static const char kDefaultExtension[];

protected:
    BOOL OnInitDialog() override;
    BOOL OnFileNameOK() override;
    afx_msg void OnSelChange();
    afx_msg void OnSelectAll();
    afx_msg void OnSelectNone();
    DECLARE_MESSAGE_MAP()

private:
    void FitListHeight();
    void Refresh();

    const Kyvant::input_sequencer<const char*>& m_names;
    const Kyvant::output_sequencer<Kyvant::ky_BSB<char>>& m_chosen;
    Kyvant::ky_S m_label;
    Kyvant::ky_S m_preselected;
    CListBox m_list;
    CButton m_selectAll;
    CButton m_selectNone;
};
