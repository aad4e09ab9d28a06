// Tests of the file records: fields fetched once from the file system or the
// console tool's details, error texts, the shell's answers shared per
// extension and per folder, and items made on several threads at once.
#include "FakeShell.h"

#include "KyGuiTool/FileRecords/FileDisplayFormat.h"
#include "KyGuiTool/FileRecords/ShFileRecItem.h"
#include "common/TempFolder.h"

#include <gtest/gtest.h>

#include <cctype>
#include <fstream>
#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <thread>
#include <vector>

using namespace FileRecordsTest;
using Kyvant::ky_F;
using Item = Kyvant::ShFileRec::Item;

namespace {

const char ErrorText[] = "*** Error ***";

class FileRecords : public ::testing::Test {
protected:
    void SetUp() override
    {
        Item::ClearStaticData();
        m_folder = kytest::NewFolder(kytest::TempFolder(), "records");
    }
    void TearDown() override
    {
        Item::ClearStaticData();
        kytest::RemoveTree(m_folder);
    }

    std::string MakeFile(const std::string& name, size_t bytes = 0)
    {
        std::ofstream(m_folder + name, std::ios::binary) << std::string(bytes, 'x');
        return m_folder + name;
    }
    std::unique_ptr<Item> ItemOf(const std::string& name,
                                 const Item::FileDetails* details = nullptr)
    {
        return std::make_unique<Item>(ky_F(m_folder.c_str()), ky_F(name.c_str()), details);
    }

    FakeShellScope m_shell;
    std::string m_folder;
};

unsigned QueriesFor(const std::string& nameEnd)
{
    unsigned n = 0;
    for (const ShellQuery& q : Fake().queries)
        n += q.path.size() >= nameEnd.size() &&
             q.path.compare(q.path.size() - nameEnd.size(), nameEnd.size(), nameEnd) == 0;
    return n;
}

} // namespace

TEST_F(FileRecords, FileFieldsComeFromTheFileOnceAndAFolderShowsNoSize)
{
    MakeFile("a.txt", 1025);
    ASSERT_TRUE(::CreateDirectoryA((m_folder + "sub").c_str(), nullptr));
    auto file = ItemOf("a.txt");
    auto folder = ItemOf("sub");
    file->PrepForDisplay_imp_1(Item::AllFields);
    folder->PrepForDisplay_imp_1(Item::FileData);

    EXPECT_STREQ("2 KB", file->GetSizeText().c_str());
    EXPECT_EQ(1025u, file->GetSize());
    EXPECT_FALSE(file->GetWriteTimeText().empty());
    EXPECT_FALSE(file->GetCreationTimeText().empty());
    EXPECT_NE(std::string(ErrorText), file->GetWriteTimeText().c_str());
    EXPECT_TRUE(folder->GetSizeText().empty());
    EXPECT_EQ('F', folder->GetAttributeText()[0]);
    EXPECT_EQ(Item::FileData | Item::CreationTimeText | Item::DetailsGiven,
              folder->GetPreparedFields());

    // Asked again, nothing is fetched: the file is gone and the texts stay.
    const std::string before = file->GetSizeText().c_str();
    ASSERT_TRUE(::DeleteFileA((m_folder + "a.txt").c_str()));
    const size_t queries = Fake().queries.size();
    file->PrepForDisplay_imp_1(Item::AllFields);
    EXPECT_EQ(before, file->GetSizeText().c_str());
    EXPECT_EQ(queries, Fake().queries.size());
}

TEST_F(FileRecords, GivenDetailsNeedNoFileAndTheCreationTimeWaitsUntilAsked)
{
    Item::FileDetails details = {};
    details.attributes = FILE_ATTRIBUTE_READONLY;
    details.size = 5000;
    details.lastWriteTime = Kyvant::ConvertToFILETIME(1000000000);
    details.creationTime = Kyvant::ConvertToFILETIME(900000000);
    auto item = ItemOf("not-there.txt", &details);
    item->PrepForDisplay_imp_1(Item::SizeText);
    EXPECT_STREQ("5 KB", item->GetSizeText().c_str());
    EXPECT_STREQ("R", item->GetAttributeText());
    EXPECT_STREQ(Kyvant::ShFileRec::FormatFileTimeForDisplay(details.lastWriteTime).c_str(),
                 item->GetWriteTimeText().c_str());
    EXPECT_TRUE(item->GetCreationTimeText().empty());
    item->PrepForDisplay_imp_1(Item::CreationTimeText);
    EXPECT_STREQ(Kyvant::ShFileRec::FormatFileTimeForDisplay(details.creationTime).c_str(),
                 item->GetCreationTimeText().c_str());
}

TEST_F(FileRecords, AMissingFileShowsTheErrorInEveryTextWithZeroValues)
{
    auto item = ItemOf("missing.txt");
    item->PrepForDisplay_imp_1(Item::FileData | Item::CreationTimeText);
    for (const char* text : {item->GetSizeText().c_str(), item->GetWriteTimeText().c_str(),
                             item->GetCreationTimeText().c_str(), item->GetAttributeText()})
        EXPECT_STREQ(ErrorText, text);
    EXPECT_EQ(0u, item->GetSize());
    EXPECT_EQ(0u, item->GetAttributes());
    EXPECT_EQ(0, Kyvant::ConvertTo_time_t(item->GetWriteTime()));
    EXPECT_EQ(0, Kyvant::ConvertTo_time_t(item->GetCreationTime()));

    // The creation time alone, asked of an item made with a zero one.
    auto later = ItemOf("missing2.txt");
    later->PrepForDisplay_imp_1(Item::CreationTimeText);
    EXPECT_STREQ(ErrorText, later->GetCreationTimeText().c_str());
    EXPECT_TRUE(later->GetSizeText().empty());
}

TEST_F(FileRecords, ShellAnswersAreSharedPerExtensionExceptForOwnIconsAndNamesWithout)
{
    Fake().typeNames = {{".txt", "Text Document"}};
    const char* names[] = {"a.txt", "b.TXT", "x.exe", "y.EXE", "readme", "data.xyz", "dot."};
    std::vector<std::unique_ptr<Item>> items;
    for (const char* name : names) {
        MakeFile(name);
        items.push_back(ItemOf(name));
        items.back()->PrepForDisplay_imp_1(Item::Icon | Item::TypeName);
    }
    ASSERT_TRUE(::CreateDirectoryA((m_folder + "sub").c_str(), nullptr));
    items.push_back(ItemOf("sub"));
    items.back()->PrepForDisplay_imp_1(Item::Icon | Item::TypeName);

    EXPECT_EQ(7u, Fake().queries.size()); // one for both ".txt" files
    EXPECT_EQ(1u, QueriesFor("a.txt"));
    EXPECT_EQ(0u, QueriesFor("b.TXT"));
    EXPECT_EQ(1u, QueriesFor("x.exe"));
    EXPECT_EQ(1u, QueriesFor("y.EXE"));
    EXPECT_EQ(items[0]->GetIcon(), items[1]->GetIcon());
    EXPECT_NE(items[2]->GetIcon(), items[3]->GetIcon());
    const char* expectedTypes[] = {"Text Document", "Text Document", "exe File", "EXE File",
                                   "File",          "xyz File",      "File",     "Folder"};
    for (size_t i = 0; i < items.size(); ++i) {
        EXPECT_STREQ(expectedTypes[i], items[i]->GetTypeName().c_str()) << i;
        EXPECT_EQ(0, items[i]->GetOverlay()) << i;
    }
    // Equal type names are kept once.
    EXPECT_EQ(&items[4]->GetTypeName(), &items[6]->GetTypeName());
    // The shell's attributes are always asked of the file itself.
    for (const ShellQuery& q : Fake().queries)
        EXPECT_FALSE((q.flags & SHGFI_ATTRIBUTES) && (q.flags & SHGFI_USEFILEATTRIBUTES)) << q.path;
}

TEST_F(FileRecords, AnExtensionSeenAsALinkMakesItsLaterFilesPerFileWithTheLinkOverlay)
{
    Fake().linkExtensions = {".lnk"};
    std::vector<std::unique_ptr<Item>> items;
    for (const char* name : {"one.lnk", "two.LNK", "three.lnk"}) {
        items.push_back(ItemOf(name));
        items.back()->PrepForDisplay_imp_1(Item::Icon | Item::TypeName);
    }
    ASSERT_EQ(3u, Fake().queries.size());
    EXPECT_TRUE(Fake().queries[0].flags & SHGFI_ATTRIBUTES);
    EXPECT_FALSE(Fake().queries[1].flags & SHGFI_ATTRIBUTES);
    EXPECT_FALSE(Fake().queries[1].flags & SHGFI_USEFILEATTRIBUTES);
    std::set<int> icons;
    for (const auto& item : items) {
        EXPECT_EQ(2, item->GetOverlay());
        icons.insert(item->GetIcon());
    }
    EXPECT_EQ(3u, icons.size());
}

TEST_F(FileRecords, TheTypeNameAloneIsSharedAndCompletedByALaterIcon)
{
    Fake().typeNames = {{".txt", "Text Document"}};
    auto first = ItemOf("a.txt");
    auto second = ItemOf("b.txt");
    auto third = ItemOf("c.txt");
    first->PrepForDisplay_imp_1(Item::TypeName);
    second->PrepForDisplay_imp_1(Item::Icon);
    third->PrepForDisplay_imp_1(Item::Icon | Item::TypeName);
    ASSERT_EQ(2u, Fake().queries.size());
    EXPECT_EQ(UINT(SHGFI_TYPENAME | SHGFI_ATTRIBUTES), Fake().queries[0].flags);
    EXPECT_EQ(UINT(SHGFI_SYSICONINDEX | SHGFI_SMALLICON | SHGFI_ATTRIBUTES),
              Fake().queries[1].flags);
    EXPECT_STREQ("Text Document", third->GetTypeName().c_str());
    EXPECT_EQ(second->GetIcon(), third->GetIcon());
    EXPECT_EQ(second->GetIcon(), first->GetIcon());
}

TEST_F(FileRecords, ShellFailuresFallBackThenShowWhatIsKnownOrTheError)
{
    // The file's own query fails: the extension's answer is asked instead.
    auto fallback = ItemOf("gone.txt");
    Fake().failures = 1;
    fallback->PrepForDisplay_imp_1(Item::Icon | Item::TypeName);
    ASSERT_EQ(2u, Fake().queries.size());
    EXPECT_EQ(UINT(SHGFI_SYSICONINDEX | SHGFI_SMALLICON | SHGFI_TYPENAME | SHGFI_USEFILEATTRIBUTES),
              Fake().queries[1].flags);
    EXPECT_NE(-1, fallback->GetIcon());

    // Both fail: no icon, a type name made from the extension, and the next
    // file of that extension asks again.
    Fake().failures = 2;
    auto failed = ItemOf("a.doc");
    failed->PrepForDisplay_imp_1(Item::Icon | Item::TypeName);
    EXPECT_EQ(-1, failed->GetIcon());
    EXPECT_STREQ("doc File", failed->GetTypeName().c_str());
    auto next = ItemOf("b.doc");
    next->PrepForDisplay_imp_1(Item::Icon);
    EXPECT_EQ(5u, Fake().queries.size());
    EXPECT_NE(-1, next->GetIcon());

    // A query that throws leaves the shared error record.
    Fake().throws = true;
    auto broken = ItemOf("c.bin");
    broken->PrepForDisplay_imp_1(Item::Icon | Item::TypeName | Item::FolderIcon);
    EXPECT_STREQ(ErrorText, broken->GetTypeName().c_str());
    EXPECT_EQ(-1, broken->GetIcon());
    EXPECT_EQ(-1, broken->GetFolderIcon());
    EXPECT_EQ(Item::Icon | Item::TypeName | Item::FolderIcon, broken->GetPreparedFields());
}

TEST_F(FileRecords, FolderIconsAreAskedOncePerFolderWithTheSharedOverlay)
{
    Fake().sharedFolders = {m_folder};
    auto a = ItemOf("a.txt");
    auto b = ItemOf("b.txt");
    a->PrepForDisplay_imp_1(Item::FolderIcon);
    b->PrepForDisplay_imp_1(Item::FolderIcon);
    ASSERT_EQ(1u, Fake().queries.size());
    EXPECT_EQ(1, a->GetFolderOverlay());
    EXPECT_EQ(a->GetFolderIcon(), b->GetFolderIcon());
    EXPECT_EQ(&a->GetFolder(), &b->GetFolder());

    // Another folder whose first query fails is asked as any folder.
    Fake().failures = 1;
    Item elsewhere(ky_F("C:\\elsewhere"), ky_F("x.txt"), nullptr);
    elsewhere.PrepForDisplay_imp_1(Item::FolderIcon);
    ASSERT_EQ(3u, Fake().queries.size());
    EXPECT_EQ(UINT(SHGFI_USEFILEATTRIBUTES | SHGFI_SYSICONINDEX | SHGFI_SMALLICON),
              Fake().queries[2].flags);
    EXPECT_EQ(0, elsewhere.GetFolderOverlay());
}

// One shared folder text per folder, whether items of a folder come one after
// the other or mixed with others, and whatever the case; a cleared cache keeps
// no text from before.
TEST_F(FileRecords, EachFolderTextIsSharedInAnyOrderAndNoneOutlivesAClear)
{
    const char* folders[] = {"C:\\one\\", "C:\\one\\", "C:\\two\\",
                             "c:\\ONE\\", "C:\\two\\", "C:\\one\\"};
    std::map<std::string, const ky_F*> shared;
    std::vector<std::unique_ptr<Item>> items;
    for (const char* folder : folders) {
        items.push_back(std::make_unique<Item>(ky_F(folder), ky_F("x.txt"), nullptr));
        std::string key(folder);
        for (char& c : key)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        const ky_F* text = &items.back()->GetFolder();
        EXPECT_EQ(shared.emplace(key, text).first->second, text) << folder;
    }
    EXPECT_EQ(2u, shared.size());
    EXPECT_STREQ("C:\\one\\", items[3]->GetFolder().c_str()); // the text first seen

    items.clear();
    Item::ClearStaticData();
    Item again(ky_F("c:\\one\\"), ky_F("x.txt"), nullptr);
    EXPECT_STREQ("c:\\one\\", again.GetFolder().c_str());
}

// Reader threads make items while the UI thread prepares them.
TEST_F(FileRecords, ItemsMadeOnFourThreadsWhilePreparedShareOneRecordPerExtension)
{
    const int threads = 4;
    const int perThread = 2500;
    const int extensions = 20;
    const int folders = 8;
    std::mutex handOver;
    std::vector<std::unique_ptr<Item>> made;
    std::vector<std::thread> readers;
    for (int t = 0; t < threads; ++t)
        readers.emplace_back([&, t] {
            Item::FileDetails details = {};
            for (int i = 0; i < perThread; ++i) {
                const int n = t * perThread + i;
                const std::string folder = "C:\\data\\f" + std::to_string(n % folders);
                const std::string name = std::to_string(n) + ".e" + std::to_string(n % extensions);
                auto item =
                    std::make_unique<Item>(ky_F(folder.c_str()), ky_F(name.c_str()), &details);
                std::lock_guard<std::mutex> lock(handOver);
                made.push_back(std::move(item));
            }
        });
    std::vector<std::unique_ptr<Item>> prepared;
    while (prepared.size() < static_cast<size_t>(threads * perThread)) {
        std::vector<std::unique_ptr<Item>> batch;
        {
            std::lock_guard<std::mutex> lock(handOver);
            batch.swap(made);
        }
        for (auto& item : batch) {
            item->PrepForDisplay_imp_1(Item::Icon | Item::TypeName | Item::FolderIcon);
            prepared.push_back(std::move(item));
        }
    }
    for (std::thread& reader : readers)
        reader.join();

    std::map<std::string, int> iconOfExtension;
    std::set<std::string> names;
    std::set<const ky_F*> folderStrings;
    for (const auto& item : prepared) {
        const std::string name = item->GetName().c_str();
        names.insert(name);
        folderStrings.insert(&item->GetFolder());
        const std::string ext = LowerExtension(name);
        const auto known = iconOfExtension.emplace(ext, item->GetIcon());
        EXPECT_EQ(known.first->second, item->GetIcon()) << name;
    }
    EXPECT_EQ(static_cast<size_t>(threads * perThread), names.size());
    EXPECT_EQ(static_cast<size_t>(extensions), iconOfExtension.size());
    EXPECT_EQ(static_cast<size_t>(folders), folderStrings.size());
    EXPECT_EQ(static_cast<size_t>(extensions + folders), Fake().queries.size());
}
