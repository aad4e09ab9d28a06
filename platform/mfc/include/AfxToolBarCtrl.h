// CToolBarCtrl and CToolTipCtrl: thin objects for the common toolbar and tooltip controls.
#pragma once

#include "AfxImageList.h"
#include "AfxWnd.h"

#include <commctrl.h>

class CToolTipCtrl;

class AFX_API CToolBarCtrl : public CWnd
{
    DECLARE_DYNAMIC(CToolBarCtrl)
public:
    CToolBarCtrl();
    // Buttons send WM_COMMAND with their command ids to the parent (or the owner set by SetOwner).
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // Images from a bitmap found along the resource chain; returns the first new image's index.
    int AddBitmap(int nNumButtons, UINT nBitmapID);
    int AddBitmap(int nNumButtons, CBitmap* pBitmap);
    BOOL AddButtons(int nNumButtons, LPTBBUTTON lpButtons);
    BOOL InsertButton(int nIndex, LPTBBUTTON lpButton)
    { return static_cast<BOOL>(SendMessage(TB_INSERTBUTTONA, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(lpButton))); }
    BOOL DeleteButton(int nIndex) { return static_cast<BOOL>(SendMessage(TB_DELETEBUTTON, static_cast<WPARAM>(nIndex))); }
    int GetButtonCount() const { return static_cast<int>(SendMessage(TB_BUTTONCOUNT)); }
    BOOL GetButton(int nIndex, LPTBBUTTON lpButton) const
    { return static_cast<BOOL>(SendMessage(TB_GETBUTTON, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(lpButton))); }
    UINT CommandToIndex(UINT nID) const { return static_cast<UINT>(SendMessage(TB_COMMANDTOINDEX, nID)); }
    BOOL GetItemRect(int nIndex, LPRECT lpRect) const
    { return static_cast<BOOL>(SendMessage(TB_GETITEMRECT, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(lpRect))); }
    BOOL EnableButton(int nID, BOOL bEnable = TRUE)
    { return static_cast<BOOL>(SendMessage(TB_ENABLEBUTTON, static_cast<WPARAM>(nID), MAKELPARAM(bEnable, 0))); }
    BOOL CheckButton(int nID, BOOL bCheck = TRUE)
    { return static_cast<BOOL>(SendMessage(TB_CHECKBUTTON, static_cast<WPARAM>(nID), MAKELPARAM(bCheck, 0))); }
    BOOL PressButton(int nID, BOOL bPress = TRUE)
    { return static_cast<BOOL>(SendMessage(TB_PRESSBUTTON, static_cast<WPARAM>(nID), MAKELPARAM(bPress, 0))); }
    BOOL HideButton(int nID, BOOL bHide = TRUE)
    { return static_cast<BOOL>(SendMessage(TB_HIDEBUTTON, static_cast<WPARAM>(nID), MAKELPARAM(bHide, 0))); }
    BOOL IsButtonEnabled(int nID) const { return static_cast<BOOL>(SendMessage(TB_ISBUTTONENABLED, static_cast<WPARAM>(nID))); }
    BOOL IsButtonChecked(int nID) const { return static_cast<BOOL>(SendMessage(TB_ISBUTTONCHECKED, static_cast<WPARAM>(nID))); }
    int GetState(int nID) const { return static_cast<int>(SendMessage(TB_GETSTATE, static_cast<WPARAM>(nID))); }
    BOOL SetState(int nID, UINT nState) { return static_cast<BOOL>(SendMessage(TB_SETSTATE, static_cast<WPARAM>(nID), MAKELPARAM(nState, 0))); }
    void SetButtonStructSize(int nSize) { SendMessage(TB_BUTTONSTRUCTSIZE, static_cast<WPARAM>(nSize)); }
    BOOL SetButtonSize(CSize size) { return static_cast<BOOL>(SendMessage(TB_SETBUTTONSIZE, 0, MAKELPARAM(size.cx, size.cy))); }
    BOOL SetBitmapSize(CSize size) { return static_cast<BOOL>(SendMessage(TB_SETBITMAPSIZE, 0, MAKELPARAM(size.cx, size.cy))); }
    void AutoSize() { SendMessage(TB_AUTOSIZE); }
    void SetOwner(CWnd* pWnd) { SendMessage(TB_SETPARENT, reinterpret_cast<WPARAM>(pWnd->GetSafeHwnd())); }
    CToolTipCtrl* GetToolTips() const;
    void SetToolTips(CToolTipCtrl* pTip);
    DWORD SetExtendedStyle(DWORD dwExStyle)
    { return static_cast<DWORD>(SendMessage(TB_SETEXTENDEDSTYLE, 0, static_cast<LPARAM>(dwExStyle))); }
    DWORD GetExtendedStyle() const { return static_cast<DWORD>(SendMessage(TB_GETEXTENDEDSTYLE)); }
    int HitTest(LPPOINT ppt) const { return static_cast<int>(SendMessage(TB_HITTEST, 0, reinterpret_cast<LPARAM>(ppt))); }
    int GetRows() const { return static_cast<int>(SendMessage(TB_GETROWS)); }
    // Image lists in place of bitmaps (not owned by the toolbar)
    CImageList* SetImageList(CImageList* pImageList) { return ImageListOf(TB_SETIMAGELIST, pImageList); }
    CImageList* SetHotImageList(CImageList* pImageList) { return ImageListOf(TB_SETHOTIMAGELIST, pImageList); }
    CImageList* SetDisabledImageList(CImageList* pImageList) { return ImageListOf(TB_SETDISABLEDIMAGELIST, pImageList); }
    CImageList* GetImageList() const { return CImageList::FromHandle(reinterpret_cast<HIMAGELIST>(SendMessage(TB_GETIMAGELIST))); }
    CImageList* GetHotImageList() const
    { return CImageList::FromHandle(reinterpret_cast<HIMAGELIST>(SendMessage(TB_GETHOTIMAGELIST))); }

private:
    CImageList* ImageListOf(UINT message, CImageList* pImageList)
    {
        return CImageList::FromHandle(reinterpret_cast<HIMAGELIST>(
            SendMessage(message, 0, reinterpret_cast<LPARAM>(pImageList->GetSafeHandle()))));
    }
};

class AFX_API CToolTipCtrl : public CWnd
{
    DECLARE_DYNAMIC(CToolTipCtrl)
public:
    CToolTipCtrl();
    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = 0);

    // A tool for a rectangle of pWnd (nIDTool) or, without a rectangle, for the whole window.
    BOOL AddTool(CWnd* pWnd, LPCSTR lpszText = LPSTR_TEXTCALLBACKA, LPCRECT lpRectTool = nullptr, UINT_PTR nIDTool = 0);
    BOOL AddTool(CWnd* pWnd, UINT nIDText, LPCRECT lpRectTool = nullptr, UINT_PTR nIDTool = 0);
    void DelTool(CWnd* pWnd, UINT_PTR nIDTool = 0);
    void UpdateTipText(LPCSTR lpszText, CWnd* pWnd, UINT_PTR nIDTool = 0);
    void SetToolRect(CWnd* pWnd, UINT_PTR nIDTool, LPCRECT lpRect);
    int GetToolCount() const { return static_cast<int>(SendMessage(TTM_GETTOOLCOUNT)); }
    void Activate(BOOL bActivate) { SendMessage(TTM_ACTIVATE, static_cast<WPARAM>(bActivate)); }
    void RelayEvent(LPMSG lpMsg) { SendMessage(TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(lpMsg)); }
    void SetDelayTime(UINT nDelay) { SendMessage(TTM_SETDELAYTIME, TTDT_AUTOMATIC, static_cast<LPARAM>(nDelay)); }
    void SetMaxTipWidth(int iWidth) { SendMessage(TTM_SETMAXTIPWIDTH, 0, iWidth); }
    void Pop() { SendMessage(TTM_POP); }

private:
    void FillInToolInfo(TOOLINFOA& ti, CWnd* pWnd, UINT_PTR nIDTool) const;
};
