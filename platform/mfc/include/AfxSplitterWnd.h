// CSplitterWnd: a static splitter of rows and columns of panes, with bars the user drags.
#pragma once

#include "AfxWnd.h"

#include <vector>

class CCreateContext;

class AFX_API CSplitterWnd : public CWnd
{
    DECLARE_DYNAMIC(CSplitterWnd)
public:
    CSplitterWnd();
    ~CSplitterWnd() override;

    BOOL CreateStatic(CWnd* pParentWnd, int nRows, int nCols, DWORD dwStyle = WS_CHILD | WS_VISIBLE,
                      UINT nID = 0xE900);
    // The pane at row and column: a view of the class, with the ideal size as its row and column sizes.
    virtual BOOL CreateView(int row, int col, CRuntimeClass* pViewClass, SIZE sizeInit, CCreateContext* pContext);

    int GetRowCount() const { return m_nRows; }
    int GetColumnCount() const { return m_nCols; }
    void GetRowInfo(int row, int& cyCur, int& cyMin) const;
    void SetRowInfo(int row, int cyIdeal, int cyMin);
    void GetColumnInfo(int col, int& cxCur, int& cxMin) const;
    void SetColumnInfo(int col, int cxIdeal, int cxMin);
    CWnd* GetPane(int row, int col) const;
    int IdFromRowCol(int row, int col) const { return 0xE900 + row * 16 + col; }
    virtual void RecalcLayout();

    enum ESplitType { splitBox, splitBar, splitIntersection, splitBorder };
    // Draws one part; the default draws the bars raised and the borders sunken.
    virtual void OnDrawSplitter(CDC* pDC, ESplitType nType, const CRect& rect);

    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

protected:
    struct CRowColInfo
    {
        int nMinSize;
        int nIdealSize;
        int nCurSize;
    };

    int m_nRows;
    int m_nCols;
    std::vector<CRowColInfo> m_rowInfo;
    std::vector<CRowColInfo> m_colInfo;

    // Sizes a derived class may change before the first layout.
    int m_cxSplitter, m_cySplitter;        // the bars as drawn
    int m_cxBorderShare, m_cyBorderShare;  // the part of a bar that overlaps a pane's border
    int m_cxSplitterGap, m_cySplitterGap;  // the space between two panes
    int m_cxBorder, m_cyBorder;            // the border around each pane

    // Dragging: the bar being moved (a row bar index, or -1) and where the drag began.
    int m_nTrackRow;
    int m_nTrackCol;
    int m_nTrackOffset;

    // The bar under a point: a row index (0 is the bar below row 0) or -1.
    int HitTestRowBar(CPoint pt) const;
    int HitTestColBar(CPoint pt) const;
    void LayoutSide(std::vector<CRowColInfo>& info, int nTotal, int nGap, int nBorder);

    afx_msg void OnPaint();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    DECLARE_MESSAGE_MAP()
};
