// KyReplaceGPatternEditorDialog: showing and storing one rule, the rule
// numbers, New and Delete with their Shift forms, control states, help,
// layout and the remembered placement.
#include "KyTools/Replace/KyReplaceGPatternEditorDialog.h"

#include "KyGui/Adapters/DataExchange.h"
#include "KyGui/Exceptions/MfcStdException.h"
#include "KyGui/Helpers/DialogEx.h"
#include "KyGui/Helpers/WndEx.h"
#include "KyGuiTool/App/KyGuiApp.h"
#include "KyTools/Replace/KyReplaceGPatternListBox.h"
#include "KyTools/Replace/ReplaceResource.h"
#include "KyTools/Replace/ReplaceText.h"

#include <algorithm>
#include <exception>
#include <string>

namespace {

using Kyvant::ky_S;

// Help contexts of dialogs start here.
const DWORD kHelpResourceBase = 0x20000;

#define KY_RULE_HELP(id) id, (static_cast<DWORD>(id) << 16) | IDD_KY_REPLACE_RULE_EDITOR
const DWORD kHelpIds[] = {KY_RULE_HELP(IDC_KY_RULE_DELETE),
                          KY_RULE_HELP(IDC_KY_RULE_NUMBER),
                          KY_RULE_HELP(IDC_KY_RULE_REGEX),
                          KY_RULE_HELP(IDC_KY_RULE_DOT_MATCHES_NL),
                          KY_RULE_HELP(IDC_KY_RULE_LEGIBLE_REGEX),
                          KY_RULE_HELP(IDC_KY_RULE_EVAL),
                          KY_RULE_HELP(IDC_KY_RULE_IGNORE_CASE),
                          KY_RULE_HELP(IDC_KY_RULE_WHOLE_WORDS),
                          KY_RULE_HELP(IDC_KY_RULE_CONFIRM),
                          KY_RULE_HELP(IDC_KY_RULE_ACTIVE),
                          KY_RULE_HELP(IDC_KY_RULE_DOUBLE_QUOTE),
                          KY_RULE_HELP(IDC_KY_RULE_NEW),
                          0,
                          0};
#undef KY_RULE_HELP

// The rule check boxes, in the order of the editor's check-box members.
const int kCheckIds[] = {
    IDC_KY_RULE_ACTIVE,         IDC_KY_RULE_CONFIRM,      IDC_KY_RULE_IGNORE_CASE,
    IDC_KY_RULE_WHOLE_WORDS,    IDC_KY_RULE_REGEX,        IDC_KY_RULE_LEGIBLE_REGEX,
    IDC_KY_RULE_DOT_MATCHES_NL, IDC_KY_RULE_DOUBLE_QUOTE, IDC_KY_RULE_EVAL};

// The two edits share the height between them, each keeping its share.
class EditColumn : public Kyvant::SimpleLayoutManager::RowColManager {
public:
    static const unsigned kEdits = 2;

    EditColumn(CWnd* const* edits, CWnd* const* labels)
        : RowColManager(false, kEdits, edits, labels)
    {
    }
    static void Add(Kyvant::SimpleLayoutManager& layout, CWnd* const* edits, CWnd* const* labels)
    {
        AddTo(layout, Kyvant::rc_ptr<RowColManager>(new EditColumn(edits, labels)));
    }
};

bool ShiftHeld()
{
    return ::GetKeyState(VK_SHIFT) < 0;
}

LPCSTR HelpFile()
{
    CWinApp* app = AfxGetApp();
    return app != nullptr ? app->m_pszHelpFilePath : nullptr;
}

std::string Number(unsigned index)
{
    return std::to_string(index + 1);
}

} // namespace

const char KyReplaceGPatternEditorDialog::kPlacementSubkey[] = "PattenEditorWindow";

BEGIN_MESSAGE_MAP(KyReplaceGPatternEditorDialog, CDialog)
ON_CBN_SELCHANGE(IDC_KY_RULE_NUMBER, OnRuleNumberChange)
ON_BN_CLICKED(IDC_KY_RULE_NEW, OnNewRule)
ON_BN_CLICKED(IDC_KY_RULE_DELETE, OnDeleteRule)
ON_BN_CLICKED(IDC_KY_RULE_HELP, OnHelpButton)
ON_WM_HELPINFO()
ON_WM_CONTEXTMENU()
ON_WM_SIZE()
ON_MESSAGE(WM_GETMINMAXINFO, OnGetMinMaxInfo)
ON_WM_DESTROY()
END_MESSAGE_MAP()

KyReplaceGPatternEditorDialog::KyReplaceGPatternEditorDialog(KyReplaceGPatternListBox& grid,
                                                             const Kyvant::RegKey& key,
                                                             CWnd* parent)
    : CDialog(IDD_KY_REPLACE_RULE_EDITOR, parent), m_key(key),
      m_index(static_cast<unsigned>(std::max(grid.GetCurSel(), 0))), m_inSelChange(false),
      m_ruleControlsEnabled(true), m_rules(grid.GetRules()), m_initialSize(0, 0), m_ignoreCase(0),
      m_dotMatchesNL(0), m_regEx(0), m_wholeWords(0), m_confirm(0), m_active(0), m_legibleRegEx(0),
      m_eval(0), m_doubleQuote(0)
{
    m_ruleControls[0] = &m_find;
    m_ruleControls[1] = &m_replace;
    for (unsigned i = 2; i < kRuleControlCount; ++i)
        m_ruleControls[i] = &m_checks[i - 2];
    LoadRule(m_index);
}

KyReplaceGPatternEditorDialog::~KyReplaceGPatternEditorDialog() = default;

void KyReplaceGPatternEditorDialog::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_KY_RULE_NUMBER, m_ruleNumbers);
    DDX_Control(pDX, IDC_KY_RULE_NEW, m_new);
    DDX_Control(pDX, IDC_KY_RULE_DELETE, m_delete);
    DDX_Control(pDX, IDC_KY_RULE_FIND, m_find);
    DDX_Control(pDX, IDC_KY_RULE_REPLACE, m_replace);
    DDX_Control(pDX, IDC_KY_RULE_REPLACE_LABEL, m_replaceLabel);
    for (unsigned i = 0; i < kRuleControlCount - 2; ++i)
        DDX_Control(pDX, kCheckIds[i], m_checks[i]);
    DDX_Check(pDX, IDC_KY_RULE_IGNORE_CASE, m_ignoreCase);
    DDX_Check(pDX, IDC_KY_RULE_DOT_MATCHES_NL, m_dotMatchesNL);
    DDX_Check(pDX, IDC_KY_RULE_REGEX, m_regEx);
    DDX_Check(pDX, IDC_KY_RULE_WHOLE_WORDS, m_wholeWords);
    DDX_Check(pDX, IDC_KY_RULE_CONFIRM, m_confirm);
    DDX_string_edit(pDX, IDC_KY_RULE_FIND, m_findText);
    DDX_string_edit(pDX, IDC_KY_RULE_REPLACE, m_replaceText);
    DDX_Check(pDX, IDC_KY_RULE_ACTIVE, m_active);
    DDX_Check(pDX, IDC_KY_RULE_LEGIBLE_REGEX, m_legibleRegEx);
    DDX_Check(pDX, IDC_KY_RULE_EVAL, m_eval);
    DDX_Check(pDX, IDC_KY_RULE_DOUBLE_QUOTE, m_doubleQuote);
}

BOOL KyReplaceGPatternEditorDialog::OnInitDialog()
{
    try {
        CDialog::OnInitDialog();
        if (KyGuiApp::s_pApp != nullptr) {
            const HGDIOBJ font = KyGuiApp::s_pApp->GetAltEdFont().GetSafeHandle();
            if (font != nullptr) {
                m_find.SetFont(static_cast<HFONT>(font));
                m_replace.SetFont(static_cast<HFONT>(font));
            }
        }
        FillRuleNumbers();
        m_initialSize = Kyvant::WndEx::WindowRect(*this).Size();
        SetUpLayout();
        RestorePlacement();
        UpdateControlStates(nullptr);
        GotoDlgCtrl(m_ruleControlsEnabled ? static_cast<CWnd*>(&m_find) : &m_new);
    } catch (const std::exception& e) {
        throw Kyvant::MfcStdException::Create(e);
    }
    return FALSE;
}

void KyReplaceGPatternEditorDialog::LoadRule(unsigned index)
{
    const Kyvant::ReplaceRule rule =
        index < m_rules.size() ? m_rules[index] : Kyvant::ReplaceText::BlankRule();
    m_findText = Kyvant::ReplaceText::ToEditLines(rule.m_find);
    m_replaceText = Kyvant::ReplaceText::ToEditLines(rule.m_replace);
    m_active = rule.m_enabled ? 1 : 0;
    m_confirm = rule.m_confirm ? 1 : 0;
    m_ignoreCase = rule.m_ignoreCase ? 1 : 0;
    m_wholeWords = rule.m_wholeWords ? 1 : 0;
    m_regEx = rule.m_regEx ? 1 : 0;
    m_legibleRegEx = rule.m_legibleRegEx ? 1 : 0;
    m_dotMatchesNL = rule.m_dotMatchesNL ? 1 : 0;
    m_doubleQuote = rule.m_doubleQuoteSearch ? 1 : 0;
    m_eval = rule.m_evalReplacement ? 1 : 0;
}

void KyReplaceGPatternEditorDialog::ShowRule(unsigned index)
{
    LoadRule(index);
    UpdateData(FALSE);
    UpdateControlStates(nullptr);
}

void KyReplaceGPatternEditorDialog::StoreShownRule()
{
    UpdateData(TRUE);
    if (m_index >= m_rules.size())
        return;
    m_rules[m_index] =
        Kyvant::ReplaceRule(m_active != 0, Kyvant::ReplaceText::FromEditLines(m_findText),
                            Kyvant::ReplaceText::FromEditLines(m_replaceText), m_ignoreCase != 0,
                            m_wholeWords != 0, m_dotMatchesNL != 0, m_regEx != 0,
                            m_legibleRegEx != 0, m_confirm != 0, m_eval != 0, m_doubleQuote != 0);
}

void KyReplaceGPatternEditorDialog::UpdateControlStates(CWnd* focusAfterDelete)
{
    const bool any = !m_rules.empty();
    if (!any && ::GetFocus() == m_delete.m_hWnd)
        GotoDlgCtrl(focusAfterDelete != nullptr ? focusAfterDelete : &m_ruleNumbers);
    Kyvant::DialogEx::EnablePushButton(m_delete, any, *this);
    if (any == m_ruleControlsEnabled)
        return;
    m_ruleControlsEnabled = any;
    for (CWnd* control : m_ruleControls)
        control->EnableWindow(any ? TRUE : FALSE);
}

void KyReplaceGPatternEditorDialog::FillRuleNumbers()
{
    m_ruleNumbers.ResetContent();
    for (unsigned i = 0; i < m_rules.size(); ++i)
        m_ruleNumbers.AddString(Number(i).c_str());
    m_ruleNumbers.SetCurSel(m_index < m_rules.size() ? static_cast<int>(m_index) : -1);
}

void KyReplaceGPatternEditorDialog::RenumberFrom(unsigned index)
{
    for (unsigned i = index; i < m_rules.size(); ++i) {
        m_ruleNumbers.DeleteString(static_cast<int>(i));
        m_ruleNumbers.InsertString(static_cast<int>(i), Number(i).c_str());
    }
}

void KyReplaceGPatternEditorDialog::OnRuleNumberChange()
{
    if (m_inSelChange)
        return;
    m_inSelChange = true;
    try {
        StoreShownRule();
        const int selected = m_ruleNumbers.GetCurSel();
        if (selected >= 0)
            m_index = static_cast<unsigned>(selected);
        ShowRule(m_index);
    } catch (const std::exception& e) {
        m_inSelChange = false;
        throw Kyvant::MfcStdException::Create(e);
    }
    m_inSelChange = false;
}

void KyReplaceGPatternEditorDialog::OnNewRule()
{
    try {
        StoreShownRule();
        const bool copy = ShiftHeld() && m_index < m_rules.size();
        const Kyvant::ReplaceRule rule = copy ? m_rules[m_index] : Kyvant::ReplaceText::BlankRule();
        m_rules.push_back(rule);
        m_index = static_cast<unsigned>(m_rules.size() - 1);
        m_ruleNumbers.AddString(Number(m_index).c_str());
        m_ruleNumbers.SetCurSel(static_cast<int>(m_index));
        ShowRule(m_index);
        GotoDlgCtrl(&m_find);
    } catch (const std::exception& e) {
        throw Kyvant::MfcStdException::Create(e);
    }
}

void KyReplaceGPatternEditorDialog::OnDeleteRule()
{
    try {
        if (ShiftHeld()) {
            m_rules.clear();
            m_ruleNumbers.ResetContent();
            m_index = 0;
        } else {
            if (m_index >= m_rules.size())
                return;
            m_rules.erase(m_rules.begin() + m_index);
            m_ruleNumbers.DeleteString(static_cast<int>(m_index));
            RenumberFrom(m_index);
            if (m_index >= m_rules.size() && !m_rules.empty())
                m_index = static_cast<unsigned>(m_rules.size() - 1);
            m_ruleNumbers.SetCurSel(m_rules.empty() ? -1 : static_cast<int>(m_index));
        }
        if (m_rules.empty())
            m_index = 0;
        LoadRule(m_index);
        UpdateData(FALSE);
        UpdateControlStates(&m_new);
        if (m_rules.empty())
            GotoDlgCtrl(&m_new);
    } catch (const std::exception& e) {
        throw Kyvant::MfcStdException::Create(e);
    }
}

void KyReplaceGPatternEditorDialog::OnOK()
{
    try {
        StoreShownRule();
    } catch (const std::exception& e) {
        throw Kyvant::MfcStdException::Create(e);
    }
    EndDialog(IDOK);
}

void KyReplaceGPatternEditorDialog::OnHelpButton()
{
    if (CWinApp* app = AfxGetApp())
        app->WinHelp(kHelpResourceBase + IDD_KY_REPLACE_RULE_EDITOR, HELP_CONTEXT);
}

BOOL KyReplaceGPatternEditorDialog::OnHelpInfo(HELPINFO* pHelpInfo)
{
    if (pHelpInfo->iContextType == HELPINFO_WINDOW) {
        AfxWinHelp(static_cast<HWND>(pHelpInfo->hItemHandle), HelpFile(), HELP_WM_HELP,
                   reinterpret_cast<ULONG_PTR>(kHelpIds));
        return TRUE;
    }
    return CDialog::OnHelpInfo(pHelpInfo);
}

void KyReplaceGPatternEditorDialog::OnContextMenu(CWnd* pWnd, CPoint pos)
{
    if (pWnd != nullptr && pWnd->m_hWnd != m_hWnd) {
        AfxWinHelp(pWnd->m_hWnd, HelpFile(), HELP_CONTEXTMENU,
                   reinterpret_cast<ULONG_PTR>(kHelpIds));
        return;
    }
    CDialog::OnContextMenu(pWnd, pos);
}

void KyReplaceGPatternEditorDialog::SetUpLayout()
{
    using Side = Kyvant::SimpleLayoutManager::Side;
    for (int id : {IDOK, IDCANCEL, IDC_KY_RULE_HELP})
        m_layout.m_sideWindows.Add(*GetDlgItem(id), Side::Right);
    for (CButton& check : m_checks)
        m_layout.m_sideWindows.Add(check, Side::Bottom);
    m_layout.m_stretchyWindows.Add(m_find, Side::Right);
    m_layout.m_stretchyWindows.Add(m_replace, Side::Right);
    CWnd* const edits[] = {&m_find, &m_replace};
    CWnd* const labels[] = {nullptr, &m_replaceLabel};
    EditColumn::Add(m_layout, edits, labels);
}

// The placement as it was left, never smaller than the template.
void KyReplaceGPatternEditorDialog::RestorePlacement()
{
    if (!m_key.empty())
        Kyvant::WndEx::RestoreWindowState(*this, m_key.get(), kPlacementSubkey, true);
    const CRect window = Kyvant::WndEx::WindowRect(*this);
    if (window.Width() < m_initialSize.cx || window.Height() < m_initialSize.cy)
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, std::max<int>(window.Width(), m_initialSize.cx),
                       std::max<int>(window.Height(), m_initialSize.cy),
                       SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void KyReplaceGPatternEditorDialog::OnSize(UINT type, int, int)
{
    if (type != SIZE_MINIMIZED && m_initialSize.cx > 0)
        m_layout.Layout();
}

LRESULT KyReplaceGPatternEditorDialog::OnGetMinMaxInfo(WPARAM, LPARAM lParam)
{
    if (m_initialSize.cx > 0) {
        MINMAXINFO* info = reinterpret_cast<MINMAXINFO*>(lParam);
        info->ptMinTrackSize.x = m_initialSize.cx;
        info->ptMinTrackSize.y = m_initialSize.cy;
    }
    return 0;
}

void KyReplaceGPatternEditorDialog::OnDestroy()
{
    if (!m_key.empty())
        Kyvant::WndEx::SaveWindowState(*this, m_key.get(), kPlacementSubkey);
    CDialog::OnDestroy();
}
