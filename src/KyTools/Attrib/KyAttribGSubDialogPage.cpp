// KyAttribGSubDialogPage: the attribute table, arguments, registry state,
// task-file records, the OK checks and the rows the running system lacks.
#include "KyTools/Attrib/KyAttribGSubDialogPage.h"

#include "KyGui/Exceptions/MfcStdException.h"
#include "KyStd/Registry/RegValues.h"
#include "KyStd/Win32/OsVersion.h"
#include "KyTools/Attrib/AttribResource.h"
#include "KyTools/PageSupport/PageHostDialog.h"
#include "KyTools/PageSupport/PageRecords.h"

#include <exception>

namespace {

using Kyvant::ky_S;

// Task-file records: one per attribute in the table's order, then the switches.
const int kFirstAttribRecord = 1000;
const int kArchiveRecord = 1000;
const int kHiddenRecord = 1001;
const int kReadOnlyRecord = 1002;
const int kSystemRecord = 1003;
const int kCompressedRecord = 1004;
const int kEncryptedRecord = 1005;
const int kNotIndexedRecord = 1006;
const int kDoFoldersRecord = 1007;
const int kVerboseRecord = 1008;

// The proxy control of the settings dialog that the page replaces.
const int kToolProxyId = 32005;

const char kDoFoldersValue[] = "DoFolders";
const char kVerboseValue[] = "Verbose";

#define KY_ATTRIB_HELP(id) id, (static_cast<DWORD>(id) << 16) | IDD_KY_ATTRIB_PAGE
const DWORD kHelpIds[] = {KY_ATTRIB_HELP(IDC_KY_ATTRIB_ARCHIVE_SET),
                          KY_ATTRIB_HELP(IDC_KY_ATTRIB_ARCHIVE_CLEAR),
                          KY_ATTRIB_HELP(IDC_KY_ATTRIB_ARCHIVE_LEAVE),
                          KY_ATTRIB_HELP(IDC_KY_ATTRIB_HIDDEN_SET),
                          KY_ATTRIB_HELP(IDC_KY_ATTRIB_HIDDEN_CLEAR),
                          KY_ATTRIB_HELP(IDC_KY_ATTRIB_HIDDEN_LEAVE),
                          KY_ATTRIB_HELP(IDC_KY_ATTRIB_READONLY_SET),
                          KY_ATTRIB_HELP(IDC_KY_ATTRIB_READONLY_CLEAR),
                          KY_ATTRIB_HELP(IDC_KY_ATTRIB_READONLY_LEAVE),
                          KY_ATTRIB_HELP(IDC_KY_ATTRIB_SYSTEM_SET),
                          KY_ATTRIB_HELP(IDC_KY_ATTRIB_SYSTEM_CLEAR),
                          KY_ATTRIB_HELP(IDC_KY_ATTRIB_SYSTEM_LEAVE),
                          KY_ATTRIB_HELP(IDC_KY_ATTRIB_VERBOSE),
                          KY_ATTRIB_HELP(IDC_KY_ATTRIB_DO_FOLDERS),
                          KY_ATTRIB_HELP(IDC_KY_ATTRIB_COMPRESSED_SET),
                          KY_ATTRIB_HELP(IDC_KY_ATTRIB_COMPRESSED_CLEAR),
                          KY_ATTRIB_HELP(IDC_KY_ATTRIB_COMPRESSED_LEAVE),
                          KY_ATTRIB_HELP(IDC_KY_ATTRIB_ENCRYPTED_SET),
                          KY_ATTRIB_HELP(IDC_KY_ATTRIB_ENCRYPTED_CLEAR),
                          KY_ATTRIB_HELP(IDC_KY_ATTRIB_ENCRYPTED_LEAVE),
                          KY_ATTRIB_HELP(IDC_KY_ATTRIB_NOT_INDEXED_SET),
                          KY_ATTRIB_HELP(IDC_KY_ATTRIB_NOT_INDEXED_CLEAR),
                          KY_ATTRIB_HELP(IDC_KY_ATTRIB_NOT_INDEXED_LEAVE),
                          0,
                          0};
#undef KY_ATTRIB_HELP

const char kSetPrefix = '+';
const char kClearPrefix = '-';

unsigned RowBit(int record)
{
    return 1u << (record - kFirstAttribRecord);
}

// The rows that the system cannot act on: compression, encryption and content
// indexing need NT, and encryption and content indexing need NT 5.
unsigned UnsupportedRows(const OSVERSIONINFOA& version)
{
    const unsigned ntFiveRows = RowBit(kEncryptedRecord) | RowBit(kNotIndexedRecord);
    if (version.dwPlatformId != VER_PLATFORM_WIN32_NT)
        return ntFiveRows | RowBit(kCompressedRecord);
    const DWORD kNtFive = 5;
    return version.dwMajorVersion < kNtFive ? ntFiveRows : 0;
}

// A stored state outside the three known ones leaves the attribute alone.
int ValidState(int state)
{
    return state >= KyAttribGSubDialogPage::Set && state <= KyAttribGSubDialogPage::LeaveAlone
               ? state
               : KyAttribGSubDialogPage::LeaveAlone;
}

int ReadFlagValue(const Kyvant::RegKey& key, const char* name)
{
    return Kyvant::GetRegistryDWORD(key.get(), name, 0) != 0 ? 1 : 0;
}

} // namespace

IMPLEMENT_DYNAMIC(KyAttribGSubDialogPage, KySubDialogPage)

BEGIN_MESSAGE_MAP(KyAttribGSubDialogPage, KySubDialogPage)
ON_CONTROL_RANGE(BN_CLICKED, IDC_KY_ATTRIB_ARCHIVE_SET, IDC_KY_ATTRIB_NOT_INDEXED_LEAVE,
                 OnControlClicked)
END_MESSAGE_MAP()

KyAttribGSubDialogPage::KyAttribGSubDialogPage(const Kyvant::rc_ptr<Kyvant::AppBridge>& bridge,
                                               const Kyvant::RegKey& settings)
    : KySubDialogPage(IDD_KY_ATTRIB_PAGE, Kyvant::ky_I(), kHelpIds, bridge, kToolProxyId),
      m_settings(settings), m_archive(LeaveAlone), m_hidden(LeaveAlone), m_readOnly(LeaveAlone),
      m_system(LeaveAlone), m_verbose(0), m_doFolders(0), m_compressed(LeaveAlone),
      m_encrypted(LeaveAlone), m_notIndexed(LeaveAlone), m_disabledRows(0)
{
    const struct {
        int record;
        char letter;
        const char* valueName;
        int* state;
        int firstRadio;
    } table[] = {
        {kArchiveRecord, 'a', "Archive", &m_archive, IDC_KY_ATTRIB_ARCHIVE_SET},
        {kHiddenRecord, 'h', "Hidden", &m_hidden, IDC_KY_ATTRIB_HIDDEN_SET},
        {kReadOnlyRecord, 'r', "ReadOnly", &m_readOnly, IDC_KY_ATTRIB_READONLY_SET},
        {kSystemRecord, 's', "System", &m_system, IDC_KY_ATTRIB_SYSTEM_SET},
        {kCompressedRecord, 'c', "Compressed", &m_compressed, IDC_KY_ATTRIB_COMPRESSED_SET},
        {kEncryptedRecord, 'e', "Encrypted", &m_encrypted, IDC_KY_ATTRIB_ENCRYPTED_SET},
        {kNotIndexedRecord, 'n', "NotContentIndexed", &m_notIndexed, IDC_KY_ATTRIB_NOT_INDEXED_SET},
    };
    for (const auto& row : table) {
        m_attribs.insert(
            {row.record, Attrib{m_settings, row.letter, row.valueName, row.state, row.firstRadio}});
        *row.state = ValidState(static_cast<int>(
            Kyvant::GetRegistryDWORD(m_settings.get(), row.valueName, LeaveAlone)));
    }
    m_doFolders = ReadFlagValue(m_settings, kDoFoldersValue);
    m_verbose = ReadFlagValue(m_settings, kVerboseValue);
}

KyAttribGSubDialogPage::~KyAttribGSubDialogPage() = default;

void KyAttribGSubDialogPage::DoDataExchange(CDataExchange* pDX)
{
    KySubDialogPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_KY_ATTRIB_NOT_INDEXED_LABEL, m_notIndexedLabel);
    DDX_Control(pDX, IDC_KY_ATTRIB_ENCRYPTED_LABEL, m_encryptedLabel);
    DDX_Control(pDX, IDC_KY_ATTRIB_COMPRESSED_LABEL, m_compressedLabel);
    for (auto& entry : m_attribs) {
        Attrib& attrib = entry.second;
        if (IsRowDisabled(entry.first))
            *attrib.state = LeaveAlone;
        DDX_Radio(pDX, attrib.firstRadio, *attrib.state);
        *attrib.state = ValidState(*attrib.state);
    }
    DDX_Check(pDX, IDC_KY_ATTRIB_DO_FOLDERS, m_doFolders);
    DDX_Check(pDX, IDC_KY_ATTRIB_VERBOSE, m_verbose);
}

BOOL KyAttribGSubDialogPage::OnInitDialog()
{
    try {
        KySubDialogPage::OnInitDialog();
        DisableUnsupportedRows();
    } catch (const std::exception& e) {
        throw Kyvant::MfcStdException::Create(e);
    }
    return TRUE;
}

void KyAttribGSubDialogPage::DisableUnsupportedRows()
{
    m_disabledRows = UnsupportedRows(Kyvant::OsVersion::Info());
    DisableRow(kCompressedRecord, IDC_KY_ATTRIB_COMPRESSED_LABEL);
    DisableRow(kEncryptedRecord, IDC_KY_ATTRIB_ENCRYPTED_LABEL);
    DisableRow(kNotIndexedRecord, IDC_KY_ATTRIB_NOT_INDEXED_LABEL);
}

void KyAttribGSubDialogPage::DisableRow(int record, int label)
{
    if (!IsRowDisabled(record))
        return;
    const Attrib& attrib = m_attribs[record];
    *attrib.state = LeaveAlone;
    GetDlgItem(label)->EnableWindow(FALSE);
    for (int radio = attrib.firstRadio; radio <= attrib.firstRadio + LeaveAlone; ++radio)
        GetDlgItem(radio)->EnableWindow(FALSE);
    CheckRadioButton(attrib.firstRadio, attrib.firstRadio + LeaveAlone,
                     attrib.firstRadio + LeaveAlone);
}

bool KyAttribGSubDialogPage::IsRowDisabled(int record) const
{
    return (m_disabledRows & RowBit(record)) != 0;
}

bool KyAttribGSubDialogPage::AllLeftAlone() const
{
    for (const auto& entry : m_attribs) {
        if (*entry.second.state != LeaveAlone)
            return false;
    }
    return true;
}

void KyAttribGSubDialogPage::UpdateArgv(const ArgSink& argv)
{
    ky_S set(1, kSetPrefix);
    ky_S clear(1, kClearPrefix);
    for (const auto& entry : m_attribs) {
        const Attrib& attrib = entry.second;
        if (*attrib.state == Set)
            set += attrib.letter;
        else if (*attrib.state == Clear)
            clear += attrib.letter;
    }
    if (set.size() > 1)
        argv.append(set);
    if (clear.size() > 1)
        argv.append(clear);
    if (m_doFolders)
        argv.append(ky_S("-F"));
    if (m_verbose)
        argv.append(ky_S("-v"));
}

void KyAttribGSubDialogPage::SaveState()
{
    if (m_settings.empty())
        return;
    Kyvant::WriteRegistryDWORD(m_settings.get(), kDoFoldersValue, static_cast<DWORD>(m_doFolders));
    Kyvant::WriteRegistryDWORD(m_settings.get(), kVerboseValue, static_cast<DWORD>(m_verbose));
    for (const auto& entry : m_attribs) {
        const Attrib& attrib = entry.second;
        Kyvant::WriteRegistryDWORD(attrib.key.get(), attrib.valueName,
                                   static_cast<DWORD>(*attrib.state));
    }
}

bool KyAttribGSubDialogPage::AllowOK()
{
    if (AllLeftAlone()) {
        switch (AfxMessageBox(IDS_KY_ATTRIB_NOTHING_SELECTED, MB_YESNOCANCEL | MB_ICONQUESTION)) {
        case IDYES:
            return true;
        case IDNO:
            Kyvant::PageHostDialog::EndHostDialog(*this, IDCANCEL);
            return false;
        default:
            Kyvant::PageHostDialog::FocusControl(*this, IDC_KY_ATTRIB_ARCHIVE_SET);
            return false;
        }
    }
    if (m_compressed == Set && m_encrypted == Set) {
        AfxMessageBox(IDS_KY_ATTRIB_COMPRESS_AND_ENCRYPT, MB_OK | MB_ICONEXCLAMATION);
        Kyvant::PageHostDialog::FocusControl(*this, IDC_KY_ATTRIB_COMPRESSED_SET);
        return false;
    }
    return true;
}

void KyAttribGSubDialogPage::DocProcessRecord(Kyvant::ToolDoc::RecHeader& header, void* payload)
{
    const int type = header.type;
    if (type == kDoFoldersRecord) {
        Kyvant::PageRecords::ReadFlag(header, payload, m_doFolders);
    } else if (type == kVerboseRecord) {
        Kyvant::PageRecords::ReadFlag(header, payload, m_verbose);
    } else if (type >= kArchiveRecord && type <= kNotIndexedRecord) {
        int state = LeaveAlone;
        if (Kyvant::PageRecords::ReadInt(header, payload, state))
            *m_attribs[type].state = ValidState(state);
    }
}

void KyAttribGSubDialogPage::DocWriteRecords(Kyvant::ToolDoc::File& file)
{
    for (const auto& entry : m_attribs)
        Kyvant::PageRecords::WriteInt(file, entry.first, *entry.second.state);
    Kyvant::PageRecords::WriteFlag(file, kDoFoldersRecord, m_doFolders);
    Kyvant::PageRecords::WriteFlag(file, kVerboseRecord, m_verbose);
}

void KyAttribGSubDialogPage::DocOnNew()
{
    for (auto& entry : m_attribs)
        *entry.second.state = LeaveAlone;
    m_doFolders = 0;
    m_verbose = 0;
}

void KyAttribGSubDialogPage::OnControlClicked(UINT)
{
    DocSetModified();
}
