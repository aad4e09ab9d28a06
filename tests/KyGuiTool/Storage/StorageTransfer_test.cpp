// Tests of Export and Import through the storage controls: the export dialog's
// list, the file written, the values read back, and the files that Import
// refuses (with what stays stored).
#include "KyGuiTool/Storage/ExportFile.h"

#include "StorageTestSupport.h"
#include "common/WholeFile.h"

#include <dlgs.h>

using namespace StorageTest;
using Kyvant::MaskDB;
using Kyvant::PathPlanDB;
using Kyvant::ReplacePlanDB;

namespace {

using StorageTransfer = StorageFixture;

// Types the path into the Explorer dialog around the hook window and presses
// its OK; with wait, returns only after the dialog has answered.
void ChooseFile(CWnd* hook, const std::string& path, bool wait = false)
{
    HWND dialog = ::GetParent(hook->m_hWnd);
    for (int id : {cmb13, edt1})
        if (::GetDlgItem(dialog, id) != nullptr)
            ::SetDlgItemTextA(dialog, id, path.c_str());
    const WPARAM ok = MAKEWPARAM(IDOK, BN_CLICKED);
    const LPARAM button = reinterpret_cast<LPARAM>(::GetDlgItem(dialog, IDOK));
    if (wait)
        ::SendMessageA(dialog, WM_COMMAND, ok, button);
    else
        ::PostMessageA(dialog, WM_COMMAND, ok, button);
}

void SelectRow(CWnd* hook, int row, bool select)
{
    HWND list = ::GetDlgItem(hook->m_hWnd, IDC_KY_EXPORTER_LIST);
    ::SendMessageA(list, LB_SETSEL, select, row);
    ::SendMessageA(hook->m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_KY_EXPORTER_LIST, LBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(list));
}

template <class DB>
void ImportFile(Host<DB>& host, const std::string& path)
{
    OnNextModalIdle([path](CWnd* hook) { ChooseFile(hook, path); });
    MenuCommand(host, ID_KY_STORAGE_IMPORT);
}

std::string MaskValue(const char* name)
{
    const auto it = MaskDB::Instance().find(ky_I(name));
    return it == MaskDB::Instance().end() ? "<none>" : std::string(it->second.c_str());
}

// Stores items through the database, exports the chosen ones, empties the
// database and imports the file: the items read back equal the ones stored.
template <class DB>
void ExpectRoundTrip(const char* noun, const char* header, const Strings& names,
                     const std::vector<ky_S>& contents)
{
    NamedDbTest::ScratchFolder folder;
    const std::string path = folder.Path("exported.txt");
    DB& db = DB::Instance();
    for (size_t i = 0; i < names.size(); ++i)
        db.Insert(ky_I(names[i].c_str()), EditItem<DB>::From(contents[i]));
    std::vector<typename DB::mapped_type> before;
    for (auto it = db.begin(); it != db.end(); ++it)
        before.push_back(it->second);
    {
        Host<DB> host(db, noun, header);
        OnNextModalIdle([&](CWnd* hook) {
            ::SendMessageA(hook->m_hWnd, WM_COMMAND, IDC_KY_EXPORTER_ALL, 0);
            ChooseFile(hook, path);
        });
        MenuCommand(host, ID_KY_STORAGE_EXPORT);
    }
    // Every byte outside printable ASCII is escaped: one line per name and contents.
    const std::string written = kytest::ReadFile(path);
    for (unsigned char c : written)
        EXPECT_TRUE(c == '\r' || c == '\n' || (c >= 0x20 && c < 0x80)) << int(c);
    EXPECT_EQ(0u, written.find(std::string(header) + "\r\n"));
    while (!db.empty())
        db.Erase(db.begin()->first, true);
    DB::Reset();
    DB& fresh = DB::Instance();
    Host<DB> host(fresh, noun, header);
    ImportFile(host, path);
    EXPECT_EQ(names, DbNames(fresh));
    size_t i = 0;
    for (auto it = fresh.begin(); it != fresh.end() && i < before.size(); ++it, ++i)
        EXPECT_TRUE(before[i] == it->second) << it->first.c_str();
    host.ExpectEntriesMatchDb();
    EXPECT_EQ(names.front(), host.ComboText()); // the first imported item is shown
}

} // namespace

TEST_F(StorageTransfer, ExportWritesTheChosenItemsAsEscapedLines)
{
    NamedDbTest::ScratchFolder folder;
    const std::string path = folder.Path("masks.txt");
    EmptyMasks();
    MaskDB& db = MaskDB::Instance();
    db.Insert(ky_I("Alpha"), MaskDB::mapped_type("*.a\r\n*.b"));
    db.Insert(ky_I("Beta"), MaskDB::mapped_type("c:\\x\\*.c"));
    db.Insert(ky_I("Gamma"), MaskDB::mapped_type("*.g"));
    Host<MaskDB> host(db, "Mask Set", "[Mask Sets]");
    ChooseEntry(host, 0);
    Strings entries;
    std::vector<std::string> labels;
    BoxAnswers boxes;
    OnNextModalIdle([&](CWnd* hook) {
        entries = ListEntries(::GetDlgItem(hook->m_hWnd, IDC_KY_EXPORTER_LIST));
        labels.push_back(ItemText(*hook, IDC_KY_EXPORTER_LABEL));
        SelectRow(hook, 1, true);
        labels.push_back(ItemText(*hook, IDC_KY_EXPORTER_LABEL));
        Snapshot(::GetParent(hook->m_hWnd), "storage-export");
        ::SendMessageA(hook->m_hWnd, WM_COMMAND, IDC_KY_EXPORTER_NONE, 0);
        labels.push_back(ItemText(*hook, IDC_KY_EXPORTER_LABEL));
        ChooseFile(hook, path, true); // refused: nothing chosen
        SelectRow(hook, 1, true);
        SelectRow(hook, 0, true);
        ChooseFile(hook, path);
    });
    MenuCommand(host, ID_KY_STORAGE_EXPORT);
    EXPECT_EQ(Strings({"Alpha", "Beta", "Gamma"}), entries);
    EXPECT_EQ(Strings({"Mask Sets (1 / 3):", "Mask Sets (2 / 3):", "Mask Sets:"}), labels);
    EXPECT_EQ(Strings({"The selection is empty."}), boxes.Texts());
    EXPECT_EQ("[Mask Sets]\r\nAlpha\r\n*.a\\x0d\\x0a*.b\r\nBeta\r\nc:\\\\x\\\\*.c\r\n",
              kytest::ReadFile(path));
    EXPECT_EQ(Kyvant::ky_F(folder.Path().c_str()),
              Kyvant::ky_F(NamedDbTest::SharedValue("ImportExportLastDir").c_str()));
}

TEST_F(StorageTransfer, ExportedItemsImportEqualInEveryDatabase)
{
    EmptyMasks();
    ExpectRoundTrip<MaskDB>("Mask Set", "[Mask Sets]", {"Lines", "Plain"},
                            {ky_S("*.a\r\n*.b"), ky_S("caf\xE9, \\*")});
    ExpectRoundTrip<PathPlanDB>("Path Plan", "[Path Plans]", {"Src", "Two"},
                                {ky_S("C:\\src"), ky_S("D:\\a\r\nE:\\b")});
    ExpectRoundTrip<ReplacePlanDB>("Replace Plan", "[Replace Plans]", {"Perl"},
                                   {ky_S("s/\\t/ /g;\r\nprint;")});
}

TEST_F(StorageTransfer, ImportRefusesWhatIsNotAnExportFileAndKeepsWhatCameBefore)
{
    NamedDbTest::ScratchFolder folder;
    const std::string path = folder.Path("in.txt");
    EmptyMasks();
    MaskDB& db = MaskDB::Instance();
    db.Insert(ky_I("Kept"), MaskDB::mapped_type("*.k"));
    db.Insert(ky_I("Zed"), MaskDB::mapped_type("*.z"));
    Host<MaskDB> host(db, "Mask Set", "[Mask Sets]");
    const struct {
        const char* file;
        const char* error; // "" for none
        Strings names;     // stored afterwards
        const char* keptValue;
        const char* shown; // the combo's text afterwards
    } cases[] = {
        {"", "This file does not appear to be a valid import file", {"Kept", "Zed"}, "*.k", ""},
        {"[Path Plans]\r\nA\r\n*.a\r\n",
         "This file does not appear to be a valid import file",
         {"Kept", "Zed"},
         "*.k",
         ""},
        {"[mask sets]\r\nNew\r\n*.n\r\nKept\r\n*.k2\r\n",
         "",
         {"Kept", "New", "Zed"},
         "*.k2",
         "New"},
        {"[Mask Sets]\r\nOdd\r\n*.o\r\nLonely\r\n",
         "Bad import record",
         {"Kept", "New", "Odd", "Zed"},
         "*.k2",
         "New"},
        {"[Mask Sets]\r\nOdd\r\n*.o\r\n\r\n",
         "Bad import record",
         {"Kept", "New", "Odd", "Zed"},
         "*.k2",
         "New"},
        {"[Mask Sets]\r\nKept\r\nbad\\x00value\r\n",
         "The item \"Kept\" cannot be stored: it contains a NUL character",
         {"Kept", "New", "Odd", "Zed"},
         "*.k2",
         "New"},
        {"[Mask Sets]\r\nTail\r\n*.t\\x4\r\n",
         "Truncated escape sequence",
         {"Kept", "New", "Odd", "Zed"},
         "*.k2",
         "New"},
        {"[Mask Sets]\r\nbad,name\r\n*.b\r\n",
         "The , and ; characters are not allowed in Mask Set names",
         {"Kept", "New", "Odd", "Zed"},
         "*.k2",
         "New"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        kytest::WriteFile(path, c.file);
        BoxAnswers boxes;
        ImportFile(host, path);
        EXPECT_EQ(*c.error ? Strings({c.error}) : Strings(), boxes.Texts());
        EXPECT_EQ(c.names, DbNames(db));
        EXPECT_EQ(c.keptValue, MaskValue("Kept"));
        EXPECT_EQ(c.shown, host.ComboText());
        host.ExpectEntriesMatchDb();
    }
    // What was imported is on disk, not only in memory.
    MaskDB::Reset();
    EXPECT_EQ(Strings({"Kept", "New", "Odd", "Zed"}), DbNames(MaskDB::Instance()));
    EXPECT_EQ("*.k2", MaskValue("Kept"));
}

// An export file holds no raw control byte but its line ends: a NUL, a
// Ctrl-Z or a tab inside a line means a damaged file, refused with the line
// it is on before anything is imported. A Ctrl-Z as the file's last byte is
// only the end mark of old editors.
TEST_F(StorageTransfer, ImportRefusesADamagedFileWhole)
{
    using namespace std::string_literals;
    NamedDbTest::ScratchFolder folder;
    const std::string path = folder.Path("in.txt");
    EmptyMasks();
    MaskDB& db = MaskDB::Instance();
    db.Insert(ky_I("Kept"), MaskDB::mapped_type("*.k"));
    Host<MaskDB> host(db, "Mask Set", "[Mask Sets]");
    const char kInvalid[] = "This file does not appear to be a valid import file";
    const struct {
        const char* name;
        std::string file;
        std::string error; // "" for none
        Strings names;     // stored afterwards
    } cases[] = {
        {"NUL in a later name",
         "[Mask Sets]\r\nGood\r\n*.g\r\nNu\0l\r\n*.n\r\n"s,
         kInvalid + " (line 4)"s,
         {"Kept"}},
        {"NUL in the header",
         "[Mask\0 Sets]\r\nGood\r\n*.g\r\n"s,
         kInvalid + " (line 1)"s,
         {"Kept"}},
        {"Ctrl-Z inside the file",
         "[Mask Sets]\r\nGood\r\n*.g\x1a\r\nMore\r\n*.m\r\n"s,
         kInvalid + " (line 3)"s,
         {"Kept"}},
        {"raw tab",
         "[Mask Sets]\r\nGood\r\n*.g\r\nTab\r\n*.a\t*.b\r\n"s,
         kInvalid + " (line 5)"s,
         {"Kept"}},
        {"lone CR", "[Mask Sets]\r\nGood\r\n*.g\r*.h\r\n"s, kInvalid + " (line 3)"s, {"Kept"}},
        {"end mark after the last line",
         "[Mask Sets]\r\nGood\r\n*.g\r\n\x1a"s,
         "",
         {"Good", "Kept"}},
        {"line ends without CR", "[Mask Sets]\nUnix\n*.u\n"s, "", {"Good", "Kept", "Unix"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        kytest::WriteFile(path, c.file);
        BoxAnswers boxes;
        ImportFile(host, path);
        EXPECT_EQ(c.error.empty() ? Strings() : Strings({c.error}), boxes.Texts());
        EXPECT_EQ(c.names, DbNames(db));
        host.ExpectEntriesMatchDb();
    }
}

// The name is checked before the contents are made into an item: a badly
// named, damaged replace plan is refused for its name.
TEST_F(StorageTransfer, ImportChecksTheNameBeforeTheContents)
{
    NamedDbTest::ScratchFolder folder;
    const std::string path = folder.Path("plans.txt");
    kytest::WriteFile(path, "[Replace Plans]\r\n   \r\nno plan at all\r\n");
    ReplacePlanDB& db = ReplacePlanDB::Instance();
    const Strings before = DbNames(db);
    Host<ReplacePlanDB> host(db, "Replace Plan", "[Replace Plans]");
    BoxAnswers boxes;
    ImportFile(host, path);
    EXPECT_EQ(Strings({"The name must contain at least one character that is not a space"}),
              boxes.Texts());
    EXPECT_EQ(before, DbNames(db));
}
