// The Replace view's text options (defaults, kept in the registry, applied to the panes), its
// first update (animation, hidden measuring pane, layout when the frame is resized) and the
// legible-text rule of its panes.
#include "View/ViewHost.h"

#include "View/TestReplaceView.h"

#include "ReplaceGTestApp.h"
#include "common/WindowPng.h"

#include "KyGui/RichEdit/KyRichEditCtrl.h"
#include "KyReplace/Gui/View/PaneText.h"
#include "KyReplace/Gui/View/ReplaceTextOptions.h"
#include "KyReplace/Gui/View/ReplaceViewResource.h"
#include "KyStd/Registry/RegValues.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <cstring>
#include <string>

using namespace Kyvant;
using namespace replgtest;

namespace {

const int kTwipsPerPoint = 20;
const COLORREF kGreen = RGB(0, 0x80, 0);

void ForgetTextOptions()
{
    HKEY key = TestApp().GetRegKey().get();
    for (const char* value :
         {"TabSize", "WordWrap", "MatchColor", "ReplColor", "SkipColor", "UseColors"})
        RegDeleteValueA(key, value);
    for (const char* font : {"MainFont", "LogWindowFont"})
        RegDeleteKeyA(key, font);
}

DWORD Stored(const char* value)
{
    return GetRegistryDWORD(TestApp().GetRegKey().get(), value, 0xDEADBEEF);
}

LONG FirstTabStop(CRichEditCtrl& pane)
{
    PARAFORMAT format = {};
    format.cbSize = sizeof format;
    format.dwMask = PFM_TABSTOPS;
    pane.SendMessage(EM_GETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&format));
    return format.cTabCount > 0 ? format.rgxTabs[0] : 0;
}

class ReplaceViewOptionsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!std::getenv("DISPLAY"))
            GTEST_SKIP() << "no X display for the view's window";
        TestApp().boxes.clear();
        ForgetTextOptions();
    }
    void TearDown() override { ForgetTextOptions(); }

    // A view after its first update, its first task refused.
    std::unique_ptr<ReplaceViewHost> NewView()
    {
        std::unique_ptr<ReplaceViewHost> host(new ReplaceViewHost);
        host->CancelNext();
        host->InitialUpdate();
        EXPECT_TRUE(host->WaitForEnd());
        return host;
    }
};

} // namespace

// A first start takes the built-in options; what the user sets is written
// when the view goes and read, and applied to the panes, by the next view.
TEST_F(ReplaceViewOptionsTest, DefaultsPersistAndApply)
{
    LONG defaultTab = 0;
    {
        auto host = NewView();
        const ReplaceTextOptions& options = host->view().Options();
        EXPECT_EQ(8, options.tabSize);
        EXPECT_FALSE(options.wordWrap);
        EXPECT_EQ(ReplaceTextOptions::kAutomatic, options.matchColour);
        EXPECT_EQ(ReplaceTextOptions::kAutomatic, options.replacementColour);
        EXPECT_EQ(ReplaceTextOptions::kAutomatic, options.skipColour);
        EXPECT_TRUE(options.useColours);
        EXPECT_EQ(100, options.mainFont.GetPointSize());
        EXPECT_EQ(90, options.logFont.GetPointSize());
        const CHARFORMATA before = CharFormat(host->Pane(IDC_KY_REPLACE_BEFORE), 0);
        EXPECT_STREQ("Courier New", before.szFaceName);
        // Sizes come back rounded to the screen's pixels.
        EXPECT_NEAR(10 * kTwipsPerPoint, before.yHeight, kTwipsPerPoint / 2);
        EXPECT_NEAR(9 * kTwipsPerPoint, CharFormat(host->Pane(IDC_KY_REPLACE_LOG), 0).yHeight,
                    kTwipsPerPoint / 2);
        defaultTab = FirstTabStop(host->Pane(IDC_KY_REPLACE_AFTER));
        EXPECT_GT(defaultTab, 0);

        host->view().SetTabSize(4);
        host->view().SetWordWrap(true);
        host->view().SetColours(kGreen, ReplaceTextOptions::kAutomatic, RGB(1, 2, 3), false);
        LOGFONTA face = {};
        std::strcpy(face.lfFaceName, "Courier New");
        face.lfWeight = FW_BOLD;
        host->view().SetFonts(&face, 120, nullptr, 0);
        EXPECT_NEAR(12 * kTwipsPerPoint, CharFormat(host->Pane(IDC_KY_REPLACE_MATCHED), 0).yHeight,
                    kTwipsPerPoint / 2);
        EXPECT_NEAR(9 * kTwipsPerPoint, CharFormat(host->Pane(IDC_KY_REPLACE_LOG), 0).yHeight,
                    kTwipsPerPoint / 2);
    }
    EXPECT_EQ(4u, Stored("TabSize"));
    EXPECT_EQ(1u, Stored("WordWrap"));
    EXPECT_EQ(kGreen, Stored("MatchColor"));
    EXPECT_EQ(0xFFFFFFFFu, Stored("ReplColor"));
    EXPECT_EQ(RGB(1, 2, 3), Stored("SkipColor"));
    EXPECT_EQ(0u, Stored("UseColors"));

    auto host = NewView();
    const ReplaceTextOptions& options = host->view().Options();
    EXPECT_EQ(4, options.tabSize);
    EXPECT_EQ(kGreen, options.MatchColour());
    EXPECT_EQ(ReplaceTextOptions::kAutomaticReplacement, options.ReplacementColour());
    EXPECT_FALSE(options.useColours);
    EXPECT_EQ(120, options.mainFont.GetPointSize());
    auto& before = static_cast<KyRichEditCtrl&>(host->Pane(IDC_KY_REPLACE_BEFORE));
    auto& after = static_cast<KyRichEditCtrl&>(host->Pane(IDC_KY_REPLACE_AFTER));
    EXPECT_TRUE(before.GetWordWrap());
    EXPECT_TRUE(after.GetWordWrap());
    const CHARFORMATA format = CharFormat(before, 0);
    EXPECT_NEAR(12 * kTwipsPerPoint, format.yHeight, kTwipsPerPoint / 2);
    EXPECT_NE(0u, format.dwEffects & CFE_BOLD);
    // Four blanks of a 12-point font against eight of a 10-point one.
    EXPECT_LT(FirstTabStop(after), defaultTab);
    EXPECT_GT(FirstTabStop(after), defaultTab / 2);
}

// A tab size out of the dialogs' range is taken at the nearer end of it.
TEST_F(ReplaceViewOptionsTest, StoredTabSizeOutOfRange)
{
    const struct {
        DWORD stored;
        int taken;
    } cases[] = {{0, 1}, {21, 20}, {0xFFFFFFFF, 1}, {20, 20}};
    for (const auto& c : cases) {
        WriteRegistryDWORD(TestApp().GetRegKey().get(), "TabSize", c.stored);
        ReplaceTextOptions options;
        options.Load(TestApp().GetRegKey());
        EXPECT_EQ(c.taken, options.tabSize) << c.stored;
    }
}

// The first update: the answer group disabled, the animation opened, the
// measuring pane hidden; a larger frame stretches the panes (Before and
// After share the height, Matched and Replacing-with the width) while the
// buttons keep to the right.
TEST_F(ReplaceViewOptionsTest, FirstUpdateAndLayout)
{
    auto host = NewView();
    CKyReplaceGView& view = host->view();
    for (UINT id : {IDC_KY_REPLACE_ANSWER_REPLACE, IDC_KY_REPLACE_ANSWER_SKIP_ALL,
                    IDC_KY_REPLACE_ANSWER_CANCEL, IDC_KY_REPLACE_STOP})
        EXPECT_FALSE(host->Enabled(id)) << id;
    EXPECT_TRUE(host->Enabled(IDC_KY_REPLACE_NEW));
    EXPECT_FALSE(view.GetDlgItem(IDC_KY_REPLACE_MEASURE)->IsWindowVisible());
    CWnd* animation = view.GetDlgItem(IDC_KY_REPLACE_ANIMATION);
    EXPECT_TRUE(animation->SendMessage(ACM_PLAY, static_cast<WPARAM>(-1), MAKELONG(0, -1)))
        << "AVI 136 is open";
    animation->SendMessage(ACM_STOP);

    auto rect = [&view](UINT id) {
        CRect r;
        view.GetDlgItem(id)->GetWindowRect(&r);
        view.ScreenToClient(&r);
        return r;
    };
    CRect client;
    view.GetClientRect(&client);
    const int stopMargin = client.right - rect(IDC_KY_REPLACE_STOP).right;
    const int replaceMargin = client.right - rect(IDC_KY_REPLACE_ANSWER_REPLACE).right;
    const int stopBottom = client.bottom - rect(IDC_KY_REPLACE_STOP).bottom;
    const int beforeWidth = rect(IDC_KY_REPLACE_BEFORE).Width();
    const int matchedWidth = rect(IDC_KY_REPLACE_MATCHED).Width();
    const int replacingWithWidth = rect(IDC_KY_REPLACE_REPLACING_WITH).Width();
    const int kGrowth = 120;
    CRect frame;
    host->frame().GetWindowRect(&frame);
    ::SetWindowPos(host->frame().m_hWnd, nullptr, 0, 0, frame.Width() + kGrowth,
                   frame.Height() + kGrowth, SWP_NOMOVE | SWP_NOZORDER);
    PumpUntil([] { return false; }, 200);
    view.GetClientRect(&client);
    EXPECT_EQ(stopMargin, client.right - rect(IDC_KY_REPLACE_STOP).right);
    EXPECT_EQ(replaceMargin, client.right - rect(IDC_KY_REPLACE_ANSWER_REPLACE).right);
    EXPECT_EQ(stopBottom, client.bottom - rect(IDC_KY_REPLACE_STOP).bottom);
    EXPECT_EQ(beforeWidth + kGrowth, rect(IDC_KY_REPLACE_BEFORE).Width());
    EXPECT_NEAR(rect(IDC_KY_REPLACE_BEFORE).Height(), rect(IDC_KY_REPLACE_AFTER).Height(), 1);
    EXPECT_NEAR(matchedWidth + kGrowth / 2, rect(IDC_KY_REPLACE_MATCHED).Width(), kGrowth / 4);
    EXPECT_NEAR(replacingWithWidth + kGrowth / 2, rect(IDC_KY_REPLACE_REPLACING_WITH).Width(),
                kGrowth / 4);
    EXPECT_EQ(rect(IDC_KY_REPLACE_LOG).right, rect(IDC_KY_REPLACE_REPLACING_WITH).right);
    EXPECT_LT(rect(IDC_KY_REPLACE_AFTER).bottom, rect(IDC_KY_REPLACE_MATCHED).top);
    kytest::SaveWindowPng(host->frame().m_hWnd, "KyReplaceG_view_resized");
}

// Bytes that would not show are middle dots, in every way text goes in;
// tabs stay for the tab stops.
TEST_F(ReplaceViewOptionsTest, IllegibleBytesShowAsDots)
{
    // The front-end runs in the user's locale, where 0xE9 is a letter.
    const std::string oldLocale = std::setlocale(LC_ALL, nullptr);
    std::setlocale(LC_ALL, "");
    auto host = NewView();
    auto& matched = static_cast<KyRichEditCtrl&>(host->Pane(IDC_KY_REPLACE_MATCHED));
    CFont& font = const_cast<GdiEx::Font&>(host->view().Options().mainFont);
    const std::string text("a\x01"
                           "b\tc\r\nd\x7f"
                           "e\xe9",
                           11);
    PaneText::Fill(matched, ky_S(text.data(), static_cast<unsigned>(text.size())), font, 8);
    EXPECT_EQ("a\xb7"
              "b\tc\xb7\nd\xb7"
              "e\xe9",
              PaneString(matched));
    matched.SetSel(1, 2);
    PaneText::ReplaceSelection(matched, ky_S("\x02\x03", 2));
    EXPECT_EQ("a\xb7\xb7"
              "b\tc\xb7\nd\xb7"
              "e\xe9",
              PaneString(matched));
    matched.SetSel(0, 1);
    PaneText::ReplaceSelection(matched, "xy");
    EXPECT_EQ("xy\xb7\xb7"
              "b\tc\xb7\nd\xb7"
              "e\xe9",
              PaneString(matched));
    EXPECT_FALSE(PaneText::NeedsReplacing("tab\there\n", 9));
    EXPECT_TRUE(PaneText::NeedsReplacing("nul\0", 4));
    std::setlocale(LC_ALL, oldLocale.c_str());
}
