// KyBitmapButton: the standard image list, image placement and image drawing.
#include "KyGui/Buttons/KyBitmapButton.h"

#include "KyGui/Buttons/ButtonsResource.h"

#include <memory>

namespace {

constexpr int kImageEdge = 4;  // image distance from the button's side
constexpr int kTextGap = 5;    // text distance from the image
constexpr int kStdImageSize = 16;
constexpr int kStdImageGrowth = 1;
constexpr COLORREF kStdImageMask = RGB(255, 0, 255);

std::unique_ptr<CImageList>& StdImages()
{
    static std::unique_ptr<CImageList> images;
    return images;
}

CSize IconSize(CImageList* pList)
{
    int cx = 0;
    int cy = 0;
    ImageList_GetIconSize(*pList, &cx, &cy);
    return CSize(cx, cy);
}

} // namespace

BEGIN_MESSAGE_MAP(KyBitmapButton, KyOdButton)
END_MESSAGE_MAP()

KyBitmapButton::KyBitmapButton(int imagePos, int textPos, bool canHover, bool canBeDefault)
    : KyBitmapButton(nullptr, kNoImage, kNoImage, kNoImage, imagePos, textPos, canHover, canBeDefault)
{
}

KyBitmapButton::KyBitmapButton(CImageList* pImageList, int normal, int active, int disabled, int imagePos,
                               int textPos, bool canHover, bool canBeDefault)
    : KyOdButton(canHover, canBeDefault), m_pImageList(pImageList), m_normal(normal), m_active(active),
      m_disabled(disabled), m_imagePos(imagePos), m_textPos(textPos)
{
    GetStdImageList();
}

KyBitmapButton::~KyBitmapButton() = default;

CImageList& KyBitmapButton::GetStdImageList()
{
    std::unique_ptr<CImageList>& images = StdImages();
    if (!images)
    {
        auto list = std::make_unique<CImageList>();
        if (!list->Create(IDB_KY_STD_BUTTON_IMAGES, kStdImageSize, kStdImageGrowth, kStdImageMask))
            AfxThrowResourceException();
        images = std::move(list);
    }
    return *images;
}

CRect KyBitmapButton::GetImageRect() const
{
    const CRect avail = GetAvailRect();
    if (!m_pImageList)
        return avail;
    const CSize size = IconSize(m_pImageList);
    CRect rc;
    rc.top = avail.top + (avail.Height() - size.cy) / 2;
    if (!HasText())
        rc.left = avail.left + (avail.Width() - size.cx) / 2;
    else if (ImageAtLeft())
        rc.left = avail.left + kImageEdge;
    else
        rc.left = avail.right - kImageEdge - size.cx;
    rc.right = rc.left + size.cx;
    rc.bottom = rc.top + size.cy;
    return rc;
}

CRect KyBitmapButton::GetTextRect(const CSize& textSize) const
{
    CRect rc = KyOdButton::GetTextRect(textSize);
    if (!m_pImageList)
        return rc;
    const CRect image = GetImageRect();
    const int width = rc.Width();
    if (ImageAtLeft())
        rc.left = image.right + kTextGap;
    else
        rc.left = image.left - kTextGap - width;
    rc.right = rc.left + width;
    return rc;
}

void KyBitmapButton::AdjustSelectedRect(CRect& rc) const
{
    rc.OffsetRect(1, 1);
}

int KyBitmapButton::GetImageIndex(bool pressed, bool disabled) const
{
    if (disabled)
        return m_disabled;
    if (pressed)
        return m_active;
    return m_normal;
}

void KyBitmapButton::SetImageList(CImageList* pImageList, int normal, int active, int disabled, bool redraw)
{
    m_pImageList = pImageList;
    m_normal = normal;
    m_active = active;
    m_disabled = disabled;
    if (redraw && m_hWnd)
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void KyBitmapButton::DrawImage(CDC& dc, const DRAWITEMSTRUCT& dis)
{
    if (!m_pImageList)
        return;
    const bool disabled = (dis.itemState & ODS_DISABLED) != 0;
    const bool pressed = (dis.itemState & ODS_SELECTED) != 0 || IsThemed();
    int index = GetImageIndex(pressed, disabled);
    if (index < 0)
        index = m_normal;
    if (index < 0)
        return;
    CRect rc = GetImageRect();
    if (dis.itemState & ODS_SELECTED)
        AdjustSelectedRect(rc);
    if (disabled && m_disabled < 0)
    {
        HICON icon = ImageList_GetIcon(*m_pImageList, index, ILD_NORMAL);
        ::DrawStateA(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(icon), 0, rc.left, rc.top, rc.Width(),
                     rc.Height(), DST_ICON | DSS_DISABLED);
        ::DestroyIcon(icon);
        return;
    }
    ImageList_Draw(*m_pImageList, index, dc, rc.left, rc.top, ILD_NORMAL);
}

void KyBitmapButton::DrawContents(CDC& dc, const DRAWITEMSTRUCT& dis)
{
    DrawImage(dc, dis);
    DrawTextA(dc, dis);
    DrawFocus(dc, dis);
}
