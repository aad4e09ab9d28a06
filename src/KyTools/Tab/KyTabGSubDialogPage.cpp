// KyTabGSubDialogPage: data exchange with its checks, arguments, registry
// state, task-file records and the final-size controls.
#include "KyTools/Tab/KyTabGSubDialogPage.h"

#include "KyGui/Exceptions/MfcStdException.h"
#include "KyStd/Registry/RegValues.h"
#include "KyTools/PageSupport/PageExchange.h"
#include "KyTools/PageSupport/PageHostDialog.h"
#include "KyTools/PageSupport/PageRecords.h"
#include "KyTools/Tab/TabResource.h"

#include <exception>
#include <string>

namespace {

using Kyvant::ky_S;

const int kModeRecord = 6000;
const int kTabSizeRecord = 6001;
const int kFinalTabSizeRecord = 6002;
const int kEverywhereRecord = 6003;
const int kVerboseRecord = 6004;

const int kToolProxyId = 32005;

const char kEverywhereValue[] = "ReplaceEverywhere";
const char kVerboseValue[] = "Verbose";
const char kModeValue[] = "Mode";
const char kTabSizeValue[] = "TabSize";
const char kFinalTabSizeValue[] = "FinalTabSize";

const int kDefaultTabSize = 8;
const int kMinTabSize = 1;
const int kMaxTabSize = 32;

#define KY_TAB_HELP(id) id, (static_cast<DWORD>(id) << 16) | IDD_KY_TAB_PAGE
const DWORD kHelpIds[] = {KY_TAB_HELP(IDC_KY_TAB_TABS_TO_SPACES),
                          KY_TAB_HELP(IDC_KY_TAB_SPACES_TO_TABS),
                          KY_TAB_HELP(IDC_KY_TAB_SIZE),
                          KY_TAB_HELP(IDC_KY_TAB_SPACES_TO_SPACES),
                          KY_TAB_HELP(IDC_KY_TAB_FINAL_SIZE),
                          KY_TAB_HELP(IDC_KY_TAB_VERBOSE),
                          KY_TAB_HELP(IDC_KY_TAB_EVERYWHERE),
                          0,
                          0};
#undef KY_TAB_HELP

// A stored mode outside the known ones counts as none chosen.
int ValidMode(int mode)
{
    return mode >= KyTabGSubDialogPage::NoMode && mode <= KyTabGSubDialogPage::SpacesToSpaces
               ? mode
               : KyTabGSubDialogPage::NoMode;
}

// The final size's edit is disabled outside Spaces to Spaces, where a stored
// size the check refuses could not be corrected: such a size is the default.
int ValidFinalTabSize(int size)
{
    return size >= kMinTabSize && size <= kMaxTabSize ? size : kDefaultTabSize;
}

const char* ModeArgument(int mode)
{
    switch (mode) {
    case KyTabGSubDialogPage::TabsToSpaces:
        return "-s";
    case KyTabGSubDialogPage::SpacesToTabs:
        return "-t";
    case KyTabGSubDialogPage::SpacesToSpaces:
        return "-u";
    default:
        return nullptr;
    }
}

ky_S NumberArgument(const char* option, int value)
{
    return ky_S((option + std::to_string(value)).c_str());
}

} // namespace

IMPLEMENT_DYNAMIC(KyTabGSubDialogPage, KySubDialogPage)

BEGIN_MESSAGE_MAP(KyTabGSubDialogPage, KySubDialogPage)
ON_CONTROL_RANGE(BN_CLICKED, IDC_KY_TAB_TABS_TO_SPACES, IDC_KY_TAB_SPACES_TO_TABS, OnModeClicked)
ON_CONTROL_RANGE(BN_CLICKED, IDC_KY_TAB_SPACES_TO_SPACES, IDC_KY_TAB_SPACES_TO_SPACES,
                 OnModeClicked)
ON_CONTROL_RANGE(BN_CLICKED, IDC_KY_TAB_VERBOSE, IDC_KY_TAB_EVERYWHERE, OnControlChanged)
ON_CONTROL_RANGE(EN_CHANGE, IDC_KY_TAB_SIZE, IDC_KY_TAB_SIZE, OnControlChanged)
ON_CONTROL_RANGE(EN_CHANGE, IDC_KY_TAB_FINAL_SIZE, IDC_KY_TAB_FINAL_SIZE, OnControlChanged)
END_MESSAGE_MAP()

KyTabGSubDialogPage::KyTabGSubDialogPage(const Kyvant::rc_ptr<Kyvant::AppBridge>& bridge,
                                         const Kyvant::RegKey& settings)
    : KySubDialogPage(IDD_KY_TAB_PAGE, Kyvant::ky_I(), kHelpIds, bridge, kToolProxyId),
      m_settings(settings), m_tabSize(kDefaultTabSize), m_verbose(0), m_mode(NoMode),
      m_everywhere(0), m_finalTabSize(kDefaultTabSize)
{
    const HKEY key = m_settings.get();
    m_everywhere = Kyvant::GetRegistryDWORD(key, kEverywhereValue, 0) != 0 ? 1 : 0;
    m_verbose = Kyvant::GetRegistryDWORD(key, kVerboseValue, 0) != 0 ? 1 : 0;
    m_mode = ValidMode(
        static_cast<int>(Kyvant::GetRegistryDWORD(key, kModeValue, static_cast<DWORD>(NoMode))));
    m_tabSize = static_cast<int>(Kyvant::GetRegistryDWORD(key, kTabSizeValue, kDefaultTabSize));
    m_finalTabSize = ValidFinalTabSize(
        static_cast<int>(Kyvant::GetRegistryDWORD(key, kFinalTabSizeValue, kDefaultTabSize)));
}

KyTabGSubDialogPage::~KyTabGSubDialogPage() = default;

void KyTabGSubDialogPage::DoDataExchange(CDataExchange* pDX)
{
    KySubDialogPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_KY_TAB_SPACES_TO_SPACES, m_spacesToSpaces);
    DDX_Control(pDX, IDC_KY_TAB_FINAL_SIZE_LABEL, m_finalSizeLabel);
    DDX_Control(pDX, IDC_KY_TAB_FINAL_SIZE, m_finalSizeEdit);
    DDX_Control(pDX, IDC_KY_TAB_EVERYWHERE, m_everywhereBox);
    DDX_Control(pDX, IDC_KY_TAB_TABS_TO_SPACES, m_tabsToSpaces);
    DDX_Control(pDX, IDC_KY_TAB_SIZE, m_tabSizeEdit);
    DDX_Text(pDX, IDC_KY_TAB_SIZE, m_tabSize);
    DDV_MinMaxInt(pDX, m_tabSize, kMinTabSize, kMaxTabSize);
    DDX_Check(pDX, IDC_KY_TAB_VERBOSE, m_verbose);
    DDX_Radio(pDX, IDC_KY_TAB_TABS_TO_SPACES, m_mode);
    DDX_Check(pDX, IDC_KY_TAB_EVERYWHERE, m_everywhere);
    DDX_Text(pDX, IDC_KY_TAB_FINAL_SIZE, m_finalTabSize);
    DDV_MinMaxInt(pDX, m_finalTabSize, kMinTabSize, kMaxTabSize);
    if (pDX->m_bSaveAndValidate && m_mode == NoMode) {
        CString message;
        message.LoadString(IDS_KY_TAB_NO_MODE);
        Kyvant::PageExchange::PrepareCtrl(*pDX, m_tabsToSpaces);
        Kyvant::PageExchange::Fail(*pDX, message);
    }
}

BOOL KyTabGSubDialogPage::OnInitDialog()
{
    try {
        KySubDialogPage::OnInitDialog();
        UpdateFinalSizeControls();
        Kyvant::PageHostDialog::FocusControl(*this, IDC_KY_TAB_SIZE);
    } catch (const std::exception& e) {
        throw Kyvant::MfcStdException::Create(e);
    }
    return FALSE;
}

void KyTabGSubDialogPage::UpdateFinalSizeControls()
{
    const BOOL enable = m_spacesToSpaces.GetCheck() == BST_CHECKED ? TRUE : FALSE;
    m_finalSizeLabel.EnableWindow(enable);
    m_finalSizeEdit.EnableWindow(enable);
}

void KyTabGSubDialogPage::UpdateArgv(const ArgSink& argv)
{
    if (const char* mode = ModeArgument(m_mode))
        argv.append(ky_S(mode));
    argv.append(NumberArgument("-n", m_tabSize));
    if (m_mode == SpacesToSpaces)
        argv.append(NumberArgument("-f", m_finalTabSize));
    if (m_verbose)
        argv.append(ky_S("-v"));
    if (m_everywhere)
        argv.append(ky_S("-e"));
}

void KyTabGSubDialogPage::SaveState()
{
    if (m_settings.empty())
        return;
    const HKEY key = m_settings.get();
    Kyvant::WriteRegistryDWORD(key, kEverywhereValue, static_cast<DWORD>(m_everywhere));
    Kyvant::WriteRegistryDWORD(key, kTabSizeValue, static_cast<DWORD>(m_tabSize));
    Kyvant::WriteRegistryDWORD(key, kFinalTabSizeValue, static_cast<DWORD>(m_finalTabSize));
    Kyvant::WriteRegistryDWORD(key, kVerboseValue, static_cast<DWORD>(m_verbose));
    Kyvant::WriteRegistryDWORD(key, kModeValue, static_cast<DWORD>(m_mode));
}

void KyTabGSubDialogPage::DocProcessRecord(Kyvant::ToolDoc::RecHeader& header, void* payload)
{
    switch (header.type) {
    case kModeRecord:
        if (Kyvant::PageRecords::ReadInt(header, payload, m_mode))
            m_mode = ValidMode(m_mode);
        break;
    case kTabSizeRecord:
        Kyvant::PageRecords::ReadInt(header, payload, m_tabSize);
        break;
    case kFinalTabSizeRecord:
        if (Kyvant::PageRecords::ReadInt(header, payload, m_finalTabSize))
            m_finalTabSize = ValidFinalTabSize(m_finalTabSize);
        break;
    case kEverywhereRecord:
        Kyvant::PageRecords::ReadFlag(header, payload, m_everywhere);
        break;
    case kVerboseRecord:
        Kyvant::PageRecords::ReadFlag(header, payload, m_verbose);
        break;
    default:
        break;
    }
}

void KyTabGSubDialogPage::DocWriteRecords(Kyvant::ToolDoc::File& file)
{
    Kyvant::PageRecords::WriteInt(file, kModeRecord, m_mode);
    Kyvant::PageRecords::WriteInt(file, kTabSizeRecord, m_tabSize);
    Kyvant::PageRecords::WriteInt(file, kFinalTabSizeRecord, m_finalTabSize);
    Kyvant::PageRecords::WriteFlag(file, kEverywhereRecord, m_everywhere);
    Kyvant::PageRecords::WriteFlag(file, kVerboseRecord, m_verbose);
}

void KyTabGSubDialogPage::DocOnNew()
{
    m_mode = NoMode;
    m_tabSize = kDefaultTabSize;
    m_finalTabSize = kDefaultTabSize;
    m_everywhere = 0;
    m_verbose = 0;
}

void KyTabGSubDialogPage::DocOnFinishNew()
{
    DocOnFinishLoad(true);
}

void KyTabGSubDialogPage::DocOnFinishLoad(bool)
{
    if (m_hWnd == nullptr)
        return;
    Kyvant::PageHostDialog::FocusControl(*this, IDC_KY_TAB_SIZE);
    UpdateFinalSizeControls();
}

void KyTabGSubDialogPage::OnModeClicked(UINT)
{
    DocSetModified();
    UpdateFinalSizeControls();
}

void KyTabGSubDialogPage::OnControlChanged(UINT)
{
    DocSetModified();
}
