// The OLE data source: clipboard with cached and delay-rendered data, settable formats, flushing, errors.
#include "TestApp.h"

#include <afxole.h>
#include <gtest/gtest.h>
#include <shlobj.h>

#include <cstring>
#include <string>

namespace {

const char kDropPath[] = "C:\\Results\\a.txt";
const char kDelayedText[] = "rendered late";

HGLOBAL MakeHDrop()
{
    // A file-drop block: the header, one narrow path with its end, and the list's end.
    SIZE_T nSize = sizeof(DROPFILES) + sizeof kDropPath + 1;
    HGLOBAL hGlobal = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE | GMEM_ZEROINIT, nSize);
    DROPFILES* pDrop = static_cast<DROPFILES*>(::GlobalLock(hGlobal));
    pDrop->pFiles = sizeof(DROPFILES);
    std::memcpy(reinterpret_cast<char*>(pDrop) + sizeof(DROPFILES), kDropPath, sizeof kDropPath);
    ::GlobalUnlock(hGlobal);
    return hGlobal;
}

std::string FirstDropPath(HGLOBAL hGlobal)
{
    const DROPFILES* pDrop = static_cast<const DROPFILES*>(::GlobalLock(hGlobal));
    std::string path = reinterpret_cast<const char*>(pDrop) + pDrop->pFiles;
    ::GlobalUnlock(hGlobal);
    return path;
}

std::string TextOf(HGLOBAL hGlobal)
{
    std::string text = static_cast<const char*>(::GlobalLock(hGlobal));
    ::GlobalUnlock(hGlobal);
    return text;
}

CLIPFORMAT DelayedFormat() { return static_cast<CLIPFORMAT>(::RegisterClipboardFormatA("KyMfc Delayed")); }
CLIPFORMAT PerformedFormat() { return static_cast<CLIPFORMAT>(::RegisterClipboardFormatA("Performed DropEffect")); }

enum class RenderFailure { none, layerException, oleException };

class CTestDataSource : public COleDataSource
{
public:
    explicit CTestDataSource(bool* pDeleted) : m_pDeleted(pDeleted) {}
    ~CTestDataSource() override { *m_pDeleted = true; }

    int m_nRendered = 0;
    int m_nSet = 0;
    DWORD m_dwSetEffect = 0;
    RenderFailure m_failure = RenderFailure::none;

    BOOL OnRenderGlobalData(LPFORMATETC lpFormatEtc, HGLOBAL* phGlobal) override
    {
        ++m_nRendered;
        if (m_failure == RenderFailure::layerException)
            AfxThrowMemoryException();
        if (m_failure == RenderFailure::oleException)
            AfxThrowOleException(STG_E_ACCESSDENIED);
        if (lpFormatEtc->cfFormat != DelayedFormat())
            return COleDataSource::OnRenderGlobalData(lpFormatEtc, phGlobal);
        *phGlobal = ::GlobalAlloc(GMEM_MOVEABLE, sizeof kDelayedText);
        std::memcpy(::GlobalLock(*phGlobal), kDelayedText, sizeof kDelayedText);
        ::GlobalUnlock(*phGlobal);
        return TRUE;
    }
    BOOL OnSetData(LPFORMATETC lpFormatEtc, LPSTGMEDIUM lpStgMedium, BOOL bRelease) override
    {
        if (lpFormatEtc->cfFormat != PerformedFormat())
            return FALSE;
        ++m_nSet;
        m_dwSetEffect = *static_cast<const DWORD*>(::GlobalLock(lpStgMedium->hGlobal));
        ::GlobalUnlock(lpStgMedium->hGlobal);
        if (bRelease)
            ::ReleaseStgMedium(lpStgMedium);
        return TRUE;
    }

private:
    bool* m_pDeleted;
};

HRESULT GetGlobal(IDataObject* pData, CLIPFORMAT cf, STGMEDIUM* pMedium)
{
    FORMATETC fe = { cf, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL };
    return pData->GetData(&fe, pMedium);
}

class OleDataSourceTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { ASSERT_TRUE(AfxOleInit()); }
    void TearDown() override
    {
        COleDataSource::FlushClipboard();
        ::OleSetClipboard(nullptr);
    }

    CTestDataSource* MakeSource()
    {
        CTestDataSource* pSource = new CTestDataSource(&m_bDeleted);
        pSource->CacheGlobalData(CF_HDROP, MakeHDrop());
        pSource->DelayRenderData(DelayedFormat());
        pSource->DelaySetData(PerformedFormat());
        return pSource;
    }

    bool m_bDeleted = false;
};

TEST_F(OleDataSourceTest, ClipboardServesCachedAndDelayRenderedData)
{
    CTestDataSource* pSource = MakeSource();
    pSource->SetClipboard();
    IDataObject* pClip = nullptr;
    ASSERT_EQ(::OleGetClipboard(&pClip), S_OK);
    STGMEDIUM medium = {};
    ASSERT_EQ(GetGlobal(pClip, CF_HDROP, &medium), S_OK);
    EXPECT_EQ(FirstDropPath(medium.hGlobal), kDropPath);
    ::ReleaseStgMedium(&medium);
    ASSERT_EQ(GetGlobal(pClip, DelayedFormat(), &medium), S_OK);
    EXPECT_EQ(TextOf(medium.hGlobal), kDelayedText);
    ::ReleaseStgMedium(&medium);
    EXPECT_EQ(pSource->m_nRendered, 1);
    pClip->Release();
    EXPECT_EQ(COleDataSource::GetClipboardOwner(), pSource);
    EXPECT_FALSE(m_bDeleted);
}

TEST_F(OleDataSourceTest, SetDataOfASettableFormatReachesOnSetData)
{
    CTestDataSource* pSource = MakeSource();
    IDataObject* pData = static_cast<IDataObject*>(pSource->GetInterface(IID_IDataObject));
    ASSERT_NE(pData, nullptr);
    struct Case
    {
        CLIPFORMAT cf;
        HRESULT expected;
    };
    const Case cases[] = { { PerformedFormat(), S_OK }, { CF_TEXT, DV_E_FORMATETC } };
    for (const Case& c : cases) {
        STGMEDIUM medium = {};
        medium.tymed = TYMED_HGLOBAL;
        medium.hGlobal = ::GlobalAlloc(GMEM_MOVEABLE, sizeof(DWORD));
        *static_cast<DWORD*>(::GlobalLock(medium.hGlobal)) = DROPEFFECT_MOVE;
        ::GlobalUnlock(medium.hGlobal);
        FORMATETC fe = { c.cf, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL };
        HRESULT hr = pData->SetData(&fe, &medium, TRUE);
        EXPECT_EQ(hr, c.expected) << c.cf;
        if (FAILED(hr))
            ::ReleaseStgMedium(&medium);  // refused: the caller still owns it
    }
    EXPECT_EQ(pSource->m_nSet, 1);
    EXPECT_EQ(pSource->m_dwSetEffect, static_cast<DWORD>(DROPEFFECT_MOVE));
    pSource->InternalRelease();
    EXPECT_TRUE(m_bDeleted);
}

TEST_F(OleDataSourceTest, FlushKeepsTheDataReadableAndDeletesTheSource)
{
    MakeSource()->SetClipboard();
    COleDataSource::FlushClipboard();
    EXPECT_TRUE(m_bDeleted);
    EXPECT_EQ(COleDataSource::GetClipboardOwner(), nullptr);
    IDataObject* pClip = nullptr;
    ASSERT_EQ(::OleGetClipboard(&pClip), S_OK);
    STGMEDIUM medium = {};
    ASSERT_EQ(GetGlobal(pClip, CF_HDROP, &medium), S_OK);
    EXPECT_EQ(FirstDropPath(medium.hGlobal), kDropPath);
    ::ReleaseStgMedium(&medium);
    ASSERT_EQ(GetGlobal(pClip, DelayedFormat(), &medium), S_OK);
    EXPECT_EQ(TextOf(medium.hGlobal), kDelayedText);
    ::ReleaseStgMedium(&medium);
    pClip->Release();
}

TEST_F(OleDataSourceTest, AnExceptionWhileRenderingBecomesAnErrorResult)
{
    struct Case
    {
        RenderFailure failure;
        HRESULT expected;
    };
    const Case cases[] = { { RenderFailure::layerException, E_OUTOFMEMORY },
                           { RenderFailure::oleException, STG_E_ACCESSDENIED } };
    for (const Case& c : cases) {
        CTestDataSource* pSource = MakeSource();
        pSource->m_failure = c.failure;
        IDataObject* pData = static_cast<IDataObject*>(pSource->GetInterface(IID_IDataObject));
        STGMEDIUM medium = {};
        EXPECT_EQ(GetGlobal(pData, DelayedFormat(), &medium), c.expected);
        EXPECT_EQ(medium.tymed, static_cast<DWORD>(TYMED_NULL));
        EXPECT_EQ(GetGlobal(pData, CF_HDROP, &medium), S_OK);  // the source still works
        ::ReleaseStgMedium(&medium);
        pSource->InternalRelease();
    }
}

TEST_F(OleDataSourceTest, ItsDataObjectServesTheFileDropInProcess)
{
    CTestDataSource* pSource = MakeSource();
    IDataObject* pData = static_cast<IDataObject*>(pSource->GetInterface(IID_IDataObject));
    FORMATETC fe = { CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL };
    EXPECT_EQ(pData->QueryGetData(&fe), S_OK);
    STGMEDIUM medium = {};
    ASSERT_EQ(pData->GetData(&fe, &medium), S_OK);
    char path[MAX_PATH] = "";
    EXPECT_EQ(::DragQueryFileA(static_cast<HDROP>(medium.hGlobal), 0xFFFFFFFF, nullptr, 0), 1u);
    ::DragQueryFileA(static_cast<HDROP>(medium.hGlobal), 0, path, MAX_PATH);
    EXPECT_STREQ(path, kDropPath);
    ::ReleaseStgMedium(&medium);

    IEnumFORMATETC* pEnum = nullptr;
    ASSERT_EQ(pData->EnumFormatEtc(DATADIR_GET, &pEnum), S_OK);
    FORMATETC formats[4];
    ULONG nFetched = 0;
    pEnum->Next(4, formats, &nFetched);
    pEnum->Release();
    ASSERT_EQ(nFetched, 2u);
    EXPECT_EQ(formats[0].cfFormat, CF_HDROP);
    EXPECT_EQ(formats[1].cfFormat, DelayedFormat());
    pSource->InternalRelease();
}

TEST_F(OleDataSourceTest, OleTermLeavesTheClipboardsDataBehindAndDeletesTheSource)
{
    MakeSource()->SetClipboard();
    AfxOleTerm();
    EXPECT_TRUE(m_bDeleted);
    ASSERT_TRUE(AfxOleInit());
    IDataObject* pClip = nullptr;
    ASSERT_EQ(::OleGetClipboard(&pClip), S_OK);
    STGMEDIUM medium = {};
    ASSERT_EQ(GetGlobal(pClip, CF_HDROP, &medium), S_OK);
    EXPECT_EQ(FirstDropPath(medium.hGlobal), kDropPath);
    ::ReleaseStgMedium(&medium);
    pClip->Release();
}

class CScriptedDropSource : public COleDropSource
{
public:
    int m_nAsked = 0;
    SCODE QueryContinueDrag(BOOL, DWORD) override
    {
        ++m_nAsked;
        return DRAGDROP_S_CANCEL;
    }
};

TEST_F(OleDataSourceTest, DoDragDropRunsTheScriptedDropSource)
{
    CTestDataSource* pSource = MakeSource();
    CScriptedDropSource dropSource;
    EXPECT_EQ(pSource->DoDragDrop(DROPEFFECT_COPY, nullptr, &dropSource), static_cast<DROPEFFECT>(DROPEFFECT_NONE));
    EXPECT_GE(dropSource.m_nAsked, 1);
    pSource->InternalRelease();
    EXPECT_TRUE(m_bDeleted);
}

}  // namespace
