// Exceptions thrown by handlers: one box with the message (or the layer's text), none for user exceptions.
#include "TestApp.h"
#include "TestIds.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace {

// An exception with a text of its own that leaves the help context alone.
class CTextException : public CException
{
public:
    explicit CTextException(const char* text) : m_text(text) {}
    BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT) override
    {
        ::lstrcpynA(lpszError, m_text.c_str(), static_cast<int>(nMaxError));
        return !m_text.empty();
    }
    static int s_deleted;
    ~CTextException() override { ++s_deleted; }

private:
    std::string m_text;
};
int CTextException::s_deleted = 0;

enum class Throw { Text, EmptyText, User, Standard, Other, Nothing };

class CThrowingWnd : public CWnd
{
public:
    Throw m_what = Throw::Nothing;
    bool m_throwOnCreate = false;
    bool m_throwOnPaint = false;
    int m_commands = 0;
    int m_paints = 0;

protected:
    void ThrowChosen()
    {
        switch (m_what) {
        case Throw::Text: throw new CTextException("Disk full");
        case Throw::EmptyText: throw new CTextException("");
        case Throw::User: AfxThrowUserException();
        case Throw::Standard: throw std::runtime_error("standard failure");
        case Throw::Other: throw 42;
        case Throw::Nothing: break;
        }
    }
    afx_msg void OnThrowCommand()
    {
        ++m_commands;
        ThrowChosen();
    }
    afx_msg LRESULT OnThrowMessage(WPARAM, LPARAM)
    {
        ThrowChosen();
        return 1;
    }
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct)
    {
        if (m_throwOnCreate)
            throw new CTextException("creation failed");
        return CWnd::OnCreate(lpCreateStruct);
    }
    afx_msg void OnPaint()
    {
        ++m_paints;
        if (m_throwOnPaint)
            throw new CTextException("paint failed");
        CPaintDC dc(this);
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CThrowingWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_PAINT()
    ON_COMMAND(ID_THROW_COMMAND, OnThrowCommand)
    ON_MESSAGE(WM_APP + 5, OnThrowMessage)
END_MESSAGE_MAP()

CString LayerText(UINT id)
{
    CString text;
    text.LoadString(id);
    return text;
}

class HandlerExceptions : public ::testing::Test
{
protected:
    void SetUp() override
    {
        theApp.m_boxes.clear();
        ASSERT_TRUE(m_wnd.CreateEx(0, AfxRegisterWndClass(0), "thrower", WS_POPUP, 0, 0, 80, 80, nullptr, nullptr));
    }
    void TearDown() override { m_wnd.DestroyWindow(); }
    CThrowingWnd m_wnd;
};

TEST_F(HandlerExceptions, EachKindGivesItsBoxOrNone)
{
    struct Case { Throw what; bool command; const char* expected; };  // null: no box
    CString commandFailure = LayerText(AFX_IDP_COMMAND_FAILURE);
    CString internalFailure = LayerText(AFX_IDP_INTERNAL_FAILURE);
    const Case cases[] = {
        { Throw::Text, true, "Disk full" },
        { Throw::Text, false, "Disk full" },
        { Throw::EmptyText, true, commandFailure },
        { Throw::EmptyText, false, internalFailure },
        { Throw::User, true, nullptr },
        { Throw::User, false, nullptr },
        { Throw::Standard, true, "standard failure" },
        { Throw::Other, false, internalFailure },
    };
    for (const Case& c : cases) {
        theApp.m_boxes.clear();
        m_wnd.m_what = c.what;
        LRESULT r = c.command ? m_wnd.SendMessage(WM_COMMAND, ID_THROW_COMMAND) : m_wnd.SendMessage(WM_APP + 5);
        if (c.command) {
            EXPECT_EQ(TRUE, r);  // the command counts as handled
        }
        if (c.expected == nullptr) {
            EXPECT_TRUE(theApp.m_boxes.empty()) << static_cast<int>(c.what);
            continue;
        }
        ASSERT_EQ(1u, theApp.m_boxes.size()) << static_cast<int>(c.what);
        EXPECT_EQ(c.expected, theApp.m_boxes[0].text);
        EXPECT_EQ(0u, theApp.m_boxes[0].help);  // the help context starts at zero
    }
}

TEST_F(HandlerExceptions, TheLoopGoesOnAndDeletesTheException)
{
    CTextException::s_deleted = 0;
    m_wnd.m_what = Throw::Text;
    theApp.m_pMainWnd = &m_wnd;
    m_wnd.PostMessage(WM_COMMAND, ID_THROW_COMMAND);
    m_wnd.PostMessage(WM_COMMAND, ID_THROW_COMMAND);
    AfxPostQuitMessage(5);
    EXPECT_EQ(5, theApp.Run());
    theApp.m_pMainWnd = nullptr;
    EXPECT_EQ(2, m_wnd.m_commands);
    EXPECT_EQ(2u, theApp.m_boxes.size());
    EXPECT_EQ(2, CTextException::s_deleted);
}

TEST(CreationExceptions, AThrowingWmCreateFailsCreationWithoutABox)
{
    theApp.m_boxes.clear();
    CThrowingWnd wnd;
    wnd.m_throwOnCreate = true;
    EXPECT_FALSE(wnd.CreateEx(0, AfxRegisterWndClass(0), "fails", WS_POPUP, 0, 0, 80, 80, nullptr, nullptr));
    EXPECT_EQ(nullptr, wnd.m_hWnd);
    EXPECT_TRUE(theApp.m_boxes.empty());
}

TEST_F(HandlerExceptions, AThrowingWmPaintValidatesWithoutABox)
{
    m_wnd.m_throwOnPaint = true;
    m_wnd.ShowWindow(SW_SHOWNA);
    m_wnd.Invalidate();
    PumpPending();
    EXPECT_EQ(1, m_wnd.m_paints);  // validated: no second paint
    EXPECT_FALSE(::GetUpdateRect(m_wnd.m_hWnd, nullptr, FALSE));
    EXPECT_TRUE(theApp.m_boxes.empty());
}

TEST(Exceptions, LayerExceptionsCarryTheLayersTexts)
{
    struct Case { CException* e; UINT id; };
    Case cases[] = {
        { new CResourceException, AFX_IDS_RESOURCE_EXCEPTION },
        { new CNotSupportedException, AFX_IDS_NOT_SUPPORTED_EXCEPTION },
        { new CMemoryException, AFX_IDS_MEMORY_EXCEPTION },
    };
    for (Case& c : cases) {
        char text[256];
        UINT help = 99;
        EXPECT_TRUE(c.e->GetErrorMessage(text, sizeof text, &help));
        EXPECT_EQ(std::string(LayerText(c.id)), text);
        EXPECT_FALSE(std::string(text).empty());
        c.e->Delete();
    }
}

TEST(Exceptions, ReportErrorFallsBackToTheGivenString)
{
    theApp.m_boxes.clear();
    CTextException empty("");
    empty.m_bAutoDelete = FALSE;
    empty.ReportError(MB_OK, IDS_DLL_TEXT);
    empty.ReportError();
    ASSERT_EQ(2u, theApp.m_boxes.size());
    EXPECT_EQ("Text from the test DLL", theApp.m_boxes[0].text);
    EXPECT_EQ(std::string(LayerText(AFX_IDP_NO_ERROR_AVAILABLE)), theApp.m_boxes[1].text);
    empty.Delete();  // not a heap object: stays
}

// Far more than a process can allocate at once: nearly 2 GB, all a 32-bit
// process has, or 4 EB with 64-bit pointers.
const size_t kUnallocatable = sizeof(void*) == 4 ? 0x7FF00000 : size_t(1) << 62;
struct CHuge : CObject
{
    char data[kUnallocatable];
};

TEST(Exceptions, ObjectsThatCannotBeAllocatedRaiseTheMemoryException)
{
    bool raised = false;
    try {
        delete new CHuge;
    } catch (CMemoryException* e) {
        raised = true;
        e->Delete();
    }
    EXPECT_TRUE(raised);
}

TEST(Exceptions, TheMemoryExceptionIsNeverDeleted)
{
    try {
        AfxThrowMemoryException();
    } catch (CException* e) {
        EXPECT_TRUE(e->IsKindOf(RUNTIME_CLASS(CMemoryException)));
        EXPECT_FALSE(e->m_bAutoDelete);
        e->Delete();
    }
    try {
        AfxThrowMemoryException();  // the same object, still usable
    } catch (CMemoryException* e) {
        char text[128];
        EXPECT_TRUE(e->GetErrorMessage(text, sizeof text));
        e->Delete();
    }
}

}  // namespace
