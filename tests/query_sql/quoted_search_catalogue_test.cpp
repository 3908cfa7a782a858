// Typed texts run against the shipped catalogue: whatever the user types, quotes and
// wildcards included, every composed statement is accepted, finds exactly the rows that
// LIKE (or the column's case-blind equality) selects, and leaves the catalogue file as it
// was. The expected rows come from a filter written here, over every row, not from SQL.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "catalogue/catalogue_database.h"
#include "catalogue/image/catalogue_image.h"
#include "query/sql/bearing_search_sql.h"
#include "query/sql/price_query_sql.h"
#include "tests/support/temp_dir.h"

namespace lz::query::sql {
namespace {

// ---- The store's matching rules, written out -------------------------------------------

std::u32string codePoints(std::string_view utf8) {
    std::u32string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto byte = static_cast<unsigned char>(utf8[i]);
        const int length = byte < 0x80 ? 1 : byte < 0xE0 ? 2 : byte < 0xF0 ? 3 : 4;
        char32_t point = length == 1 ? byte : byte & (0x3F >> (length - 1));
        for (int k = 1; k < length && i + k < utf8.size(); ++k) {
            point = (point << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        }
        out += point;
        i += static_cast<std::size_t>(length);
    }
    return out;
}

// Only ASCII letters fold; every other character compares as it stands.
char32_t folded(char32_t c) {
    return c >= U'A' && c <= U'Z' ? c + (U'a' - U'A') : c;
}

// LIKE without an escape character: "%" any run of characters, "_" one character, letters
// blind to ASCII case, the whole value against the whole pattern.
bool likeMatches(const std::u32string& value, const std::u32string& pattern) {
    std::size_t v = 0, p = 0;
    std::size_t starP = std::u32string::npos, starV = 0;
    while (v < value.size()) {
        if (p < pattern.size() &&
            (pattern[p] == U'_' ||
             (pattern[p] != U'%' && folded(pattern[p]) == folded(value[v])))) {
            ++v;
            ++p;
        } else if (p < pattern.size() && pattern[p] == U'%') {
            starP = p++;
            starV = v;
        } else if (starP != std::u32string::npos) {
            p = starP + 1;
            v = ++starV;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == U'%') {
        ++p;
    }
    return p == pattern.size();
}

// The columns' collation: equal length, ASCII letters blind to case, no trimming.
bool equalsBlindToCase(std::string_view value, std::string_view text) {
    return value.size() == text.size() &&
           std::equal(value.begin(), value.end(), text.begin(), [](char a, char b) {
               const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c; };
               return lower(a) == lower(b);
           });
}

// ---- The catalogue, read once ----------------------------------------------------------

// A table's rows as the access layer reads them: every column's text, NULL apart.
struct Table {
    std::vector<std::string> columns;
    std::vector<std::vector<std::optional<std::string>>> rows;

    int column(std::string_view name) const {
        return static_cast<int>(std::find(columns.begin(), columns.end(), name) - columns.begin());
    }
};

std::string rowKey(const std::vector<std::optional<std::string>>& row) {
    std::string key;
    for (const auto& cell : row) {
        key += cell ? "=" + *cell : "~";
        key += '\x1f';
    }
    return key;
}

const std::vector<std::string> kBearingColumns = {"bh",  "zhch", "newno", "oldno", "njin", "wjin",
                                                  "gdu", "ckxh", "ppai",  "btype", "tt",   "zhch1"};
const std::vector<std::string> kImportedColumns = {"ID", "ppai", "newno", "nonprice", "price"};
const std::vector<std::string> kDomesticColumns = {"id",       "oldno", "newno",
                                                   "nonprice", "price", "ppai"};

class QuotedSearchesOnTheCatalogue : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        dir_ = new test::TempDir;
        path_ = (dir_->path() / "bearing.mdb").string();
        const auto image = catalogue::catalogueImage();
        std::ofstream(path_, std::ios::binary)
            .write(reinterpret_cast<const char*>(image.data()),
                   static_cast<std::streamsize>(image.size()));
        originalBytes_ = new std::string(fileBytes());
        database_ = new catalogue::CatalogueDatabase;
        ASSERT_TRUE(database_->OpenMdbDatabase(path_));
        bearing_ = new Table{kBearingColumns, readAll("select * from bearing", kBearingColumns)};
        imported_ = new Table{kImportedColumns, readAll("select * from prjk", kImportedColumns)};
        domestic_ = new Table{kDomesticColumns, readAll("select * from prgc", kDomesticColumns)};
    }
    static void TearDownTestSuite() {
        delete database_;
        delete bearing_;
        delete imported_;
        delete domestic_;
        delete originalBytes_;
        delete dir_;
    }

    static std::string fileBytes() {
        std::ifstream file(path_, std::ios::binary);
        return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    }

    // Runs `sql` through the access layer; false when the store refuses it.
    static bool run(const std::string& sql, const std::vector<std::string>& columns,
                    std::vector<std::vector<std::optional<std::string>>>& rows) {
        const auto handle = database_->OpenTable(sql);
        if (handle == 0) {
            return false;
        }
        for (database_->MoveFirst(handle); !database_->IsEOF(handle); database_->MoveNext(handle)) {
            std::vector<std::optional<std::string>> row;
            for (const std::string& column : columns) {
                auto value = database_->ReadColByName(handle, column);
                if (std::holds_alternative<std::monostate>(value)) {
                    row.emplace_back(std::nullopt);
                } else {
                    row.emplace_back(catalogue::fieldText(std::move(value)));
                }
            }
            rows.push_back(std::move(row));
        }
        database_->CloseTable(handle);
        return true;
    }

    static std::vector<std::vector<std::optional<std::string>>> readAll(
        const std::string& sql, const std::vector<std::string>& columns) {
        std::vector<std::vector<std::optional<std::string>>> rows;
        EXPECT_TRUE(run(sql, columns, rows)) << sql;
        return rows;
    }

    // The composed statement returns exactly the rows of `table` that `keep` selects by
    // the text of `column`; NULL is never selected.
    static void expectSameRows(const SearchSql& sql, const Table& table, std::string_view column,
                               const std::function<bool(const std::string&)>& keep) {
        ASSERT_TRUE(sql.has_value());
        SCOPED_TRACE(*sql);
        std::vector<std::vector<std::optional<std::string>>> found;
        ASSERT_TRUE(run(*sql, table.columns, found)) << "the store refused the statement";
        std::vector<std::string> foundKeys, expectedKeys;
        for (const auto& row : found) {
            foundKeys.push_back(rowKey(row));
        }
        const int index = table.column(column);
        for (const auto& row : table.rows) {
            if (row[index] && keep(*row[index])) {
                expectedKeys.push_back(rowKey(row));
            }
        }
        std::sort(foundKeys.begin(), foundKeys.end());
        std::sort(expectedKeys.begin(), expectedKeys.end());
        EXPECT_EQ(foundKeys.size(), expectedKeys.size());
        EXPECT_TRUE(foundKeys == expectedKeys);
        ++statementsChecked_;
        matchingStatements_ += expectedKeys.empty() ? 0 : 1;
    }

    static inline test::TempDir* dir_ = nullptr;
    static inline std::string path_;
    static inline std::string* originalBytes_ = nullptr;
    static inline catalogue::CatalogueDatabase* database_ = nullptr;
    static inline Table* bearing_ = nullptr;
    static inline Table* imported_ = nullptr;
    static inline Table* domestic_ = nullptr;
    static inline int statementsChecked_ = 0;
    static inline int matchingStatements_ = 0;
};

// ---- The texts --------------------------------------------------------------------------

std::string pick(std::mt19937& random, const std::vector<std::string>& from) {
    return from[std::uniform_int_distribution<std::size_t>(0, from.size() - 1)(random)];
}

int between(std::mt19937& random, int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
}

// Byte offsets that start a character, so that cuts and insertions keep the text UTF-8.
std::vector<std::size_t> characterStarts(const std::string& text) {
    std::vector<std::size_t> starts;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
            starts.push_back(i);
        }
    }
    starts.push_back(text.size());
    return starts;
}

std::string insertedAtRandom(std::mt19937& random, const std::string& text,
                             const std::string& insert) {
    const auto starts = characterStarts(text);
    const std::size_t at = starts[between(random, 0, static_cast<int>(starts.size()) - 1)];
    return text.substr(0, at) + insert + text.substr(at);
}

std::string pieceOf(std::mt19937& random, const std::string& text) {
    const auto starts = characterStarts(text);
    const int characters = static_cast<int>(starts.size()) - 1;
    const int from = between(random, 0, characters - 1);
    const int to = between(random, from + 1, characters);
    return text.substr(starts[from], starts[to] - starts[from]);
}

std::vector<std::string> generatedTexts(const Table& bearing, const Table& imported,
                                        const Table& domestic) {
    std::vector<std::string> texts = {
        "'",
        "''",
        "'''",
        "O'Neil",
        "6205'",
        "'6205",
        "%",
        "_",
        "%'%",
        "_'_",
        "\\",
        "\\'",
        "\\%",
        "' or '1'='1",
        "x'); drop table bearing; --",
        "深沟'球",
        "轴承",
        "62%5",
        "6_0_",
        " ",
        "  ",
        "NACHI",
        "nachi",
        "Nachi",
        "荷泽湖西",
        "菏泽湖西",
        "25 ",
        "全部",
        "'全部'",
        "ÄÖ'ü",
        "%%",
        "__________",
        std::string(300, '\''),
        std::string(2000, 'x') + "'",
    };
    std::mt19937 random(20240611);
    const std::vector<std::string> alphabet = {"'",  "%",  "_",  "\\", " ", "6",  "2", "0",
                                               "5",  "C",  "c",  "Z",  "/", "-",  ".", "深",
                                               "沟", "轴", "承", "洛", "ä", "（", "）"};
    for (int i = 0; i < 90; ++i) {
        std::string text;
        for (int length = between(random, 1, 7); length > 0; --length) {
            text += pick(random, alphabet);
        }
        texts.push_back(text);
    }
    // Pieces of real values, so that many statements do find rows: as they stand, with a
    // quote put in, or with a character turned into a wildcard.
    const std::vector<std::pair<const Table*, std::string>> sources = {
        {&bearing, "newno"}, {&bearing, "oldno"},  {&bearing, "njin"},   {&bearing, "wjin"},
        {&bearing, "gdu"},   {&bearing, "ppai"},   {&bearing, "btype"},  {&imported, "newno"},
        {&imported, "ppai"}, {&domestic, "newno"}, {&domestic, "oldno"}, {&domestic, "ppai"}};
    while (texts.size() < 330) {
        const auto& [table, column] = sources[texts.size() % sources.size()];
        const auto& row = table->rows[between(random, 0, static_cast<int>(table->rows.size()) - 1)];
        const auto& value = row[table->column(column)];
        if (!value || value->empty()) {
            continue;
        }
        switch (between(random, 0, 3)) {
            case 0:
                texts.push_back(*value);
                break;
            case 1:
                texts.push_back(pieceOf(random, *value));
                break;
            case 2:
                texts.push_back(insertedAtRandom(random, pieceOf(random, *value), "'"));
                break;
            default:
                texts.push_back(insertedAtRandom(random, pieceOf(random, *value),
                                                 between(random, 0, 1) ? "%" : "_"));
                break;
        }
    }
    return texts;
}

TEST_F(QuotedSearchesOnTheCatalogue, EveryTypedTextFindsExactlyTheRowsHoldingIt) {
    const std::vector<std::string> texts = generatedTexts(*bearing_, *imported_, *domestic_);
    ASSERT_GE(texts.size(), 300u);

    // Each text goes through one substring search and one equality, taking turns over the
    // searches so that every column and statement shape is exercised.
    using Substring = std::function<SearchSql(const std::string&)>;
    const std::vector<std::tuple<Substring, const Table*, std::string>> substringSearches = {
        {[](const auto& t) {
             return composeSingleFieldSearch(t, SingleField::NewDesignation, true);
         },
         bearing_, "newno"},
        {[](const auto& t) {
             return composeSingleFieldSearch(t, SingleField::OldDesignation, false);
         },
         bearing_, "oldno"},
        {[](const auto& t) {
             return composeSingleFieldSearch(t, SingleField::InnerDiameter, false);
         },
         bearing_, "njin"},
        {[](const auto& t) {
             return composeSingleFieldSearch(t, SingleField::OuterDiameter, false);
         },
         bearing_, "wjin"},
        {[](const auto& t) { return composeSingleFieldSearch(t, SingleField::Width, false); },
         bearing_, "gdu"},
        {[](const auto& t) { return composeImportedPriceQuery(t, "全部"); }, imported_, "newno"},
        {[](const auto& t) {
             return composeDomesticPriceQuery(t, DomesticModelColumn::New, "全部");
         },
         domestic_, "newno"},
        {[](const auto& t) {
             return composeDomesticPriceQuery(t, DomesticModelColumn::Old, "全部");
         },
         domestic_, "oldno"},
    };
    const std::vector<std::tuple<Substring, const Table*, std::string>> equalitySearches = {
        {[](const auto& t) {
             return composeSingleFieldSearch(t, SingleField::InnerDiameter, true);
         },
         bearing_, "njin"},
        {[](const auto& t) {
             return composeDimensionSearch({"", t, "", "", ""});
         },
         bearing_, "wjin"},
        {[](const auto& t) {
             return composeCombinedSearch({"", "", t, "全部", "全部"});
         },
         bearing_, "gdu"},
        {[](const auto& t) {
             return composeBrandSearch({"", "", "", t, ""});
         },
         bearing_, "ppai"},
        {[](const auto& t) {
             return composeCombinedSearch({"", "", "", "全部", t});
         },
         bearing_, "btype"},
        {[](const auto& t) { return composeImportedPriceQuery("", t); }, imported_, "ppai"},
        {[](const auto& t) { return composeDomesticPriceQuery("", DomesticModelColumn::New, t); },
         domestic_, "ppai"},
    };

    for (std::size_t i = 0; i < texts.size(); ++i) {
        const std::string& text = texts[i];
        SCOPED_TRACE("text: [" + text.substr(0, 80) + "]");
        const std::u32string pattern = U"%" + codePoints(text) + U"%";
        const auto& [substring, table, column] = substringSearches[i % substringSearches.size()];
        expectSameRows(substring(text), *table, column, [&](const std::string& value) {
            return likeMatches(codePoints(value), pattern);
        });

        const auto& [equality, eqTable, eqColumn] = equalitySearches[i % equalitySearches.size()];
        const SearchSql sql = equality(text);
        if (!sql || *sql == "select * from bearing ") {
            // "全部" and the prompts set no condition in the combos that offer them.
            EXPECT_TRUE(text == "全部" || text == "请选择类型");
            continue;
        }
        const bool huxi = eqTable == domestic_ && (text == "菏泽湖西" || text == "荷泽湖西");
        expectSameRows(sql, *eqTable, eqColumn, [&](const std::string& value) {
            return huxi ? value == "菏泽湖西" || value == "荷泽湖西"
                        : equalsBlindToCase(value, text);
        });
    }
    EXPECT_GE(statementsChecked_, 600);
    EXPECT_GE(matchingStatements_, 80) << "too few texts found anything to prove much";

    EXPECT_EQ(database_->openRecordSetCount(), 0);
    database_->CloseDatabase();
    EXPECT_TRUE(fileBytes() == *originalBytes_) << "a statement changed the catalogue file";
}

}  // namespace
}  // namespace lz::query::sql
