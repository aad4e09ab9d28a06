// KyBigEditor: the resizable dialog in which a field's contents are edited
// one object per line, in a multi-line shell-object list edit. It is loaded
// from a sequence, a string or a window, stored back into one of them, and
// gives the focus back to its target field when it goes.
#pragma once

#include "KyGui/Layout/SimpleLayoutManager.h"
#include "KyGuiTool/KyGuiToolExport.h"
#include "KyGuiTool/ShellObjEdit/KyShellObjListEditCtrl.h"
#include "KyStd/Containers/Sequencer.h"
#include "KyStd/Strings/String.h"

#include <afxwin.h>

class KYGUITOOL_API KyBigEditor : public CDialog {
public:
    using Text = Kyvant::ky_BSB<char>;

    KyBigEditor(CWnd& target, const Kyvant::ky_S& caption, CWnd* parent);
    // Gives the focus back to the target unless told not to.
    ~KyBigEditor() override;

    // The text to edit: the items joined by "\r\n", a string as it stands, or
    // a window's contents (an editable list's rows as lines, any other
    // window's text). With update set, an open dialog shows it at once.
    void LoadContents(const Kyvant::input_sequencer<Text>& items, int update);
    void LoadContents(const Text& text, int update);
    void LoadContents(CWnd& window, int update);

    // The edited text, each form after UpdateData(TRUE) when update is set
    // and the dialog is open. Into a sequence: the lines, empty ones only when
    // kept. Into a string: the text as it stands, or with split its lines
    // (empty ones too) joined by the separator. Into a window: the lines
    // (empty ones only when kept) become an editable list's rows, select the
    // combo box entry equal to them joined (else that combo text), or become
    // any other window's text joined; the short form drops empty lines and
    // joins them with nothing.
    void StoreContents(const Kyvant::output_sequencer<Text>& lines, bool keepEmptyLines,
                       int update);
    void StoreContents(Text& out, bool split, const char* separator, unsigned separatorLength,
                       int update);
    void StoreContents(CWnd& window, bool keepEmptyLines, const char* separator,
                       unsigned separatorLength, int update);
    void StoreContents(CWnd& window, int update);

    bool IsModified() const { return m_modified; }
    void SetModified(bool modified) { m_modified = modified; }
    // Whether the destructor gives the focus back to the target (at first: yes).
    void SetReturnFocusToTarget(bool on) { m_returnFocus = on; }
    bool GetReturnFocusToTarget() const { return m_returnFocus; }
    KyShellObjListEditCtrl& GetEditCtrl() { return m_edit; }
    const Kyvant::ky_S& GetText() const { return m_text; }

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    afx_msg void OnEditChange();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg LRESULT OnGetMinMaxInfo(WPARAM wParam, LPARAM lParam);
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

private:
    void ShowLoaded(int update);
    bool TakeEdited(int update);
    void SplitLines(const Kyvant::output_sequencer<Text>& lines, bool keepEmptyLines) const;
    Kyvant::ky_S JoinedLines(bool keepEmptyLines, const char* separator,
                             unsigned separatorLength) const;
    void SetUpLayout();
    void ReturnFocus();
    // The window's Win32 class is the named one (ignoring case).
    static bool IsOfClass(const CWnd& window, const char* className);

    CWnd& m_target;
    Kyvant::ky_S m_caption;
    Kyvant::ky_S m_text;
    bool m_modified;
    bool m_returnFocus;
    bool m_watchChanges;
    CSize m_initialSize;
    Kyvant::SimpleLayoutManager m_layout;
    CButton m_ok;
    CButton m_cancel;
    KyShellObjListEditCtrl m_edit;
};
