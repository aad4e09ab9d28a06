// Helpers of the mask-set tests: a page (the Mask Set Editor's template) with a
// masks combo and a mask-set button beside it, recording what the page hears.
#pragma once

#include "KyGuiTool/MaskSets/KyMaskSetButton.h"
#include "KyGuiTool/MaskSets/MaskSetsResource.h"
#include "Storage/StorageTestSupport.h"

#include <afxwin.h>

#include <string>
#include <vector>

namespace MaskSetTest {

// A modeless page whose combo (1028) is the masks combo and whose menu button
// (1027) is a KyMaskSetButton bound to it.
class MaskPage : public CDialog {
public:
    MaskPage() : m_button(m_masks)
    {
        Create(IDD_KY_MASK_SET_EDITOR, CWnd::GetDesktopWindow());
        ShowWindow(SW_SHOW);
    }
    ~MaskPage() override { DestroyWindow(); }

    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Control(pDX, IDC_KY_MASK_SET_NAMES, m_masks);
        DDX_Control(pDX, IDC_KY_MASK_SET_MENU, m_button);
    }
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        if (LOWORD(wParam) == IDC_KY_MASK_SET_NAMES && HIWORD(wParam) == CBN_EDITCHANGE)
            m_heard.push_back("edit change " + StorageTest::Text(m_masks.m_hWnd));
        return CDialog::OnCommand(wParam, lParam);
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == KyButtonEditorInvoker::kInvokeMessage)
            m_heard.push_back("editor for " + std::to_string(wParam));
        return CDialog::WindowProc(message, wParam, lParam);
    }

    std::string Masks() const { return StorageTest::Text(m_masks.m_hWnd); }

    CComboBox m_masks;
    KyMaskSetButton m_button;
    std::vector<std::string> m_heard;
};

} // namespace MaskSetTest
