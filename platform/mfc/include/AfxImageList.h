// CImageList: an owner of a common-control image list, with temporary objects for foreign handles.
#pragma once

#include "AfxGdiObject.h"
#include "AfxGeometry.h"
#include "AfxObject.h"

#include <commctrl.h>

class CDC;

class AFX_API CImageList : public CObject
{
    DECLARE_DYNAMIC(CImageList)
public:
    CImageList();
    ~CImageList() override;  // destroys an attached list

    HIMAGELIST m_hImageList;

    static CImageList* PASCAL FromHandle(HIMAGELIST hImageList);
    HIMAGELIST GetSafeHandle() const;
    operator HIMAGELIST() const { return m_hImageList; }
    BOOL Attach(HIMAGELIST hImageList);
    HIMAGELIST Detach();
    BOOL DeleteImageList();

    BOOL Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow);
    // A strip of images of width cx from a bitmap found along the resource chain; crMask is the transparent colour.
    BOOL Create(UINT nBitmapID, int cx, int nGrow, COLORREF crMask);
    BOOL Create(LPCSTR lpszBitmapID, int cx, int nGrow, COLORREF crMask);

    int GetImageCount() const { return ImageList_GetImageCount(m_hImageList); }
    BOOL GetImageInfo(int nImage, IMAGEINFO* pImageInfo) const
    { return ImageList_GetImageInfo(m_hImageList, nImage, pImageInfo); }
    COLORREF SetBkColor(COLORREF cr) { return ImageList_SetBkColor(m_hImageList, cr); }
    COLORREF GetBkColor() const { return ImageList_GetBkColor(m_hImageList); }
    int Add(CBitmap* pbmImage, CBitmap* pbmMask);
    int Add(CBitmap* pbmImage, COLORREF crMask);
    int Add(HICON hIcon) { return ImageList_AddIcon(m_hImageList, hIcon); }
    BOOL Remove(int nImage) { return ImageList_Remove(m_hImageList, nImage); }
    HICON ExtractIcon(int nImage) { return ImageList_ExtractIcon(nullptr, m_hImageList, nImage); }
    BOOL SetOverlayImage(int nImage, int nOverlay) { return ImageList_SetOverlayImage(m_hImageList, nImage, nOverlay); }
    BOOL Draw(CDC* pDC, int nImage, POINT pt, UINT nStyle);
};
