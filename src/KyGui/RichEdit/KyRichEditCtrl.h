// KyRichEditCtrl: the rich edit control the front-ends show and search text in:
// text colouring, tab stops measured from a font, word wrap, a selection scrolled
// into view with context, a backward search, and its own edit context menu.
#pragma once

#include "KyGui/KyGuiExport.h"

#include <afxcmn.h>
#include <afxwin.h>

class KYGUI_API KyRichEditCtrl : public CRichEditCtrl {
public:
    // Hides the selection while it lives; nested hiders show it again with the outermost.
    class KYGUI_API SelHider {
    public:
        explicit SelHider(KyRichEditCtrl& control) : m_control(control)
        {
            m_control.ShowSel(false);
        }
        ~SelHider() { m_control.ShowSel(true); }
        SelHider(const SelHider&) = delete;
        SelHider& operator=(const SelHider&) = delete;

    private:
        KyRichEditCtrl& m_control;
    };

    KyRichEditCtrl();
    ~KyRichEditCtrl() override;

    // At most one line, and that one empty.
    bool Empty() const;
    DWORD GetOptions() const;
    bool IsReadOnly() const;
    // Nested hiding of the selection: only the first hide and the last show reach the control.
    void ShowSel(bool show);

    // The colour of all text or of the selection; ClearTextColor gives back the automatic colour.
    void SetTextColor(COLORREF colour, bool allText);
    void ClearTextColor(bool allText = true);
    // Colours the range (when not empty) with the selection hidden, then puts the caret
    // at the range's start; both scroll into a view of visibleLines lines.
    void SetTextColor(COLORREF colour, const CHARRANGE& range, int visibleLines);
    void SetWordWrap(bool wrap);
    bool GetWordWrap() const { return m_wordWrap; }
    // 32 tab stops, columns blanks of the font apart; the selection is kept.
    // columns < 1 or stops beyond the control's range are std::invalid_argument.
    void SetTabSize(CFont& font, int columns);
    // The font's face, size, character set and effects for all text, in automatic colour,
    // and for text added later.
    void SetFont(CFont& font);
    using CWnd::SetFont;

    // Selects start to end (-1 or any negative end: the end of the text), scrolling
    // the selection into a view of visibleLines lines with a margin, centring it when
    // it must move, and horizontally into sight.
    void SetSel(int start, int end, int visibleLines);
    void SetSel(const CHARRANGE& range, int visibleLines);
    using CRichEditCtrl::SetSel;

    // A negative end means the text's length; out is ordered and its end limited to the
    // length. True when out is a valid, non-empty range.
    bool NormalizeRange(CHARRANGE& range) const;
    bool NormalizeRange(CHARRANGE in, CHARRANGE& out) const;

    // The start of the last match of find->lpstrText inside find->chrg, or -1; a match
    // also sets find->chrgText. flags: FR_MATCHCASE, FR_WHOLEWORD.
    long FindReverse(DWORD flags, FINDTEXTEXA* find) const;

protected:
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint pos);
    afx_msg void OnRButtonUp(UINT nFlags, CPoint point);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);
    afx_msg void OnEditUndo();
    afx_msg void OnUpdateEditUndo(CCmdUI* pCmdUI);
    afx_msg void OnEditCut();
    afx_msg void OnUpdateEditCut(CCmdUI* pCmdUI);
    afx_msg void OnEditCopy();
    afx_msg void OnUpdateEditCopy(CCmdUI* pCmdUI);
    afx_msg void OnEditPaste();
    afx_msg void OnUpdateEditPaste(CCmdUI* pCmdUI);
    afx_msg void OnEditClear();
    afx_msg void OnUpdateEditClear(CCmdUI* pCmdUI);
    afx_msg void OnEditSelectAll();
    afx_msg void OnUpdateEditSelectAll(CCmdUI* pCmdUI);
    DECLARE_MESSAGE_MAP()

private:
    bool HasSelection() const;
    void ScrollIntoView(LONG lo, LONG hi, int visibleLines);
    void ScrollHorizontally(LONG lo, LONG hi, LONG firstLine, LONG lastLine);
    CPoint ContextMenuPoint(CPoint pos);

    int m_hideCount;
    bool m_wordWrap;
};
