// KyCatalogTreeCtrl: the tree set from a stored catalog list (computers
// listed as needed, remembered catalogs, checks, and what could not be
// checked) and the stored list made from the tree.
#include "KyGuiTool/IndexingServicePage/KyCatalogTreeCtrl.h"

#include "KyGuiTool/IndexingServicePage/CatalogList.h"
#include "KyGuiTool/IndexingServicePage/IndexingServicePageResource.h"
#include "KyGuiTool/PathPlans/PathPlanSupport.h"
#include "KyGuiTool/ShellObjEdit/HandlerErrors.h"
#include "KyStd/Shell/ComError.h"

#include <algorithm>
#include <exception>

using namespace Kyvant;

namespace {

const char kReportedComputerStart = '\t';
const char kReportedCatalogStart[] = "\t\t";
const char kReportedLineEnd = '\n';

const CatalogList::Wanted* WantedOf(const CatalogList::WantedList& list, const ky_I& computer)
{
    const auto found = std::find_if(list.begin(), list.end(), [&](const CatalogList::Wanted& w) {
        return w.computer == computer;
    });
    return found != list.end() ? &*found : nullptr;
}

bool Contains(const std::vector<ky_I>& names, const ky_I& name)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

// A listing's failure shown as the handlers show theirs: a COM error as an
// OLE exception with its result code, a standard one with its text.
void ReportFailure(const std::exception_ptr& failure)
{
    try {
        try {
            std::rethrow_exception(failure);
        } catch (...) {
            RethrowForMfc();
        }
    } catch (CException* e) {
        e->ReportError();
        e->Delete();
    }
}

} // namespace

HTREEITEM KyCatalogTreeCtrl::AddComputerTrying(const ky_I& name, std::exception_ptr& failure)
{
    Names catalogs;
    bool listed = true;
    try {
        catalogs = ListCatalogs(name);
    } catch (const _com_error&) {
        listed = false;
        failure = std::current_exception();
    } catch (const std::exception&) {
        listed = false;
        failure = std::current_exception();
    }
    HTREEITEM computer = InsertComputer(name, listed);
    for (const ky_I& catalog : catalogs)
        InsertCatalog(computer, catalog, kListedCatalog);
    return computer;
}

void KyCatalogTreeCtrl::SetCatalogs(const input_sequencer<ky_I>& list)
{
    CWaitCursor busy;
    const CatalogList::WantedList wanted = CatalogList::Parse(list);
    std::vector<HTREEITEM> added;
    // This computer's first listing is the page's only source of catalogs:
    // its failure is reported. A stored computer that cannot be asked is
    // only shown unlisted.
    std::exception_ptr firstListing;
    if (GetRootItem() == nullptr && wanted.empty())
        added.push_back(AddComputerTrying(ky_I(CatalogList::kLocalComputer), firstListing));
    for (const CatalogList::Wanted& computer : wanted) {
        std::exception_ptr ignored;
        if (!computer.computer.empty() && FindComputer(computer.computer) == nullptr)
            added.push_back(AddComputerTrying(computer.computer, ignored));
    }
    for (const CatalogList::Wanted& computer : wanted) {
        HTREEITEM item = FindComputer(computer.computer);
        if (item == nullptr)
            continue;
        for (const ky_I& catalog : computer.catalogs) {
            if (FindCatalog(item, catalog) == nullptr)
                InsertCatalog(item, catalog, kRememberedCatalog);
        }
    }
    for (HTREEITEM item : added)
        Expand(item, TVE_EXPAND);
    ApplyChecks(wanted);
    ReportUnavailable(wanted);
    if (firstListing)
        ReportFailure(firstListing);
}

// A computer wanted whole is checked with all its catalogs; of another one
// exactly its wanted catalogs; computers the list does not name, nothing.
void KyCatalogTreeCtrl::ApplyChecks(const CatalogList::WantedList& wanted)
{
    for (HTREEITEM computer = GetRootItem(); computer != nullptr;
         computer = GetNextSiblingItem(computer)) {
        const CatalogList::Wanted* asked = WantedOf(wanted, ComputerName(computer));
        if (asked == nullptr || asked->whole) {
            SetComputerState(computer, asked != nullptr ? kChecked : kUnchecked, true);
            continue;
        }
        for (HTREEITEM catalog = GetChildItem(computer); catalog != nullptr;
             catalog = GetNextSiblingItem(catalog)) {
            const ky_I name(static_cast<LPCSTR>(GetItemText(catalog)));
            SetState(catalog, Contains(asked->catalogs, name) ? kChecked : kUnchecked, true);
        }
        UpdateComputerState(computer);
    }
}

// The wanted computers left without an item, each with its wanted catalogs.
void KyCatalogTreeCtrl::ReportUnavailable(const CatalogList::WantedList& wanted)
{
    ky_S message;
    for (const CatalogList::Wanted& computer : wanted) {
        if (FindComputer(computer.computer) != nullptr)
            continue;
        message += kReportedComputerStart;
        message += computer.computer;
        message += kReportedLineEnd;
        for (const ky_I& catalog : computer.catalogs) {
            message += kReportedCatalogStart;
            message += catalog;
            message += kReportedLineEnd;
        }
    }
    if (!message.empty())
        AfxMessageBox((PathPlanSupport::Load(IDS_KY_IS_UNAVAILABLE) + message).c_str(), MB_OK);
}

void KyCatalogTreeCtrl::GetCatalogs(const output_sequencer<ky_S>& list) const
{
    for (HTREEITEM computer = GetRootItem(); computer != nullptr;
         computer = GetNextSiblingItem(computer)) {
        const ky_I name = ComputerName(computer);
        const CheckState state = GetCheck(computer);
        if (state == kChecked) {
            list.append(CatalogList::WholeComputerEntry(name));
            continue;
        }
        bool any = false;
        for (HTREEITEM catalog = GetChildItem(computer); catalog != nullptr;
             catalog = GetNextSiblingItem(catalog)) {
            if (GetCheck(catalog) != kChecked)
                continue;
            list.append(
                CatalogList::CatalogEntry(name, ky_S(static_cast<LPCSTR>(GetItemText(catalog)))));
            any = true;
        }
        if (!any)
            list.append(CatalogList::ComputerEntry(name));
    }
}
