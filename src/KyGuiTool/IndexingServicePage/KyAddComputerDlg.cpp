// KyAddComputerDlg: the name's checks and the computer browser.
#include "KyGuiTool/IndexingServicePage/KyAddComputerDlg.h"

#include "KyGui/Adapters/DataExchange.h"
#include "KyGui/Shell/Browse.h"
#include "KyGuiTool/IndexingServicePage/CatalogList.h"
#include "KyGuiTool/IndexingServicePage/IndexingServicePageResource.h"
#include "KyGuiTool/PathPlans/PathPlanSupport.h"
#include "KyGuiTool/ShellObjEdit/HandlerErrors.h"

#include <shlobj.h>

#include <algorithm>

using namespace Kyvant;

BEGIN_MESSAGE_MAP(KyAddComputerDlg, CDialog)
ON_MESSAGE(KyButtonEditorInvoker::kInvokeMessage, OnInvokeEditor)
END_MESSAGE_MAP()

KyAddComputerDlg::KyAddComputerDlg(const std::vector<ky_I>& listed, CWnd* parent)
    : CDialog(IDD_KY_ADD_COMPUTER, parent), m_listed(listed),
      m_browse(KyButtonEditorInvoker::kChooseComputer)
{
}

KyAddComputerDlg::~KyAddComputerDlg() = default;

void KyAddComputerDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_KY_ADD_COMPUTER_BROWSE, m_browse);
    DDX_Control(pDX, IDC_KY_ADD_COMPUTER_NAME, m_edit);
    DDX_string_edit(pDX, IDC_KY_ADD_COMPUTER_NAME, m_name);
    if (!pDX->m_bSaveAndValidate) {
        DDV_string_MaxLength(pDX, m_name, kMaxNameLength);
        return;
    }
    m_name.EraseEdgeSpaces();
    DDV_string_required_MaxLength(pDX, m_name, kMaxNameLength);
    // The stored list puts a backslash between a computer and its catalog.
    if (m_name.find(CatalogList::kSeparator) != ky_I::npos)
        ky_DDV_General_Fail(*pDX, PathPlanSupport::Load(IDS_KY_IS_NAME_WITH_BACKSLASH).c_str());
    if (std::find(m_listed.begin(), m_listed.end(), m_name) != m_listed.end())
        ky_DDV_General_Fail(*pDX, PathPlanSupport::Load(IDS_KY_IS_ALREADY_LISTED).c_str());
}

LRESULT KyAddComputerDlg::OnInvokeEditor(WPARAM wParam, LPARAM)
{
    try {
        if (static_cast<int>(wParam) == IDC_KY_ADD_COMPUTER_BROWSE)
            Browse();
    } catch (...) {
        RethrowForMfc();
    }
    return 0;
}

void KyAddComputerDlg::Browse()
{
    ky_S chosen;
    if (Shell::BrowseComputer(chosen, m_hWnd, nullptr, BIF_BROWSEFORCOMPUTER))
        m_edit.SetWindowText(chosen.c_str());
    m_edit.SetFocus();
}
