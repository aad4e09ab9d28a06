// Control and form views: a list view's reflected notifications in the splitter, a form's tabbing and size.
#include "SdiIds.h"
#include "TestApp.h"
#include "TestSdi.h"

#include <gtest/gtest.h>

namespace {

class ListViewTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        g_sdi = SdiLog();
        m_pFrame = StartSdiProgram();
        ASSERT_NE(m_pFrame, nullptr);
        PumpPending();
    }
    void TearDown() override { StopSdiProgram(); }

    CSdiFrame* m_pFrame = nullptr;
};

TEST_F(ListViewTest, OwnerDataListGetsReflectedDispInfoAndColumnClick)
{
    CListView* pList = DYNAMIC_DOWNCAST(CListView, m_pFrame->m_wndSplitter.GetPane(0, 0));
    ASSERT_NE(pList, nullptr);
    CListCtrl& list = pList->GetListCtrl();
    EXPECT_EQ(list.GetItemCount(), 10);
    EXPECT_EQ(list.GetItemText(3, 1), "Row 3.1");
    EXPECT_GT(g_sdi.dispInfos, 0);

    // A click on the second column's header.
    HWND hHeader = reinterpret_cast<HWND>(pList->SendMessage(LVM_GETHEADER));
    RECT rect = {};
    ::SendMessageA(hHeader, HDM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&rect));
    LPARAM at = MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    ::SendMessageA(hHeader, WM_LBUTTONDOWN, MK_LBUTTON, at);
    ::SendMessageA(hHeader, WM_LBUTTONUP, 0, at);
    PumpPending();
    EXPECT_EQ(g_sdi.columnClicked, 1);
}

class CFormFrame : public CFrameWnd
{
protected:
    void PostNcDestroy() override { delete this; }
};

TEST(FormViewTest, TabsThroughItsControlsAndResizesItsFrameToTheTemplate)
{
    CCreateContext context;
    context.m_pNewViewClass = RUNTIME_CLASS(CSdiFormView);
    CFrameWnd* pFrame = new CFormFrame;
    ASSERT_TRUE(pFrame->Create(nullptr, "Form", WS_OVERLAPPEDWINDOW, CRect(0, 0, 500, 400), nullptr, nullptr, 0,
                               &context));
    CSdiFormView* pForm = DYNAMIC_DOWNCAST(CSdiFormView, pFrame->GetDescendantWindow(AFX_IDW_PANE_FIRST, TRUE));
    ASSERT_NE(pForm, nullptr);
    pFrame->ShowWindow(SW_SHOW);
    pFrame->RecalcLayout();
    pForm->OnInitialUpdate();

    pForm->ResizeParentToFit(FALSE);
    pFrame->RecalcLayout();
    CRect client;
    pForm->GetClientRect(&client);
    EXPECT_EQ(client.Width(), pForm->GetTemplateSize().cx);
    EXPECT_EQ(client.Height(), pForm->GetTemplateSize().cy);
    EXPECT_GT(client.Width(), 100);

    const int order[] = { IDC_SDI_FORM_A, IDC_SDI_FORM_B, IDC_SDI_FORM_C, IDC_SDI_FORM_A };
    pForm->GetDlgItem(order[0])->SetFocus();
    for (int i = 1; i < 4; ++i) {
        ::PostMessageA(::GetFocus(), WM_KEYDOWN, VK_TAB, 1);
        PumpPending();
        EXPECT_EQ(::GetDlgCtrlID(::GetFocus()), order[i]) << i;
    }
    pFrame->DestroyWindow();
}

}  // namespace
