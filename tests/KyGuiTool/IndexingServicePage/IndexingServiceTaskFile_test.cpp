// Tests of the Indexing Service page in task files: its records before the
// filters' and loaded back after New has cleared the page, and files whose
// number records are short or out of range.
#include "IndexingServicePage/IndexingServicePageTestSupport.h"

#include "KyGuiTool/Settings/SettingsResource.h"
#include "TaskFiles/ScratchFolder.h"

#include <dlgs.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace istree;
using settingstest::Header;
using settingstest::LittleEndian;
using settingstest::Rec;
using settingstest::Record;
using Recs = std::vector<Rec>;

void Command(Host& host, UINT id)
{
    ::SendMessageA(host.dialog.m_hWnd, WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

// The next file dialog gets the path typed in and OK pressed; then the
// command that opens it.
void WithFile(Host& host, UINT command, const std::string& path)
{
    OnNextModalIdle([path](CWnd* hook) {
        HWND dialog = ::GetParent(hook->m_hWnd);
        for (int id : {cmb13, edt1}) {
            if (::GetDlgItem(dialog, id) != nullptr)
                ::SetDlgItemTextA(dialog, id, path.c_str());
        }
        ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                       reinterpret_cast<LPARAM>(::GetDlgItem(dialog, IDOK)));
    });
    Command(host, command);
}

// The records of the file-search part.
Recs PageRecords(const std::string& path)
{
    Recs records;
    for (const Rec& rec : settingstest::RecordsOf(path)) {
        if (rec.type >= 100 && rec.type < 1000)
            records.push_back(rec);
    }
    return records;
}

std::string Number(std::uint32_t value)
{
    return LittleEndian(value, 4);
}

Strings SearchShown(CWnd& page)
{
    return {Host::Text(page, IDC_KY_IS_QUERY), Host::Text(page, IDC_KY_IS_MODE),
            Host::Text(page, IDC_KY_IS_SORT), Host::Text(page, IDC_KY_IS_ORDER)};
}

class IndexingServiceTaskFile : public IndexingServiceTest {
protected:
    tasktest::ScratchFolder m_folder;
};

TEST_F(IndexingServiceTaskFile, TheRecordsComeBeforeTheFiltersNewClearsThePageAndOpenBringsThemBack)
{
    SetValue(PageKeyPath(), "Masks", "*.txt");
    SetList(PageKeyPath(), "Catalogs", {".\\System", "far\\\x01"});
    SeedSearch(PageKeyPath(), "a\nb", 2, 3, 0);
    const std::string path = m_folder["search.kytst"];
    Host host;
    Strings treeAfterNew, searchAfterNew, treeAfterOpen, searchAfterOpen;
    bool modeAfterNew = true, modeAfterOpen = false;
    host.Run([&] {
        PathPlanIndexingServiceSubDialog& page = Page(host);
        WithFile(host, ID_KY_DOC_SAVE_AS, path);
        Command(host, ID_KY_DOC_NEW);
        treeAfterNew = Shown(Tree(host));
        searchAfterNew = SearchShown(page);
        modeAfterNew = Host::Enabled(page, IDC_KY_IS_MODE);
        WithFile(host, ID_KY_DOC_OPEN, path);
        treeAfterOpen = Shown(Tree(host));
        searchAfterOpen = SearchShown(page);
        modeAfterOpen = Host::Enabled(page, IDC_KY_IS_MODE);
        host.Ok();
    });
    EXPECT_EQ((Recs{{100, kPageGuid},
                    {350, ".\\System\nfar\\\x01"},
                    {351, "a\nb"},
                    {352, Number(2)},
                    {353, Number(3)},
                    {354, Number(0)},
                    {202, "*.txt"}}),
              PageRecords(path));
    EXPECT_EQ((Strings{"My Computer 0 1", "  System 2 1", "  Web 2 1", "far 0 1", "  Docs 2 1",
                       "  Mail 2 1"}),
              treeAfterNew);
    EXPECT_EQ((Strings{"", "Normal", "Rank", "Descending"}), searchAfterNew);
    EXPECT_FALSE(modeAfterNew);
    EXPECT_EQ((Strings{"My Computer 0 3", "  System 2 2", "  Web 2 1", "far 0 2", "  Docs 2 2",
                       "  Mail 2 2"}),
              treeAfterOpen);
    EXPECT_EQ((Strings{"a\nb", "All words", "Modified", "Ascending"}), searchAfterOpen);
    EXPECT_TRUE(modeAfterOpen);
    EXPECT_EQ((Strings{"@m*.txt", "@i+", "@iaa\nb", "@isWrite[a]", "@im.", "@icSystem", "@i\\",
                       "@imfar", "@icDocs", "@i\\", "@icMail", "@i\\"}),
              Host::Args());
}

// A short number record leaves the value as it was; a number past its
// list's entries takes the default.
TEST_F(IndexingServiceTaskFile, ShortOrOutOfRangeNumbersLeaveOrResetTheValue)
{
    SetList(PageKeyPath(), "Catalogs", {".\\Web"});
    SeedSearch(PageKeyPath(), "", 1, 2, 0);
    const std::string path = m_folder["odd.kytst"];
    std::string file = Header(Kyvant::ToolDoc::FileSearchSettings);
    for (const std::string& record :
         {Record(100, kPageGuid), Record(350, "far\\Mail"), Record(351, "q"),
          Record(352, LittleEndian(3, 2)), Record(353, Number(9)), Record(354, Number(0x100)),
          Record(202, "*")})
        file += record;
    kytest::WriteFile(path, file + Record(1, ""));
    Host host;
    Strings search, shown;
    host.Run([&] {
        WithFile(host, ID_KY_DOC_OPEN, path);
        search = SearchShown(Page(host));
        shown = Shown(Tree(host));
        host.Ok();
    });
    EXPECT_EQ((Strings{"q", "Phrase", "Rank", "Descending"}), search);
    EXPECT_EQ((Strings{"My Computer 0 1", "  System 2 1", "  Web 2 1", "far 0 3", "  Docs 2 1",
                       "  Mail 2 2"}),
              shown);
    EXPECT_EQ(Strings{}, Boxes());
    EXPECT_EQ((Strings{"@m*", "@i+", "@ipq", "@isRank[d]", "@imfar", "@icMail", "@i\\"}),
              Host::Args());
}

} // namespace
