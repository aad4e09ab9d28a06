// KyShellObjListEditCtrl: the insert commands (browsers, local drives, shell
// folders, path plans, mask sets), the edit commands and dropped files.
#include "KyGuiTool/ShellObjEdit/KyShellObjListEditCtrl.h"

#include "KyConTool/Args/LocalDrives.h"
#include "KyDB/Named/MaskDB.h"
#include "KyDB/Named/PathPlanDB.h"
#include "KyGui/Shell/Browse.h"
#include "KyGui/Shell/BrowseFileIterator.h"
#include "KyGuiTool/Module/KyGuiToolModule.h"
#include "KyGuiTool/ShellObjEdit/DroppedFiles.h"
#include "KyGuiTool/ShellObjEdit/HandlerErrors.h"
#include "KyGuiTool/ShellObjEdit/ShellObjEditResource.h"
#include "KyGuiTool/ShellObjEdit/ToolAppSettings.h"
#include "KyGuiTool/Storage/KyStringPicker.h"
#include "KyStd/Files/FileName.h"
#include "KyStd/Shell/ShellFolderTable.h"
#include "KyStd/Shell/ShellLink.h"

#include <shlobj.h>

#include <algorithm>
#include <iterator>
#include <vector>

namespace {

using Kyvant::ky_BSB;
using Kyvant::ky_S;

const UINT kFolderFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
const DWORD kFileFlags = OFN_SHAREAWARE | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
const unsigned kPlansReservedMultiple = 10;
const char kLineBreak[] = "\r\n";
const char kAllFilesMask[] = "*";
const char kShellFolderOpen = '<';
const char kShellFolderClose = '>';
const char kPlanNameGap = ' ';

ky_S LibraryString(UINT id)
{
    return ky_S().LoadStringA(Kyvant::KyGuiToolModule(), id);
}

} // namespace

void KyShellObjListEditCtrl::OnFolder()
{
    try {
        const ky_S start = Kyvant::ToolAppSettings::BrowseFolderPath();
        ky_BSB<char> folder;
        if (!Kyvant::Shell::BrowseFolder(folder, m_hWnd, nullptr, start.c_str(), kFolderFlags))
            return;
        Kyvant::ToolAppSettings::SetBrowseFolderPath(folder);
        AddFsObject(folder, true);
    } catch (...) {
        Kyvant::RethrowForMfc();
    }
}

void KyShellObjListEditCtrl::OnFile()
{
    try {
        if (m_multipleFiles)
            BrowseFiles();
        else
            BrowseOneFile();
    } catch (...) {
        Kyvant::RethrowForMfc();
    }
}

void KyShellObjListEditCtrl::BrowseOneFile()
{
    const ky_S start = Kyvant::ToolAppSettings::BrowseFolderPath();
    ky_BSB<char> file;
    if (!Kyvant::Shell::BrowseFile(true, file, LibraryString(IDS_KY_ALL_FILES_FILTER).c_str(),
                                   start.c_str(), nullptr, nullptr, kFileFlags,
                                   LibraryString(IDS_KY_SELECT_A_FILE).c_str(), this))
        return;
    Kyvant::ToolAppSettings::RememberFolderOf(file);
    AddFsObject(file, false);
}

// Every chosen file followed by a line break, added as one text.
void KyShellObjListEditCtrl::BrowseFiles()
{
    const ky_S start = Kyvant::ToolAppSettings::BrowseFolderPath();
    Kyvant::Shell::BrowseFile_iterator chosen(LibraryString(IDS_KY_ALL_FILES_FILTER).c_str(),
                                              start.c_str(), kFileFlags | OFN_ALLOWMULTISELECT,
                                              LibraryString(IDS_KY_SELECT_FILES).c_str(), this);
    const Kyvant::Shell::BrowseFile_iterator end;
    if (chosen == end)
        return;
    Kyvant::ToolAppSettings::RememberFolderOf(*chosen);
    ky_S text;
    for (; chosen != end; ++chosen) {
        text += *chosen;
        text += kLineBreak;
    }
    AddFsObject(text, false);
}

void KyShellObjListEditCtrl::OnLocalDrives()
{
    try {
        AddFsObject(Kyvant::LocalDrivesToken(), true);
    } catch (...) {
        Kyvant::RethrowForMfc();
    }
}

void KyShellObjListEditCtrl::OnShellFolder(UINT nID)
{
    const char* name = Kyvant::Shell::GetShellFolderCSIDLName(
        static_cast<int>(nID - ID_KY_SOE_FIRST_SHELL_FOLDER));
    if (name == nullptr)
        return;
    try {
        ky_S text(1, kShellFolderOpen);
        text += name;
        text += kShellFolderClose;
        AddFsObject(text, true);
    } catch (...) {
        Kyvant::RethrowForMfc();
    }
}

// "@P name" for each chosen plan, one per line in a multi-line edit.
void KyShellObjListEditCtrl::OnPathPlan()
{
    try {
        const Kyvant::PathPlanDB& db = Kyvant::PathPlanDB::Instance();
        std::vector<Kyvant::ky_I> names;
        for (auto it = db.begin(); it != db.end(); ++it)
            names.push_back(it->first);
        const bool multiple = IsMultiLine();
        std::vector<ky_BSB<char>> chosen;
        chosen.reserve(multiple ? kPlansReservedMultiple : 1);
        const Kyvant::forward_input_sequencer<std::vector<Kyvant::ky_I>,
                                              Kyvant::ky_cast_converter<Kyvant::ky_I, const char*>>
            choices(names);
        const Kyvant::back_insert_sequencer<std::vector<ky_BSB<char>>> picked(chosen);
        KyStringPicker picker(choices, picked, LibraryString(IDS_KY_CHOOSE),
                              LibraryString(IDS_KY_PATH_PLANS), nullptr, multiple, this);
        if (picker.DoModal() != IDOK || chosen.empty())
            return;
        ky_S text;
        for (const ky_BSB<char>& name : chosen) {
            text += Kyvant::PathPlanDB::s_PathPlanNameSpecifier;
            text += kPlanNameGap;
            text += name;
            if (multiple)
                text += kLineBreak;
        }
        AddFsObject(text, false);
    } catch (...) {
        Kyvant::RethrowForMfc();
    }
}

void KyShellObjListEditCtrl::OnAllFiles()
{
    try {
        AppendMask(ky_S(kAllFilesMask));
    } catch (...) {
        Kyvant::RethrowForMfc();
    }
}

// The n-th stored set, without its access-key marks; nothing past the end.
void KyShellObjListEditCtrl::OnMaskSet(UINT nID)
{
    try {
        Kyvant::MaskDB& db = Kyvant::MaskDB::Instance();
        const unsigned index = nID - ID_KY_SOE_FIRST_MASK_SET;
        if (index >= db.size())
            return;
        auto it = db.begin();
        std::advance(it, index);
        AppendMask(Kyvant::MaskDB::UnAmpersand(it->first));
    } catch (...) {
        Kyvant::RethrowForMfc();
    }
}

void KyShellObjListEditCtrl::OnEditUndo()
{
    SendMessage(EM_UNDO);
}

void KyShellObjListEditCtrl::OnEditCut()
{
    SendMessage(WM_CUT);
}

void KyShellObjListEditCtrl::OnEditCopy()
{
    SendMessage(WM_COPY);
}

void KyShellObjListEditCtrl::OnEditClear()
{
    SendMessage(WM_CLEAR);
}

void KyShellObjListEditCtrl::OnEditPaste()
{
    SendMessage(WM_PASTE);
}

void KyShellObjListEditCtrl::OnEditSelectAll()
{
    SendMessage(EM_SETSEL, 0, -1);
}

// A single-line edit takes the first file only; a shortcut gives its target,
// and a folder on disk is added as a folder.
LRESULT KyShellObjListEditCtrl::OnDropFiles(WPARAM wParam, LPARAM)
{
    const Kyvant::DroppedFiles dropped(reinterpret_cast<HDROP>(wParam));
    if (m_mode == PlainText)
        return 0;
    try {
        const unsigned count = IsMultiLine() ? dropped.Count() : std::min(dropped.Count(), 1u);
        for (unsigned i = 0; i < count; ++i) {
            const Kyvant::ky_F target = Kyvant::Shell::ResolveLink(dropped.Name(i).c_str());
            AddFsObject(target, target.IsDirectory());
        }
    } catch (...) {
        Kyvant::RethrowForMfc();
    }
    return 0;
}
