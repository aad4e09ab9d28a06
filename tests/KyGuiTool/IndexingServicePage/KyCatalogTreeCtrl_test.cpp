// Tests of the catalog tree on the Indexing Service page: checks by click,
// double click and Space with the partly-checked computer, the stored list
// they give, the tree set from stored lists (unreachable computers,
// remembered catalogs, what cannot be checked), the toolbar, and adding and
// removing computers.
#include "IndexingServicePage/IndexingServicePageTestSupport.h"

#include "KyGui/Helpers/WndEx.h"
#include "KyGui/Shell/Browse.h"
#include "KyGuiTool/Storage/StorageResource.h"

#include <commctrl.h>
#include <gtest/gtest.h>
#include <shlobj.h>

#include <algorithm>
#include <string>

namespace {

using namespace istree;

const std::string kAll = "<all>";

Strings StoredCatalogs()
{
    return PrintableList(List(PageKeyPath(), "Catalogs"));
}

TEST_F(IndexingServiceTest, ChecksSpreadFromComputerToCatalogsAndBackAsPartlyChecked)
{
    Host host;
    Strings afterCatalogs, afterComputer, afterWhole, afterSpace, afterDouble;
    std::vector<int> states;
    bool modified = false;
    host.Run([&] {
        KyCatalogTreeCtrl& tree = Tree(host);
        CheckMessages messages;
        ClickCheck(tree, "My Computer/System");
        modified = host.dialog.DocIsModified();
        ClickCheck(tree, "My Computer/Web");
        afterCatalogs = Shown(tree);
        StorageTest::Snapshot(host.dialog.m_hWnd, "IndexingServicePartlyChecked");
        ClickCheck(tree, "My Computer"); // partly checked: all off
        afterComputer = Shown(tree);
        ClickCheck(tree, "My Computer"); // the whole computer
        afterWhole = Shown(tree);
        states = messages.States();
        Select(tree, "My Computer/Web");
        Key(tree, VK_SPACE);
        afterSpace = Shown(tree);
        ClickCheck(tree, "My Computer/Web", true); // checked, then off again
        afterDouble = Shown(tree);
        host.Ok();
        host.Cancel();
    });
    EXPECT_TRUE(modified);
    EXPECT_EQ((Strings{"My Computer 0 3", "  System 2 2", "  Web 2 2"}), afterCatalogs);
    EXPECT_EQ((Strings{"My Computer 0 1", "  System 2 1", "  Web 2 1"}), afterComputer);
    EXPECT_EQ((Strings{"My Computer 0 2", "  System 2 2", "  Web 2 2"}), afterWhole);
    EXPECT_EQ((std::vector<int>{2, 2, 1, 1, 2, 2}), states);
    EXPECT_EQ((Strings{"My Computer 0 3", "  System 2 2", "  Web 2 1"}), afterSpace);
    EXPECT_EQ(afterSpace, afterDouble);
}

TEST_F(IndexingServiceTest, TheStoredListNamesCheckedCatalogsTheWholeComputerOrTheComputerAlone)
{
    SetValue(PageKeyPath(), "Masks", "*");
    struct Case {
        std::vector<std::string> clicks;
        Strings stored;
    };
    const Case cases[] = {
        {{"My Computer/System", "My Computer/Web"}, {".\\System", ".\\Web", "far"}},
        {{"My Computer"}, {".\\" + kAll, "far"}},
        {{"My Computer/Web", "far/Mail"}, {".\\Web", "far\\Mail"}},
        {{"far"}, {".", "far\\" + kAll}},
    };
    for (const Case& c : cases) {
        SetList(PageKeyPath(), "Catalogs", {".", "far"});
        Host host;
        host.Run([&] {
            for (const std::string& click : c.clicks)
                ClickCheck(Tree(host), click);
            host.Ok();
        });
        EXPECT_EQ(c.stored, StoredCatalogs()) << c.clicks.front();
        EXPECT_EQ(c.stored, PrintableList(List(PreviousToolKey(kPageGuid), "Catalogs")));
    }
}

TEST_F(IndexingServiceTest, AStoredListBringsItsComputersAndRemembersCatalogsTheyDoNotList)
{
    SetList(PageKeyPath(), "Catalogs",
            {".\\System", "gone\\Data", "gone\\Logs", "far\\\x01", "far\\Old", "fresh"});
    Host host;
    Strings shown;
    host.Run([&] {
        shown = Shown(Tree(host));
        StorageTest::Snapshot(host.dialog.m_hWnd, "IndexingServiceStoredList");
        host.Cancel();
    });
    EXPECT_EQ(
        (Strings{"My Computer 0 3", "  System 2 2", "  Web 2 1", "gone 1 3", "  Data 3 2",
                 "  Logs 3 2", "far 0 2", "  Docs 2 2", "  Mail 2 2", "  Old 3 2", "fresh 0 1"}),
        shown);
    EXPECT_TRUE(Boxes().empty()) << Boxes().front();
    EXPECT_EQ((Strings{"\\", "\\\\gone", "\\\\far", "\\\\fresh"}), ListedScopes(m_query));
}

// The system's text of a result code, without its line end.
std::string SystemText(DWORD code)
{
    char text[512] = "";
    DWORD n = ::FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                               code, 0, text, sizeof text, nullptr);
    while (n > 0 && (text[n - 1] == '\n' || text[n - 1] == '\r'))
        text[--n] = '\0';
    return text;
}

// Step by step: this computer's listing fails at the start: it is shown
// unlisted and the listing's error is reported (not left for OK to find no
// catalog); only entries that no item can hold are reported.
TEST_F(IndexingServiceTest, WhatCannotBeListedIsShownUnlistedAndWhatHasNoItemIsReported)
{
    m_query.Write(std::string(kComputers) + "locateerr|0|0x80070005|\\\n");
    Host first;
    Strings shown;
    first.Run([&] {
        shown = Shown(Tree(first));
        first.Cancel();
    });
    EXPECT_EQ((Strings{"My Computer 1 1"}), shown);
    ASSERT_FALSE(SystemText(0x80070005).empty());
    EXPECT_EQ((Strings{SystemText(0x80070005)}), Boxes());
    m_firstBox = theApp.m_boxes.size();

    m_query.Write(kComputers);
    SetList(PageKeyPath(), "Catalogs", {"\\Lost", "\\Found", "far\\Docs", "\\\x01"});
    Host second;
    second.Run([&] {
        shown = Shown(Tree(second));
        second.Cancel();
    });
    EXPECT_EQ((Strings{"far 0 3", "  Docs 2 2", "  Mail 2 1"}), shown);
    EXPECT_EQ((Strings{"The following computers and/or catalogs aren't available and could not be "
                       "checked:\n\n\t\n\t\tLost\n\t\tFound\n"}),
              Boxes());
}

bool AlwaysThemed()
{
    return true;
}
bool NeverThemed()
{
    return false;
}

// The colour at a point of an image of the list, drawn on white.
COLORREF ImagePixel(HIMAGELIST list, int image, POINT at)
{
    HDC screen = ::GetDC(nullptr);
    HDC dc = ::CreateCompatibleDC(screen);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, 32, 32);
    HGDIOBJ old = ::SelectObject(dc, bitmap);
    RECT all = {0, 0, 32, 32};
    ::FillRect(dc, &all, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    ::ImageList_Draw(list, image, dc, 0, 0, ILD_NORMAL);
    const COLORREF colour = ::GetPixel(dc, at.x, at.y);
    ::SelectObject(dc, old);
    ::DeleteObject(bitmap);
    ::DeleteDC(dc);
    ::ReleaseDC(nullptr, screen);
    return colour;
}

Strings ToolTips(KyCatalogTreeCtrl& tree)
{
    Strings tips;
    HWND tip =
        reinterpret_cast<HWND>(::SendMessageA(tree.GetToolBar().m_hWnd, TB_GETTOOLTIPS, 0, 0));
    const int count = static_cast<int>(::SendMessageA(tip, TTM_GETTOOLCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        TOOLINFOA info = {};
        info.cbSize = sizeof info;
        ::SendMessageA(tip, TTM_ENUMTOOLSA, static_cast<WPARAM>(i),
                       reinterpret_cast<LPARAM>(&info));
        char text[256] = "";
        info.lpszText = text;
        ::SendMessageA(tip, TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&info));
        tips.push_back(std::to_string(info.uId) + " " + text);
    }
    return tips;
}

// The screen of the first button's picture: blue in colour, grey plain.
const POINT kScreenPixel = {5, 5};
const COLORREF kColourScreen = RGB(0, 96, 176);
const COLORREF kPlainScreen = RGB(128, 128, 128);

TEST_F(IndexingServiceTest, TheToolbarSitsOnTheTreesTopRightCornerWithItsTipsAndPicturesByTheme)
{
    struct Look {
        KyCatalogTreeCtrl::ThemeQuery theme;
        COLORREF normal;
        bool hot;
        const char* picture;
    };
    const Look looks[] = {{&AlwaysThemed, kColourScreen, false, "IndexingServiceToolbarThemed"},
                          {&NeverThemed, kPlainScreen, true, "IndexingServiceToolbarPlain"}};
    for (const Look& look : looks) {
        SCOPED_TRACE(look.picture);
        KyCatalogTreeCtrl::SetThemeQuery(look.theme);
        Host host;
        host.Run([&] {
            KyCatalogTreeCtrl& tree = Tree(host);
            CToolBarCtrl& bar = tree.GetToolBar();
            const CRect treeRect = Kyvant::WndEx::WindowRect(tree, true);
            const CRect barRect = Kyvant::WndEx::WindowRect(bar, true);
            EXPECT_EQ(bar.GetParent(), &Page(host));
            EXPECT_EQ(KyCatalogTreeCtrl::kToolBarWidth, barRect.Width());
            EXPECT_EQ(KyCatalogTreeCtrl::kToolBarHeight, barRect.Height());
            EXPECT_EQ(treeRect.right, barRect.right);
            EXPECT_EQ(treeRect.top, barRect.bottom);
            EXPECT_EQ(2, bar.GetButtonCount());
            EXPECT_TRUE(bar.IsButtonEnabled(ID_KY_ADD_COMPUTER));
            EXPECT_TRUE(bar.IsButtonEnabled(ID_KY_REMOVE_COMPUTER));
            EXPECT_EQ((Strings{"53777 Add Computer", "53778 Remove Computer"}), ToolTips(tree));
            HIMAGELIST normal = reinterpret_cast<HIMAGELIST>(bar.SendMessage(TB_GETIMAGELIST));
            HIMAGELIST hot = reinterpret_cast<HIMAGELIST>(bar.SendMessage(TB_GETHOTIMAGELIST));
            EXPECT_EQ(look.normal, ImagePixel(normal, 0, kScreenPixel));
            EXPECT_EQ(look.hot, hot != nullptr);
            if (hot != nullptr) {
                EXPECT_EQ(kColourScreen, ImagePixel(hot, 0, kScreenPixel));
            }
            StorageTest::Snapshot(host.dialog.m_hWnd, look.picture);
            host.Cancel();
        });
    }
}

TEST_F(IndexingServiceTest, AddComputerAddsTheComputerWithItsCatalogsAndRefusesWhatItCannotAdd)
{
    Host host;
    Strings shown;
    std::string caption, browseLabel;
    UINT farState = 0;
    bool focused = false;
    host.Run([&] {
        KyCatalogTreeCtrl& tree = Tree(host);
        AnswerAddComputer("far", false, [&](CWnd& dialog) {
            caption = StorageTest::Text(dialog.m_hWnd);
            browseLabel = StorageTest::ItemText(dialog, IDC_KY_ADD_COMPUTER_BROWSE);
        });
        PressButton(tree, ID_KY_ADD_COMPUTER);
        focused = ::GetFocus() == tree.m_hWnd;
        farState = TreeView_GetItemState(tree.m_hWnd, Item(tree, "far"), TVIS_EXPANDED);
        AnswerAddComputer("nobody");
        PressButton(tree, ID_KY_ADD_COMPUTER);
        for (const std::string& refused : {std::string("."), std::string(" FAR "), std::string(""),
                                           std::string(65, 'n'), std::string("\\\\far")}) {
            AnswerAddComputer(refused, true);
            PressButton(tree, ID_KY_ADD_COMPUTER);
        }
        AnswerAddComputer(std::string(64, 'n'));
        PressButton(tree, ID_KY_ADD_COMPUTER);
        AnswerAddComputer("gone"); // its service cannot be asked
        PressButton(tree, ID_KY_ADD_COMPUTER);
        shown = Shown(tree);
        host.Cancel();
    });
    EXPECT_EQ("Add Computer", caption);
    EXPECT_EQ("&Computer Name:", browseLabel);
    EXPECT_TRUE(focused);
    EXPECT_NE(0u, farState & TVIS_EXPANDED);
    EXPECT_EQ((Strings{"My Computer 0 1", "  System 2 1", "  Web 2 1", "far 0 1", "  Docs 2 1",
                       "  Mail 2 1"}),
              shown);
    const Strings boxes = Boxes();
    ASSERT_EQ(8u, boxes.size()) << ::testing::PrintToString(boxes);
    EXPECT_EQ("Could not locate any catalogs for the computer \"nobody\". Make sure that Indexing "
              "Service is enabled on that computer and at least one catalog is defined.",
              boxes[0]);
    EXPECT_EQ("The computer name you entered is already listed.", boxes[1]);
    EXPECT_EQ("The computer name you entered is already listed.", boxes[2]);
    EXPECT_EQ("You must enter a value for this field.", boxes[3]);
    EXPECT_EQ("Enter no more than 64 characters.", boxes[4]);
    EXPECT_EQ("A computer name cannot contain a backslash.", boxes[5]);
    // The longest name is taken, and its computer asked for its catalogs.
    EXPECT_EQ(0u, boxes[6].find("Could not locate any catalogs for the computer \"nnnn"));
    EXPECT_EQ("RPC server unavailable.", boxes[7]);
    EXPECT_EQ((Strings{"\\", "\\\\far", "\\\\nobody", "\\\\" + std::string(64, 'n'), "\\\\gone"}),
              ListedScopes(m_query));
}

// The computer browser of the shell, answering with a computer's name.
LPITEMIDLIST WINAPI ChooseFaraway(LPBROWSEINFOA info)
{
    EXPECT_EQ(static_cast<UINT>(BIF_BROWSEFORCOMPUTER), info->ulFlags);
    lstrcpyA(info->pszDisplayName, "FARAWAY");
    LPITEMIDLIST pidl = nullptr;
    ::SHGetSpecialFolderLocation(nullptr, CSIDL_NETWORK, &pidl);
    return pidl;
}

TEST_F(IndexingServiceTest, TheBrowseButtonPutsTheChosenComputerIntoTheName)
{
    ::OleInitialize(nullptr);
    const Kyvant::Shell::BrowseForFolderFunction old =
        Kyvant::Shell::SetBrowseForFolderFunction(&ChooseFaraway);
    Host host;
    std::string typed;
    host.Run([&] {
        OnNextModalIdle([&](CWnd* dialog) {
            Host::MouseClick(*dialog, IDC_KY_ADD_COMPUTER_BROWSE);
            typed = StorageTest::ItemText(*dialog, IDC_KY_ADD_COMPUTER_NAME);
            ::PostMessageA(dialog->m_hWnd, WM_COMMAND, IDCANCEL, 0);
        });
        PressButton(Tree(host), ID_KY_ADD_COMPUTER);
        host.Cancel();
    });
    Kyvant::Shell::SetBrowseForFolderFunction(old);
    EXPECT_EQ("FARAWAY", typed);
}

TEST_F(IndexingServiceTest, RemoveComputerAsksFirstAndWithShiftRemovesThoseChosenFromAList)
{
    SetList(PageKeyPath(), "Catalogs", {".\\System", "far\\Docs", "far\\Mail", "gone"});
    Host host;
    Strings afterCancel, afterRemove, offered, afterSeveral;
    std::vector<int> states;
    unsigned checked = 0, catalogs = 0;
    std::string pickerCaption, pickerLabel;
    int preselected = -1;
    host.Run([&] {
        KyCatalogTreeCtrl& tree = Tree(host);
        CheckMessages messages;
        Select(tree, "far/Docs");
        {
            StorageTest::BoxAnswers cancel({IDCANCEL});
            PressButton(tree, ID_KY_REMOVE_COMPUTER);
        }
        afterCancel = Shown(tree);
        Key(tree, VK_DELETE);
        afterRemove = Shown(tree);
        states = messages.States();
        checked = tree.GetCheckedCount();
        catalogs = tree.GetCatalogCount();
        Select(tree, "gone");
        OnNextModalIdle([&](CWnd* picker) {
            pickerCaption = StorageTest::Text(picker->m_hWnd);
            pickerLabel = StorageTest::ItemText(*picker, IDC_KY_PICKER_LABEL);
            HWND list = ::GetDlgItem(picker->m_hWnd, IDC_KY_PICKER_LIST);
            offered = StorageTest::ListEntries(list);
            for (int i = 0; i < static_cast<int>(offered.size()); ++i) {
                if (::SendMessageA(list, LB_GETSEL, static_cast<WPARAM>(i), 0) > 0)
                    preselected = i;
            }
            ::SendMessageA(list, LB_SETSEL, TRUE, 0);
            ::PostMessageA(picker->m_hWnd, WM_COMMAND, IDOK, 0);
        });
        {
            HeldKeys shift(true, false);
            PressButton(tree, ID_KY_REMOVE_COMPUTER);
        }
        afterSeveral = Shown(tree);
        Key(tree, VK_DELETE); // nothing left: a beep
        host.Cancel();
    });
    const Strings all = {"My Computer 0 3", "  System 2 2", "  Web 2 1", "far 0 3",
                         "  Docs 2 2",      "  Mail 2 2",   "gone 1 1"};
    EXPECT_EQ(all, afterCancel);
    EXPECT_EQ((Strings{"My Computer 0 3", "  System 2 2", "  Web 2 1", "gone 1 1"}), afterRemove);
    EXPECT_EQ((std::vector<int>{1, 1}), states);
    EXPECT_EQ(1u, checked);
    EXPECT_EQ(2u, catalogs);
    const Strings boxes = Boxes();
    ASSERT_LE(2u, boxes.size());
    EXPECT_EQ((Strings{"Remove the computer \"far\"?", "Remove the computer \"far\"?"}),
              Strings(boxes.begin(), boxes.begin() + 2));
    EXPECT_EQ(static_cast<UINT>(MB_OKCANCEL | MB_ICONQUESTION), theApp.m_boxes[m_firstBox].type);
    EXPECT_EQ("Remove Computers", pickerCaption);
    EXPECT_EQ((Strings{"My Computer", "gone"}), offered);
    EXPECT_EQ(1, preselected);
    EXPECT_TRUE(afterSeveral.empty()) << ::testing::PrintToString(afterSeveral);
}

} // namespace
