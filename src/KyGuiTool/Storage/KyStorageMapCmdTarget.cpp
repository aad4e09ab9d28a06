// KyStorageMapCmdTarget: construction, the routing of the storage controls'
// ids, their commands (with Shift and Ctrl) and their enabled states.
#include "KyGuiTool/Storage/KyStorageMapCmdTarget.h"

#include "KyGui/Exceptions/MfcStdException.h"
#include "KyGuiTool/Storage/StorageResource.h"

#include <algorithm>
#include <exception>

namespace {

const UINT kAnyId = 0xFFFF;

bool KeyDown(int key)
{
    return (::GetKeyState(key) & 0x8000) != 0;
}

UINT IdOf(const CWnd& control)
{
    return static_cast<UINT>(control.GetDlgCtrlID());
}

} // namespace

IMPLEMENT_DYNAMIC(KyStorageMapCmdTarget, CCmdTarget)

BEGIN_MESSAGE_MAP(KyStorageMapCmdTarget, CCmdTarget)
ON_COMMAND_RANGE(0, kAnyId, OnCommandRange)
ON_UPDATE_COMMAND_UI_RANGE(0, kAnyId, OnUpdateCommandUIRange)
ON_CONTROL_RANGE(CBN_SELCHANGE, 0, kAnyId, OnSelChange)
END_MESSAGE_MAP()

KyStorageMapCmdTarget::KyStorageMapCmdTarget(CDialog& host, CButton& menuButton, CComboBox& names,
                                             CButton& save, CButton& newButton,
                                             CButton& deleteButton, Kyvant::ky_I& currentName,
                                             const Kyvant::ky_BSB<char>& unnamedPrompt,
                                             const Kyvant::ky_BSB<char>& namedPrompt)
    : m_host(host), m_menuButton(menuButton), m_names(names), m_save(save), m_new(newButton),
      m_delete(deleteButton), m_menuButtonId(IdOf(menuButton)), m_namesId(IdOf(names)),
      m_saveId(IdOf(save)), m_newId(IdOf(newButton)), m_deleteId(IdOf(deleteButton)),
      m_currentName(currentName), m_unnamedPrompt(unnamedPrompt), m_namedPrompt(namedPrompt),
      m_dirty(false), m_busy(false),
      m_reselectPending(false), m_commandIds{m_menuButtonId, m_namesId, m_saveId, m_newId,
                                             m_deleteId}
{
    for (UINT id = ID_KY_STORAGE_NEW; id <= ID_KY_STORAGE_EXPORT; ++id)
        m_commandIds.push_back(id);
}

KyStorageMapCmdTarget::~KyStorageMapCmdTarget() = default;

bool KyStorageMapCmdTarget::HandlesId(UINT id) const
{
    return std::find(m_commandIds.begin(), m_commandIds.end(), id) != m_commandIds.end();
}

BOOL KyStorageMapCmdTarget::OnCmdMsg(UINT nID, int nCode, void* pExtra,
                                     AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (!HandlesId(nID))
        return FALSE;
    return CCmdTarget::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

void KyStorageMapCmdTarget::OnCommandRange(UINT id)
{
    try {
        RunCommand(id);
    } catch (const std::exception& e) {
        throw Kyvant::MfcStdException::Create(e);
    }
}

void KyStorageMapCmdTarget::RunCommand(UINT id)
{
    if (id == m_saveId)
        return ClickSave();
    if (id == m_newId)
        return New(!KeyDown(VK_SHIFT));
    if (id == m_deleteId)
        return Delete(KeyDown(VK_SHIFT));
    switch (id) {
    case ID_KY_STORAGE_NEW:
        return New(true);
    case ID_KY_STORAGE_CLEAR_NAME:
        return New(false);
    case ID_KY_STORAGE_SAVE:
        Save(false, true);
        return;
    case ID_KY_STORAGE_SAVE_AS:
        Save(true, true);
        return;
    case ID_KY_STORAGE_RENAME:
        Rename(true);
        return;
    case ID_KY_STORAGE_DELETE:
        return Delete(false);
    case ID_KY_STORAGE_DELETE_SOME:
        return Delete(true);
    case ID_KY_STORAGE_IMPORT:
        return Import();
    case ID_KY_STORAGE_EXPORT:
        return Export();
    default:
        return; // the menu button and the combo do their own work
    }
}

// Shift: Save As; else Ctrl: Rename; else Save.
void KyStorageMapCmdTarget::ClickSave()
{
    if (KeyDown(VK_SHIFT))
        Save(true, true);
    else if (KeyDown(VK_CONTROL))
        Rename(true);
    else
        Save(false, true);
}

void KyStorageMapCmdTarget::OnUpdateCommandUIRange(CCmdUI* pCmdUI)
{
    const UINT id = pCmdUI->m_nID;
    if (id == m_deleteId || id == ID_KY_STORAGE_DELETE_SOME || id == ID_KY_STORAGE_EXPORT)
        pCmdUI->Enable(Count() != 0);
    else if (id == ID_KY_STORAGE_CLEAR_NAME || id == ID_KY_STORAGE_RENAME ||
             id == ID_KY_STORAGE_DELETE)
        pCmdUI->Enable(IsStored(m_currentName));
    else
        pCmdUI->Enable(TRUE);
}

void KyStorageMapCmdTarget::OnSelChange(UINT id)
{
    if (id != m_namesId)
        return;
    try {
        HandleSelChange();
    } catch (const std::exception& e) {
        throw Kyvant::MfcStdException::Create(e);
    }
}
