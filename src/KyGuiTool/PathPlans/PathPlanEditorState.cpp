// PathPlanEditorSubDialog: its arguments, what it keeps in the registry and
// in task files, and the task document's New, load and save.
#include "KyGuiTool/PathPlans/PathPlanEditorSubDialog.h"

#include "KyGuiTool/PathPlans/PathPlanSupport.h"
#include "KyGuiTool/TaskFiles/ToolDocFile.h"
#include "KyStd/Registry/RegValues.h"

#include <memory>
#include <utility>

using namespace Kyvant;
using namespace Kyvant::PathPlanSupport;

void PathPlanEditorSubDialog::UpdateArgv(const ArgSink& argv)
{
    if (!m_planName.empty()) {
        m_db.StoreAsCmdArgs(m_planName.c_str(), argv, false);
        return;
    }
    const StringList filters = FilterTexts(m_filters);
    m_db.StoreAsCmdArgs(ListTexts(m_rules), ListTexts(m_exceptions), m_masks, m_depth,
                        ListTexts(filters), argv);
}

// Nothing once the rules name a response file that lives only as long as
// this program. Rules too long for the registry leave no list.
void PathPlanEditorSubDialog::SaveState(RegKey& key)
{
    if (!m_saveState)
        return;
    KyPathPlanSubDialogBase::SaveState(key);
    if (TotalLength(m_rules) <= kMaxStoredRulesLength)
        WriteList(key, kPathsList, m_rules);
    else
        RegKey(key, kPathsList).DeleteAllValues();
    WriteRegistryString(key.get(), kPlanValue, m_planName);
    WriteRegistryString(key.get(), kDepthValue, m_depth);
}

// A stored plan named there is shown as it is stored now; otherwise the
// rules, depth and filters kept under the key.
void PathPlanEditorSubDialog::RestoreState(RegKey& key)
{
    ky_S plan;
    plan.LoadStringA(key.get(), kPlanValue, "");
    if (m_ui && m_ui->Select(ky_I(plan)) >= 0) {
        m_ui->HandleSelChange();
    } else {
        ky_S problems;
        m_rules = ReadList(key, kPathsList);
        ShowRules();
        ky_S depth;
        depth.LoadStringA(key.get(), kDepthValue, "");
        ShowDepthTolerantly(depth, problems);
        RestoreFilterSettings(key, problems);
        SetDirty(false);
        ReportProblems(problems);
    }
    SelectFirstRule();
}

void PathPlanEditorSubDialog::DocWriteRecords(ToolDoc::File& file)
{
    file.Write(PlanNameRecord, m_planName);
    for (const ky_S& rule : m_rules)
        file.Write(PathRuleRecord, rule);
    file.Write(DepthRecord, m_depth);
    KyPathPlanSubDialogBase::DocWriteRecords(file);
}

void PathPlanEditorSubDialog::DocOnNew()
{
    StopRuleEditing();
    if (m_ui)
        m_ui->ClearName(false);
    ClearRulesAndDepth();
    KyPathPlanSubDialogBase::DocOnNew();
    SetDirty(false);
}

void PathPlanEditorSubDialog::DocOnFinishNew() {}

void PathPlanEditorSubDialog::DocOnStartLoad(const ky_F& file)
{
    StopRuleEditing();
    if (m_ui)
        m_ui->ClearName(false);
    ClearRulesAndDepth();
    KyPathPlanSubDialogBase::DocOnStartLoad(file);
    m_load.reset(new LoadContext);
}

// Once the file named a stored plan, the plan is all: the rest is ignored. A
// name no longer stored leaves an unnamed plan of the file's own rules.
void PathPlanEditorSubDialog::DocProcessRecord(ToolDoc::RecHeader& header, void* payload)
{
    if (m_load && m_load->planFound)
        return;
    const ky_S text(static_cast<const char*>(payload), header.length);
    switch (header.type) {
    case PlanNameRecord:
        m_planName = text;
        if (m_ui && m_ui->Select(m_planName) >= 0) {
            if (m_load)
                m_load->planFound = true;
        } else {
            m_planName.clear();
            if (m_ui)
                m_ui->ClearName(false);
        }
        break;
    case PathRuleRecord:
        if (m_load)
            m_load->rules.push_back(text);
        break;
    case DepthRecord:
        m_depth = text;
        break;
    default:
        KyPathPlanSubDialogBase::DocProcessRecord(header, payload);
        break;
    }
}

void PathPlanEditorSubDialog::DocOnFinishLoad(bool ok)
{
    KyPathPlanSubDialogBase::DocOnFinishLoad(ok);
    if (m_load) {
        const std::unique_ptr<LoadContext> load(std::move(m_load));
        if (load->planFound && m_ui) {
            m_ui->HandleSelChange();
        } else {
            ky_S problems;
            m_rules = load->rules;
            ShowRules();
            ShowDepthTolerantly(m_depth, problems);
            ReportProblems(problems);
        }
    }
    SelectFirstRule();
    SetDirty(false);
}

void PathPlanEditorSubDialog::DocOnFinishSave(bool ok)
{
    if (ok)
        SetDirty(false);
}
