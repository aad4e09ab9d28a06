// The result list tests' view, its frame and the recorders of its outside effects.
#include "TestFileListView.h"

#include "ResultListTestIds.h"
#include "KyGuiTool/ResultList/ResultListSeams.h"
#include "KyStd/Shell/ShellLaunch.h"

#include <afxext.h>

#include <comdef.h>

#include <stdexcept>

using Kyvant::ShFileRec::Item;

namespace {

const KyFileListViewBase::ColumnInitInfo Columns[TestFileListView::ColumnCount] = {
    {1, 0, 0, KyFileListViewBase::SortAscending, IDS_TEST_COLUMN_NAME, LVCFMT_LEFT,
     LVCF_FMT | LVCF_WIDTH | LVCF_TEXT, "WName"},
    {1, 0, 1, KyFileListViewBase::SortAscending, IDS_TEST_COLUMN_FOLDER, LVCFMT_LEFT,
     LVCF_FMT | LVCF_WIDTH | LVCF_TEXT, "WFolder"},
    {1, 1, 3, KyFileListViewBase::SortDescending, IDS_TEST_COLUMN_SIZE, LVCFMT_RIGHT,
     LVCF_FMT | LVCF_WIDTH | LVCF_TEXT, "WSize"},
    {1, 1, 4, KyFileListViewBase::SortAscending, IDS_TEST_COLUMN_TYPE, LVCFMT_LEFT,
     LVCF_FMT | LVCF_WIDTH | LVCF_TEXT, "WType"},
    {1, 1, 5, KyFileListViewBase::SortDescending, IDS_TEST_COLUMN_MODIFIED, LVCFMT_LEFT,
     LVCF_FMT | LVCF_WIDTH | LVCF_TEXT, "WTime"},
    {0, 1, 6, KyFileListViewBase::SortDescending, IDS_TEST_COLUMN_CREATED, LVCFMT_LEFT,
     LVCF_FMT | LVCF_WIDTH | LVCF_TEXT, "WCreated"},
    {1, 1, 7, KyFileListViewBase::SortAscending, IDS_TEST_COLUMN_ATTRIBUTES, LVCFMT_RIGHT,
     LVCF_FMT | LVCF_WIDTH | LVCF_TEXT, "WAttributes"},
    {0, 1, -1, KyFileListViewBase::SortDescending, IDS_TEST_COLUMN_RANK, LVCFMT_RIGHT,
     LVCF_FMT | LVCF_WIDTH | LVCF_TEXT, "WRank"},
};

const int NoImage = I_IMAGENONE;

class ListFrame : public CFrameWnd {
protected:
    void PostNcDestroy() override { delete this; }
};

DWORD& SeenVersion()
{
    static DWORD version = 0;
    return version;
}

DWORD VersionSeen()
{
    return SeenVersion();
}

BOOL WINAPI CountBeep(UINT)
{
    ++Outside().beeps;
    return TRUE;
}

BOOL WINAPI RecordLaunch(SHELLEXECUTEINFOA* info)
{
    Outside().launches.push_back({info->lpFile ? info->lpFile : "",
                                  info->lpParameters ? info->lpParameters : "",
                                  info->lpVerb ? info->lpVerb : ""});
    return TRUE;
}

bool RecordMenu(Kyvant::Shell::ExplorerContextMenuHost&,
                const Kyvant::ResultList::ExplorerMenuRequest& request)
{
    OutsideSeen::Menu menu{{}, request.path != nullptr, request.point};
    if (request.path != nullptr)
        menu.paths.push_back(request.path);
    else
        for (const Kyvant::Shell::FsObj& object : *request.selection)
            menu.paths.push_back(object.Path().c_str());
    Outside().menus.push_back(menu);
    return true;
}

} // namespace

IMPLEMENT_DYNCREATE(TestFileListView, KyFileListViewBase)

BEGIN_MESSAGE_MAP(TestFileListView, KyFileListViewBase)
ON_NOTIFY_REFLECT(LVN_GETDISPINFO, OnGetDispInfo)
ON_NOTIFY_REFLECT_EX(LVN_ITEMCHANGED, OnItemChanged)
ON_COMMAND_RANGE(ID_TEST_LIST_COLUMN_FIRST, ID_TEST_LIST_COLUMN_LAST, OnHeaderCommand)
ON_UPDATE_COMMAND_UI_RANGE(ID_TEST_LIST_COLUMN_FIRST, ID_TEST_LIST_COLUMN_LAST,
                           OnUpdateHeaderCommand)
END_MESSAGE_MAP()

TestFileListView::TestFileListView()
    : KyFileListViewBase(Columns, ColumnCount, IDR_TEST_LIST_HEADER, ID_TEST_LIST_COLUMN_FIRST)
{
}

TestFileListView::~TestFileListView() {}

BOOL TestFileListView::PreCreateWindow(CREATESTRUCT& cs)
{
    cs.style |= LVS_EDITLABELS | LVS_SHOWSELALWAYS;
    return KyFileListViewBase::PreCreateWindow(cs);
}

void TestFileListView::SetRows(const std::string& folder, const std::vector<std::string>& names)
{
    m_rows.clear();
    for (const std::string& name : names)
        m_rows.push_back(std::make_unique<Item>(Kyvant::ky_F(folder.c_str()),
                                                Kyvant::ky_F(name.c_str()), nullptr));
    GetListCtrl().SetItemCountEx(static_cast<int>(m_rows.size()), 0);
}

void TestFileListView::GetItemFileAndAttributes(Kyvant::ky_F& out, int row, DWORD& attributes)
{
    m_rows[row]->PrepForDisplay_imp_1(Item::AttributeText);
    out = m_rows[row]->GetFullFileName();
    attributes = m_rows[row]->GetAttributes();
}

void TestFileListView::GetItemFile(Kyvant::ky_F& out, int row)
{
    out = m_rows[row]->GetFullFileName();
}

void TestFileListView::GetItemFolder(Kyvant::ky_F& out, int row)
{
    out = m_rows[row]->GetFolder();
}

void TestFileListView::InitColumnWidths(int* widths, int availableWidth, int widthOfX, int widthOf0,
                                        int smallIconWidth, int extra)
{
    m_initArguments = {availableWidth, widthOfX, widthOf0, smallIconWidth, extra};
    for (int column = 0; column < ColumnCount; ++column)
        widths[column] = extra + (column == Name ? smallIconWidth + 16 * widthOfX : 9 * widthOfX);
}

void TestFileListView::GetMsgWndText(Kyvant::ky_S& out)
{
    out = "The results are empty";
}

void TestFileListView::Refresh()
{
    m_heard.push_back("refresh");
}

void TestFileListView::CopyItems(bool copy)
{
    m_heard.push_back(copy ? "copy" : "cut");
    if (m_copyThrows)
        throw std::runtime_error("The files are gone.");
    if (m_copyFailsInCom)
        _com_issue_error(E_ACCESSDENIED);
}

void TestFileListView::ShowItemProperties()
{
    m_heard.push_back("properties");
}

void TestFileListView::DeleteItems()
{
    m_heard.push_back("delete");
}

void TestFileListView::BeginItemDrag(NMHDR*, LRESULT*)
{
    m_heard.push_back("drag");
}

void TestFileListView::EndItemLabelEdit(NMHDR*, LRESULT* pResult)
{
    m_heard.push_back(m_cancellingLabelEdit ? "end edit while cancelling" : "end edit");
    m_labelEditing = false;
    *pResult = FALSE;
}

void TestFileListView::OnMonitorTimerKilled()
{
    ++m_timerKills;
}

void TestFileListView::OnGetDispInfo(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    LVITEMA& item = reinterpret_cast<NMLVDISPINFOA*>(pNMHDR)->item;
    if (item.iItem < 0 || item.iItem >= static_cast<int>(m_rows.size()))
        return;
    const Item& row = *m_rows[item.iItem];
    row.PrepForDisplay_imp_1(Item::AllFields);
    switch (GetColIDX(item.iSubItem, false)) {
    case Name:
        HandleDispInfo(item, row.GetName(), row.GetIcon(), row.GetOverlay());
        break;
    case Folder:
        HandleDispInfo(item, row.GetFolder(), row.GetFolderIcon(), row.GetFolderOverlay());
        break;
    case Size:
        HandleDispInfo(item, row.GetSizeText(), NoImage, 0);
        break;
    case Type:
        HandleDispInfo(item, row.GetTypeName(), NoImage, 0);
        break;
    case Modified:
        HandleDispInfo(item, row.GetWriteTimeText(), NoImage, 0);
        break;
    case Created:
        HandleDispInfo(item, row.GetCreationTimeText(), NoImage, 0);
        break;
    case Attributes:
        HandleDispInfo_imp(item, row.GetAttributeText(), NoImage, 0);
        break;
    case Rank:
        HandleDispInfo_imp(item, std::to_string(item.iItem).c_str(), NoImage, 0);
        break;
    default:
        break;
    }
}

BOOL TestFileListView::OnItemChanged(NMHDR*, LRESULT*)
{
    if (m_selectAllInProgress)
        ++m_changesWhileSelectingAll;
    return FALSE;
}

void TestFileListView::OnHeaderCommand(UINT id)
{
    OnHeaderPopup(id);
}

void TestFileListView::OnUpdateHeaderCommand(CCmdUI* pCmdUI)
{
    OnUpdateHeaderPopup(pCmdUI);
}

OutsideSeen& Outside()
{
    static OutsideSeen seen;
    return seen;
}

OutsideScope::OutsideScope(DWORD comctlVersion)
{
    Outside() = OutsideSeen();
    SeenVersion() = comctlVersion;
    Kyvant::ResultList::SetComCtlVersionFunction(&VersionSeen);
    Kyvant::ResultList::SetBeepFunction(&CountBeep);
    Kyvant::ResultList::SetExplorerMenuFunction(&RecordMenu);
    Kyvant::Shell::SetShellExecuteFunction(&RecordLaunch);
}

OutsideScope::~OutsideScope()
{
    Kyvant::ResultList::SetComCtlVersionFunction(nullptr);
    Kyvant::ResultList::SetBeepFunction(nullptr);
    Kyvant::ResultList::SetExplorerMenuFunction(nullptr);
    Kyvant::Shell::SetShellExecuteFunction(nullptr);
}

CFrameWnd* OpenListFrame(Kyvant::RegKey& key, TestFileListView*& view)
{
    CCreateContext context;
    context.m_pNewViewClass = RUNTIME_CLASS(TestFileListView);
    CFrameWnd* frame = new ListFrame;
    if (!frame->Create(nullptr, "Results", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                       CRect(20, 20, 760, 520), nullptr, nullptr, 0, &context))
        return nullptr;
    view = DYNAMIC_DOWNCAST(TestFileListView, frame->GetDescendantWindow(AFX_IDW_PANE_FIRST, TRUE));
    frame->RecalcLayout();
    frame->SetActiveView(view);
    view->OnInitialUpdate();
    view->RestoreState(key);
    return frame;
}
