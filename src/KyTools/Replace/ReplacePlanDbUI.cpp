// ReplacePlanDbUI: the replace plans' texts for the storage controls, and the
// plan shown, stored and cleared through the page.
#include "KyTools/Replace/ReplacePlanDbUI.h"

#include "KyDB/Named/DbLocation.h"
#include "KyGuiTool/App/KyGuiApp.h"
#include "KyTools/Replace/KyReplaceGSubDialogPage.h"
#include "KyTools/Replace/ReplaceResource.h"
#include "KyTools/Replace/ReplaceText.h"

namespace {

using Kyvant::ReplaceText::Load;

// The application's shared key, or the same key without an application.
Kyvant::RegKey SharedKey()
{
    if (KyGuiApp::s_pApp != nullptr)
        return KyGuiApp::s_pApp->GetKyvantSharedRegKey();
    return Kyvant::RegKey(HKEY_CURRENT_USER, Kyvant::kSharedSettingsKey);
}

} // namespace

const char ReplacePlanDbUI::kExportHeader[] = "[Replace Plans]";

ReplacePlanDbUI::ReplacePlanDbUI(KyReplaceGSubDialogPage& page)
    : Kyvant::StorageMapUI<Kyvant::ReplacePlanDB>(
          page.m_db, page, page.m_planMenu, page.m_planNames, page.m_planSave, page.m_planNew,
          page.m_planDelete, page.m_planName, Load(IDS_KY_REPLACE_SAVE_UNNAMED),
          Load(IDS_KY_REPLACE_SAVE_NAMED), Load(IDS_KY_REPLACE_DELETE_SOME),
          Load(IDS_KY_REPLACE_PLURAL), Load(IDS_KY_REPLACE_DELETE_QUESTION),
          Load(IDS_KY_REPLACE_RENAME_CAPTION), Kyvant::ky_I(kExportHeader), SharedKey()),
      m_page(page)
{
}

ReplacePlanDbUI::~ReplacePlanDbUI() = default;

void ReplacePlanDbUI::ClearContents()
{
    m_page.ClearContents(true);
}

void ReplacePlanDbUI::AfterNew()
{
    m_page.StartFirstRule();
}

void ReplacePlanDbUI::LoadItem(const Kyvant::ky_I& name)
{
    const Iterator found = m_db.find(name);
    if (found != m_db.end())
        m_page.ShowPlan(found->second);
}

void ReplacePlanDbUI::StopEditing()
{
    m_page.StopGridEditing();
}

bool ReplacePlanDbUI::ValidateControls()
{
    return m_page.UpdateData(TRUE) > 0;
}

ReplacePlanDbUI::InsertResult ReplacePlanDbUI::StoreItem(const Kyvant::ky_I& name)
{
    return m_db.Insert(name, m_page.BuildPlan());
}

void ReplacePlanDbUI::OnSaved(const Kyvant::ky_I& oldName, const Kyvant::ky_I& newName)
{
    if (oldName != newName)
        m_page.DocSetModified();
}

void ReplacePlanDbUI::OnDeleted(const Kyvant::ky_I&, bool wasCurrent)
{
    if (wasCurrent)
        m_page.DocSetModified();
}

void ReplacePlanDbUI::OnRenamed(const Kyvant::ky_I&, const Kyvant::ky_I&)
{
    m_page.DocSetModified();
}
