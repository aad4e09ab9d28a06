// KyBaseDialog's "Recent Files": the list in the registry, its items in the
// File menu and opening one of them.
#include "KyGuiTool/Settings/KyBaseDialog.h"

#include "KyGui/Exceptions/MfcStdException.h"
#include "KyGuiTool/Settings/SettingsResource.h"
#include "KyStd/Registry/RegMRU.h"

#include <afxwin.h>

#include <stdexcept>

using namespace Kyvant;

namespace {

// A menu item's text shows '&' as it is only when it is doubled.
ky_S MenuText(unsigned number, const ky_F& file)
{
    ky_F part(file);
    part.ToFilePart();
    ky_S text("&");
    text += ky_S(std::to_string(number).c_str());
    text += ' ';
    for (const char* c = part.c_str(); *c != '\0'; ++c) {
        if (*c == '&')
            text += '&';
        text += *c;
    }
    return text;
}

} // namespace

std::vector<ky_F> KyBaseDialog::GetRecentFiles() const
{
    RegMRUReader<ky_F> list(m_appKey, kRecentFilesList);
    std::vector<ky_F> files;
    for (const ky_F* file = list.GetFirst(); file != nullptr && files.size() < kRecentFilesMax;
         file = list.GetNext())
        files.push_back(*file);
    return files;
}

void KyBaseDialog::RememberRecentFile(const ky_F& file)
{
    RegMRUReader<ky_F> list(m_appKey, kRecentFilesList);
    RegMRUWriter<ky_F>(list, kRecentFilesMax).Add(file);
}

void KyBaseDialog::ForgetRecentFile(const ky_F& file)
{
    RegMRUReader<ky_F> list(m_appKey, kRecentFilesList);
    RegMRUWriter<ky_F>(list, kRecentFilesMax).Remove(file);
}

// The placeholder gives its place to the files, most recent first; with no
// files it stays, disabled.
void KyBaseDialog::OnUpdateRecentFiles(CCmdUI* pCmdUI)
{
    const std::vector<ky_F> files = GetRecentFiles();
    if (files.empty() || pCmdUI->m_pMenu == nullptr) {
        pCmdUI->Enable(FALSE);
        return;
    }
    CMenu& menu = *pCmdUI->m_pMenu;
    const UINT at = pCmdUI->m_nIndex;
    for (unsigned i = 0; i < files.size(); ++i)
        menu.InsertMenu(at + i, MF_BYPOSITION | MF_STRING, ID_KY_RECENT_FILE_FIRST + i,
                        MenuText(i + 1, files[i]).c_str());
    menu.RemoveMenu(at + static_cast<UINT>(files.size()), MF_BYPOSITION);
}

void KyBaseDialog::OnRecentFile(UINT id)
{
    try {
        OpenRecentFile(id - ID_KY_RECENT_FILE_FIRST);
    } catch (const std::exception& e) {
        throw MfcStdException::Create(e);
    }
}

// A file gone from the disk leaves the list and is reported as not found.
void KyBaseDialog::OpenRecentFile(unsigned index)
{
    const std::vector<ky_F> files = GetRecentFiles();
    if (index >= files.size())
        return;
    const ky_F file = files[index];
    if (!file.Exists()) {
        ForgetRecentFile(file);
        AfxThrowFileException(CFileException::fileNotFound, ERROR_FILE_NOT_FOUND, file.c_str());
    }
    if (!DocDoNewChecks(&file, true))
        return;
    DocDoNew(false);
    DocDoOpen(file, true);
}
