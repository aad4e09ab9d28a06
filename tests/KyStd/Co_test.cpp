#include "KyStd/Co.h"

#include "peer/PeerShell.h"

#include <gtest/gtest.h>

#include <thread>

using namespace Kyvant;

namespace {

// The HRESULT that f raises as `_com_error`, or S_OK when it raises nothing.
template <class F>
HRESULT RaisedBy(F f)
{
    try {
        f();
    } catch (const _com_error& e) {
        return e.Error();
    }
    return S_OK;
}

} // namespace

TEST(Co, VetPassesSuccessCodesAndRaisesFailures)
{
    const struct {
        long hr;
        HRESULT raised;
    } cases[] = {
        {S_OK, S_OK},
        {S_FALSE, S_OK},
        {0x7FFFFFFF, S_OK},
        {E_FAIL, E_FAIL},
        {E_OUTOFMEMORY, E_OUTOFMEMORY},
        {static_cast<long>(0x80000000), static_cast<HRESULT>(0x80000000)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.raised, RaisedBy([&] { Co::Vet(c.hr); })) << std::hex << c.hr;
}

TEST(Co, ThrowRaisesAnyCode)
{
    EXPECT_EQ(E_POINTER, RaisedBy([] { Co::Throw(E_POINTER); }));
    bool raised = false;
    try {
        Co::Throw(S_FALSE);
    } catch (const _com_error& e) {
        raised = e.Error() == S_FALSE;
    }
    EXPECT_TRUE(raised);
}

TEST(Co, InitializerNestsAndReportsAnApartmentClash)
{
    {
        Co::Initializer outer;
        Co::Initializer inner; // S_FALSE: already initialised, still fine
    }
    HRESULT raised = S_OK;
    std::thread t([&] {
        CoInitializeEx(nullptr, COINIT_MULTITHREADED);
        raised = RaisedBy([] { Co::Initializer clash; });
        CoUninitialize();
    });
    t.join();
    EXPECT_EQ(RPC_E_CHANGED_MODE, raised);
}

TEST(Co, OneTaskAllocatorForEveryModule)
{
    IMalloc* m = Co::GetIMalloc();
    ASSERT_NE(nullptr, m);
    EXPECT_EQ(m, Co::GetIMalloc());
    EXPECT_EQ(m, KyStdPeer::PeerGetIMalloc());

    IMalloc* fromOtherThread = nullptr;
    std::thread([&] { fromOtherThread = Co::GetIMalloc(); }).join();
    EXPECT_EQ(m, fromOtherThread);
}

TEST(Co, IMallocDeleterFreesTaskMemory)
{
    void* p = CoTaskMemAlloc(64);
    ASSERT_NE(nullptr, p);
    Co::IMallocDeleter del;
    EXPECT_EQ(Co::GetIMalloc(), del.get());
    EXPECT_EQ(1, del.get()->DidAlloc(p));
    del(p);
    del(nullptr); // freeing null is harmless
}

TEST(ComError, BstrSupportRoundTripsNarrowText)
{
    const char* texts[] = {"", "plain", "with blank and \xE4 byte"};
    for (const char* t : texts) {
        _bstr_t b(t);
        EXPECT_EQ(strlen(t), b.length()) << t;
        EXPECT_STREQ(t, static_cast<const char*>(b));
    }
    _bstr_t nul(static_cast<const char*>(nullptr));
    EXPECT_EQ(nullptr, static_cast<const char*>(nul));
}

TEST(ComError, IssueErrorExRaisesTheCode)
{
    EXPECT_EQ(E_NOINTERFACE,
              RaisedBy([] { _com_issue_errorex(E_NOINTERFACE, nullptr, IID_IUnknown); }));
    EXPECT_EQ(E_ACCESSDENIED, RaisedBy([] { _com_issue_error(E_ACCESSDENIED); }));
}
