// FileTextView: the Find front-end's bottom pane, the current file in a
// read-only rich edit. It shows the current match coloured (or selected),
// reports the caret's line and column, and finds text forward and backward
// with wrapping at the ends of the file.
#pragma once

#include "KyFind/Gui/TextView/TextViewRichEditCtrl.h"
#include "KyStd/Files/FileName.h"

#include <afxwin.h>

class PaneFrame;
class TextOptions;

class FileTextView : public CView {
    DECLARE_DYNCREATE(FileTextView)

public:
    // The rich edit's style: read-only, multi-line, both scroll bars, the
    // selection kept while the focus is elsewhere.
    static const DWORD kEditStyle = 0x503089C4;
    static const UINT kEditId = 1;
    // Read from a match's position to find its line's end.
    static const long kMatchLineRead = 1023;
    // WM_SETFOCUS posts it; it gives the focus to the rich edit.
    static const UINT kFocusEditMessage = WM_APP + 1;

    FileTextView();
    ~FileTextView() override;

    // The frame that shows the status and title, and the text options the
    // view follows (both may be null).
    void SetFrame(PaneFrame* frame) { m_frame = frame; }
    void SetTextOptions(TextOptions* options) { m_options = options; }

    TextViewRichEditCtrl& Edit() { return m_edit; }
    const TextViewRichEditCtrl& Edit() const { return m_edit; }

    // Shows the file (nothing when it is shown already); a file that cannot
    // be opened or read throws Kyvant::rtl_error or std::runtime_error and
    // leaves the view empty. The failure is told once: the same file asked
    // for again (a file deleted since the search, while the list still
    // grows) leaves the view empty without a word, until another file was
    // asked for or the failure forgotten.
    void Load(const Kyvant::ky_F& name);
    // The results were discarded: a file that failed may be told again.
    void ForgetFailedFile() { m_failedName.clear(); }
    // Shows nothing.
    void ShowEmpty();
    bool IsShowingFile() const { return !m_loadedName.empty(); }
    const Kyvant::ky_F& GetLoadedName() const { return m_loadedName; }
    // The shown file was renamed: only the name changes.
    void SetLoadedName(const Kyvant::ky_F& name);
    bool IsEmpty() const;

    // Colours (or, with colours off, selects) the match from the position
    // to its line's end, the previous match losing its colour.
    void ShowMatch(int position);
    // Selects the current match's range again.
    void SelectMatchedText();
    bool HasMatch() const { return m_match.cpMin >= 0; }
    CHARRANGE GetMatchRange() const { return m_match; }
    // The previous match gets the default text colour back (colours were on).
    void UncolourMatch();

    // The fonts, tab stops and word wrap of the text options.
    void ApplyFont();
    void ApplyTabSize();
    void ApplyWordWrap();

    // "Ln %d, Col %d" of the selection's start, computed anew after the
    // caret moved.
    const CString& GetCaretText();

    // Search settings.
    const CString& GetSearchText() const { return m_searchText; }
    void SetSearch(const CString& text, bool matchCase, bool wholeWords);
    bool GetMatchCase() const { return m_matchCase; }
    bool GetWholeWords() const { return m_wholeWords; }
    // Finds the search text after (or before) the selection, wrapping at the
    // end (or the beginning) with a notice; false when it is not there.
    bool Find(bool forward);
    // The selection as a search text: within one line, or ending at the
    // start of the next, without its line end; false when it is empty.
    bool GetSelectionAsSearchText(CString& text) const;

    void OnDraw(CDC* pDC) override;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg LRESULT OnFocusEdit(WPARAM wParam, LPARAM lParam);
    afx_msg void OnSelChange(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnEditFind();
    afx_msg void OnUpdateEditFind(CCmdUI* pCmdUI);
    afx_msg void OnFindNext();
    afx_msg void OnFindPrevious();
    afx_msg void OnUpdateFindAgain(CCmdUI* pCmdUI);
    afx_msg void OnFindSelectedNext();
    afx_msg void OnFindSelectedPrevious();
    afx_msg void OnToggleMatchCase();
    afx_msg void OnUpdateToggleMatchCase(CCmdUI* pCmdUI);
    afx_msg void OnToggleWholeWords();
    afx_msg void OnUpdateToggleWholeWords(CCmdUI* pCmdUI);
    afx_msg void OnSelectMatchedText();
    afx_msg void OnUpdateSelectMatchedText(CCmdUI* pCmdUI);
    DECLARE_MESSAGE_MAP()

private:
    void StreamFile(const Kyvant::ky_F& name);
    bool FindIn(CHARRANGE range, bool forward, CHARRANGE& hit) const;
    void SelectHit(const CHARRANGE& hit);
    void FindSelected(bool forward);
    void FindAgain(bool forward);
    void ShowNotice(UINT id);
    int VisibleLines() const;
    COLORREF DefaultTextColor() const;
    void LoadSearchSettings();
    void StoreSearchSettings() const;

    TextViewRichEditCtrl m_edit;
    PaneFrame* m_frame;
    TextOptions* m_options;
    Kyvant::ky_F m_loadedName;
    Kyvant::ky_F m_failedName; // the file whose failure was told last
    CHARRANGE m_match;         // cpMin -1: none
    bool m_caretMoved;
    CString m_caretText;
    CString m_searchText;
    bool m_matchCase;
    bool m_wholeWords;
};
