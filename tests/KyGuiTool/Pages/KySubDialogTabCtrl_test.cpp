// Tests of the tab control over sub-dialog pages, in a real host dialog: what
// reaches which page, the remembered page, sizing, switching by call and by
// tab click, the corrections after a switch, and task-file loads.
#include "KyGuiTool/Pages/KySubDialogTabCtrl.h"

#include "KyGuiTool/TaskFiles/ToolDocFile.h"
#include "KyGuiTool/TaskFiles/ToolDocReport.h"
#include "KyStd/Registry/RegKey.h"
#include "Pages/PageTestSupport.h"
#include "TestApp.h"

#include <afxwin.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <stdexcept>
#include <typeinfo>

namespace {

using namespace pagetest;
using Kyvant::ky_I;
using Kyvant::RegKey;

const char kStateKey[] = "Software\\Kyvant\\Tools\\PageTests";
const int kPageGuidRecord = 100;
const CRect kTabRect(7, 7, 207, 157);
const char kMissingPageText[] =
    "This Task File referenced a dialog tabbed page that isn't available.";

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](char c) {
        return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    });
    return text;
}

// A record as the stream writes it: 16-bit type, 32-bit length, payload.
std::string Record(int type, const std::string& payload)
{
    std::string bytes;
    bytes += static_cast<char>(type & 0xFF);
    bytes += static_cast<char>((type >> 8) & 0xFF);
    for (int shift = 0; shift < 32; shift += 8)
        bytes += static_cast<char>((payload.size() >> shift) & 0xFF);
    return bytes + payload;
}

std::string Contents(Kyvant::ToolDoc::File& file)
{
    CFile& memory = file.GetFile();
    std::string bytes(memory.GetLength(), '\0');
    memory.SeekToBegin();
    memory.Read(&bytes[0], static_cast<UINT>(bytes.size()));
    return bytes;
}

// The Doc... calls among a page's calls.
std::vector<std::string> DocCalls(const std::vector<std::string>& log, const char* page)
{
    std::vector<std::string> calls;
    for (const std::string& call : CallsOf(log, page)) {
        if (call.compare(0, 3, "Doc") == 0)
            calls.push_back(call);
    }
    return calls;
}

int BoxesWith(const char* text)
{
    return static_cast<int>(
        std::count_if(theApp.m_boxes.begin(), theApp.m_boxes.end(), [text](const RecordedBox& box) {
            return box.text.find(text) != std::string::npos;
        }));
}

class TabPages : public ::testing::Test {
protected:
    void SetUp() override
    {
        ::RegDeleteKeyA(HKEY_CURRENT_USER, kStateKey);
        ASSERT_TRUE(m_host.Create(IDD_TEST_HOST));
        theApp.m_boxes.clear();
    }
    void TearDown() override
    {
        Drop();
        m_host.DestroyWindow();
        ::RegDeleteKeyA(HKEY_CURRENT_USER, kStateKey);
    }

    // Three pages, Alpha, Beta and Gamma, in a control not yet created.
    void Build(const RegKey& stateKey, int defaultPage)
    {
        Drop();
        m_bridge = new CountingAppBridge;
        const rc_ptr<Kyvant::AppBridge> bridge(m_bridge);
        m_a.reset(new LoggingPage("A", IDD_TEST_PAGE_A, kGuidA, m_log, bridge));
        m_b.reset(new LoggingPage("B", IDD_TEST_PAGE_B, kGuidB, m_log, bridge));
        m_c.reset(new LoggingPage("C", IDD_TEST_PAGE_C, kGuidC, m_log, bridge));
        m_tabs.reset(
            new KySubDialogTabCtrl(200, 0, bridge, stateKey, kPageGuidRecord, defaultPage));
        m_tabs->AddPage(m_a.get(), "Alpha");
        m_tabs->AddPage(m_b.get(), Kyvant::ky_S("Beta"));
        m_tabs->AddPage(m_c.get(), "Gamma");
    }
    void Open()
    {
        ASSERT_TRUE(m_tabs->CreateGUI(m_host, kTabRect));
        PumpPending();
    }
    void Drop()
    {
        m_tabs.reset();
        m_a.reset();
        m_b.reset();
        m_c.reset();
    }
    static RegKey StateKey() { return RegKey(HKEY_CURRENT_USER, kStateKey); }
    LoggingPage* Page(int index) const
    {
        LoggingPage* const pages[] = {m_a.get(), m_b.get(), m_c.get()};
        return pages[index];
    }
    void ClickTab(int index)
    {
        CRect tab;
        m_tabs->GetItemRect(index, &tab);
        const LPARAM at = MAKELPARAM(tab.CenterPoint().x, tab.CenterPoint().y);
        m_tabs->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, at);
        m_tabs->SendMessage(WM_LBUTTONUP, 0, at);
        PumpPending();
    }
    void Process(int type, const std::string& payload)
    {
        Kyvant::ToolDoc::RecHeader header = {static_cast<std::uint16_t>(type),
                                             static_cast<std::uint32_t>(payload.size())};
        std::string copy = payload;
        m_tabs->DocProcessRecord(header, &copy[0]);
    }
    // Whether each page is shown, and whether it has a window at all.
    std::string Shown() const
    {
        std::string shown;
        for (int i = 0; i < 3; ++i) {
            const HWND page = Page(i)->m_hWnd;
            shown += page == nullptr ? '-' : ::IsWindowVisible(page) ? 'V' : 'h';
        }
        return shown;
    }

    CDialog m_host;
    std::vector<std::string> m_log;
    CountingAppBridge* m_bridge = nullptr;
    std::unique_ptr<LoggingPage> m_a, m_b, m_c;
    std::unique_ptr<KySubDialogTabCtrl> m_tabs;
};

TEST_F(TabPages, OnlyTheActivePageIsAskedAndTold)
{
    Build(RegKey(), 0);
    Open();
    m_tabs->SetActivePage(1u, false, true);
    m_log.clear();

    std::vector<Kyvant::ky_BSB<char>> args;
    m_tabs->UpdateArgv(Kyvant::back_insert_sequencer<std::vector<Kyvant::ky_BSB<char>>>(args));
    Kyvant::ToolDoc::Report report;
    m_tabs->WriteReport(report);
    EXPECT_TRUE(m_tabs->AllowOK());
    EXPECT_TRUE(m_tabs->AllowCancel());
    EXPECT_TRUE(m_tabs->UpdateData(FALSE));
    m_tabs->SaveState();
    Kyvant::ToolDoc::File file(new CMemFile);
    m_tabs->DocWriteRecords(file);
    m_tabs->DocOnNew();
    m_tabs->DocOnFinishNew();
    m_tabs->DocOnStartSave(Kyvant::ky_F("C:\\task.kyfnd"));
    m_tabs->DocOnFinishSave(true);

    EXPECT_TRUE(CallsOf(m_log, "A").empty());
    EXPECT_TRUE(CallsOf(m_log, "C").empty());
    EXPECT_EQ((std::vector<std::string>{"UpdateArgv", "WriteReport", "AllowOK", "AllowCancel",
                                        "UpdateData", "SaveState", "DocWriteRecords", "DocOnNew",
                                        "DocOnFinishNew", "DocOnStartSave", "DocOnFinishSave"}),
              CallsOf(m_log, "B"));
    ASSERT_EQ(1u, args.size());
    EXPECT_STREQ("B", args[0].c_str());
}

TEST_F(TabPages, PageGuidIsKeptOnlyWithAStateKey)
{
    for (bool withKey : {true, false}) {
        SCOPED_TRACE(withKey ? "state key open" : "no state key");
        ::RegDeleteKeyA(HKEY_CURRENT_USER, kStateKey);
        Build(withKey ? StateKey() : RegKey(), 0);
        Open();
        m_tabs->SetActivePage(ky_I(kGuidB), false, true);
        m_tabs->SaveState();
        Kyvant::ToolDoc::File file(new CMemFile);
        m_tabs->DocWriteRecords(file);

        Kyvant::ky_S stored;
        stored.LoadStringA(StateKey().get(), "PageGUID", nullptr);
        EXPECT_STREQ(withKey ? kGuidB : "", stored.c_str());
        const std::string pageRecord = Record(kPageRecord, "B");
        EXPECT_EQ(withKey ? Record(kPageGuidRecord, kGuidB) + pageRecord : pageRecord,
                  Contents(file));
    }
}

struct CreationCase {
    const char* stored; // the "PageGUID" value; null: none
    int defaultPage;
    int shownPage;
};

TEST_F(TabPages, CreationShowsTheRememberedPageElseTheDefault)
{
    const std::string lowerC = Lower(kGuidC);
    const CreationCase cases[] = {
        {lowerC.c_str(), 0, 2}, {kGuidB, 2, 1},         {nullptr, 1, 1},
        {nullptr, -3, 0},       {"{not-a-page}", 2, 2},
    };
    for (const CreationCase& c : cases) {
        SCOPED_TRACE(std::string(c.stored ? c.stored : "(none)") + " default " +
                     std::to_string(c.defaultPage));
        ::RegDeleteKeyA(HKEY_CURRENT_USER, kStateKey);
        if (c.stored != nullptr)
            ::RegSetValueExA(StateKey().get(), "PageGUID", 0, REG_SZ,
                             reinterpret_cast<const BYTE*>(c.stored),
                             static_cast<DWORD>(std::strlen(c.stored) + 1));
        Build(StateKey(), c.defaultPage);
        Open();
        EXPECT_EQ(c.shownPage, m_tabs->GetActivePageIndex());
        EXPECT_EQ(c.shownPage, m_tabs->GetCurSel());
        EXPECT_EQ(Page(c.shownPage), m_tabs->GetActivePagePtr());
        // Only the first page and the shown one have windows yet.
        std::string expected = "V--";
        if (c.shownPage != 0) {
            expected[0] = 'h';
            expected[static_cast<size_t>(c.shownPage)] = 'V';
        }
        EXPECT_EQ(expected, Shown());
    }
}

TEST_F(TabPages, DisplayAreaHoldsTheFirstAndTheRestoredPage)
{
    // Each page's own size, from its template.
    CSize sizes[3];
    for (int i = 0; i < 3; ++i) {
        Build(RegKey(), 0);
        ASSERT_TRUE(Page(i)->CreateGUI(m_host, CRect(0, 0, 1, 1)));
        CRect rect;
        Page(i)->GetWindowRect(&rect);
        sizes[i] = rect.Size();
    }
    ASSERT_GT(sizes[1].cx, std::max(sizes[0].cx, sizes[2].cx)) << "Beta is the widest";

    ::RegSetValueExA(StateKey().get(), "PageGUID", 0, REG_SZ, reinterpret_cast<const BYTE*>(kGuidC),
                     sizeof kGuidC);
    Build(StateKey(), 0);
    Open();
    CRect area;
    m_tabs->GetClientRect(&area);
    m_tabs->AdjustRect(FALSE, &area);
    EXPECT_EQ(std::max(sizes[0].cx, sizes[2].cx), area.Width());
    EXPECT_EQ(std::max(sizes[0].cy, sizes[2].cy), area.Height());
    EXPECT_EQ(area, RectInParent(m_a->m_hWnd));
    EXPECT_EQ(area, RectInParent(m_c->m_hWnd));

    m_tabs->SetActivePage(1u, false, true);
    EXPECT_EQ(area, RectInParent(m_b->m_hWnd)) << "a page made later fills the display area";
    m_host.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    PumpPending();
    EXPECT_TRUE(SaveWindowPng(m_host.m_hWnd, "kyguitool-tab-pages"));
}

TEST_F(TabPages, NextAndPrevWrapAroundOnceAPageIsActive)
{
    Build(RegKey(), 0);
    m_tabs->NextPage();
    m_tabs->PrevPage();
    EXPECT_EQ(-1, m_tabs->GetActivePageIndex());
    EXPECT_EQ("---", Shown());

    Open();
    const int steps[][2] = {{-1, 2}, {+1, 0}, {+1, 1}, {+1, 2}, {+1, 0}, {-1, 2}, {-1, 1}};
    for (const auto& step : steps) {
        if (step[0] > 0)
            m_tabs->NextPage();
        else
            m_tabs->PrevPage();
        EXPECT_EQ(step[1], m_tabs->GetActivePageIndex());
        EXPECT_EQ(step[1], m_tabs->GetCurSel());
    }
}

TEST_F(TabPages, RefusingToLeaveKeepsThePageAndItsTab)
{
    Build(RegKey(), 0);
    Open();
    m_a->refuseToLeave = true;
    m_tabs->SetActivePage(1u, true, true);
    EXPECT_EQ(0, m_tabs->GetActivePageIndex());
    EXPECT_EQ(0, m_tabs->GetCurSel());
    ClickTab(2);
    EXPECT_EQ(0, m_tabs->GetActivePageIndex());
    EXPECT_EQ(0, m_tabs->GetCurSel());
    EXPECT_EQ("V--", Shown());

    // Without the refusal the click switches, and the document is modified.
    m_a->refuseToLeave = false;
    const int modified = m_bridge->modified;
    ClickTab(2);
    EXPECT_EQ(2, m_tabs->GetActivePageIndex());
    EXPECT_EQ(2, m_tabs->GetCurSel());
    EXPECT_EQ("h-V", Shown());
    EXPECT_EQ(modified + 1, m_bridge->modified);
    // Asked exactly once for each attempt to leave, never when told to go.
    EXPECT_EQ(3, std::count(m_log.begin(), m_log.end(), "A:OnDeactivatePage"));
}

TEST_F(TabPages, SwitchingFocusesTheNewPageAndPlainsTheOldDefaultButton)
{
    Build(RegKey(), 0);
    Open();
    CWnd* apply = m_a->GetDlgItem(IDC_TEST_APPLY_A);
    ASSERT_EQ(static_cast<DWORD>(BS_DEFPUSHBUTTON), apply->GetStyle() & 0x1F);

    m_tabs->SetActivePage(1u, true, true);
    PumpPending();
    EXPECT_EQ(static_cast<DWORD>(BS_PUSHBUTTON), apply->GetStyle() & 0x1F);
    EXPECT_EQ(m_b->GetDlgItem(IDC_TEST_EDIT_B)->m_hWnd, ::GetFocus());

    // Without the focus flag the focus stays where it was.
    m_host.GetDlgItem(IDCANCEL)->SetFocus();
    m_tabs->SetActivePage(2u, false, true);
    PumpPending();
    EXPECT_EQ(m_host.GetDlgItem(IDCANCEL)->m_hWnd, ::GetFocus());
}

TEST_F(TabPages, PagesKnowTheirPlaceAndBadRequestsRaiseTheirErrors)
{
    Build(RegKey(), 0);
    EXPECT_STREQ("", m_tabs->GetPageCaption(1).c_str()) << "no control yet";
    Open();
    EXPECT_THROW(m_b->GetIndex(), std::bad_cast) << "no window, so in no control yet";
    m_tabs->SetActivePage(1u, false, false);
    EXPECT_EQ(1u, m_b->GetIndex());
    EXPECT_EQ(IDD_TEST_PAGE_B, m_b->GetDlgCtrlID()) << "a page window takes its actual id";
    EXPECT_EQ(200, m_tabs->GetDlgCtrlID());
    EXPECT_STREQ("Beta", m_b->GetCaption().c_str());
    EXPECT_STREQ("Gamma", m_tabs->GetPageCaption(2).c_str());

    try {
        m_tabs->GetPage(3);
        ADD_FAILURE() << "no error";
    } catch (const std::invalid_argument& e) {
        EXPECT_STREQ("KySubDialogTabCtrl: Bad page index", e.what());
    }
    try {
        m_tabs->SetActivePage(ky_I("{not-a-page}"), false, true);
        ADD_FAILURE() << "no error";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ("Could not switch to requested Search tab", e.what());
    }
    EXPECT_EQ(1, m_tabs->GetActivePageIndex());

    // A page outside any tab control, and one in a control that lacks it.
    LoggingPage loose("L", IDD_TEST_PAGE_B, "{loose}", m_log, rc_ptr<Kyvant::AppBridge>());
    ASSERT_TRUE(loose.CreateGUI(m_host, CRect()));
    EXPECT_THROW(loose.GetIndex(), std::bad_cast);
    loose.DestroyWindow();
    ASSERT_TRUE(loose.CreateGUI(*m_tabs, CRect()));
    try {
        loose.GetIndex();
        ADD_FAILURE() << "no error";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ("KySubDialogPage::GetIndex: Page not found", e.what());
    }
    loose.DestroyWindow();

    m_tabs->AddPage(nullptr, "Missing");
    try {
        m_tabs->GetPage(3);
        ADD_FAILURE() << "no error";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ("KySubDialogTabCtrl: Missing page", e.what());
    }
}

TEST_F(TabPages, LoadNamingAnUnknownPageShowsTheFirstAndTellsOnce)
{
    Build(StateKey(), 2);
    Open();
    m_log.clear();
    m_tabs->DocOnStartLoad(Kyvant::ky_F("C:\\task.kyfnd"));
    EXPECT_TRUE(m_log.empty()) << "pages hear of the load with its first record";
    Process(kPageGuidRecord, "{not-a-page}");
    Process(1000, "x");
    Process(kPageGuidRecord, kGuidB);
    Process(1001, "y");
    m_tabs->DocOnFinishLoad(true);

    EXPECT_EQ(0, m_tabs->GetActivePageIndex());
    EXPECT_EQ((std::vector<std::string>{"DocOnStartLoad C:\\task.kyfnd", "DocOnFinishLoad ok"}),
              DocCalls(m_log, "A"));
    EXPECT_TRUE(DocCalls(m_log, "B").empty());
    EXPECT_TRUE(DocCalls(m_log, "C").empty());
    EXPECT_EQ(1, BoxesWith(kMissingPageText));

    // The next load starts afresh.
    m_tabs->DocOnStartLoad(Kyvant::ky_F("C:\\other.kyfnd"));
    m_tabs->DocOnFinishLoad(true);
    EXPECT_EQ(1, BoxesWith(kMissingPageText));
}

TEST_F(TabPages, LoadShowsTheNamedPageAndFeedsItTheRecords)
{
    Build(StateKey(), 0);
    Open();
    m_log.clear();
    m_tabs->DocOnStartLoad(Kyvant::ky_F("C:\\task.kyfnd"));
    Process(kPageGuidRecord, Lower(kGuidC));
    Process(1000, "x");
    Process(1001, "yz");
    m_tabs->DocOnFinishLoad(false);

    EXPECT_EQ(2, m_tabs->GetActivePageIndex());
    EXPECT_EQ((std::vector<std::string>{"DocOnStartLoad C:\\task.kyfnd", "DocProcessRecord 1000 x",
                                        "DocProcessRecord 1001 yz", "DocOnFinishLoad failed"}),
              DocCalls(m_log, "C"));
    EXPECT_TRUE(DocCalls(m_log, "A").empty());
    EXPECT_EQ(0, BoxesWith(kMissingPageText));
}

} // namespace
