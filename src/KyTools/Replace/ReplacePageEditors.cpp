// KyReplaceGSubDialogPage: the bigger editors behind the page's buttons: the
// prologue file's picker, the quick-script editor and the rule editor, and
// the quick-script button with its Shift form.
#include "KyTools/Replace/KyReplaceGSubDialogPage.h"

#include "KyGui/Exceptions/MfcStdException.h"
#include "KyGui/Shell/Browse.h"
#include "KyGuiTool/PathLists/KyBigEditor.h"
#include "KyTools/Replace/KyReplaceGPatternEditorDialog.h"
#include "KyTools/Replace/ReplaceResource.h"
#include "KyTools/Replace/ReplaceText.h"

#include <exception>

namespace {

// OFN_SHAREAWARE | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT.
const DWORD kPrologueFileFlags = 0x4006;

bool ShiftHeld()
{
    return ::GetKeyState(VK_SHIFT) < 0;
}

// The large editor for the quick script: a script, so no files are dropped on it.
class QuickScriptEditor : public KyBigEditor {
public:
    using KyBigEditor::KyBigEditor;

protected:
    BOOL OnInitDialog() override
    {
        const BOOL result = KyBigEditor::OnInitDialog();
        ::DragAcceptFiles(GetEditCtrl().m_hWnd, FALSE);
        return result;
    }
};

} // namespace

void KyReplaceGSubDialogPage::OnQuickScriptClicked()
{
    if (!ShiftHeld()) {
        SendMessage(KyButtonEditorInvoker::kInvokeMessage, IDC_KY_REPLACE_QUICK_SCRIPT, 0);
        return;
    }
    if (m_options.quickScript.empty())
        return;
    m_options.quickScript.clear();
    SetDirty(true);
    UpdatePrologueControls();
}

LRESULT KyReplaceGSubDialogPage::OnInvokeEditor(WPARAM wParam, LPARAM)
{
    try {
        StopGridEditing();
        switch (wParam) {
        case IDC_KY_REPLACE_PROLOGUE_BROWSE:
            BrowsePrologueFile();
            break;
        case IDC_KY_REPLACE_QUICK_SCRIPT:
            EditQuickScript();
            break;
        case IDC_KY_REPLACE_RULE_EDITOR:
            EditRules();
            break;
        default:
            break;
        }
    } catch (const std::exception& e) {
        throw Kyvant::MfcStdException::Create(e);
    }
    return 0;
}

void KyReplaceGSubDialogPage::BrowsePrologueFile()
{
    Kyvant::ky_S path;
    const Kyvant::ky_S filter = Kyvant::ReplaceText::Load(IDS_KY_REPLACE_PROLOGUE_FILTER);
    if (!Kyvant::Shell::BrowseFile(true, path, filter.c_str(), nullptr, nullptr, nullptr,
                                   kPrologueFileFlags, nullptr, this))
        return;
    m_options.prologueFile = path;
    ShowPrologueFile();
    SetDirty(true);
}

void KyReplaceGSubDialogPage::EditQuickScript()
{
    QuickScriptEditor editor(m_quickScriptButton,
                             Kyvant::ReplaceText::Load(IDS_KY_REPLACE_QUICK_EDITOR), this);
    editor.LoadContents(Kyvant::ReplaceText::ToEditLines(m_options.quickScript), FALSE);
    if (editor.DoModal() != IDOK)
        return;
    Kyvant::ky_S edited;
    editor.StoreContents(edited, false, nullptr, 0, FALSE);
    m_options.quickScript = Kyvant::ReplaceText::FromEditLines(edited);
    SetDirty(true);
    UpdatePrologueControls();
}

void KyReplaceGSubDialogPage::EditRules()
{
    if (m_grid.GetCount() == 0) {
        const int row = m_grid.CreateNewEmptyItem(-1);
        if (row >= 0)
            m_grid.SetCurSel(row);
    }
    KyReplaceGPatternEditorDialog editor(m_grid, m_settings, this);
    if (editor.DoModal() != IDOK)
        return;
    m_grid.SetRules(editor.GetRules());
    m_grid.SetCurSel(static_cast<int>(editor.GetCurrentIndex()));
    SetDirty(true);
}
