// Opening a file at a line in the development environments, against their
// stand-in automation objects published in this process: which instance is
// used, the calls made, the line reached, failures; and which environment
// Open in IDE chooses.
#include "KyFind/Gui/Editor/IdeOpening.h"

#include "KyFind/Gui/Editor/IdePresence.h"
#include "devenv/DevEnvOpening.h"
#include "devenv/Registration.h"

#include <comdef.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace DevEnvStandIn;
using namespace Kyvant::FindEditor;

namespace {

const CLSID kVcClass = {
    0xFB7FDAE2, 0x89B8, 0x11CF, {0x9B, 0xE8, 0x00, 0xA0, 0xC9, 0x0A, 0x63, 0x2C}};
// Made-up classes for the three VS.NET program identifiers.
const CLSID kDteClasses[3] = {
    {0x5E4A1D01, 0x7C1B, 0x4B7E, {0x9A, 0x11, 0x10, 0x20, 0x30, 0x40, 0x50, 0x01}},
    {0x5E4A1D02, 0x7C1B, 0x4B7E, {0x9A, 0x11, 0x10, 0x20, 0x30, 0x40, 0x50, 0x02}},
    {0x5E4A1D03, 0x7C1B, 0x4B7E, {0x9A, 0x11, 0x10, 0x20, 0x30, 0x40, 0x50, 0x03}}};
const wchar_t* const kDteNames[3] = {L"VisualStudio.DTE", L"VisualStudio.DTE.7.1",
                                     L"VisualStudio.DTE.7"};
const char kFile[] = "C:\\src\\a b.c";
const wchar_t kWideFile[] = L"C:\\src\\a b.c";

bool IsTrue(DispObject* object, const wchar_t* name)
{
    VARIANT v = object->Value(name);
    return V_VT(&v) == VT_BOOL && V_BOOL(&v) == VARIANT_TRUE;
}

std::wstring TextValue(DispObject* object, const wchar_t* name)
{
    VARIANT v = object->Value(name);
    std::wstring text = V_VT(&v) == VT_BSTR ? V_BSTR(&v) : L"";
    VariantClear(&v);
    return text;
}

class IdeOpeningTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr))); }
    void TearDown() override { CoUninitialize(); }
};

// The three ProgIDs name their classes while the object lives.
struct DteProgIds {
    ProgIdKey general{kDteNames[0], kDteClasses[0]};
    ProgIdKey v71{kDteNames[1], kDteClasses[1]};
    ProgIdKey v70{kDteNames[2], kDteClasses[2]};
};

ComRef<DispObject> OpenableDte(HWND mainWindow)
{
    ComRef<DispObject> dte = Dte(L"7.10");
    MakeDteOpenable(dte.get(), mainWindow);
    return dte;
}

} // namespace

TEST_F(IdeOpeningTest, VisualCppRunningOpensTheFileAtTheLine)
{
    ComRef<DispObject> app = VcApplication();
    MakeVcOpenable(app.get());
    RunningObject running(app.get(), kVcClass);
    ASSERT_TRUE(SUCCEEDED(running.Result()));

    OpenWithVisualCpp(kFile, 12);
    EXPECT_EQ((std::vector<std::wstring>{L"Visible=", L"Active=", L"Documents"}), app->Calls());
    EXPECT_TRUE(IsTrue(app.get(), L"Visible"));
    EXPECT_TRUE(IsTrue(app.get(), L"Active"));
    DispObject* document = OpenedDocument(app.get(), kWideFile);
    ASSERT_NE(nullptr, document);
    EXPECT_EQ(12, SelectedLine(document));

    // Without a line the document is only opened.
    OpenWithVisualCpp("C:\\src\\other.c", 0);
    DispObject* other = OpenedDocument(app.get(), L"C:\\src\\other.c");
    ASSERT_NE(nullptr, other);
    EXPECT_EQ(0, SelectedLine(other));
}

TEST_F(IdeOpeningTest, VisualCppNotRunningIsStartedAsLocalServer)
{
    ComRef<DispObject> created;
    ClassRegistration registration(
        kVcClass,
        [&created] {
            created = VcApplication();
            MakeVcOpenable(created.get());
            return ComRef<IUnknown>(static_cast<IDispatch*>(created.get()));
        },
        CLSCTX_LOCAL_SERVER);
    ASSERT_TRUE(SUCCEEDED(registration.Result()));
    OpenWithVisualCpp(kFile, 5);
    ASSERT_TRUE(created);
    EXPECT_TRUE(IsTrue(created.get(), L"Visible"));
    EXPECT_EQ(5, SelectedLine(OpenedDocument(created.get(), kWideFile)));
}

TEST_F(IdeOpeningTest, VisualCppFailureIsRaisedWithItsCode)
{
    ComRef<DispObject> app = VcApplication();
    MakeVcOpenable(app.get());
    app->Fail(L"Active", E_ACCESSDENIED, true);
    RunningObject running(app.get(), kVcClass);
    try {
        OpenWithVisualCpp(kFile, 1);
        ADD_FAILURE() << "no error";
    } catch (const _com_error& e) {
        EXPECT_EQ(E_ACCESSDENIED, e.Error());
    }
    EXPECT_EQ(nullptr, OpenedDocument(app.get(), kWideFile));

    // Nothing runs and nothing can be started.
    running.Revoke();
    EXPECT_THROW(OpenWithVisualCpp(kFile, 1), _com_error);
}

TEST_F(IdeOpeningTest, VsNetTakesTheRunningInstanceInProgIdOrder)
{
    DteProgIds progIds;
    HWND main = CreateWindowExA(0, "STATIC", "VS.NET", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr,
                                nullptr, nullptr, nullptr);
    ShowWindow(main, SW_MINIMIZE);
    ASSERT_TRUE(IsIconic(main));
    ComRef<DispObject> v71 = OpenableDte(main), v70 = OpenableDte(main);
    RunningObject running71(v71.get(), kDteClasses[1]);
    RunningObject running70(v70.get(), kDteClasses[2]);

    OpenWithVsNet(kFile, 12);
    EXPECT_FALSE(IsIconic(main));
    DispObject* document = OpenedDocument(v71.get(), kWideFile);
    ASSERT_NE(nullptr, document);
    EXPECT_EQ(12, SelectedLine(document));
    EXPECT_EQ(nullptr, OpenedDocument(v70.get(), kWideFile));
    VARIANT operations = v71->Value(L"ItemOperations");
    EXPECT_EQ(L"{7651A703-06E5-11D1-8EBD-00A0C90F26EA}",
              TextValue(static_cast<DispObject*>(V_DISPATCH(&operations)), L"LastViewKind"));
    VariantClear(&operations);
    // A running environment stays under the user's control as it was.
    EXPECT_FALSE(IsTrue(v71.get(), L"UserControl"));

    // The general identifier comes first.
    ComRef<DispObject> general = OpenableDte(main);
    RunningObject runningGeneral(general.get(), kDteClasses[0]);
    OpenWithVsNet("C:\\src\\b.c", 0);
    EXPECT_NE(nullptr, OpenedDocument(general.get(), L"C:\\src\\b.c"));
    EXPECT_EQ(0, SelectedLine(OpenedDocument(general.get(), L"C:\\src\\b.c")));
    DestroyWindow(main);
}

TEST_F(IdeOpeningTest, VsNetNotRunningIsStartedAndLeftToTheUser)
{
    DteProgIds progIds;
    HWND main = CreateWindowExA(0, "STATIC", "VS.NET", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr,
                                nullptr, nullptr, nullptr);
    {
        // Neither running nor creatable: an error.
        EXPECT_THROW(OpenWithVsNet(kFile, 3), _com_error);
    }
    ComRef<DispObject> created;
    ClassRegistration registration(
        kDteClasses[0],
        [&] {
            created = OpenableDte(main);
            return ComRef<IUnknown>(static_cast<IDispatch*>(created.get()));
        },
        CLSCTX_LOCAL_SERVER);
    OpenWithVsNet(kFile, 3);
    ASSERT_TRUE(created);
    EXPECT_TRUE(IsTrue(created.get(), L"UserControl"));
    EXPECT_EQ(3, SelectedLine(OpenedDocument(created.get(), kWideFile)));
    DestroyWindow(main);
}

namespace {

bool g_vc, g_vsNet, g_vsNetRunning;
const IdePresence kScripted = {[] { return g_vc; }, [] { return g_vsNet; },
                               [] { return g_vsNetRunning; }};

} // namespace

TEST(IdeToUse, FollowsPresenceAndRunningInstance)
{
    const IdePresence old = SetIdePresence(&kScripted);
    const struct {
        bool vc, vsNet, vsNetRunning;
        Ide expected;
    } cases[] = {
        {false, false, false, Ide::None}, {true, false, false, Ide::VisualCpp},
        {false, true, false, Ide::VsNet}, {true, true, false, Ide::VisualCpp},
        {true, true, true, Ide::VsNet},   {true, false, true, Ide::VisualCpp},
    };
    for (const auto& c : cases) {
        g_vc = c.vc;
        g_vsNet = c.vsNet;
        g_vsNetRunning = c.vsNetRunning;
        EXPECT_EQ(c.expected, IdeToUse()) << c.vc << c.vsNet << c.vsNetRunning;
    }
    SetIdePresence(&old);
}
