// Tests of the COM helpers: HRESULT checks, the one task allocator, and BSTR conversion.
#include "KyStd/Shell/Co.h"
#include "peer/PeerShell.h"
#include "ShellTestUtil.h"

#include <gtest/gtest.h>

#include <thread>

using namespace Kyvant;
using ShellTest::RaisedBy;

TEST(Co, VetPassesSuccessAndThrowAlwaysRaises)
{
    const struct {
        long hr;
        HRESULT vetted;
    } cases[] = {
        {S_OK, S_OK},
        {S_FALSE, S_OK},
        {E_FAIL, E_FAIL},
        {E_OUTOFMEMORY, E_OUTOFMEMORY},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.vetted, RaisedBy([&] { Co::Vet(c.hr); })) << std::hex << c.hr;
        HRESULT thrown = E_UNEXPECTED;
        try {
            Co::Throw(c.hr);
        } catch (const _com_error& e) {
            thrown = e.Error();
        }
        EXPECT_EQ(c.hr, thrown);
    }
}

TEST(Co, OneTaskAllocatorForEveryModule)
{
    IMalloc* m = Co::GetIMalloc();
    ASSERT_NE(nullptr, m);
    EXPECT_EQ(m, KyStdPeer::PeerGetIMalloc());
    IMalloc* fromOtherThread = nullptr;
    std::thread([&] { fromOtherThread = Co::GetIMalloc(); }).join();
    EXPECT_EQ(m, fromOtherThread);

    void* p = CoTaskMemAlloc(64);
    Co::IMallocDeleter del;
    EXPECT_EQ(1, del.get()->DidAlloc(p));
    del(p);
}

TEST(ComError, BstrSupportRoundTripsNarrowText)
{
    for (const char* t : {"", "plain text"}) {
        _bstr_t b(t);
        EXPECT_EQ(strlen(t), b.length());
        EXPECT_STREQ(t, static_cast<const char*>(b));
    }
    EXPECT_EQ(nullptr, static_cast<const char*>(_bstr_t(static_cast<const char*>(nullptr))));
}
