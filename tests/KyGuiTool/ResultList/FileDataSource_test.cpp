// Tests of the result views' data source: a derived source's file list read
// back through the clipboard, the one report of failed renderings, the drop
// feedback formats and copying global memory.
#include "TestApp.h"

#include "KyGui/Exceptions/MfcStdException.h"
#include "KyGuiTool/Module/KyGuiToolModule.h"
#include "KyGuiTool/ResultList/FileDataSource.h"
#include "KyGuiTool/ResultList/ResultListResource.h"
#include "KyStd/Strings/String.h"

#include <gtest/gtest.h>

#include <shlobj.h>

#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

using Kyvant::FileDataSource;

namespace {

const UINT TextMessage = WM_APP + 0xFA;

// Renders its files as CF_HDROP, or fails as told.
class FilesSource : public FileDataSource {
public:
    enum Failure { None, WithMessage, WithoutMessage };

    FilesSource(const std::vector<std::string>& files, bool feedback, Failure failure = None)
        : FileDataSource(false, false, feedback), m_files(files), m_failure(failure)
    {
        DelayRenderData(CF_HDROP);
    }
    BOOL OnRenderHDrop(LPFORMATETC, HGLOBAL* phGlobal) override { return RenderHDrop(phGlobal); }
    BOOL RenderHDrop(HGLOBAL* phGlobal) override
    {
        if (m_failure == WithMessage)
            throw Kyvant::MfcStdException::Create(std::runtime_error("The disk is gone."));
        if (m_failure == WithoutMessage)
            throw new CException();
        std::string names;
        for (const std::string& file : m_files)
            names += file + '\0';
        names += '\0';
        *phGlobal = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + names.size());
        char* block = static_cast<char*>(::GlobalLock(*phGlobal));
        reinterpret_cast<DROPFILES*>(block)->pFiles = sizeof(DROPFILES);
        std::memcpy(block + sizeof(DROPFILES), names.data(), names.size());
        ::GlobalUnlock(*phGlobal);
        return TRUE;
    }
    BOOL OnRenderShellIdList(LPFORMATETC, HGLOBAL*) override { return FALSE; }
    BOOL RenderShellIdList(HGLOBAL*) override { return FALSE; }
    BOOL OnSetData(LPFORMATETC, LPSTGMEDIUM, BOOL) override
    {
        ++m_setData;
        return TRUE;
    }
    int m_setData = 0;

private:
    std::vector<std::string> m_files;
    Failure m_failure;
};

HRESULT GetHDrop(FileDataSource& source, STGMEDIUM& medium)
{
    FORMATETC format = {CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    return source.GetIDataObject()->GetData(&format, &medium);
}

HGLOBAL Block(const char* text, SIZE_T size)
{
    HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
    std::memcpy(::GlobalLock(block), text, std::strlen(text) + 1);
    ::GlobalUnlock(block);
    return block;
}

std::string Text(HGLOBAL block)
{
    const std::string text = static_cast<const char*>(::GlobalLock(block));
    ::GlobalUnlock(block);
    return text;
}

class DataSource : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_TRUE(AfxOleInit()); }
    void SetUp() override
    {
        m_main = CreateMainWindow("Main");
        theApp.m_pMainWnd = m_main;
    }
    void TearDown() override
    {
        COleDataSource::FlushClipboard();
        ::OleSetClipboard(nullptr);
        theApp.m_pMainWnd = nullptr;
        m_main->DestroyWindow();
    }
    // The texts posted to the main window, freed as the receiver would.
    std::vector<std::string> TextsPosted()
    {
        std::vector<std::string> texts;
        MSG message;
        while (::PeekMessageA(&message, m_main->m_hWnd, TextMessage, TextMessage, PM_REMOVE)) {
            auto* text = reinterpret_cast<Kyvant::ky_S*>(message.wParam);
            texts.push_back(text->c_str());
            delete text;
        }
        return texts;
    }

    CWnd* m_main = nullptr;
};

} // namespace

TEST_F(DataSource, ADerivedSourcesFilesAreReadBackThroughTheClipboard)
{
    const std::vector<std::string> files = {"C:\\data\\one.txt", "C:\\data\\with, comma.log"};
    (new FilesSource(files, false))->SetClipboard();
    ASSERT_TRUE(::OpenClipboard(nullptr));
    HDROP drop = static_cast<HDROP>(::GetClipboardData(CF_HDROP));
    ASSERT_NE(nullptr, drop);
    std::vector<std::string> read;
    const UINT count = ::DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        char path[MAX_PATH] = "";
        ::DragQueryFileA(drop, i, path, MAX_PATH);
        read.push_back(path);
    }
    ::CloseClipboard();
    EXPECT_EQ(files, read);
    EXPECT_TRUE(TextsPosted().empty());
}

TEST_F(DataSource, FailedRenderingsAreReportedOncePerSourceWithTheirMessage)
{
    const Kyvant::ky_S lead =
        Kyvant::ky_S().LoadStringA(Kyvant::KyGuiToolModule(), IDS_KY_CLIPBOARD_ERROR);
    const struct {
        FilesSource::Failure failure;
        std::string shown;
    } cases[] = {
        {FilesSource::WithMessage, "The disk is gone."},
        {FilesSource::WithoutMessage, "Unknown OLE error"},
    };
    for (const auto& c : cases) {
        FilesSource* source = new FilesSource({"C:\\x.txt"}, false, c.failure);
        for (int attempt = 0; attempt < 3; ++attempt) {
            STGMEDIUM medium = {};
            EXPECT_TRUE(FAILED(GetHDrop(*source, medium)));
        }
        EXPECT_EQ(std::vector<std::string>({lead.c_str() + c.shown}), TextsPosted());
        source->InternalRelease();
    }
    EXPECT_EQ(0, lead.find("The following error occurred while using the Clipboard"));
}

TEST_F(DataSource, DropTargetsMayWriteFeedbackOnlyWhereItIsOffered)
{
    for (bool offered : {false, true}) {
        FilesSource* source = new FilesSource({"C:\\x.txt"}, offered);
        FORMATETC format = {FileDataSource::GetCfPerformedDropEffect(), nullptr, DVASPECT_CONTENT,
                            -1, TYMED_HGLOBAL};
        STGMEDIUM medium = {};
        medium.tymed = TYMED_HGLOBAL;
        medium.hGlobal = Block("\x02", sizeof(DWORD));
        const HRESULT hr = source->GetIDataObject()->SetData(&format, &medium, FALSE);
        EXPECT_EQ(offered, SUCCEEDED(hr));
        EXPECT_EQ(offered ? 1 : 0, source->m_setData);
        ::GlobalFree(medium.hGlobal);
        source->InternalRelease();
    }
    EXPECT_EQ(::RegisterClipboardFormatA("Shell IDList Array"), FileDataSource::GetCfShellIdList());
    EXPECT_EQ(::RegisterClipboardFormatA("Preferred DropEffect"),
              FileDataSource::GetCfPreferredDropEffect());
}

TEST_F(DataSource, GlobalMemoryIsCopiedWholeOnlyIntoABlockLargeEnough)
{
    HGLOBAL source = Block("twelve bytes", 13);
    HGLOBAL small = Block("", 4);
    HGLOBAL large = Block("", 64);
    EXPECT_EQ(nullptr, FileDataSource::CopyGlobalMemory(small, source));
    EXPECT_EQ(large, FileDataSource::CopyGlobalMemory(large, source));
    EXPECT_EQ("twelve bytes", Text(large));
    HGLOBAL made = FileDataSource::CopyGlobalMemory(nullptr, source);
    ASSERT_NE(nullptr, made);
    EXPECT_EQ(::GlobalSize(source), ::GlobalSize(made));
    EXPECT_EQ("twelve bytes", Text(made));
    EXPECT_EQ(nullptr, FileDataSource::CopyGlobalMemory(large, nullptr));
    for (HGLOBAL block : {source, small, large, made})
        ::GlobalFree(block);
}
