// KyReplaceGSubDialogPage: the task-document hooks: records 5000 (the plan's
// name) and 5001 (the plan's stored text), New, load and save.
#include "KyTools/Replace/KyReplaceGSubDialogPage.h"

#include "KyGui/Helpers/DialogEx.h"
#include "KyGuiTool/TaskFiles/ToolDocFile.h"
#include "KyGuiTool/TaskFiles/ToolDocRecords.h"
#include "KyTools/Replace/ReplacePlanDbUI.h"

namespace {

const int kPlanNameRecord = 5000;
const int kPlanRecord = 5001;

Kyvant::ky_S PayloadText(const Kyvant::ToolDoc::RecHeader& header, const void* payload)
{
    return Kyvant::ky_S(static_cast<const char*>(payload), header.length);
}

} // namespace

void KyReplaceGSubDialogPage::DocWriteRecords(Kyvant::ToolDoc::File& file)
{
    file.Write(kPlanNameRecord, m_planName);
    Kyvant::ky_S stored;
    m_plan.StoreContents(stored);
    file.Write(kPlanRecord, stored);
}

void KyReplaceGSubDialogPage::DocOnStartLoad(const Kyvant::ky_F&)
{
    StopGridEditing();
    if (m_ui)
        m_ui->ClearName(false);
    ClearContents(false);
    m_planChosenByName = false;
}

// Once record 5000 has named a stored plan, the rest is that plan's. A name
// the database lacks is dropped, so that the plan of record 5001 shows as an
// unnamed plan rather than under a name nothing is stored under.
void KyReplaceGSubDialogPage::DocProcessRecord(Kyvant::ToolDoc::RecHeader& header, void* payload)
{
    if (m_planChosenByName.value_or(false))
        return;
    switch (header.type) {
    case kPlanNameRecord: {
        const Kyvant::ky_I name(PayloadText(header, payload).c_str());
        const bool stored = m_ui && m_ui->Select(name) >= 0;
        m_planName = stored ? name : Kyvant::ky_I();
        if (m_planChosenByName)
            m_planChosenByName = stored;
        break;
    }
    case kPlanRecord: {
        // Decoded aside first: a damaged record fails the load and leaves
        // the current plan as it was.
        const Kyvant::ReplacePlan plan(PayloadText(header, payload));
        ShowPlan(plan);
        break;
    }
    default:
        break;
    }
}

void KyReplaceGSubDialogPage::DocOnFinishLoad(bool)
{
    const bool byName = m_planChosenByName.value_or(false);
    m_planChosenByName.reset();
    if (byName && m_ui)
        m_ui->HandleSelChange();
    if (m_hWnd == nullptr)
        return;
    FocusFirstTabStop();
    UpdatePrologueControls();
    SetDirty(false);
}

void KyReplaceGSubDialogPage::DocOnNew()
{
    StopGridEditing();
    if (m_ui)
        m_ui->ClearName(false);
    ClearContents(false);
    m_plan = Kyvant::ReplacePlan();
    ShowOptions(m_plan);
}

void KyReplaceGSubDialogPage::DocOnFinishNew()
{
    if (m_hWnd == nullptr)
        return;
    m_grid.SetCurSel(0);
    SetDirty(false);
    UpdatePrologueControls();
    Kyvant::DialogEx::GotoDialogControl(m_grid, true);
    if (m_ui)
        m_ui->AfterNew();
}

void KyReplaceGSubDialogPage::DocOnStartSave(const Kyvant::ky_F&)
{
    m_saving = true;
}

void KyReplaceGSubDialogPage::DocOnFinishSave(bool ok)
{
    m_saving = false;
    if (ok)
        SetDirty(false);
}
