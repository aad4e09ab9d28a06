// FindTextDlg: the file view's Find dialog: the text with its remembered
// list ("TextView\MRUFindText", at most 20), match case, whole words and
// the direction. OK searches; found closes the dialog, not found says so
// and keeps it open with the focus in the text.
#pragma once

#include "KyStd/Strings/String.h"

#include <afxwin.h>

class FileTextView;

class FindTextDlg : public CDialog {
public:
    static const unsigned kMaxRemembered = 20;
    static constexpr const char* kListName = "TextView\\MRUFindText";

    // text: the text the dialog opens with, selected in the combo.
    FindTextDlg(FileTextView& view, const CString& text, CWnd* parent = nullptr);

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;

private:
    void FillList();

    FileTextView& m_view;
    Kyvant::ky_S m_text;
    int m_matchCase;
    int m_wholeWords;
    bool m_down;
};
