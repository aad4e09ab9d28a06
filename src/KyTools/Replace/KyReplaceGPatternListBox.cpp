// KyReplaceGPatternListBox: its columns, new rows, and rules read from and
// written to its rows.
#include "KyTools/Replace/KyReplaceGPatternListBox.h"

#include "KyGui/Lists/ListsResource.h"
#include "KyStd/Strings/String.h"
#include "KyTools/Replace/ReplaceResource.h"

#include <algorithm>
#include <stdexcept>

namespace {

using TextCell = CLB_StringCell<Kyvant::ky_S>;
using TextColumn = CLB_ColumnDesc<TextCell>;

const KyReplaceGPatternListBox::ColumnInfo kColumns[KyReplaceGPatternListBox::kColumnCount] = {
    {"A", IDS_KY_REPLACE_TIP_ACTIVE},
    {"C", IDS_KY_REPLACE_TIP_CONFIRM},
    {"Find:", 0},
    {"Replace with:", 0},
    {"I", IDS_KY_REPLACE_TIP_IGNORE_CASE},
    {"W", IDS_KY_REPLACE_TIP_WHOLE_WORDS},
    {"R", IDS_KY_REPLACE_TIP_REGEX},
    {"X", IDS_KY_REPLACE_TIP_LEGIBLE_REGEX},
    {"S", IDS_KY_REPLACE_TIP_DOT_MATCHES_NL},
    {"D", IDS_KY_REPLACE_TIP_DOUBLE_QUOTE},
    {"E", IDS_KY_REPLACE_TIP_EVAL},
};

const unsigned kTextColumns = 2;
const int kMinTextWidth = 1;

bool IsTextColumn(unsigned column)
{
    return column == KyReplaceGPatternListBox::kFind ||
           column == KyReplaceGPatternListBox::kReplace;
}

} // namespace

BEGIN_MESSAGE_MAP(KyReplaceGPatternListBox, KyCellListBox)
END_MESSAGE_MAP()

const KyReplaceGPatternListBox::ColumnInfo& KyReplaceGPatternListBox::Info(unsigned column)
{
    if (column >= kColumnCount)
        throw std::out_of_range("KyReplaceGPatternListBox::Info: no such column");
    return kColumns[column];
}

KyReplaceGPatternListBox::KyReplaceGPatternListBox()
    : KyCellListBox(nullptr, false, true, ID_KY_LIST_TOOLBAR)
{
}

KyReplaceGPatternListBox::~KyReplaceGPatternListBox() = default;

int KyReplaceGPatternListBox::CreateNewEmptyItem(int index)
{
    const int row = KyCellListBox::CreateNewEmptyItem(index);
    if (row >= 0) {
        SetChecked(static_cast<unsigned>(row), kActive, true);
        SetChecked(static_cast<unsigned>(row), kConfirm, true);
    }
    return row;
}

int KyReplaceGPatternListBox::ClientWidthWithVerticalScrollBar() const
{
    CRect client;
    GetClientRect(&client);
    const bool barShown = (GetStyle() & WS_VSCROLL) != 0;
    return client.Width() - (barShown ? 0 : ::GetSystemMetrics(SM_CXVSCROLL));
}

void KyReplaceGPatternListBox::InsertRuleColumns()
{
    const int checkWidth = CLB_CheckCell::GetDefaultWidth();
    const int checkHeight = CLB_CheckCell::GetDefaultHeight();
    const int checks = static_cast<int>(kColumnCount - kTextColumns);
    const int textWidth =
        std::max(kMinTextWidth, (ClientWidthWithVerticalScrollBar() - checks * checkWidth) /
                                    static_cast<int>(kTextColumns));
    for (unsigned column = 0; column < kColumnCount; ++column) {
        const char* caption = kColumns[column].caption;
        CLB_ColumnDescBase* desc =
            IsTextColumn(column)
                ? static_cast<CLB_ColumnDescBase*>(new TextColumn(textWidth, 0, caption))
                : new CLB_CheckColumnDesc(checkWidth, checkHeight, caption);
        InsertColumn(column, desc);
    }
}

bool KyReplaceGPatternListBox::IsChecked(unsigned row, unsigned column)
{
    return dynamic_cast<CLB_CheckCell&>(GetCell(row, column)).GetCheck() == BST_CHECKED;
}

const char* KyReplaceGPatternListBox::CellText(unsigned row, unsigned column)
{
    return dynamic_cast<CLB_StringCellBase&>(GetCell(row, column)).GetText();
}

void KyReplaceGPatternListBox::SetChecked(unsigned row, unsigned column, bool checked)
{
    const CLB_Cell::Locator where(this, row, column);
    dynamic_cast<CLB_CheckCell&>(GetCell(row, column))
        .SetCheck(checked ? BST_CHECKED : BST_UNCHECKED, m_hWnd != nullptr ? &where : nullptr);
}

void KyReplaceGPatternListBox::SetText(unsigned row, unsigned column, const char* text)
{
    dynamic_cast<CLB_StringCellBase&>(GetCell(row, column)).SetText(text, nullptr);
}

Kyvant::ReplaceRule KyReplaceGPatternListBox::GetRule(unsigned row)
{
    return Kyvant::ReplaceRule(IsChecked(row, kActive), Kyvant::ky_S(CellText(row, kFind)),
                               Kyvant::ky_S(CellText(row, kReplace)), IsChecked(row, kIgnoreCase),
                               IsChecked(row, kWholeWords), IsChecked(row, kDotMatchesNL),
                               IsChecked(row, kRegEx), IsChecked(row, kLegibleRegEx),
                               IsChecked(row, kConfirm), IsChecked(row, kEval),
                               IsChecked(row, kDoubleQuote));
}

Kyvant::ReplaceRuleVector KyReplaceGPatternListBox::GetRules()
{
    Kyvant::ReplaceRuleVector rules;
    const unsigned rows = static_cast<unsigned>(std::max(GetCount(), 0));
    rules.reserve(rows);
    for (unsigned row = 0; row < rows; ++row)
        rules.push_back(GetRule(row));
    return rules;
}

void KyReplaceGPatternListBox::FillRow(unsigned row, const Kyvant::ReplaceRule& rule)
{
    SetChecked(row, kActive, rule.m_enabled);
    SetChecked(row, kConfirm, rule.m_confirm);
    SetText(row, kFind, rule.m_find.c_str());
    SetText(row, kReplace, rule.m_replace.c_str());
    SetChecked(row, kIgnoreCase, rule.m_ignoreCase);
    SetChecked(row, kWholeWords, rule.m_wholeWords);
    SetChecked(row, kRegEx, rule.m_regEx);
    SetChecked(row, kLegibleRegEx, rule.m_legibleRegEx);
    SetChecked(row, kDotMatchesNL, rule.m_dotMatchesNL);
    SetChecked(row, kDoubleQuote, rule.m_doubleQuoteSearch);
    SetChecked(row, kEval, rule.m_evalReplacement);
}

void KyReplaceGPatternListBox::SetRules(const Kyvant::ReplaceRuleVector& rules)
{
    StopEditing(true, true, true);
    SetRedraw(FALSE);
    try {
        ResetContent();
        unsigned first = 0;
        bool firstFound = false;
        for (unsigned row = 0; row < rules.size(); ++row) {
            InsertRow(row, nullptr);
            FillRow(row, rules[row]);
            if (!firstFound && rules[row].m_enabled) {
                first = row;
                firstFound = true;
            }
        }
        if (!rules.empty()) {
            SetTopIndex(static_cast<int>(first));
            SetCurSel(static_cast<int>(first));
        }
    } catch (...) {
        SetRedraw(TRUE);
        Invalidate();
        throw;
    }
    SetRedraw(TRUE);
    Invalidate();
}
