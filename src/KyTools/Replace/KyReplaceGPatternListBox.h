// KyReplaceGPatternListBox: the grid of a replace plan's rules, one rule per
// row in eleven columns, and the mapping between its rows and the rules.
#pragma once

#include "KyDB/Named/ReplaceRule.h"
#include "KyGui/Grid/CellListBox.h"
#include "KyTools/KyToolsExport.h"

#include <afxwin.h>

class KYTOOLS_API KyReplaceGPatternListBox : public KyCellListBox {
public:
    // The columns in order; each rule part has one.
    enum Column : unsigned {
        kActive,
        kConfirm,
        kFind,
        kReplace,
        kIgnoreCase,
        kWholeWords,
        kRegEx,
        kLegibleRegEx,
        kDotMatchesNL,
        kDoubleQuote,
        kEval,
        kColumnCount
    };

    // A column's header caption and the string id of its header tip (0: none);
    // std::out_of_range past the last column.
    struct ColumnInfo {
        const char* caption;
        UINT tip;
    };
    static const ColumnInfo& Info(unsigned column);

    // No columns yet, no dragging, the list toolbar made when the window is subclassed.
    KyReplaceGPatternListBox();
    ~KyReplaceGPatternListBox() override;

    // A new row has Active and Confirm checked and everything else clear.
    int CreateNewEmptyItem(int index) override;

    // Adds the eleven columns: check columns of the check cell's size, the two
    // text columns each half of the width the check columns leave in the
    // client area measured with the vertical scroll bar shown.
    void InsertRuleColumns();

    // One rule per row, in row order, every row included.
    Kyvant::ReplaceRuleVector GetRules();
    Kyvant::ReplaceRule GetRule(unsigned row);
    // Ends an edit (keeping it), replaces every row by the rules and selects
    // the first enabled rule (row 0 when none is).
    void SetRules(const Kyvant::ReplaceRuleVector& rules);

    bool IsChecked(unsigned row, unsigned column);
    const char* CellText(unsigned row, unsigned column);

protected:
    DECLARE_MESSAGE_MAP()

private:
    void FillRow(unsigned row, const Kyvant::ReplaceRule& rule);
    void SetChecked(unsigned row, unsigned column, bool checked);
    void SetText(unsigned row, unsigned column, const char* text);
    int ClientWidthWithVerticalScrollBar() const;
};
