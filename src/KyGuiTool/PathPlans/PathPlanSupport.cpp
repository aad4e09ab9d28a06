// The path-plan pages' shared helpers: strings, registry lists, filter texts,
// problem reports and the tool-options key.
#include "KyGuiTool/PathPlans/PathPlanSupport.h"

#include "KyGuiTool/App/KyGuiApp.h"
#include "KyGuiTool/Module/KyGuiToolModule.h"
#include "KyGuiTool/ShellObjEdit/ToolAppSettings.h"
#include "KyStd/Registry/RegSeq.h"

#include <afxwin.h>

#include <exception>
#include <vector>

namespace Kyvant {
namespace PathPlanSupport {

namespace {

const char kToolOptionsSubkey[] = "KyvantToolOptions";
const char kLineEnd = '\n';

} // namespace

ky_S Load(UINT id)
{
    ky_S text;
    text.LoadStringA(KyGuiToolModule(), id);
    return text;
}

bool ShiftHeld()
{
    return ::GetKeyState(VK_SHIFT) < 0;
}

RegKey ToolOptionsKey()
{
    if (KyGuiApp::s_pApp != nullptr)
        return KyGuiApp::s_pApp->GetKyvantRegKey();
    return RegKey(ToolAppSettings::ApplicationKey(), kToolOptionsSubkey);
}

StringList ReadList(const RegKey& key, const char* name)
{
    RegSeqReader<ky_S> reader(key, name);
    StringList items;
    for (const ky_S* item = reader.GetFirst(); item != nullptr; item = reader.GetNext())
        items.push_back(*item);
    return items;
}

void WriteList(const RegKey& key, const char* name, const StringList& items)
{
    RegSeqWriter<ky_S> writer(key, name);
    for (const ky_S& item : items)
        writer.Write(item);
}

unsigned long TotalLength(const StringList& items)
{
    unsigned long total = 0;
    for (const ky_S& item : items)
        total += item.length();
    return total;
}

StringList FilterTexts(const AdvancedFiltration::Filters& filters)
{
    std::vector<ky_BSB<char>> texts;
    filters.StoreAsStrings(back_insert_sequencer<std::vector<ky_BSB<char>>>(texts));
    StringList list;
    for (const ky_BSB<char>& text : texts)
        list.push_back(ky_S(text));
    return list;
}

ky_S SetFilters(AdvancedFiltration::Filters& filters, const StringList& texts)
{
    filters.Clear();
    ky_S problems;
    for (const ky_S& text : texts) {
        // A text that fails part way may have set some of its conditions:
        // it is parsed on a copy.
        AdvancedFiltration::Filters trial(filters);
        try {
            trial.Parse(ky_I(text));
            filters = trial;
        } catch (const std::exception& e) {
            AddProblem(problems, e.what());
        }
    }
    return problems;
}

void ReportProblems(const ky_BSB<char>& problems)
{
    if (!problems.empty())
        AfxMessageBox(problems.c_str(), MB_OK | MB_ICONEXCLAMATION);
}

void AddProblem(ky_S& problems, const char* problem)
{
    if (!problems.empty())
        problems += kLineEnd;
    problems += problem;
}

} // namespace PathPlanSupport
} // namespace Kyvant
