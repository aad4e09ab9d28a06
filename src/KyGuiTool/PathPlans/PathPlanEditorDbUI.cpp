// PathPlanEditorSubDialog::PathPlanDbUI: the path plans' texts for the
// storage controls, and the plan shown, stored and cleared through the page.
#include "KyGuiTool/PathPlans/PathPlanEditorSubDialog.h"

#include "KyDB/Named/DbLocation.h"
#include "KyGui/Helpers/DialogEx.h"
#include "KyGuiTool/App/KyGuiApp.h"
#include "KyGuiTool/PathPlans/PathPlanSupport.h"
#include "KyGuiTool/PathPlans/PathPlansResource.h"
#include "KyGuiTool/ShellObjEdit/ShellObjEditResource.h"

using namespace Kyvant;
using Kyvant::PathPlanSupport::Load;

namespace {

// The application's shared key, or the same key without an application.
RegKey SharedKey()
{
    if (KyGuiApp::s_pApp != nullptr)
        return KyGuiApp::s_pApp->GetKyvantSharedRegKey();
    return RegKey(HKEY_CURRENT_USER, kSharedSettingsKey);
}

} // namespace

const char PathPlanEditorSubDialog::PathPlanDbUI::kExportHeader[] = "[Path Plans]";

PathPlanEditorSubDialog::PathPlanDbUI::PathPlanDbUI(PathPlanEditorSubDialog& page)
    : StorageMapUI<PathPlanDB>(page.m_db, page, page.m_planMenu, page.m_planNames, page.m_planSave,
                               page.m_planNew, page.m_planDelete, page.m_planName,
                               Load(IDS_KY_PP_SAVE_UNNAMED), Load(IDS_KY_PP_SAVE_NAMED),
                               Load(IDS_KY_PP_DELETE_SOME), Load(IDS_KY_PATH_PLANS),
                               Load(IDS_KY_PP_DELETE_QUESTION), Load(IDS_KY_PP_RENAME_CAPTION),
                               ky_I(kExportHeader), SharedKey()),
      m_page(page)
{
}

PathPlanEditorSubDialog::PathPlanDbUI::~PathPlanDbUI() = default;

void PathPlanEditorSubDialog::PathPlanDbUI::ClearContents()
{
    m_page.StopRuleEditing();
    m_page.ClearRulesAndDepth();
    m_page.ClearFilterSettings();
    m_page.ShowMasks();
    m_page.UpdateAllButtonText();
    m_page.SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(m_page.m_ruleList.m_hWnd), TRUE);
    m_page.DocSetModified();
}

// A page without rules starts editing its first one.
void PathPlanEditorSubDialog::PathPlanDbUI::AfterNew()
{
    KyPathListBox& list = m_page.m_ruleList;
    if (!m_page.ListedRules().empty())
        return;
    int row = list.GetEmptyItemIndex();
    if (row < 0)
        row = list.CreateNewEmptyItem(-1);
    if (row < 0)
        return;
    list.SetCurSel(row);
    DialogEx::GotoDialogControl(list, true);
    list.BeginEditing(KYB_Editor::Keyboard, CPoint(0, 0));
}

void PathPlanEditorSubDialog::PathPlanDbUI::StopEditing()
{
    m_page.StopRuleEditing();
}

void PathPlanEditorSubDialog::PathPlanDbUI::LoadItem(const ky_I& name)
{
    const Iterator found = m_db.find(name);
    if (found != m_db.end())
        m_page.ShowPlan(found->second);
}

bool PathPlanEditorSubDialog::PathPlanDbUI::ValidateControls()
{
    return m_page.UpdateData(TRUE) > 0;
}

PathPlanEditorSubDialog::PathPlanDbUI::InsertResult
PathPlanEditorSubDialog::PathPlanDbUI::StoreItem(const ky_I& name)
{
    return m_db.Insert(name, m_page.BuildItem());
}

void PathPlanEditorSubDialog::PathPlanDbUI::OnSaved(const ky_I& oldName, const ky_I& newName)
{
    if (oldName != newName)
        m_page.DocSetModified();
}

void PathPlanEditorSubDialog::PathPlanDbUI::OnDeleted(const ky_I&, bool wasCurrent)
{
    if (wasCurrent)
        m_page.DocSetModified();
}

void PathPlanEditorSubDialog::PathPlanDbUI::OnRenamed(const ky_I&, const ky_I&)
{
    m_page.DocSetModified();
}

void PathPlanEditorSubDialog::PathPlanDbUI::OnCleared(const ky_I&, bool)
{
    m_page.DocSetModified();
}
