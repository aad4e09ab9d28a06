#include "KyStd/ShellFolders.h"

#include "KyStd/Co.h"
#include "KyStd/Errors.h"
#include "KyStd/ItemIdList.h"
#include "KyStd/ShellText.h"

#include <gtest/gtest.h>
#include <shlwapi.h>

#include <cstring>
#include <memory>
#include <vector>

using namespace Kyvant;

namespace {

using ShellPtr = std::unique_ptr<ITEMIDLIST, Shell::MallocDeleter>;

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

// Releases a COM interface when the test leaves its scope.
struct ComRelease {
    void operator()(IUnknown* p) const
    {
        if (p)
            p->Release();
    }
};
template <class I>
using ComPtr = std::unique_ptr<I, ComRelease>;

// A folder that answers BindToObject with a fixed result and remembers how
// many items the list it was given had at that moment.
class FakeFolder : public IShellFolder {
public:
    explicit FakeFolder(HRESULT bindResult) : bindResult_(bindResult) {}
    LONG refs = 1;
    unsigned itemsSeenByBind = 0;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** out) override
    {
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++refs; }
    ULONG STDMETHODCALLTYPE Release() override { return --refs; }
    HRESULT STDMETHODCALLTYPE ParseDisplayName(HWND, IBindCtx*, LPWSTR, ULONG*, PIDLIST_RELATIVE*,
                                               ULONG*) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE EnumObjects(HWND, SHCONTF, IEnumIDList**) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE BindToObject(PCUIDLIST_RELATIVE pidl, IBindCtx*, REFIID,
                                           void** out) override
    {
        itemsSeenByBind = Shell::Count(pidl);
        if (FAILED(bindResult_)) {
            *out = nullptr;
            return bindResult_;
        }
        AddRef();
        *out = static_cast<IShellFolder*>(this);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE BindToStorage(PCUIDLIST_RELATIVE, IBindCtx*, REFIID, void**) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE CompareIDs(LPARAM, PCUIDLIST_RELATIVE, PCUIDLIST_RELATIVE) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE CreateViewObject(HWND, REFIID, void**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetAttributesOf(UINT, PCUITEMID_CHILD_ARRAY, SFGAOF*) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE GetUIObjectOf(HWND, UINT, PCUITEMID_CHILD_ARRAY, REFIID, UINT*,
                                            void**) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE GetDisplayNameOf(PCUITEMID_CHILD, SHGDNF, STRRET*) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE SetNameOf(HWND, PCUITEMID_CHILD, LPCWSTR, SHGDNF,
                                        PITEMID_CHILD*) override
    {
        return E_NOTIMPL;
    }

private:
    HRESULT bindResult_;
};

// Three items of 6 bytes each.
std::vector<BYTE> ThreeItems()
{
    std::vector<BYTE> bytes(3 * 6 + 2, 'x');
    for (int i = 0; i < 3; ++i) {
        bytes[i * 6] = 6;
        bytes[i * 6 + 1] = 0;
    }
    bytes[18] = bytes[19] = 0;
    return bytes;
}

std::string InFolderName(IShellFolder* folder, LPCITEMIDLIST item)
{
    STRRET sr;
    if (FAILED(folder->GetDisplayNameOf(item, SHGDN_INFOLDER | SHGDN_FORPARSING, &sr)))
        return "<failed>";
    char buffer[MAX_PATH];
    StrRetToBufA(&sr, item, buffer, sizeof buffer);
    return buffer;
}

class ShellFolders : public testing::Test {
    Co::Initializer com_;
};

} // namespace

TEST_F(ShellFolders, GetParentRestoresTheListWhenBindingFails)
{
    for (HRESULT bind : {E_FAIL, S_OK}) {
        FakeFolder folder(bind);
        auto bytes = ThreeItems();
        const auto original = bytes;
        auto pidl = reinterpret_cast<LPITEMIDLIST>(bytes.data());
        LPITEMIDLIST last = nullptr;
        IShellFolder* parent = nullptr;
        HRESULT hr = RaisedBy([&] { parent = Shell::GetParent(&folder, pidl, &last); });
        EXPECT_EQ(bind, hr);
        EXPECT_EQ(2u, folder.itemsSeenByBind) << "bound with the last item cut off";
        EXPECT_EQ(original, bytes) << "caller's list restored";
        EXPECT_EQ(reinterpret_cast<LPITEMIDLIST>(bytes.data() + 12), last);
        if (parent)
            parent->Release();
        EXPECT_EQ(1, folder.refs);
    }
}

TEST_F(ShellFolders, GetParentOfOneItemIsTheFolderAndEmptyListsAreRefused)
{
    FakeFolder folder(E_FAIL);
    auto bytes = ThreeItems();
    bytes[6] = bytes[7] = 0; // now a one-item list
    auto pidl = reinterpret_cast<LPITEMIDLIST>(bytes.data());
    LPITEMIDLIST last = nullptr;
    EXPECT_EQ(&folder, Shell::GetParent(&folder, pidl, &last));
    EXPECT_EQ(pidl, last);
    EXPECT_EQ(2, folder.refs);
    folder.Release();

    BYTE empty[2] = {0, 0};
    EXPECT_EQ(E_INVALIDARG, RaisedBy([&] {
                  Shell::GetParent(&folder, reinterpret_cast<LPITEMIDLIST>(empty), &last);
              }));
    EXPECT_EQ(E_INVALIDARG, RaisedBy([&] { Shell::GetParent(&folder, nullptr, &last); }));
    // Without a folder there is no parent to ask for UI objects.
    EXPECT_EQ(E_POINTER, RaisedBy([&] { Shell::GetUIObjectOf(nullptr, pidl, IID_IDataObject); }));
}

TEST_F(ShellFolders, RealFoldersOfThePrefix)
{
    char windows[MAX_PATH];
    ASSERT_NE(0u, GetWindowsDirectoryA(windows, MAX_PATH));
    std::string system32 = std::string(windows) + "\\system32";

    LPITEMIDLIST raw = nullptr;
    ComPtr<IShellFolder> folder(Shell::GetFolder(system32.c_str(), &raw));
    ShellPtr pidl(raw);
    ASSERT_NE(nullptr, folder);
    ASSERT_GE(Shell::Count(pidl.get()), 3u);

    IShellFolder* desktop = Shell::GetDesktopFolder();
    LPITEMIDLIST last = nullptr;
    ComPtr<IShellFolder> parent(Shell::GetParent(desktop, pidl.get(), &last));
    ASSERT_NE(nullptr, parent);
    EXPECT_STRCASEEQ("system32", InFolderName(parent.get(), last).c_str());

    ComPtr<IUnknown> data(
        static_cast<IUnknown*>(Shell::GetUIObjectOf(desktop, pidl.get(), IID_IDataObject)));
    EXPECT_NE(nullptr, data);

    // Special folders: the desktop is the desktop folder itself.
    LPITEMIDLIST deskRaw = nullptr;
    ComPtr<IShellFolder> desk(Shell::GetSpecialFolder(CSIDL_DESKTOP, &deskRaw));
    ShellPtr deskPidl(deskRaw);
    EXPECT_EQ(desktop, desk.get());
    EXPECT_EQ(0u, Shell::Count(deskPidl.get()));
    ComPtr<IShellFolder> win(Shell::GetSpecialFolder(CSIDL_WINDOWS));
    EXPECT_NE(nullptr, win);
}

TEST_F(ShellFolders, MissingFolderRaisesAFailure)
{
    LPITEMIDLIST out = nullptr;
    HRESULT hr = RaisedBy([&] { Shell::GetFolder("C:\\no\\such\\folder-kyvant", &out); });
    EXPECT_LT(hr, 0);
    EXPECT_EQ(nullptr, out);
    EXPECT_EQ(E_POINTER, RaisedBy([] { Shell::GetFolder(static_cast<const char*>(nullptr)); }));
}

TEST(ShellText, ConversionsRoundTripAndGrowWhenNeeded)
{
    EXPECT_EQ(L"", Shell::ToWide("", 0));
    EXPECT_EQ("", Shell::ToNarrow(L"abc", 0));
    EXPECT_EQ(L"C:\\Windows", Shell::ToWide("C:\\Windows", 10));
    EXPECT_EQ("ab", Shell::ToNarrow(L"abc", 2));
    // UTF-8 needs more bytes than characters: the exact length is asked for.
    const wchar_t wide[] = L"\u00e4\u20ac";
    std::string utf8 = Shell::ToNarrow(wide, 2, CP_UTF8);
    EXPECT_EQ("\xC3\xA4\xE2\x82\xAC", utf8);
    EXPECT_EQ(wide, Shell::ToWide(utf8.data(), static_cast<unsigned>(utf8.size()), CP_UTF8));

    unsigned long code = 0;
    try {
        Shell::ToWide("abc", 3, 12345); // no such code page
    } catch (const os_error& e) {
        code = e.code();
    }
    EXPECT_EQ(static_cast<unsigned long>(ERROR_INVALID_PARAMETER), code);
}
