// KyEOLGSubDialogPage: the option tables, arguments, registry state, task-file
// records and the check that input and output differ.
#include "KyTools/EOL/KyEOLGSubDialogPage.h"

#include "KyGui/Helpers/DialogEx.h"
#include "KyStd/Registry/RegValues.h"
#include "KyTools/EOL/EOLResource.h"
#include "KyTools/PageSupport/PageHostDialog.h"
#include "KyTools/PageSupport/PageRecords.h"

namespace {

using Kyvant::ky_S;

const int kInputModeRecord = 3000;
const int kOutputModeRecord = 3001;
const int kVerboseRecord = 3002;

const int kToolProxyId = 32005;

const char kVerboseValue[] = "Verbose";
const char kInputModeValue[] = "InputMode";
const char kOutputModeValue[] = "OutputMode";

// Mode values shared by input and output.
const int kDosMode = 0;
const int kUnixMode = 1;
const int kMacMode = 2;

// Radio-button indexes.
const int kDosIndex = 0;
const int kUnixIndex = 1;
const int kMacIndex = 2;
const int kAllIndex = 3;

#define KY_EOL_HELP(id) id, (static_cast<DWORD>(id) << 16) | IDD_KY_EOL_PAGE
const DWORD kHelpIds[] = {KY_EOL_HELP(IDC_KY_EOL_OUT_DOS),
                          KY_EOL_HELP(IDC_KY_EOL_OUT_UNIX),
                          KY_EOL_HELP(IDC_KY_EOL_OUT_MAC),
                          KY_EOL_HELP(IDC_KY_EOL_IN_DOS),
                          KY_EOL_HELP(IDC_KY_EOL_IN_UNIX),
                          KY_EOL_HELP(IDC_KY_EOL_IN_MAC),
                          KY_EOL_HELP(IDC_KY_EOL_IN_ALL),
                          KY_EOL_HELP(IDC_KY_EOL_VERBOSE),
                          0,
                          0};
#undef KY_EOL_HELP

} // namespace

IMPLEMENT_DYNAMIC(KyEOLGSubDialogPage, KySubDialogPage)

BEGIN_MESSAGE_MAP(KyEOLGSubDialogPage, KySubDialogPage)
ON_CONTROL_RANGE(BN_CLICKED, IDC_KY_EOL_IN_DOS, IDC_KY_EOL_IN_ALL, OnControlClicked)
ON_CONTROL_RANGE(BN_CLICKED, IDC_KY_EOL_OUT_DOS, IDC_KY_EOL_OUT_MAC, OnControlClicked)
ON_CONTROL_RANGE(BN_CLICKED, IDC_KY_EOL_VERBOSE, IDC_KY_EOL_VERBOSE, OnControlClicked)
END_MESSAGE_MAP()

KyEOLGSubDialogPage::KyEOLGSubDialogPage(const Kyvant::rc_ptr<Kyvant::AppBridge>& bridge,
                                         const Kyvant::RegKey& settings)
    : KySubDialogPage(IDD_KY_EOL_PAGE, Kyvant::ky_I(), kHelpIds, bridge, kToolProxyId),
      m_settings(settings), m_verbose(0), m_inputIndex(kAllIndex), m_outputIndex(kDosIndex)
{
    AddOption(m_inputOptions, m_inputModes, kDosIndex, kDosMode, IDC_KY_EOL_IN_DOS, "-id");
    AddOption(m_inputOptions, m_inputModes, kUnixIndex, kUnixMode, IDC_KY_EOL_IN_UNIX, "-iu");
    AddOption(m_inputOptions, m_inputModes, kMacIndex, kMacMode, IDC_KY_EOL_IN_MAC, "-im");
    AddOption(m_inputOptions, m_inputModes, kAllIndex, kAllInputModes, IDC_KY_EOL_IN_ALL, "-ia");
    AddOption(m_outputOptions, m_outputModes, kDosIndex, kDosMode, IDC_KY_EOL_OUT_DOS, "-d");
    AddOption(m_outputOptions, m_outputModes, kUnixIndex, kUnixMode, IDC_KY_EOL_OUT_UNIX, "-u");
    AddOption(m_outputOptions, m_outputModes, kMacIndex, kMacMode, IDC_KY_EOL_OUT_MAC, "-m");

    const HKEY key = m_settings.get();
    m_verbose = Kyvant::GetRegistryDWORD(key, kVerboseValue, 0) != 0 ? 1 : 0;
    m_inputIndex = IndexOfMode(m_inputModes, static_cast<int>(Kyvant::GetRegistryDWORD(
                                                 key, kInputModeValue, kAllInputModes)));
    m_outputIndex = IndexOfMode(
        m_outputModes, static_cast<int>(Kyvant::GetRegistryDWORD(key, kOutputModeValue, kDosMode)));
}

KyEOLGSubDialogPage::~KyEOLGSubDialogPage() = default;

void KyEOLGSubDialogPage::AddOption(Options& options, ReverseMap& reverse, int index, int mode,
                                    int controlId, const char* argument)
{
    options.insert({index, OptionDetails{mode, controlId, ky_S(argument)}});
    reverse.insert({mode, index});
}

int KyEOLGSubDialogPage::IndexOfMode(const ReverseMap& reverse, int mode)
{
    const auto found = reverse.find(mode);
    return found != reverse.end() ? found->second : kDosIndex;
}

const KyEOLGSubDialogPage::OptionDetails& KyEOLGSubDialogPage::Input() const
{
    const auto found = m_inputOptions.find(m_inputIndex);
    return found != m_inputOptions.end() ? found->second : m_inputOptions.begin()->second;
}

const KyEOLGSubDialogPage::OptionDetails& KyEOLGSubDialogPage::Output() const
{
    const auto found = m_outputOptions.find(m_outputIndex);
    return found != m_outputOptions.end() ? found->second : m_outputOptions.begin()->second;
}

void KyEOLGSubDialogPage::DoDataExchange(CDataExchange* pDX)
{
    KySubDialogPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_KY_EOL_OUT_DOS, m_firstOutput);
    DDX_Check(pDX, IDC_KY_EOL_VERBOSE, m_verbose);
    DDX_Radio(pDX, IDC_KY_EOL_IN_DOS, m_inputIndex);
    DDX_Radio(pDX, IDC_KY_EOL_OUT_DOS, m_outputIndex);
}

void KyEOLGSubDialogPage::UpdateArgv(const ArgSink& argv)
{
    argv.append(Input().argument);
    argv.append(Output().argument);
    if (m_verbose)
        argv.append(ky_S("-v"));
}

void KyEOLGSubDialogPage::SaveState()
{
    if (m_settings.empty())
        return;
    const HKEY key = m_settings.get();
    Kyvant::WriteRegistryDWORD(key, kVerboseValue, static_cast<DWORD>(m_verbose));
    Kyvant::WriteRegistryDWORD(key, kInputModeValue, static_cast<DWORD>(Input().mode));
    Kyvant::WriteRegistryDWORD(key, kOutputModeValue, static_cast<DWORD>(Output().mode));
}

bool KyEOLGSubDialogPage::AllowOK()
{
    if (Input().mode != Output().mode)
        return true;
    AfxMessageBox(IDS_KY_EOL_SAME_MODES, MB_OK | MB_ICONEXCLAMATION);
    Kyvant::PageHostDialog::FocusControl(*this, Output().controlId);
    return false;
}

void KyEOLGSubDialogPage::DocProcessRecord(Kyvant::ToolDoc::RecHeader& header, void* payload)
{
    int mode = 0;
    switch (header.type) {
    case kInputModeRecord:
        if (Kyvant::PageRecords::ReadInt(header, payload, mode))
            m_inputIndex = IndexOfMode(m_inputModes, mode);
        break;
    case kOutputModeRecord:
        if (Kyvant::PageRecords::ReadInt(header, payload, mode))
            m_outputIndex = IndexOfMode(m_outputModes, mode);
        break;
    case kVerboseRecord:
        Kyvant::PageRecords::ReadFlag(header, payload, m_verbose);
        break;
    default:
        break;
    }
}

void KyEOLGSubDialogPage::DocWriteRecords(Kyvant::ToolDoc::File& file)
{
    Kyvant::PageRecords::WriteInt(file, kInputModeRecord, Input().mode);
    Kyvant::PageRecords::WriteInt(file, kOutputModeRecord, Output().mode);
    Kyvant::PageRecords::WriteFlag(file, kVerboseRecord, m_verbose);
}

void KyEOLGSubDialogPage::DocOnNew()
{
    m_inputIndex = kAllIndex;
    m_outputIndex = kDosIndex;
    m_verbose = 0;
}

void KyEOLGSubDialogPage::DocOnFinishLoad(bool)
{
    if (m_hWnd != nullptr)
        Kyvant::DialogEx::ResetFocus(*this);
}

void KyEOLGSubDialogPage::OnControlClicked(UINT)
{
    DocSetModified();
}
