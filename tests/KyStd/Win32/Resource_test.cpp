// Tests of resource access: a custom resource read, and kept when another is missing.
#include "KyStd/Core/Errors.h"
#include "KyStd/Win32/Resource.h"

#include <gtest/gtest.h>

#include <string>

using namespace Kyvant;

TEST(Resource, ReadsACustomResourceAndKeepsItWhenAnotherIsMissing)
{
    HINSTANCE self = GetModuleHandleA(nullptr);
    Win32::Resource r(self, "KYTEST_MESSAGE", "MESSAGE_TEXT");
    EXPECT_EQ(std::string(r.GetBegin(), r.GetEnd()), "Kyvant test message");
    struct Row {
        const char *name, *type;
        unsigned long code;
    } rows[] = {{"NO_SUCH_NAME", "MESSAGE_TEXT", ERROR_RESOURCE_NAME_NOT_FOUND},
                {"KYTEST_MESSAGE", "NO_SUCH_TYPE", ERROR_RESOURCE_TYPE_NOT_FOUND}};
    for (const Row& row : rows) {
        try {
            r.Init(self, row.name, row.type);
            ADD_FAILURE() << row.name << " loaded";
        } catch (const os_error& e) {
            EXPECT_EQ(e.code(), row.code) << row.name;
        }
    }
    EXPECT_EQ(std::string(r.GetBegin(), r.GetEnd()), "Kyvant test message");
}
