// KyButtonEditorInvoker: arming by mouse and space bar, the click that asks
// the parent for the editor, and the repaint after taking the focus.
#include "KyGui/Buttons/KyButtonEditorInvoker.h"

#include "KyGui/Helpers/DialogEx.h"

namespace {

struct EditorImages
{
    int normal;
    int active;
    int activeThemed;
    int disabled;
};

constexpr int kNone = KyBitmapButton::kNoImage;

// Indices into the standard image list, by editor type.
constexpr EditorImages kEditorImages[] = {
    {0, 1, 1, kNone},
    {2, 3, 3, kNone},
    {4, 5, kNone, 6},
    {7, 8, 8, kNone},
};

const EditorImages& ImagesOf(KyButtonEditorInvoker::EditorType type)
{
    const auto index = static_cast<size_t>(type);
    return kEditorImages[index < sizeof kEditorImages / sizeof kEditorImages[0] ? index : 0];
}

int ActiveImage(KyButtonEditorInvoker::EditorType type)
{
    return Kyvant::ButtonTheme::AppThemed() ? ImagesOf(type).activeThemed : ImagesOf(type).active;
}

bool KeyDown(int key)
{
    return (::GetKeyState(key) & 0x8000) != 0;
}

} // namespace

BEGIN_MESSAGE_MAP(KyButtonEditorInvoker, KyHoverButton)
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_MESSAGE(BM_SETSTATE, OnSetState)
    ON_CONTROL_REFLECT(BN_CLICKED, OnClicked)
    ON_WM_SETFOCUS()
    ON_MESSAGE(kFocusRepaintMessage, OnFocusRepaint)
END_MESSAGE_MAP()

KyButtonEditorInvoker::KyButtonEditorInvoker(EditorType type)
    : KyHoverButton(&GetStdImageList(), ImagesOf(type).normal, ActiveImage(type), ImagesOf(type).disabled,
                    kNoImage),
      m_armed(false), m_repaintPending(false)
{
}

KyButtonEditorInvoker::KyButtonEditorInvoker(int imagePos, int textPos)
    : KyHoverButton(imagePos, textPos), m_armed(false), m_repaintPending(false)
{
}

KyButtonEditorInvoker::KyButtonEditorInvoker(CImageList* pImageList, int normal, int active, int disabled,
                                             int hot, int imagePos, int textPos)
    : KyHoverButton(pImageList, normal, active, disabled, hot, imagePos, textPos), m_armed(false),
      m_repaintPending(false)
{
}

KyButtonEditorInvoker::~KyButtonEditorInvoker() = default;

void KyButtonEditorInvoker::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    if (m_repaintPending)
        lpDrawItemStruct->itemState &= ~static_cast<UINT>(ODS_SELECTED | ODS_FOCUS);
    KyHoverButton::DrawItem(lpDrawItemStruct);
}

void KyButtonEditorInvoker::DrawFocus(CDC&, const DRAWITEMSTRUCT&) {}

void KyButtonEditorInvoker::InvokeEditor()
{
    CWnd* pParent = GetParent();
    if (pParent)
        pParent->SendMessage(kInvokeMessage, static_cast<WPARAM>(GetDlgCtrlID()), 0);
}

void KyButtonEditorInvoker::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (nFlags & MK_LBUTTON)
        m_armed = true;
    KyHoverButton::OnLButtonDown(nFlags, point);
}

void KyButtonEditorInvoker::OnLButtonUp(UINT, CPoint point)
{
    CRect client;
    GetClientRect(&client);
    m_armed = m_armed && client.PtInRect(point);
    Default();
}

LRESULT KyButtonEditorInvoker::OnSetState(WPARAM wParam, LPARAM)
{
    if (wParam != 0 && KeyDown(VK_SPACE))
        m_armed = true;
    return Default();
}

void KyButtonEditorInvoker::OnClicked()
{
    const bool shift = KeyDown(VK_SHIFT);
    CWnd* pParent = GetParent();
    if (pParent && Kyvant::DialogEx::IsDialogLike(*pParent))
        pParent->SendMessage(WM_NEXTDLGCTL, 0, 0);
    if (m_armed || shift)
    {
        m_armed = false;
        InvokeEditor();
    }
}

void KyButtonEditorInvoker::OnSetFocus(CWnd*)
{
    if (!m_repaintPending && PostMessage(kFocusRepaintMessage, 0, 0))
        m_repaintPending = true;
    Default();
}

LRESULT KyButtonEditorInvoker::OnFocusRepaint(WPARAM, LPARAM)
{
    m_repaintPending = false;
    Invalidate(TRUE);
    return 0;
}
