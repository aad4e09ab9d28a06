// KyPathPlanSubDialogBase: what every path-plan page keeps in the registry
// and in task files, its report and its filter arguments.
#include "KyGuiTool/PathPlans/KyPathPlanSubDialogBase.h"

#include "KyDB/Named/PathPlanDB.h"
#include "KyGuiTool/PathPlans/PathPlanSupport.h"
#include "KyGuiTool/PathPlans/PathPlansResource.h"
#include "KyGuiTool/TaskFiles/ToolDocFile.h"
#include "KyGuiTool/TaskFiles/ToolDocReport.h"
#include "KyStd/Registry/RegValues.h"

using namespace Kyvant;
using namespace Kyvant::PathPlanSupport;

void KyPathPlanSubDialogBase::SaveState(RegKey& key)
{
    WriteList(key, kExceptionsList, m_exceptions);
    WriteList(key, kAdvancedFiltersList, FilterTexts(m_filters));
    WriteRegistryString(key.get(), kMasksValue, m_masks);
}

void KyPathPlanSubDialogBase::RestoreState(RegKey& key)
{
    ky_S problems;
    RestoreFilterSettings(key, problems);
    ReportProblems(problems);
}

void KyPathPlanSubDialogBase::RestoreFilterSettings(RegKey& key, ky_S& problems)
{
    const ky_S unreadable = SetFilters(m_filters, ReadList(key, kAdvancedFiltersList));
    if (!unreadable.empty())
        AddProblem(problems, unreadable.c_str());
    m_exceptions = ReadList(key, kExceptionsList);
    UpdateAllButtonText();
    m_masks.LoadStringA(key.get(), kMasksValue, m_defaultMasks.c_str());
    ShowMasks();
}

void KyPathPlanSubDialogBase::SaveState()
{
    m_masksHistoryWriter->Add(m_masks);
    SaveState(m_pageKey);
    SaveState(m_previousToolKey);
}

void KyPathPlanSubDialogBase::WriteReport(ToolDoc::Report& report)
{
    report.Add(Load(IDS_KY_PP_REPORT_MASKS), m_masks);
    const ky_S label = Load(IDS_KY_PP_REPORT_EXCEPTION);
    for (const ky_S& rule : m_exceptions)
        report.Add(label, rule);
}

void KyPathPlanSubDialogBase::UpdateArgv(const ArgSink& argv)
{
    const StringList filters = FilterTexts(m_filters);
    PathPlanDB::Instance().StoreFiltersAsCmdArgs(ListTexts(m_exceptions), m_masks,
                                                 ListTexts(filters), argv);
}

void KyPathPlanSubDialogBase::DocWriteRecords(ToolDoc::File& file)
{
    file.Write(MasksRecord, m_masks);
    for (const ky_S& rule : m_exceptions)
        file.Write(ExceptionRecord, rule);
    for (const ky_S& text : FilterTexts(m_filters))
        file.Write(AdvancedFilterRecord, text);
}

void KyPathPlanSubDialogBase::DocProcessRecord(ToolDoc::RecHeader& header, void* payload)
{
    const ky_S text(static_cast<const char*>(payload), header.length);
    switch (header.type) {
    case ExceptionRecord:
        m_exceptions.push_back(text);
        break;
    case AdvancedFilterRecord:
        if (m_loadFilterTexts)
            m_loadFilterTexts->push_back(text);
        break;
    case MasksRecord:
        m_masks = text;
        break;
    default:
        break;
    }
}

void KyPathPlanSubDialogBase::DocOnNew()
{
    ClearFilterSettings();
    UpdateAllButtonText();
    ShowMasks();
}

void KyPathPlanSubDialogBase::DocOnStartLoad(const ky_F&)
{
    ClearFilterSettings();
    m_loadFilterTexts.reset(new StringList);
}

void KyPathPlanSubDialogBase::DocOnFinishLoad(bool ok)
{
    ky_S problems;
    if (m_loadFilterTexts) {
        if (ok)
            problems = SetFilters(m_filters, *m_loadFilterTexts);
        m_loadFilterTexts.reset();
    }
    UpdateAllButtonText();
    ShowMasks();
    ReportProblems(problems);
}
