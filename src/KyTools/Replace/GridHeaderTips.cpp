// Kyvant::GridHeaderTips: the hot spots over the header strip and their tips.
#include "KyTools/Replace/GridHeaderTips.h"

namespace Kyvant {

namespace {

// The hot spots' window class: the arrow cursor and no background, so the
// header below shows through.
LPCSTR SpotClass()
{
    return AfxRegisterWndClass(0, ::LoadCursorA(nullptr, IDC_ARROW));
}

} // namespace

GridHeaderTips::GridHeaderTips() = default;

GridHeaderTips::~GridHeaderTips()
{
    for (const std::unique_ptr<CWnd>& spot : m_spots) {
        if (spot->m_hWnd != nullptr)
            spot->DestroyWindow();
    }
    if (m_tips.m_hWnd != nullptr)
        m_tips.DestroyWindow();
}

CRect GridHeaderTips::HeaderStrip(KyCellListBox& grid)
{
    CRect window;
    grid.GetWindowRect(&window);
    CRect client;
    grid.GetClientRect(&client);
    grid.ClientToScreen(&client);
    return CRect(client.left, window.top, client.right, client.top);
}

bool GridHeaderTips::AddSpot(CWnd& parent, KyCellListBox& grid, const CRect& strip, const Tip& tip,
                             UINT firstId)
{
    int x = 0;
    int width = 0;
    grid.GetCellPosAndWidth(tip.column, x, width, true);
    CRect spot(strip.left + x, strip.top, strip.left + x + width, strip.bottom);
    spot.IntersectRect(&spot, &strip);
    parent.ScreenToClient(&spot);
    std::unique_ptr<CWnd> window(new CWnd);
    if (!window->CreateEx(WS_EX_TRANSPARENT, SpotClass(), "", WS_CHILD | WS_VISIBLE, spot, &parent,
                          firstId + tip.column))
        return false;
    ::SetWindowPos(window->m_hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    m_tips.AddTool(window.get(), tip.text);
    m_spots.push_back(std::move(window));
    return true;
}

bool GridHeaderTips::Build(CWnd& parent, KyCellListBox& grid, const std::vector<Tip>& tips,
                           UINT firstId)
{
    if (!m_tips.Create(&parent))
        return false;
    m_tips.Activate(FALSE);
    const CRect strip = HeaderStrip(grid);
    for (const Tip& tip : tips) {
        if (!AddSpot(parent, grid, strip, tip, firstId))
            return false;
    }
    m_tips.Activate(TRUE);
    return true;
}

void GridHeaderTips::Relay(MSG* message)
{
    if (m_tips.m_hWnd != nullptr)
        m_tips.RelayEvent(message);
}

} // namespace Kyvant
