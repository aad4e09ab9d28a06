// KyDirGSubDialogPage's window: the controls' start with and without the
// Indexing Service, the enabling rules, the control notifications and the
// two editors (the list file's open-file dialog and the query's big editor).
#include "KyTools/Dir/KyDirGSubDialogPage.h"

#include "KyConTool/IndexingService/IndexingServiceMRU.h"
#include "KyGui/Exceptions/MfcStdException.h"
#include "KyGui/Helpers/ComboBoxEx.h"
#include "KyGui/Helpers/DialogEx.h"
#include "KyGui/Helpers/WndEx.h"
#include "KyGui/Shell/Browse.h"
#include "KyGuiTool/AdvancedFilters/AdvancedFiltersResource.h"
#include "KyGuiTool/App/AppResource.h"
#include "KyGuiTool/Module/KyGuiToolModule.h"
#include "KyGuiTool/PathLists/KyBigEditor.h"
#include "KyStd/Strings/String.h"
#include "KyTools/Dir/DirResource.h"
#include "KyTools/Module/KyToolsModule.h"
#include "KyTools/PageSupport/PageHostDialog.h"

#include <exception>

namespace {

using Kyvant::ky_S;

const char kEntrySeparator = '\n';
// A query keeps its line breaks as line feeds; the editor shows CR LF.
const char kQueryLineEnd[] = "\n";
const char kEditorLineEnd[] = "\r\n";
const DWORD kListFileDialogFlags = OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_SHAREAWARE;

// A drop list's entries from a string of this library, one per line.
void FillDropList(HWND combo, UINT entries)
{
    const ky_S text = ky_S().LoadStringA(Kyvant::KyToolsModule(), entries);
    unsigned start = 0;
    while (start <= text.length()) {
        unsigned end = text.find(kEntrySeparator, start);
        if (end == ky_S::npos)
            end = text.length();
        ::SendMessageA(combo, CB_ADDSTRING, 0,
                       reinterpret_cast<LPARAM>(text.substr(start, end - start).c_str()));
        start = end + 1;
    }
}

bool HasText(const CWnd& control)
{
    return ::GetWindowTextLengthA(control.m_hWnd) != 0;
}

ky_S TextOf(const CWnd& control)
{
    ky_S text;
    text.GetWindowTextA(control.m_hWnd);
    return text;
}

ky_S LibraryString(HMODULE module, UINT id)
{
    return ky_S().LoadStringA(module, id);
}

} // namespace

BOOL KyDirGSubDialogPage::OnInitDialog()
{
    try {
        FillDropLists();
        KySubDialogPage::OnInitDialog();
        InitListFileControls();
        if (m_indexingServiceAvailable)
            InitIndexingServiceControls();
        else
            RemoveIndexingServiceControls();
    } catch (const std::exception& e) {
        throw Kyvant::MfcStdException::Create(e);
    }
    return TRUE;
}

// Before the first exchange, which selects the entries by index.
void KyDirGSubDialogPage::FillDropLists()
{
    FillDropList(::GetDlgItem(m_hWnd, IDC_KY_DIR_MODE), IDS_KY_DIR_QUERY_MODES);
    FillDropList(::GetDlgItem(m_hWnd, IDC_KY_DIR_SORT), IDS_KY_DIR_SORT_COLUMNS);
    FillDropList(::GetDlgItem(m_hWnd, IDC_KY_DIR_ORDER), IDS_KY_DIR_SORT_DIRECTIONS);
}

void KyDirGSubDialogPage::InitListFileControls()
{
    if (!m_settings.empty())
        m_listFile.LoadStringA(m_settings.get(), kListFileValue, nullptr);
    if (m_listFiles != nullptr) {
        for (const ky_S* entry = m_listFiles->GetFirst(); entry != nullptr;
             entry = m_listFiles->GetNext())
            m_listFileCombo.AddString(entry->c_str());
    }
    Kyvant::ComboBoxEx::SetCurSelExact(m_listFileCombo, m_listFile.c_str());
    UpdateAppend();
    Kyvant::WndEx::SetHeightEqual(m_listFileButton, m_listFileCombo);
}

void KyDirGSubDialogPage::InitIndexingServiceControls()
{
    if (!m_settings.empty())
        m_query.LoadStringA(m_settings.get(), kQueryValue, nullptr);
    Kyvant::IndexingService::QueryMRU& history = Kyvant::IndexingService::QueryMRU::Instance();
    for (const ky_S* entry = history.GetFirst(); entry != nullptr; entry = history.GetNext())
        m_queryCombo.AddString(entry->c_str());
    Kyvant::ComboBoxEx::SetCurSelExact(m_queryCombo, m_query.c_str());
    Kyvant::WndEx::SetHeightEqual(m_queryButton, m_queryCombo);
    OnIndexingServiceClicked();
}

// Everything from the check box to the list file's button goes; the
// listing's controls move up into its place, and the page shrinks by as
// much, keeping its middle where it was.
void KyDirGSubDialogPage::RemoveIndexingServiceControls()
{
    CWnd* first = &m_useIndexingServiceBox;
    CWnd* listing = &m_listFileButton;
    Kyvant::WndEx::EnableWindows(first, listing, false);
    Kyvant::WndEx::ShowWindows(first, listing, SW_HIDE);
    const int gap =
        Kyvant::WndEx::WindowRect(*listing, true).top - Kyvant::WndEx::WindowRect(*first, true).top;
    Kyvant::WndEx::MoveWindows(0, -gap, listing, nullptr);
    const Kyvant::WndEx::WindowRect page(*this, true);
    MoveWindow(page.left, page.top + gap / 2, page.Width(), page.Height() - gap);
}

void KyDirGSubDialogPage::UpdateAppend()
{
    const bool named =
        HasText(m_listFileCombo) || (m_listFileSelecting && m_listFileCombo.GetCurSel() != CB_ERR);
    m_appendBox.EnableWindow(named);
}

void KyDirGSubDialogPage::UpdateMode()
{
    const bool queried =
        HasText(m_queryCombo) || (m_querySelecting && m_queryCombo.GetCurSel() != CB_ERR);
    const bool on = m_queryCombo.IsWindowEnabled() && queried;
    m_modeLabel.EnableWindow(on);
    m_modeCombo.EnableWindow(on);
}

void KyDirGSubDialogPage::EnableIndexingServiceControls(bool enable)
{
    Kyvant::WndEx::EnableWindows(&m_queryButton, &m_listingCaption, enable);
    UpdateMode();
}

void KyDirGSubDialogPage::DocOnFinishLoad(bool)
{
    if (m_hWnd == nullptr)
        return;
    EnableIndexingServiceControls(m_indexingServiceAvailable && m_useIndexingService != 0);
    UpdateAppend();
    Kyvant::DialogEx::ResetFocus(*this);
}

void KyDirGSubDialogPage::OnListFileEditChange()
{
    DocSetModified();
    UpdateAppend();
}

void KyDirGSubDialogPage::OnListFileSelChange()
{
    DocSetModified();
    m_listFileSelecting = true;
    UpdateAppend();
    m_listFileSelecting = false;
}

void KyDirGSubDialogPage::OnIndexingServiceClicked()
{
    DocSetModified();
    EnableIndexingServiceControls(m_useIndexingServiceBox.GetCheck() == BST_CHECKED);
}

void KyDirGSubDialogPage::OnQueryEditChange()
{
    DocSetModified();
    UpdateMode();
}

void KyDirGSubDialogPage::OnQuerySelChange()
{
    DocSetModified();
    m_querySelecting = true;
    UpdateMode();
    m_querySelecting = false;
}

void KyDirGSubDialogPage::OnOptionChanged(UINT)
{
    DocSetModified();
}

LRESULT KyDirGSubDialogPage::OnInvokeEditor(WPARAM wParam, LPARAM)
{
    try {
        switch (static_cast<int>(wParam)) {
        case IDC_KY_DIR_LIST_FILE_BUTTON:
            BrowseListFile();
            break;
        case IDC_KY_DIR_QUERY_BUTTON:
            EditQuery();
            break;
        default:
            break;
        }
    } catch (const std::exception& e) {
        throw Kyvant::MfcStdException::Create(e);
    }
    return 0;
}

void KyDirGSubDialogPage::BrowseListFile()
{
    const ky_S filter = LibraryString(Kyvant::KyGuiToolModule(), IDS_KY_TEXT_FILES_FILTER);
    ky_S path;
    if (Kyvant::Shell::BrowseFile(true, path, filter.c_str(), nullptr, nullptr, nullptr,
                                  kListFileDialogFlags, nullptr, this)) {
        DocSetModified();
        Kyvant::ComboBoxEx::SetCurSelExact(m_listFileCombo, path.c_str());
        UpdateAppend();
    }
    Kyvant::PageHostDialog::FocusControl(*this, IDC_KY_DIR_LIST_FILE);
}

void KyDirGSubDialogPage::EditQuery()
{
    ky_S shown = TextOf(m_queryCombo);
    shown.Substitute(kQueryLineEnd, kEditorLineEnd);
    KyBigEditor editor(m_queryCombo, LibraryString(Kyvant::KyGuiToolModule(), IDS_KY_QUERY_EDITOR),
                       this);
    editor.LoadContents(shown, FALSE);
    if (editor.DoModal() != IDOK)
        return;
    DocSetModified();
    KyBigEditor::Text joined;
    editor.StoreContents(joined, true, kQueryLineEnd, sizeof kQueryLineEnd - 1, FALSE);
    Kyvant::ComboBoxEx::SetCurSelExact(m_queryCombo, joined.c_str());
    UpdateMode();
}
