#include "catalogue/connection_string.h"

#include <gtest/gtest.h>

namespace lz::catalogue {
namespace {

struct ComposeCase {
    const char* path;
    const char* user;
    const char* password;
    const char* expected;
};

class ComposeConnectionString : public ::testing::TestWithParam<ComposeCase> {};

TEST_P(ComposeConnectionString, AppendsThePiecesInOrder) {
    const ComposeCase& c = GetParam();
    EXPECT_EQ(composeConnectionString(c.path, c.user, c.password), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Pieces, ComposeConnectionString,
    ::testing::Values(
        // The deployed path: a doubled separator before the name leaves DefaultDir one.
        ComposeCase{"C:\\WINDOWS\\system32\\\\bearing.mdb", "", "kav07231964",
                    "ODBC;DBQ=C:\\WINDOWS\\system32\\\\bearing.mdb;"
                    "DefaultDir=C:\\WINDOWS\\system32\\;"
                    "Driver={Microsoft Access Driver (*.mdb)};FIL=MS Access;PWD=kav07231964;"},
        ComposeCase{"/home/user/.local/share/lz//bearing.db", "", "kav07231964",
                    "ODBC;DBQ=/home/user/.local/share/lz//bearing.db;"
                    "DefaultDir=/home/user/.local/share/lz/;"
                    "Driver={Microsoft Access Driver (*.mdb)};FIL=MS Access;PWD=kav07231964;"},
        // Mixed separators: the last one of either kind counts.
        ComposeCase{"C:\\data/sub\\bearing.mdb", "", "",
                    "ODBC;DBQ=C:\\data/sub\\bearing.mdb;DefaultDir=C:\\data/sub;"
                    "Driver={Microsoft Access Driver (*.mdb)};FIL=MS Access;"},
        ComposeCase{"bearing.mdb", "", "",
                    "ODBC;DBQ=bearing.mdb;Driver={Microsoft Access Driver (*.mdb)};"
                    "FIL=MS Access;"},
        ComposeCase{"bearing.mdb", "admin", "",
                    "ODBC;DBQ=bearing.mdb;Driver={Microsoft Access Driver (*.mdb)};"
                    "FIL=MS Access;UID=admin;"},
        ComposeCase{"bearing.mdb", "admin", "secret",
                    "ODBC;DBQ=bearing.mdb;Driver={Microsoft Access Driver (*.mdb)};"
                    "FIL=MS Access;UID=admin;PWD=secret;"}));

TEST(ConnectionStringValue, ReadsPiecesOfAComposedString) {
    const std::string composed =
        composeConnectionString("C:\\WINDOWS\\system32\\\\bearing.mdb", "", "kav07231964");
    EXPECT_EQ(connectionStringValue(composed, "DBQ"), "C:\\WINDOWS\\system32\\\\bearing.mdb");
    EXPECT_EQ(connectionStringValue(composed, "defaultdir"), "C:\\WINDOWS\\system32\\");
    EXPECT_EQ(connectionStringValue(composed, "Driver"), "Microsoft Access Driver (*.mdb)");
    EXPECT_EQ(connectionStringValue(composed, "FIL"), "MS Access");
    EXPECT_EQ(connectionStringValue(composed, "PWD"), "kav07231964");
    EXPECT_EQ(connectionStringValue(composed, "UID"), std::nullopt);
    EXPECT_EQ(connectionStringValue(composed, "ODBC"), std::nullopt);
}

TEST(ConnectionStringValue, FollowsDriverRulesForOddStrings) {
    // The first occurrence counts, so a password cannot redirect the file.
    const std::string composed = composeConnectionString("a.db", "", "x;DBQ=other.db");
    EXPECT_EQ(connectionStringValue(composed, "DBQ"), "a.db");
    EXPECT_EQ(connectionStringValue("DBQ={a;b}}c};PWD=1", "DBQ"), "a;b}c");
    EXPECT_EQ(connectionStringValue("DBQ={a;b}}c};PWD=1", "PWD"), "1");
    EXPECT_EQ(connectionStringValue(" dbq = x ;", "DBQ"), " x ");
    EXPECT_EQ(connectionStringValue("DBQ=", "DBQ"), "");
    EXPECT_EQ(connectionStringValue("", "DBQ"), std::nullopt);
}

}  // namespace
}  // namespace lz::catalogue
