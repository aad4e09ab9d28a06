// CToolBar: the system toolbar control as a bar: resource loading, buttons, idle update and fly-by prompts.
#include "AfxToolBar.h"

#include "AfxFrameWnd.h"
#include "AfxMsgMacros.h"
#include "AfxResources.h"
#include "afxpriv.h"

#include <vector>

IMPLEMENT_DYNAMIC(CToolBar, CControlBar)

BEGIN_MESSAGE_MAP(CToolBar, CControlBar)
    ON_WM_TIMER()
END_MESSAGE_MAP()

namespace {

const WORD kToolBarResourceVersion = 1;
const int kButtonExtra = 7;       // a button is its image plus this in each direction
const int kSeparatorWidth = 8;
const int kDefaultImage = 16;
const int kDefaultImageHeight = 15;
const UINT_PTR kFlyByTimer = 0xE000;
const UINT kFlyByCheckMs = 200;
const LPCSTR kRtToolBar = MAKEINTRESOURCEA(241);

// The button list of a toolbar resource: version, image width and height, count, then the ids.
struct ToolBarData
{
    WORD wVersion;
    WORD wWidth;
    WORD wHeight;
    WORD wItemCount;
    const WORD* items() const { return reinterpret_cast<const WORD*>(this + 1); }
};

// Update of one button from a command's handler.
class CToolCmdUI : public CCmdUI
{
public:
    void Enable(BOOL bOn) override
    {
        m_bEnableChanged = TRUE;
        HWND hWnd = m_pOther->m_hWnd;
        BOOL bEnabled = static_cast<BOOL>(::SendMessageA(hWnd, TB_ISBUTTONENABLED, m_nID, 0));
        if (!bEnabled != !bOn)
            ::SendMessageA(hWnd, TB_ENABLEBUTTON, m_nID, MAKELONG(bOn ? TRUE : FALSE, 0));
    }
    void SetCheck(int nCheck) override
    {
        HWND hWnd = m_pOther->m_hWnd;
        BOOL bChecked = static_cast<BOOL>(::SendMessageA(hWnd, TB_ISBUTTONCHECKED, m_nID, 0));
        if (!bChecked != !nCheck)
            ::SendMessageA(hWnd, TB_CHECKBUTTON, m_nID, MAKELONG(nCheck ? TRUE : FALSE, 0));
        ::SendMessageA(hWnd, TB_INDETERMINATE, m_nID, MAKELONG(nCheck == 2 ? TRUE : FALSE, 0));
    }
    void SetText(LPCSTR) override {}
};

}  // namespace

CToolBar::CToolBar()
    : m_sizeImage(kDefaultImage, kDefaultImageHeight),
      m_sizeButton(kDefaultImage + kButtonExtra, kDefaultImageHeight + kButtonExtra), m_hbmImageWell(nullptr),
      m_nFlyByID(0)
{
    m_cyTopBorder = 2;
    m_cyBottomBorder = 2;
}

CToolBar::~CToolBar()
{
    DestroyWindow();
    if (m_hbmImageWell != nullptr)
        ::DeleteObject(m_hbmImageWell);
}

BOOL CToolBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    return CreateEx(pParentWnd, 0, dwStyle, CRect(0, 0, 0, 0), nID);
}

BOOL CToolBar::CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, CRect rcBorders, UINT nID)
{
    if (pParentWnd == nullptr)
        return FALSE;
    m_cxLeftBorder = rcBorders.left;
    m_cxRightBorder = rcBorders.right;
    m_cyTopBorder = rcBorders.top;
    m_cyBottomBorder = rcBorders.bottom;
    DWORD dwWndStyle = SplitBarStyle(dwStyle) | dwCtrlStyle | CCS_NOPARENTALIGN | CCS_NOMOVEY | CCS_NODIVIDER |
                       CCS_NORESIZE;
    if (m_dwStyle & CBRS_TOOLTIPS)
        dwWndStyle |= TBSTYLE_TOOLTIPS;
    m_hWndOwner = OwnerFor(pParentWnd);
    const CRect rectNone(0, 0, 0, 0);
    if (!CWnd::CreateEx(0, TOOLBARCLASSNAMEA, nullptr, dwWndStyle | WS_CHILD, rectNone, pParentWnd, nID))
        return FALSE;
    SendMessage(TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON));
    SetSizes(m_sizeButton, m_sizeImage);
    return TRUE;
}

void CToolBar::SetSizes(SIZE sizeButton, SIZE sizeImage)
{
    m_sizeButton = sizeButton;
    m_sizeImage = sizeImage;
    if (m_hWnd == nullptr)
        return;
    SendMessage(TB_SETBITMAPSIZE, 0, MAKELONG(sizeImage.cx, sizeImage.cy));
    SendMessage(TB_SETBUTTONSIZE, 0, MAKELONG(sizeButton.cx, sizeButton.cy));
}

BOOL CToolBar::LoadToolBar(LPCSTR lpszResourceName)
{
    HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, kRtToolBar);
    HRSRC hResource = ::FindResourceA(hInst, lpszResourceName, kRtToolBar);
    if (hResource == nullptr || m_hWnd == nullptr)
        return FALSE;
    HGLOBAL hData = ::LoadResource(hInst, hResource);
    const ToolBarData* pData = hData ? static_cast<const ToolBarData*>(::LockResource(hData)) : nullptr;
    DWORD dwSize = ::SizeofResource(hInst, hResource);
    if (pData == nullptr || dwSize < sizeof(ToolBarData) || pData->wVersion != kToolBarResourceVersion ||
        dwSize < sizeof(ToolBarData) + pData->wItemCount * sizeof(WORD))
        return FALSE;
    std::vector<UINT> ids(pData->items(), pData->items() + pData->wItemCount);
    SetSizes(CSize(pData->wWidth + kButtonExtra, pData->wHeight + kButtonExtra), CSize(pData->wWidth, pData->wHeight));
    if (!LoadBitmap(lpszResourceName))
        return FALSE;
    return SetButtons(ids.data(), static_cast<int>(ids.size()));
}

BOOL CToolBar::LoadBitmap(LPCSTR lpszResourceName)
{
    HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, RT_BITMAP);
    // The standard button colours become the system's colours.
    HBITMAP hbm = ::CreateMappedBitmap(hInst, reinterpret_cast<INT_PTR>(lpszResourceName), 0, nullptr, 0);
    if (hbm == nullptr || m_hWnd == nullptr) {
        if (hbm != nullptr)
            ::DeleteObject(hbm);
        return FALSE;
    }
    BITMAP bm = {};
    ::GetObjectA(hbm, sizeof bm, &bm);
    TBADDBITMAP tbab = { nullptr, reinterpret_cast<UINT_PTR>(hbm) };
    int nImages = m_sizeImage.cx > 0 ? bm.bmWidth / m_sizeImage.cx : 0;
    if (SendMessage(TB_ADDBITMAP, static_cast<WPARAM>(nImages), reinterpret_cast<LPARAM>(&tbab)) == -1) {
        ::DeleteObject(hbm);
        return FALSE;
    }
    if (m_hbmImageWell != nullptr)
        ::DeleteObject(m_hbmImageWell);
    m_hbmImageWell = hbm;
    return TRUE;
}

BOOL CToolBar::SetButtons(const UINT* lpIDArray, int nIDCount)
{
    if (m_hWnd == nullptr || nIDCount < 0)
        return FALSE;
    while (SendMessage(TB_BUTTONCOUNT) > 0)
        SendMessage(TB_DELETEBUTTON, 0);
    std::vector<TBBUTTON> buttons(static_cast<size_t>(nIDCount));
    int iImage = 0;
    for (int i = 0; i < nIDCount; ++i) {
        TBBUTTON& button = buttons[static_cast<size_t>(i)];
        button = TBBUTTON();
        button.fsState = TBSTATE_ENABLED;
        UINT nID = lpIDArray ? lpIDArray[i] : 0;
        if (lpIDArray != nullptr && nID == ID_SEPARATOR) {
            button.fsStyle = TBSTYLE_SEP;
            button.iBitmap = kSeparatorWidth;
        } else {
            button.fsStyle = TBSTYLE_BUTTON;
            button.idCommand = static_cast<int>(nID);
            button.iBitmap = iImage++;
        }
        button.iString = -1;
    }
    m_nCount = nIDCount;
    if (nIDCount == 0)
        return TRUE;
    return SendMessage(TB_ADDBUTTONSA, static_cast<WPARAM>(nIDCount), reinterpret_cast<LPARAM>(buttons.data())) != 0;
}

BOOL CToolBar::GetButton(int nIndex, TBBUTTON* pButton) const
{
    *pButton = TBBUTTON();
    return SendMessage(TB_GETBUTTON, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(pButton)) != 0;
}

int CToolBar::CommandToIndex(UINT nIDFind) const
{
    return static_cast<int>(SendMessage(TB_COMMANDTOINDEX, nIDFind));
}

UINT CToolBar::GetItemID(int nIndex) const
{
    TBBUTTON button;
    if (!GetButton(nIndex, &button))
        return 0;
    return (button.fsStyle & TBSTYLE_SEP) ? ID_SEPARATOR : static_cast<UINT>(button.idCommand);
}

void CToolBar::GetItemRect(int nIndex, LPRECT lpRect) const
{
    if (!SendMessage(TB_GETITEMRECT, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(lpRect)))
        ::SetRectEmpty(lpRect);
}

UINT CToolBar::GetButtonStyle(int nIndex) const
{
    TBBUTTON button;
    if (!GetButton(nIndex, &button))
        return 0;
    // The enabled state is kept inverted, as TBBS_DISABLED.
    return MAKELONG(button.fsStyle, button.fsState ^ TBSTATE_ENABLED);
}

void CToolBar::SetButtonStyle(int nIndex, UINT nStyle)
{
    TBBUTTON button;
    if (!GetButton(nIndex, &button))
        return;
    BYTE fsStyle = static_cast<BYTE>(LOWORD(nStyle));
    BYTE fsState = static_cast<BYTE>(HIWORD(nStyle) ^ TBSTATE_ENABLED);
    if (button.fsStyle == fsStyle && button.fsState == fsState)
        return;
    // Replacing the button works with every version of the control.
    button.fsStyle = fsStyle;
    button.fsState = fsState;
    SendMessage(TB_DELETEBUTTON, static_cast<WPARAM>(nIndex));
    SendMessage(TB_INSERTBUTTONA, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(&button));
}

void CToolBar::GetButtonInfo(int nIndex, UINT& nID, UINT& nStyle, int& iImage) const
{
    TBBUTTON button;
    GetButton(nIndex, &button);
    nID = static_cast<UINT>(button.idCommand);
    nStyle = MAKELONG(button.fsStyle, button.fsState ^ TBSTATE_ENABLED);
    iImage = button.iBitmap;
}

void CToolBar::SetButtonInfo(int nIndex, UINT nID, UINT nStyle, int iImage)
{
    TBBUTTON button;
    if (!GetButton(nIndex, &button))
        return;
    button.idCommand = static_cast<int>(nID);
    button.fsStyle = static_cast<BYTE>(LOWORD(nStyle));
    button.fsState = static_cast<BYTE>(HIWORD(nStyle) ^ TBSTATE_ENABLED);
    button.iBitmap = iImage;
    SendMessage(TB_DELETEBUTTON, static_cast<WPARAM>(nIndex));
    SendMessage(TB_INSERTBUTTONA, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(&button));
}

BOOL CToolBar::SetButtonText(int nIndex, LPCSTR lpszText)
{
    TBBUTTON button;
    if (!GetButton(nIndex, &button) || lpszText == nullptr)
        return FALSE;
    // The control's string list wants two terminating zeros.
    CString text = lpszText;
    text += '\0';
    INT_PTR iString = SendMessage(TB_ADDSTRINGA, 0, reinterpret_cast<LPARAM>(static_cast<LPCSTR>(text)));
    if (iString < 0)
        return FALSE;
    button.iString = iString;
    SendMessage(TB_DELETEBUTTON, static_cast<WPARAM>(nIndex));
    return SendMessage(TB_INSERTBUTTONA, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(&button)) != 0;
}

CSize CToolBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    int cxButtons = 0;
    int nButtons = static_cast<int>(SendMessage(TB_BUTTONCOUNT));
    if (nButtons > 0) {
        CRect last;
        GetItemRect(nButtons - 1, &last);
        cxButtons = last.right;
    }
    DWORD dwButtonSize = static_cast<DWORD>(SendMessage(TB_GETBUTTONSIZE));
    int cyButton = HIWORD(dwButtonSize) ? HIWORD(dwButtonSize) : m_sizeButton.cy;
    CSize size(cxButtons + m_cxLeftBorder + m_cxRightBorder, cyButton + m_cyTopBorder + m_cyBottomBorder);
    if (bStretch && bHorz)
        size.cx = 32767;
    return size;
}

void CToolBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    CToolCmdUI state;
    state.m_pOther = this;
    int nButtons = static_cast<int>(SendMessage(TB_BUTTONCOUNT));
    state.m_nIndexMax = static_cast<UINT>(nButtons);
    for (int i = 0; i < nButtons; ++i) {
        TBBUTTON button;
        if (!GetButton(i, &button) || (button.fsStyle & TBSTYLE_SEP))
            continue;
        state.m_nIndex = static_cast<UINT>(i);
        state.m_nID = static_cast<UINT>(button.idCommand);
        // The bar's own handlers first, then the frame's routing.
        if (CWnd::OnCmdMsg(state.m_nID, static_cast<int>(CN_UPDATE_COMMAND_UI), &state, nullptr))
            continue;
        state.DoUpdate(pTarget, bDisableIfNoHndler);
    }
}

BOOL CToolBar::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_MOUSEMOVE && pMsg->hwnd == m_hWnd && (m_dwStyle & CBRS_FLYBY))
        UpdateFlyBy(pMsg->pt);
    return CControlBar::PreTranslateMessage(pMsg);
}

// The status bar shows the prompt of the button under the mouse, and the idle text once it leaves.
void CToolBar::UpdateFlyBy(POINT ptScreen)
{
    CFrameWnd* pFrame = GetDockingFrame();
    if (pFrame == nullptr)
        return;
    POINT pt = ptScreen;
    ScreenToClient(&pt);
    CRect client;
    GetClientRect(&client);
    UINT nID = 0;
    if (::PtInRect(&client, pt)) {
        int nIndex = static_cast<int>(SendMessage(TB_HITTEST, 0, reinterpret_cast<LPARAM>(&pt)));
        if (nIndex >= 0)
            nID = GetItemID(nIndex);
    }
    if (nID == m_nFlyByID)
        return;
    m_nFlyByID = nID;
    pFrame->SendMessage(WM_SETMESSAGESTRING, nID != 0 ? nID : AFX_IDS_IDLEMESSAGE);
    if (nID != 0)
        SetTimer(kFlyByTimer, kFlyByCheckMs);
    else
        KillTimer(kFlyByTimer);
}

void CToolBar::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != kFlyByTimer) {
        CControlBar::OnTimer(nIDEvent);
        return;
    }
    POINT pt;
    ::GetCursorPos(&pt);
    UpdateFlyBy(pt);
}
