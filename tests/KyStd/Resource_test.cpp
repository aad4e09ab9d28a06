#include "KyStd/Errors.h"
#include "KyStd/Resource.h"

#include <gtest/gtest.h>

#include <string>

using namespace Kyvant;

TEST(Resource, ReadsACustomResourceOfTheProgram)
{
    Win32::Resource r(GetModuleHandleA(nullptr), "KYTEST_MESSAGE", "MESSAGE_TEXT");
    EXPECT_EQ(std::string(r.GetBegin(), r.GetEnd()), "Kyvant test message");
    EXPECT_EQ(r.GetSize(), 19u);
    EXPECT_NE(r.GetHandle(), nullptr);
}

TEST(Resource, MissingResourceThrowsOsErrorAndKeepsTheOldOne)
{
    Win32::Resource r;
    r.Init(GetModuleHandleA(nullptr), "KYTEST_MESSAGE", "MESSAGE_TEXT");
    struct Row {
        const char* name;
        const char* type;
        unsigned long code;
    } rows[] = {
        {"NO_SUCH_NAME", "MESSAGE_TEXT", ERROR_RESOURCE_NAME_NOT_FOUND},
        {"KYTEST_MESSAGE", "NO_SUCH_TYPE", ERROR_RESOURCE_TYPE_NOT_FOUND},
    };
    for (const Row& row : rows) {
        try {
            r.Init(GetModuleHandleA(nullptr), row.name, row.type);
            ADD_FAILURE() << row.name << " loaded";
        } catch (const os_error& e) {
            EXPECT_EQ(e.code(), row.code) << row.name;
        }
    }
    EXPECT_EQ(std::string(r.GetBegin(), r.GetEnd()), "Kyvant test message");
}
