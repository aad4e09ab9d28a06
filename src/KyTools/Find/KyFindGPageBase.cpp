// KyFindGPageBase: the pattern combo and its MRU list, the boxes in the
// registry and in task files, the separator argument, the initial pattern.
#include "KyTools/Find/KyFindGPageBase.h"

#include "KyGui/Adapters/DataExchange.h"
#include "KyGui/Exceptions/MfcStdException.h"
#include "KyGui/Helpers/ComboBoxEx.h"
#include "KyGui/Helpers/DialogEx.h"
#include "KyGui/Helpers/WndEx.h"
#include "KyGuiTool/App/KyGuiApp.h"
#include "KyGuiTool/TaskFiles/ToolDocFile.h"
#include "KyStd/Registry/RegValues.h"
#include "KyTools/Find/DevEnvPatternSeed.h"
#include "KyTools/Find/FindRecords.h"
#include "KyTools/Find/FindResource.h"
#include "KyTools/Find/KyFindGTabCtrl.h"
#include "KyTools/PageSupport/PageRecords.h"

#include <exception>

namespace {

// No limit on the pattern's length.
const unsigned long kNoMaxLength = 0;
// The ids of every check box of both templates.
const int kFirstBoxId = IDC_KY_FIND_IGNORE_CASE;
const int kLastBoxId = IDC_KY_FIND_INVERTED;
// The pages are placed by their tab control, not in a proxy's place.
const int kNoProxy = -1;

} // namespace

IMPLEMENT_DYNAMIC(KyFindGPageBase, KySubDialogPage)

BEGIN_MESSAGE_MAP(KyFindGPageBase, KySubDialogPage)
ON_CBN_EDITCHANGE(IDC_KY_FIND_PATTERN, OnPatternChanged)
ON_CBN_SELCHANGE(IDC_KY_FIND_PATTERN, OnPatternChanged)
ON_CONTROL_RANGE(BN_CLICKED, kFirstBoxId, kLastBoxId, OnBoxClicked)
ON_MESSAGE(KyButtonEditorInvoker::kInvokeMessage, OnInvokeEditor)
END_MESSAGE_MAP()

const char KyFindGPageBase::kPatternListName[] = "MRUPatterns";

KyFindGPageBase::KyFindGPageBase(int templateId, const Kyvant::ky_I& guid, KyFindGFlavor flavor,
                                 const DWORD* helpIds,
                                 const Kyvant::rc_ptr<Kyvant::AppBridge>& bridge,
                                 const Kyvant::RegKey& parent)
    : KySubDialogPage(templateId, guid, helpIds, bridge, kNoProxy),
      m_editorButton(KyButtonEditorInvoker::kEditText), m_ignoreCase(0), m_wholeWords(0),
      m_lineNumbers(0), m_fileNamesOnly(0), m_binaryMode(0), m_flavor(flavor)
{
    if (!parent.empty())
        m_key = Kyvant::RegKey(parent, guid.c_str());
    Kyvant::FindFlavors::Enter(guid, flavor);
}

KyFindGPageBase::~KyFindGPageBase() = default;

void KyFindGPageBase::ResetToDefaults()
{
    m_pattern.clear();
    for (const Setting& setting : m_settings)
        *setting.field = setting.defaultValue;
}

void KyFindGPageBase::UpdateArgv(const ArgSink& argv)
{
    argv.append(KyGuiApp::GetPureShellArgSep());
}

void KyFindGPageBase::SaveState()
{
    OpenPatternList();
    if (m_patternWriter != nullptr)
        m_patternWriter->Add(m_pattern);
    WriteSettings();
    KyFindGTabCtrl* tabs = DYNAMIC_DOWNCAST(KyFindGTabCtrl, GetParent());
    if (tabs != nullptr)
        tabs->SetBinaryMode(m_binaryMode != 0);
}

void KyFindGPageBase::DocProcessRecord(Kyvant::ToolDoc::RecHeader& header, void* payload)
{
    if (header.type == Kyvant::FindRecords::Pattern) {
        m_pattern = payload != nullptr
                        ? Kyvant::ky_S(static_cast<const char*>(payload), header.length)
                        : Kyvant::ky_S();
        return;
    }
    for (const Setting& setting : m_settings) {
        if (header.type == setting.recordType) {
            Kyvant::PageRecords::ReadFlag(header, payload, *setting.field);
            return;
        }
    }
}

void KyFindGPageBase::DocWriteRecords(Kyvant::ToolDoc::File& file)
{
    file.Write(Kyvant::FindRecords::Pattern, m_pattern.c_str(), m_pattern.length());
    for (const Setting& setting : m_settings)
        Kyvant::PageRecords::WriteFlag(file, setting.recordType, *setting.field);
}

void KyFindGPageBase::DocOnNew()
{
    ResetToDefaults();
}

void KyFindGPageBase::DocOnFinishNew()
{
    if (m_hWnd != nullptr)
        Kyvant::DialogEx::ResetFocus(*this);
}

void KyFindGPageBase::DocOnFinishLoad(bool)
{
    if (m_hWnd != nullptr)
        Kyvant::DialogEx::ResetFocus(*this);
}

BOOL KyFindGPageBase::OnInitDialog()
{
    ReadSettings();
    KySubDialogPage::OnInitDialog();
    OpenPatternList();
    FillPatternCombo();
    const Kyvant::ky_S seed = Kyvant::DevEnvPatternSeed::Read();
    if (!seed.empty())
        Kyvant::ComboBoxEx::SetCurSelExact(m_patternCombo, seed.c_str());
    Kyvant::WndEx::SetHeightEqual(m_editorButton, m_patternCombo);
    return TRUE;
}

void KyFindGPageBase::DoDataExchange(CDataExchange* pDX)
{
    KySubDialogPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_KY_FIND_PATTERN, m_patternCombo);
    DDX_Control(pDX, IDC_KY_FIND_EDITOR, m_editorButton);
    for (const Setting& setting : m_settings)
        DDX_Check(pDX, setting.controlId, *setting.field);
    DDX_CB_string_exact2(pDX, IDC_KY_FIND_PATTERN, m_pattern);
    DDV_string_required_MaxLength(pDX, m_pattern, kNoMaxLength);
}

Kyvant::ky_S KyFindGPageBase::GetComboText() const
{
    Kyvant::ky_S text;
    text.GetWindowTextA(m_patternCombo.m_hWnd);
    return text;
}

void KyFindGPageBase::SetComboText(const Kyvant::ky_S& text)
{
    Kyvant::ComboBoxEx::SetCurSelExact(m_patternCombo, text.c_str());
}

void KyFindGPageBase::ReadSettings()
{
    if (m_key.empty())
        return;
    for (const Setting& setting : m_settings)
        *setting.field = Kyvant::GetRegistryDWORD(m_key.get(), setting.valueName,
                                                  static_cast<DWORD>(setting.defaultValue)) != 0
                             ? 1
                             : 0;
}

void KyFindGPageBase::WriteSettings()
{
    if (m_key.empty())
        return;
    for (const Setting& setting : m_settings)
        Kyvant::WriteRegistryDWORD(m_key.get(), setting.valueName, *setting.field != 0 ? 1 : 0);
}

void KyFindGPageBase::OpenPatternList()
{
    if (m_patternWriter != nullptr || m_key.empty())
        return;
    m_patternList.reset(new Kyvant::RegMRUReader<Kyvant::ky_S>(m_key, kPatternListName));
    m_patternWriter.reset(new Kyvant::RegMRUWriter<Kyvant::ky_S>(*m_patternList, kMaxPatterns));
}

void KyFindGPageBase::FillPatternCombo()
{
    if (m_patternList == nullptr)
        return;
    for (const Kyvant::ky_S* text = m_patternList->GetFirst(); text != nullptr;
         text = m_patternList->GetNext())
        m_patternCombo.AddString(text->c_str());
}

void KyFindGPageBase::OnPatternChanged()
{
    DocSetModified();
}

void KyFindGPageBase::OnBoxClicked(UINT)
{
    DocSetModified();
}

LRESULT KyFindGPageBase::OnInvokeEditor(WPARAM, LPARAM)
{
    try {
        OpenBigEditor();
    } catch (const std::exception& e) {
        throw Kyvant::MfcStdException::Create(e);
    }
    return 0;
}
