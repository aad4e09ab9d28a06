// The listing fed from a record stream: names without details are checked
// against the file system, details give size, attributes, times and the
// rank, and clearing empties the listing.
#include "Model/RecordStream.h"

#include "DirGTestApp.h"

#include "KyDir/Gui/Finder/Finder.h"
#include "KyDir/Gui/Model/DirModel.h"
#include "common/TempFolder.h"
#include "common/WholeFile.h"

#include <gtest/gtest.h>

using namespace dirgtest;
using Kyvant::DirResults::RecordReader;

TEST(DirModel, NamesBecomeItemsWithTheirDetails)
{
    const std::string root = kytest::NewFolder(kytest::ScratchBase(), "kydirg_model_");
    kytest::WriteFile(root + "here.txt", "12345");
    const FileDetails ranked = MakeDetails(812, 0x123456789ull, FILE_ATTRIBUTE_READONLY);
    const std::string stream = FolderRecord(root) + DetailsRecord(ranked) + NameRecord("gone.txt") +
                               NameRecord("here.txt") + NameRecord("vanished.txt") +
                               FolderRecord("C:\\nowhere\\") + NameRecord("x");
    Finder finder;
    Finder::Model& model = finder.GetModel();
    CutSource source(stream, {});
    RecordReader reader;
    EXPECT_EQ(1, reader.Run(source, model));

    ASSERT_EQ(2u, model.GetItemCount()) << "the names without details whose files are gone dropped";
    const Finder::Model::Item& first = *model.GetItem(0);
    EXPECT_STREQ("gone.txt", first.GetName().c_str()) << "a name with details is taken as it is";
    EXPECT_EQ(812u, first.GetRank());
    EXPECT_EQ(0x123456789ull, first.GetSize());
    EXPECT_EQ(static_cast<DWORD>(FILE_ATTRIBUTE_READONLY), first.GetAttributes());
    EXPECT_EQ(ranked.lastWriteTime.dwLowDateTime, first.GetWriteTime().dwLowDateTime);

    const Finder::Model::Item& second = *model.GetItem(1);
    EXPECT_EQ(Kyvant::ky_F((root + "here.txt").c_str()), second.GetFullFileName());
    EXPECT_EQ(0u, second.GetRank());
    second.PrepForDisplay_imp_1(Kyvant::ShFileRec::Item::FileData);
    EXPECT_EQ(5u, second.GetSize()) << "looked up when shown";

    EXPECT_EQ(nullptr, model.GetItem(2));
    EXPECT_EQ(nullptr, model.GetItem(-1));
    finder.Discard();
    EXPECT_EQ(0u, model.GetItemCount());
    kytest::RemoveTree(root);
}
