// KyTouchGSubDialogPage: the three time stamps, toolbars and tool tips, data
// exchange, arguments, registry state and task-file records.
#include "KyTools/Touch/KyTouchGSubDialogPage.h"

#include "KyGui/Exceptions/MfcStdException.h"
#include "KyGui/Helpers/DialogEx.h"
#include "KyStd/Registry/RegValues.h"
#include "KyTools/PageSupport/PageExchange.h"
#include "KyTools/PageSupport/PageRecords.h"
#include "KyTools/Touch/TouchResource.h"

#include <exception>

namespace {

using Kyvant::ky_S;
using Kyvant::TouchStateRecord;

const int kCreationRecord = 7000;
const int kLastWriteRecord = 7001;
const int kLastAccessRecord = 7002;
const int kTouchFoldersRecord = 7003;
const int kUtcRecord = 7004;
const int kVerboseRecord = 7005;

const int kToolProxyId = 32005;

const char kTouchFoldersValue[] = "TouchFolders";
const char kUtcValue[] = "UTC";
const char kVerboseValue[] = "Verbose";

// The toolbars, in pixels: two buttons with images of 7 by 7.
const int kToolbarWidth = 28;
const int kToolbarHeight = 13;
const int kImageSize = 7;
const int kButtonWidth = 14;
const int kButtonHeight = 13;
const COLORREF kTransparent = RGB(0xFF, 0x00, 0xFF);
const int kMakeSourceImage = 0;
const int kCopyImage = 1;
const int kButtonsPerToolbar = 2;

const KyTouchGSubDialogPage::GroupIds kLastWriteIds = {
    IDC_KY_TOUCH_WRITE_DATE_LABEL, IDC_KY_TOUCH_WRITE_DATE, IDC_KY_TOUCH_WRITE_TIME_LABEL,
    IDC_KY_TOUCH_WRITE_TIME,       IDC_KY_TOUCH_WRITE_NOW,  IDC_KY_TOUCH_WRITE_APPLY,
    ID_KY_TOUCH_WRITE_MAKE_SOURCE, ID_KY_TOUCH_WRITE_COPY,  kLastWriteRecord};
const KyTouchGSubDialogPage::GroupIds kCreationIds = {
    IDC_KY_TOUCH_CREATION_DATE_LABEL, IDC_KY_TOUCH_CREATION_DATE, IDC_KY_TOUCH_CREATION_TIME_LABEL,
    IDC_KY_TOUCH_CREATION_TIME,       IDC_KY_TOUCH_CREATION_NOW,  IDC_KY_TOUCH_CREATION_APPLY,
    ID_KY_TOUCH_CREATION_MAKE_SOURCE, ID_KY_TOUCH_CREATION_COPY,  kCreationRecord};
const KyTouchGSubDialogPage::GroupIds kLastAccessIds = {
    IDC_KY_TOUCH_ACCESS_DATE_LABEL, IDC_KY_TOUCH_ACCESS_DATE, IDC_KY_TOUCH_ACCESS_TIME_LABEL,
    IDC_KY_TOUCH_ACCESS_TIME,       IDC_KY_TOUCH_ACCESS_NOW,  IDC_KY_TOUCH_ACCESS_APPLY,
    ID_KY_TOUCH_ACCESS_MAKE_SOURCE, ID_KY_TOUCH_ACCESS_COPY,  kLastAccessRecord};

#define KY_TOUCH_HELP(id) id, (static_cast<DWORD>(id) << 16) | IDD_KY_TOUCH_PAGE
const DWORD kHelpIds[] = {KY_TOUCH_HELP(IDC_KY_TOUCH_WRITE_NOW),
                          KY_TOUCH_HELP(IDC_KY_TOUCH_CREATION_NOW),
                          KY_TOUCH_HELP(IDC_KY_TOUCH_FOLDERS),
                          KY_TOUCH_HELP(IDC_KY_TOUCH_UTC),
                          KY_TOUCH_HELP(IDC_KY_TOUCH_ACCESS_NOW),
                          KY_TOUCH_HELP(IDC_KY_TOUCH_VERBOSE),
                          KY_TOUCH_HELP(IDC_KY_TOUCH_WRITE_APPLY),
                          KY_TOUCH_HELP(IDC_KY_TOUCH_CREATION_APPLY),
                          KY_TOUCH_HELP(IDC_KY_TOUCH_ACCESS_APPLY),
                          KY_TOUCH_HELP(IDC_KY_TOUCH_WRITE_DATE),
                          KY_TOUCH_HELP(IDC_KY_TOUCH_WRITE_TIME),
                          KY_TOUCH_HELP(IDC_KY_TOUCH_CREATION_DATE),
                          KY_TOUCH_HELP(IDC_KY_TOUCH_CREATION_TIME),
                          KY_TOUCH_HELP(IDC_KY_TOUCH_ACCESS_DATE),
                          KY_TOUCH_HELP(IDC_KY_TOUCH_ACCESS_TIME),
                          KY_TOUCH_HELP(IDC_KY_TOUCH_WRITE_TOOLBAR),
                          KY_TOUCH_HELP(IDC_KY_TOUCH_CREATION_TOOLBAR),
                          KY_TOUCH_HELP(IDC_KY_TOUCH_ACCESS_TOOLBAR),
                          0,
                          0};
#undef KY_TOUCH_HELP

int ReadFlagValue(const Kyvant::RegKey& key, const char* name)
{
    return Kyvant::GetRegistryDWORD(key.get(), name, 0) != 0 ? 1 : 0;
}

} // namespace

IMPLEMENT_DYNAMIC(KyTouchGSubDialogPage, KySubDialogPage)

BEGIN_MESSAGE_MAP(KyTouchGSubDialogPage, KySubDialogPage)
ON_CONTROL_RANGE(BN_CLICKED, IDC_KY_TOUCH_WRITE_APPLY, IDC_KY_TOUCH_ACCESS_APPLY, OnApplyClicked)
ON_CONTROL_RANGE(BN_CLICKED, IDC_KY_TOUCH_WRITE_NOW, IDC_KY_TOUCH_ACCESS_NOW, OnNowClicked)
ON_CONTROL_RANGE(BN_CLICKED, IDC_KY_TOUCH_UTC, IDC_KY_TOUCH_VERBOSE, OnFlagClicked)
ON_CONTROL_RANGE(BN_CLICKED, IDC_KY_TOUCH_FOLDERS, IDC_KY_TOUCH_FOLDERS, OnFlagClicked)
ON_NOTIFY_RANGE(DTN_DATETIMECHANGE, IDC_KY_TOUCH_WRITE_DATE, IDC_KY_TOUCH_ACCESS_TIME,
                OnDateTimeChange)
ON_COMMAND_RANGE(ID_KY_TOUCH_WRITE_MAKE_SOURCE, ID_KY_TOUCH_ACCESS_COPY, OnToolbarCommand)
END_MESSAGE_MAP()

KyTouchGSubDialogPage::KyTouchGSubDialogPage(const Kyvant::rc_ptr<Kyvant::AppBridge>& bridge,
                                             const Kyvant::RegKey& settings)
    : KySubDialogPage(IDD_KY_TOUCH_PAGE, Kyvant::ky_I(), kHelpIds, bridge, kToolProxyId),
      m_settings(settings), m_head(&m_lastWrite),
      m_lastWrite(&m_creation, *this, "-w", "lw", true, kLastWriteIds),
      m_creation(&m_lastAccess, *this, "-c", "cr", false, kCreationIds),
      m_lastAccess(nullptr, *this, "-a", "la", false, kLastAccessIds),
      m_utc(ReadFlagValue(settings, kUtcValue)), m_verbose(ReadFlagValue(settings, kVerboseValue)),
      m_touchFolders(ReadFlagValue(settings, kTouchFoldersValue))
{
    for (DateTime* group = m_head; group != nullptr; group = group->Next())
        group->LoadState(m_settings);
}

KyTouchGSubDialogPage::~KyTouchGSubDialogPage() = default;

BOOL KyTouchGSubDialogPage::OnInitDialog()
{
    try {
        KySubDialogPage::OnInitDialog();
        if (!m_tips.Create(this) ||
            !m_images.Create(IDB_KY_TOUCH_TOOLBAR, kImageSize, 0, kTransparent))
            AfxThrowResourceException();
        CreateToolbar(m_writeToolbar, kLastWriteIds, IDC_KY_TOUCH_WRITE_TOOLBAR);
        CreateToolbar(m_creationToolbar, kCreationIds, IDC_KY_TOUCH_CREATION_TOOLBAR);
        CreateToolbar(m_accessToolbar, kLastAccessIds, IDC_KY_TOUCH_ACCESS_TOOLBAR);
        m_lastWrite.Attach(m_writeToolbar, m_settings);
        m_creation.Attach(m_creationToolbar, m_settings);
        m_lastAccess.Attach(m_accessToolbar, m_settings);
    } catch (const std::exception& e) {
        throw Kyvant::MfcStdException::Create(e);
    }
    return TRUE;
}

void KyTouchGSubDialogPage::CreateToolbar(CToolBarCtrl& toolbar, const GroupIds& ids,
                                          int placeholder)
{
    CWnd* place = GetDlgItem(placeholder);
    if (place == nullptr)
        AfxThrowResourceException();
    CRect rect;
    place->GetWindowRect(&rect);
    ScreenToClient(&rect);
    rect.left = rect.right - kToolbarWidth;
    rect.bottom = rect.top + kToolbarHeight;
    const DWORD style = WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TRANSPARENT | CCS_NODIVIDER |
                        CCS_NORESIZE | CCS_NOPARENTALIGN;
    if (!toolbar.Create(style, rect, this, static_cast<UINT>(placeholder)))
        AfxThrowResourceException();
    // The toolbar takes the placeholder's place in the tab order too.
    toolbar.SetWindowPos(place, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    place->DestroyWindow();
    toolbar.SetBitmapSize(CSize(kImageSize, kImageSize));
    toolbar.SetButtonSize(CSize(kButtonWidth, kButtonHeight));
    toolbar.SetImageList(&m_images);
    TBBUTTON buttons[kButtonsPerToolbar] = {};
    buttons[0].iBitmap = kMakeSourceImage;
    buttons[0].idCommand = ids.makeSource;
    buttons[0].fsState = TBSTATE_ENABLED;
    buttons[0].fsStyle = TBSTYLE_CHECK;
    buttons[1].iBitmap = kCopyImage;
    buttons[1].idCommand = ids.copy;
    buttons[1].fsState = TBSTATE_ENABLED;
    buttons[1].fsStyle = TBSTYLE_BUTTON;
    if (!toolbar.AddButtons(kButtonsPerToolbar, buttons))
        AfxThrowResourceException();
    CRect button;
    toolbar.GetItemRect(0, &button);
    m_tips.AddTool(&toolbar, IDS_KY_TOUCH_MAKE_SOURCE_TIP, &button,
                   static_cast<UINT_PTR>(ids.makeSource));
    toolbar.GetItemRect(1, &button);
    m_tips.AddTool(&toolbar, IDS_KY_TOUCH_COPY_TIP, &button, static_cast<UINT_PTR>(ids.copy));
}

void KyTouchGSubDialogPage::DoDataExchange(CDataExchange* pDX)
{
    KySubDialogPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_KY_TOUCH_WRITE_APPLY, m_writeApply);
    DDX_Control(pDX, IDC_KY_TOUCH_ACCESS_APPLY, m_accessApply);
    DDX_Control(pDX, IDC_KY_TOUCH_CREATION_APPLY, m_creationApply);
    DDX_Control(pDX, IDC_KY_TOUCH_WRITE_NOW, m_writeNow);
    DDX_Control(pDX, IDC_KY_TOUCH_ACCESS_NOW, m_accessNow);
    DDX_Control(pDX, IDC_KY_TOUCH_CREATION_NOW, m_creationNow);
    DDX_Check(pDX, IDC_KY_TOUCH_UTC, m_utc);
    DDX_Check(pDX, IDC_KY_TOUCH_VERBOSE, m_verbose);
    DDX_Check(pDX, IDC_KY_TOUCH_FOLDERS, m_touchFolders);
    if (!pDX->m_bSaveAndValidate)
        return;
    bool applied = false;
    for (DateTime* group = m_head; group != nullptr; group = group->Next()) {
        group->TakeStateFromControls();
        applied = applied || group->IsApplied();
    }
    if (!applied) {
        Kyvant::PageExchange::PrepareCtrl(*pDX, m_writeApply);
        Kyvant::PageExchange::Fail(*pDX, nullptr);
    }
}

void KyTouchGSubDialogPage::UpdateArgv(const ArgSink& argv)
{
    for (DateTime* group = m_head; group != nullptr; group = group->Next())
        group->AppendArgument(argv);
    if (m_touchFolders)
        argv.append(ky_S("-F"));
    if (m_utc)
        argv.append(ky_S("-u"));
    if (m_verbose)
        argv.append(ky_S("-v"));
}

void KyTouchGSubDialogPage::SaveState()
{
    if (m_settings.empty())
        return;
    const HKEY key = m_settings.get();
    Kyvant::WriteRegistryDWORD(key, kTouchFoldersValue, static_cast<DWORD>(m_touchFolders));
    Kyvant::WriteRegistryDWORD(key, kUtcValue, static_cast<DWORD>(m_utc));
    Kyvant::WriteRegistryDWORD(key, kVerboseValue, static_cast<DWORD>(m_verbose));
    for (DateTime* group = m_head; group != nullptr; group = group->Next())
        group->StoreState(m_settings);
}

void KyTouchGSubDialogPage::DocProcessRecord(Kyvant::ToolDoc::RecHeader& header, void* payload)
{
    switch (header.type) {
    case kTouchFoldersRecord:
        Kyvant::PageRecords::ReadFlag(header, payload, m_touchFolders);
        return;
    case kUtcRecord:
        Kyvant::PageRecords::ReadFlag(header, payload, m_utc);
        return;
    case kVerboseRecord:
        Kyvant::PageRecords::ReadFlag(header, payload, m_verbose);
        return;
    default:
        break;
    }
    for (DateTime* group = m_head; group != nullptr; group = group->Next()) {
        if (group->Ids().record != header.type)
            continue;
        group->SetState(TouchStateRecord::FromBytes(payload, header.length));
        if (m_hWnd != nullptr)
            group->Show();
    }
}

void KyTouchGSubDialogPage::DocWriteRecords(Kyvant::ToolDoc::File& file)
{
    for (DateTime* group = m_head; group != nullptr; group = group->Next()) {
        const TouchStateRecord::Bytes bytes = group->GetState().ToBytes();
        file.Write(group->Ids().record, bytes.data(), TouchStateRecord::kSize);
    }
    Kyvant::PageRecords::WriteFlag(file, kTouchFoldersRecord, m_touchFolders);
    Kyvant::PageRecords::WriteFlag(file, kUtcRecord, m_utc);
    Kyvant::PageRecords::WriteFlag(file, kVerboseRecord, m_verbose);
}

void KyTouchGSubDialogPage::DocOnNew()
{
    for (DateTime* group = m_head; group != nullptr; group = group->Next())
        group->Reset();
    m_touchFolders = 0;
    m_utc = 0;
    m_verbose = 0;
}

void KyTouchGSubDialogPage::DocOnFinishNew()
{
    DocOnFinishLoad(true);
}

void KyTouchGSubDialogPage::DocOnFinishLoad(bool)
{
    if (m_hWnd == nullptr)
        return;
    for (DateTime* group = m_head; group != nullptr; group = group->Next())
        group->UpdateControls();
    Kyvant::DialogEx::ResetFocus(*this);
}

KyTouchGSubDialogPage::DateTime* KyTouchGSubDialogPage::GetSource()
{
    for (DateTime* group = m_head; group != nullptr; group = group->Next()) {
        if (group->IsSource())
            return group;
    }
    return nullptr;
}

void KyTouchGSubDialogPage::RefreshCopySource()
{
    DateTime* source = GetSource();
    for (DateTime* group = m_head; group != nullptr; group = group->Next())
        group->EnableCopy(group->IsApplyChecked() && source != nullptr && source != group);
}

KyTouchGSubDialogPage::DateTime* KyTouchGSubDialogPage::GroupOfControl(int id, int GroupIds::*field)
{
    for (DateTime* group = m_head; group != nullptr; group = group->Next()) {
        if (group->Ids().*field == id)
            return group;
    }
    return nullptr;
}

void KyTouchGSubDialogPage::OnApplyClicked(UINT id)
{
    if (DateTime* group = GroupOfControl(static_cast<int>(id), &GroupIds::apply))
        group->OnApplyClicked();
}

void KyTouchGSubDialogPage::OnNowClicked(UINT id)
{
    const bool shift = ::GetKeyState(VK_SHIFT) < 0;
    if (DateTime* group = GroupOfControl(static_cast<int>(id), &GroupIds::now))
        group->OnNowClicked(shift);
}

void KyTouchGSubDialogPage::OnFlagClicked(UINT)
{
    DocSetModified();
}

void KyTouchGSubDialogPage::OnDateTimeChange(UINT, NMHDR*, LRESULT* result)
{
    DocSetModified();
    *result = 0;
}

void KyTouchGSubDialogPage::OnToolbarCommand(UINT id)
{
    if (DateTime* group = GroupOfControl(static_cast<int>(id), &GroupIds::makeSource))
        group->OnMakeSourceClicked();
    else if (DateTime* target = GroupOfControl(static_cast<int>(id), &GroupIds::copy))
        target->OnCopyClicked();
}
