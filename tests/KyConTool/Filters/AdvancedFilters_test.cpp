// The advanced filters: text forms in both directions, the Indexing Service
// forms, the error texts and what each part accepts. Local time is UTC here
// (the test program runs with TZ=UTC); cases that depend on it check first.
#include "KyConTool/Filters/AdvancedFilters.h"
#include "KyStd/Win32/TimeConv.h"

#include <gtest/gtest.h>

#include <ctime>
#include <list>
#include <stdexcept>
#include <string>

using namespace Kyvant;
using namespace Kyvant::AdvancedFiltration;

namespace {

std::string ParseError(const std::string& text)
{
    try {
        Filters f;
        f.Parse(ky_I(text.c_str()));
    } catch (const std::exception& e) {
        return e.what();
    }
    return "<no error>";
}

std::string Text(const Filters& f)
{
    std::list<ky_BSB<char>> out;
    f.StoreAsStrings(back_insert_sequencer<std::list<ky_BSB<char>>>(out));
    std::string s;
    for (const ky_BSB<char>& part : out)
        s += (s.empty() ? "" : " ") + std::string(part.c_str());
    return s;
}

Filters Parsed(const std::string& text)
{
    Filters f;
    f.Parse(ky_I(text.c_str()));
    return f;
}

bool LocalIsUtc()
{
    TIME_ZONE_INFORMATION tz;
    DWORD mode = GetTimeZoneInformation(&tz);
    _tzset();
    return tz.Bias == 0 && (mode != TIME_ZONE_ID_DAYLIGHT || tz.DaylightBias == 0) &&
           _timezone == 0 && _daylight == 0;
}

FileInfo Entry(DWORD attributes, unsigned long long size, long writeTime = 0)
{
    FileInfo fi;
    fi.dwFileAttributes = attributes;
    fi.nFileSizeLow = static_cast<DWORD>(size);
    fi.nFileSizeHigh = static_cast<DWORD>(size >> 32);
    fi.ftLastWriteTime = fi.ftCreationTime = fi.ftLastAccessTime = ConvertToFILETIME(writeTime);
    return fi;
}

// The local midnight of today, n days back, as a C time value.
long LocalMidnight(int daysBack)
{
    std::time_t now = std::time(nullptr);
    std::tm tm = *std::localtime(&now);
    tm.tm_hour = tm.tm_min = tm.tm_sec = 0;
    tm.tm_mday -= daysBack;
    tm.tm_isdst = -1;
    return static_cast<long>(std::mktime(&tm));
}

} // namespace

TEST(AdvancedFilters, TextFormsRoundTripAndServiceForms)
{
    struct Case {
        const char* in;
        const char* text;    // StoreAsStrings, parts joined by a blank
        const char* service; // GetIndexingServiceQuery
    };
    const Case cases[] = {
        {"S>=1KB", "S>=1KB", "(@size >= 1024)"},
        {"s >= 10 kb , < 2MB", "S>=10KB,<2MB", "(@size >= 10240 & < 2097152)"},
        {"S<>512", "S<>512", "(@size != 512)"},
        {"S==5", "S=5", nullptr}, // "=" then a value that starts with '=': caught below
        {"A-H", "A-&H", "(!@attrib ^s  0x2)"},
        {"Ah,-s", "A+&H,-&S", "(@attrib ^s  0x2 & !@attrib ^s  0x4)"},
        {"A=RA", "A+=AR", "(@attrib ^a  0x21)"},
        {"A~rh,-=S", "A+~HR,-=S", "(@attrib ^a  0x3)"},
        {"A+cen", "A+&CEN", "(@attrib ^s  0x6800)"},
        {"Iaword1 word2", "Iaword1 word2", "(word1 & word2)"},
        {"Ip two words", "Iptwo words", "(\"two words\")"},
        {"In a \"b c\" d", "Ina \"b c\" d", "(a | \"b c\" | d)"},
        {"I", "I", ""},
        {"TMLD0", "TMLD0", "(@write >= -2D)"},
        {"TCLI5", "TCLI5", "(@create >= -7N)"},
        {"TaLw1", "TALW1", "(@access >= -3W)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.in);
        if (!c.service) {
            EXPECT_EQ(ParseError(c.in).rfind("Expected file size in: ", 0), 0u);
            continue;
        }
        Filters f = Parsed(c.in);
        EXPECT_EQ(Text(f), c.text);
        EXPECT_EQ(std::string(f.GetIndexingServiceQuery().c_str()), c.service);
        // Printing and parsing again gives an equal filter.
        Filters again = Parsed(c.text);
        EXPECT_TRUE(again == f);
    }
}

TEST(AdvancedFilters, ErrorTexts)
{
    struct Case {
        const char* in;
        const char* error;
    };
    const Case cases[] = {
        {"", "Missing Advanced Filter code"},
        {"   ", "Missing Advanced Filter code"},
        {"X1", "Unknown Advanced Filter code: X"},
        {"S<5K", "Unexpected characters following file size in: 5K"},
        {"S<5 KBX", "Unexpected characters following file size scale factor in: 5 KBX"},
        {"S<5 TB", "Expected file size scale factor in: 5 TB"},
        {"S<KB", "Expected file size in: KB"},
        {"S>=-1", "Expected file size in: -1"},
        {"S=18446744073709551615KB", "Overflow in scaled file size"},
        {"S5", "Expected operator in: 5"},
        {"S", "Expected operator in: "},
        {"S>=1,2", "Expected operator in: >=1,2"},
        {"TX>=20200101000000", "Expected [CMA] in: X>=20200101000000"},
        {"T", "Expected [CMA] in: "},
        {"TMLQ3", "Expected [YWMDHIS] to define the in-the-last units in: MLQ3"},
        {"TMLD-1", "Expected positive number for the in-the-last value part of: MLD-1"},
        {"TM>=2020010100000",
         "Bad date/time: Expecting 14-digit number of the form yyyymmddhhmmss"},
        {"TM>=20201301000000",
         "Bad date/time: Expecting 14-digit number of the form yyyymmddhhmmss"},
        {"TM>=16000101000000",
         "Bad date/time: Expecting 14-digit number of the form yyyymmddhhmmss"},
        {"TM>=2020 101000000",
         "Bad date/time: Expecting 14-digit number of the form yyyymmddhhmmss"},
        {"A+Q", "Unknown attribute code: Q"},
        {"A+&", "Bad attribute filter: +&"},
        {"A", "Bad attribute filter: "},
        {"A+R,,-H", "Bad attribute filter: +R,,-H"},
        {"IX query", "Expected [anpq] in: X query"},
        {"Ia   ", "Expected query in: a   "},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ParseError(c.in), c.error) << c.in;
}

TEST(AdvancedFilters, SizeAndAttributeAcceptance)
{
    const DWORD file = FILE_ATTRIBUTE_ARCHIVE, dir = FILE_ATTRIBUTE_DIRECTORY;
    struct Case {
        const char* filter;
        DWORD attributes;
        unsigned long long size;
        bool accepted;
    };
    const Case cases[] = {
        {"S>=1KB", file, 1023, false},
        {"S>=1KB", file, 1024, true},
        {"S>=1KB,<2KB", file, 2048, false},
        {"S>4GB", file, 4ull << 30, false},
        {"S>4GB", file, (4ull << 30) + 1, true},
        {"S=0", dir, 99999, true}, // folders pass every size filter
        {"S<>7", file, 7, false},
        {"A-H", file | FILE_ATTRIBUTE_HIDDEN, 0, false},
        {"A-H", file, 0, true},
        {"A=RA", FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE, 0, true},
        {"A=RA", FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_TEMPORARY, 0,
         true}, // bits outside 0x6827 do not count
        {"A=RA", FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_HIDDEN, 0,
         false},
        {"A~RH", FILE_ATTRIBUTE_READONLY, 0, false},
        {"A~RH", FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN, 0, true},
        {"A&RH", FILE_ATTRIBUTE_HIDDEN, 0, true},
        {"A+R,-S", FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_SYSTEM, 0, false},
        {"A-H", dir | FILE_ATTRIBUTE_HIDDEN, 0, false}, // folders are judged by attributes
    };
    for (const Case& c : cases) {
        Filters f = Parsed(c.filter);
        EXPECT_EQ(f.Accept(Entry(c.attributes, c.size)), c.accepted)
            << c.filter << " attributes " << c.attributes << " size " << c.size;
    }
}

TEST(AdvancedFilters, InTheLastStartsAtTheUnitBoundary)
{
    struct Case {
        const char* filter;
        int kind; // 0 today, 1 week, 2 minute
    };
    const Case cases[] = {{"TMLD0", 0}, {"TALW1", 1}, {"TCLI5", 2}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.filter);
        // The start of the current day, week or minute, counted back; taken
        // again when the clock crossed a minute meanwhile.
        long start = 0;
        Filters f;
        for (int attempt = 0; attempt < 3; ++attempt) {
            std::time_t before = std::time(nullptr);
            std::tm tm = *std::localtime(&before);
            if (c.kind == 0) {
                start = LocalMidnight(0);
            } else if (c.kind == 1) {
                start = LocalMidnight(tm.tm_wday + 7);
            } else {
                tm.tm_sec = 0;
                tm.tm_min -= 5;
                tm.tm_isdst = -1;
                start = static_cast<long>(std::mktime(&tm));
            }
            f = Parsed(c.filter);
            if (std::time(nullptr) / 60 == before / 60)
                break;
        }
        ASSERT_TRUE(f.Time().IsSet(OpGreaterEqual));
        EXPECT_EQ(f.Time().GetMode(), TimeFilter::ModeInTheLast);
        EXPECT_EQ(ConvertTo_time_t(f.Time().GetFromTime().AsFILETIME()), start);
        EXPECT_TRUE(f.Accept(Entry(0, 0, start)));
        EXPECT_FALSE(f.Accept(Entry(0, 0, start - 1)));
        EXPECT_FALSE(f.Accept(Entry(FILE_ATTRIBUTE_DIRECTORY, 0, start - 1)))
            << "folders are not exempt from the time filter";
    }
}

TEST(AdvancedFilters, TimeModesAndLocalTimeText)
{
    if (!LocalIsUtc())
        GTEST_SKIP() << "needs local time = UTC (TZ=UTC)";
    struct Case {
        const char* in;
        TimeFilter::Mode mode;
        const char* text;
        const char* service;
    };
    const Case cases[] = {
        {"TM>=20240115103000,<20240201000000", TimeFilter::ModeBetween,
         "TM>=20240115103000,<20240201000000",
         "(@write >= 2024-01-15 10:30:00 & < 2024-02-01 00:00:00)"},
        {"TC>=20240115103000", TimeFilter::ModeAfter, "TC>=20240115103000",
         "(@create >= 2024-01-15 10:30:00)"},
        {"TA<20240115103000", TimeFilter::ModeBefore, "TA<20240115103000",
         "(@access < 2024-01-15 10:30:00)"},
        {"TM<>20240115103000", TimeFilter::ModeNone, "TM<>20240115103000",
         "(@write != 2024-01-15 10:30:00)"},
        {"TM>=20240115103000xyz", TimeFilter::ModeAfter, "TM>=20240115103000",
         "(@write >= 2024-01-15 10:30:00)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.in);
        Filters f = Parsed(c.in);
        EXPECT_EQ(f.Time().GetMode(), c.mode);
        EXPECT_EQ(Text(f), c.text);
        EXPECT_EQ(std::string(f.GetIndexingServiceQuery().c_str()), c.service);
    }

    // Two parts: each in parentheses, the whole in parentheses, time first.
    Filters both = Parsed("S<2MB");
    both.Parse(ky_I("TM>=20240115103000"));
    EXPECT_EQ(std::string(both.GetIndexingServiceQuery().c_str()),
              "((@write >= 2024-01-15 10:30:00) & (@size < 2097152))");
    EXPECT_EQ(Text(both), "TM>=20240115103000 S<2MB");

    // A between filter accepts [from, to).
    SYSTEMTIME from = {2024, 1, 0, 15, 10, 30, 0, 0}, to = {2024, 2, 0, 1, 0, 0, 0, 0};
    Filters between;
    between.Time().SetBetweenTime(FileTimeWrite, FileTime(from, true), FileTime(to, true));
    EXPECT_EQ(Text(between), "TM>=20240115103000,<20240201000000");
    long fromT = ConvertTo_time_t(FileTime(from, true).AsFILETIME());
    long toT = ConvertTo_time_t(FileTime(to, true).AsFILETIME());
    EXPECT_TRUE(between.Accept(Entry(0, 0, fromT)));
    EXPECT_TRUE(between.Accept(Entry(0, 0, toT - 1)));
    EXPECT_FALSE(between.Accept(Entry(0, 0, toT)));
    EXPECT_FALSE(between.Accept(Entry(0, 0, fromT - 1)));
}

TEST(AdvancedFilters, PartsAddUpAndCommandArguments)
{
    Filters f = Parsed("S>=1KB");
    f.Parse(ky_I("S<2MB"));
    f.Parse(ky_I("S>=3KB")); // the same operator replaces its value
    EXPECT_EQ(Text(f), "S>=3KB,<2MB");
    EXPECT_EQ(f.Size().GetCount(), 2u);

    f.Parse(ky_I("A-H"));
    f.Parse(ky_I("A+R"));
    f.Parse(ky_I("A-S")); // a later piece for the same rule replaces it
    f.Parse(ky_I("TMLH2"));
    f.Parse(ky_I("Iqfoo"));
    std::list<ky_BSB<char>> args;
    f.StoreAsCmdArgs(back_insert_sequencer<std::list<ky_BSB<char>>>(args));
    std::string joined;
    for (const ky_BSB<char>& a : args)
        joined += std::string(a.c_str()) + ";";
    EXPECT_EQ(joined, "@aTMLH2;@aS>=3KB,<2MB;@aA+&R,-&S;@aIqfoo;");
    EXPECT_TRUE(f.Active());

    f.Clear();
    EXPECT_FALSE(f.Active());
    EXPECT_TRUE(f == Filters());
    EXPECT_EQ(Text(f), "");

    // Setters that pages use.
    EXPECT_THROW(f.Attrib().MustRule().SetAttrib(AttribAll, 0), std::runtime_error);
    f.Time().SetInTheLastTime(FileTimeCreation, 3, InTheLastDays);
    EXPECT_EQ(Text(f), "TCLD3");
    EXPECT_TRUE(f == Parsed("TCLD3"));
}
