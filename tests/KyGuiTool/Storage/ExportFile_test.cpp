// Tests of the export file: the escapes both ways, their errors, and the
// write file that replaces the chosen file only when it is complete.
#include "KyGuiTool/Storage/ExportFile.h"

#include "KyDB/NamedDbTestEnv.h"
#include "KyStd/Core/Errors.h"
#include "common/WholeFile.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <string>

using Kyvant::ky_F;
using Kyvant::ky_S;
using Kyvant::ky_StorageMapSupport::Exporter;
using Kyvant::ky_StorageMapSupport::Importer;

namespace {

std::string Export(const std::string& text)
{
    return Exporter::ExportToText(ky_S(text.data(), static_cast<unsigned>(text.size()))).c_str();
}

std::string Import(const std::string& text)
{
    const ky_S decoded = Importer::ImportFromText(ky_S(text.c_str()));
    return std::string(decoded.data(), decoded.length());
}

// The files of a folder whose names start with the prefix.
int CountFiles(const std::string& folder, const char* prefix)
{
    WIN32_FIND_DATAA found;
    HANDLE h = ::FindFirstFileA((folder + "\\" + prefix + "*").c_str(), &found);
    if (h == INVALID_HANDLE_VALUE)
        return 0;
    int n = 0;
    do
        ++n;
    while (::FindNextFileA(h, &found));
    ::FindClose(h);
    return n;
}

} // namespace

TEST(ExportEscapes, WritesControlHighAndBackslashBytesAsEscapes)
{
    const struct {
        std::string text;
        const char* written;
    } cases[] = {
        {"a\tb", "a\\x09b"},
        {"c:\\dir", "c:\\\\dir"},
        {"caf\xE9", "caf\\xe9"},
        {"line\r\nnext", "line\\x0d\\x0anext"},
        {"\\x41", "\\\\x41"},
        {"~ plain text 0-9 ", "~ plain text 0-9 "},
        {std::string("\x01\x02\x03\x7F\x80\xFF", 6), "\\x01\\x02\\x03\x7F\\x80\\xff"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.written, Export(c.text)) << c.written;
}

TEST(ExportEscapes, EveryByteFromOneTo255RoundTripsOnOneLine)
{
    std::string all;
    for (int c = 1; c < 256; ++c)
        all += static_cast<char>(c);
    const std::string written = Export(all);
    for (unsigned char c : written)
        EXPECT_TRUE(c >= 0x20 && c < 0x80) << int(c);
    EXPECT_EQ(all, Import(written));
}

TEST(ImportEscapes, ReadsHexEscapesAndEscapedCharacters)
{
    const struct {
        const char* line;
        std::string read;
    } cases[] = {
        {"\\x41", "A"},
        {"\\X41", "X41"},
        {"\\xE9\\xe9", "\xE9\xE9"},
        {"a\\\\b", "a\\b"},
        {"\\q", "q"},
        {"\\x00", std::string(1, '\0')},
        {"no escapes", "no escapes"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.read, Import(c.line)) << c.line;
}

TEST(ImportEscapes, RefusesBrokenEscapes)
{
    const struct {
        const char* line;
        const char* error;
    } cases[] = {
        {"ab\\x4", "Truncated escape sequence"},
        {"\\x", "Truncated escape sequence"},
        {"ab\\", "Dangling escape character"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.error, NamedDbTest::ErrorOf([&] { Import(c.line); })) << c.line;
    // Two characters that are not both hexadecimal digits: the number
    // parser's invalid-argument error, also where it would take a sign or a blank.
    for (const char* line : {"\\xzz", "\\x+1", "\\x 1", "\\x-1", "\\x4g"}) {
        try {
            Import(line);
            ADD_FAILURE() << line << " was accepted";
        } catch (const Kyvant::rtl_error& e) {
            EXPECT_EQ(EINVAL, e.code()) << line;
        }
    }
}

TEST(ExportFile, WritesLinesThatReadBackWithCrLfOnDisk)
{
    NamedDbTest::ScratchFolder folder;
    const std::string path = folder.Path("out.txt");
    Exporter out(ky_F(path.c_str()));
    out.Write(ky_S("[Mask Sets]"));
    out.Write(ky_S(""));
    out.Write(ky_S(std::string(5000, 'w').c_str()));
    out.Close();
    EXPECT_EQ("[Mask Sets]\r\n\r\n" + std::string(5000, 'w') + "\r\n", kytest::ReadFile(path));

    Importer in(ky_F(path.c_str()));
    ky_S line;
    ASSERT_TRUE(in.Read(line));
    EXPECT_STREQ("[Mask Sets]", line.c_str());
    ASSERT_TRUE(in.Read(line));
    EXPECT_STREQ("", line.c_str());
    ASSERT_TRUE(in.Read(line));
    EXPECT_EQ(5000u, line.length());
    EXPECT_FALSE(in.Read(line));
}

TEST(ExportFile, ChosenFileIsReplacedOnlyByACompleteWrite)
{
    NamedDbTest::ScratchFolder folder;
    const std::string path = folder.Path("plans.txt");
    kytest::WriteFile(path, "old contents\r\n");
    {
        Exporter unfinished(ky_F(path.c_str()));
        unfinished.Write(ky_S("[Path Plans]"));
        EXPECT_EQ(1, CountFiles(folder.Path(), "kyf"));
    }
    EXPECT_EQ("old contents\r\n", kytest::ReadFile(path));
    EXPECT_EQ(0, CountFiles(folder.Path(), "kyf"));

    Exporter complete(ky_F(path.c_str()));
    complete.Write(ky_S("[Path Plans]"));
    complete.Close();
    EXPECT_EQ("[Path Plans]\r\n", kytest::ReadFile(path));
    EXPECT_EQ(0, CountFiles(folder.Path(), "kyf"));
}

TEST(ExportFile, FailuresLeaveNothingBehind)
{
    NamedDbTest::ScratchFolder folder;
    // A folder where the file should go: the final move is refused.
    const std::string taken = folder.Path("taken.txt");
    ::CreateDirectoryA(taken.c_str(), nullptr);
    Exporter out(ky_F(taken.c_str()));
    out.Write(ky_S("[Mask Sets]"));
    EXPECT_THROW(out.Close(), Kyvant::os_error);
    EXPECT_EQ(0, CountFiles(folder.Path(), "kyf"));
    EXPECT_NE(0u, ::GetFileAttributesA(taken.c_str()) & FILE_ATTRIBUTE_DIRECTORY);

    // A folder that does not exist: no temporary file can be made there.
    EXPECT_THROW(Exporter(ky_F(folder.Path("missing\\x.txt").c_str())), std::runtime_error);

    try {
        Importer missing(ky_F(folder.Path("none.txt").c_str()));
        ADD_FAILURE() << "a missing file was opened";
    } catch (const Kyvant::rtl_error& e) {
        EXPECT_EQ(ENOENT, e.code());
    }
}
