#include "catalogue/sql_brackets.h"

#include <gtest/gtest.h>

namespace lz::catalogue {
namespace {

TEST(ReplaceIdentifierBrackets, QuotesIdentifiersOutsideLiteralsOnly) {
    const struct {
        const char* sql;
        const char* expected;
    } cases[] = {
        {"select * from bearing", "select * from bearing"},
        {"select [ppai] from [prjk]", "select \"ppai\" from \"prjk\""},
        {"select * from prjk where newno like '%[6]%'",
         "select * from prjk where newno like '%[6]%'"},
        {"select 'it''s [x]', [a] from t", "select 'it''s [x]', \"a\" from t"},
        {"select '', [a] from t", "select '', \"a\" from t"},
        {"select [[a]] from t", "select [a] from t"},
        {"select [a]]b] from t", "select \"a]b\" from t"},
        {"select '[unclosed", "select '[unclosed"},
        {"where ppai='哈尔滨' and [newno]='6'", "where ppai='哈尔滨' and \"newno\"='6'"},
        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(replaceIdentifierBrackets(c.sql, '"'), c.expected) << c.sql;
    }
    EXPECT_EQ(replaceIdentifierBrackets("[a]", '`'), "`a`");
}

}  // namespace
}  // namespace lz::catalogue
