// The result list tests' fixture: a folder of files shared by the tests, the
// test view in its frame over them, and readers of what the view shows.
#pragma once

#include "TestApp.h"
#include "TestFileListView.h"

#include "KyGuiTool/FileRecords/ShFileRecItem.h"
#include "KyStd/Registry/RegKey.h"
#include "common/TempFolder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace ResultListTest {

const char StateKey[] = "Software\\Kyvant\\Tests\\ResultList";
const int RowCount = 1000;
const DWORD ComCtl581 = (5 << 16) | 81;
const DWORD ComCtl600 = 6 << 16;

using Strings = std::vector<std::string>;

// Reads a command's enabled and checked state as a menu would.
class UpdateReader : public CCmdUI {
public:
    explicit UpdateReader(UINT id)
    {
        m_nID = id;
        m_nIndexMax = 1;
    }
    void Enable(BOOL on) override
    {
        enabled = on != FALSE;
        m_bEnableChanged = TRUE;
    }
    void SetCheck(int check) override { checked = check != 0; }
    bool enabled = false;
    bool checked = false;
};

class ResultListView : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        Folder() = kytest::NewFolder(kytest::TempFolder(), "results");
        const char* extensions[] = {".txt", ".log", ".dat", ".ini"};
        Names().clear();
        for (int i = 0; i < RowCount; ++i) {
            const std::string name =
                i == 0 ? "with, comma.txt" : "file" + std::to_string(i) + extensions[i % 4];
            std::ofstream(Folder() + name, std::ios::binary) << std::string(i, 'x');
            Names().push_back(name);
        }
    }
    static void TearDownTestSuite() { kytest::RemoveTree(Folder()); }

    void SetUp() override { FreshKey(); }
    void TearDown() override { Close(); }

    void Open(DWORD comctlVersion = ComCtl581)
    {
        Close();
        m_outside.reset(new OutsideScope(comctlVersion));
        m_frame = OpenListFrame(m_key, m_view);
        ASSERT_NE(m_frame, nullptr);
        m_view->SetRows(Folder(), Names());
        PumpPending();
    }
    void Close()
    {
        if (m_frame != nullptr)
            m_frame->DestroyWindow();
        m_frame = nullptr;
        m_view = nullptr;
        m_outside.reset();
        Kyvant::ShFileRec::Item::ClearStaticData();
    }
    // Empties the saved column state.
    Kyvant::RegKey& FreshKey()
    {
        m_key = Kyvant::RegKey();
        ::RegDeleteKeyA(HKEY_CURRENT_USER, StateKey);
        m_key = Kyvant::RegKey(HKEY_CURRENT_USER, StateKey);
        return m_key;
    }

    static std::string& Folder()
    {
        static std::string folder;
        return folder;
    }
    static Strings& Names()
    {
        static Strings names;
        return names;
    }

    CListCtrl& List() { return m_view->GetListCtrl(); }
    HWND Header() { return reinterpret_cast<HWND>(List().SendMessage(LVM_GETHEADER)); }

    // Column captions in display order.
    Strings Captions()
    {
        const int count = static_cast<int>(::SendMessageA(Header(), HDM_GETITEMCOUNT, 0, 0));
        std::vector<int> order(count);
        List().SendMessage(LVM_GETCOLUMNORDERARRAY, count, reinterpret_cast<LPARAM>(order.data()));
        Strings captions;
        for (int index : order) {
            char text[64] = "";
            HDITEMA item = {};
            item.mask = HDI_TEXT;
            item.pszText = text;
            item.cchTextMax = sizeof text;
            ::SendMessageA(Header(), HDM_GETITEMA, index, reinterpret_cast<LPARAM>(&item));
            captions.push_back(text);
        }
        return captions;
    }
    // A row's text in a column, as the list gives it.
    std::string CellText(int row, int column)
    {
        char text[260] = "";
        LVITEMA item = {};
        item.iSubItem = m_view->GetColIndexX(column);
        item.pszText = text;
        item.cchTextMax = sizeof text;
        List().SendMessage(LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
        return text;
    }
    UpdateReader Update(UINT id)
    {
        UpdateReader reader(id);
        reader.DoUpdate(m_view, TRUE);
        return reader;
    }
    void Command(UINT id) { m_view->SendMessage(WM_COMMAND, id); }
    void Select(const std::vector<int>& rows, int focused)
    {
        List().SetItemState(-1, 0, LVIS_SELECTED | LVIS_FOCUSED);
        for (int row : rows)
            List().SetItemState(row, LVIS_SELECTED, LVIS_SELECTED);
        if (focused >= 0)
            List().SetItemState(focused, LVIS_FOCUSED, LVIS_FOCUSED);
    }
    std::string PathOf(int row) { return Folder() + Names()[row]; }
    // The frame's picture once its windows have painted and reached the screen.
    void Snapshot(const char* name)
    {
        m_frame->RedrawWindow(nullptr, nullptr,
                              RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        for (int i = 0; i < 5; ++i) {
            PumpPending();
            ::Sleep(20);
        }
        SaveWindowPng(m_frame->m_hWnd, name);
    }

    Kyvant::RegKey m_key;
    CFrameWnd* m_frame = nullptr;
    TestFileListView* m_view = nullptr;
    std::unique_ptr<OutsideScope> m_outside;
};

} // namespace ResultListTest
