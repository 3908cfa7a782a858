// `lookup --stock`: the shop's quantity and price beside every row, read from the shop file
// in the data directory without writing to it; without shop data the columns stay empty
// and the lookup answers as ever.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "cli/query_tool.h"
#include "shop/store/shop_file.h"
#include "tests/cli/small_catalogue_image.h"
#include "tests/cli/text_readers.h"
#include "tests/support/temp_dir.h"

namespace lz::query_cli {
namespace {

namespace fs = std::filesystem;

struct Answer {
    int status;
    std::string out, err;
};

shop::StockLine line(std::optional<std::int64_t> bh, const char* newno,
                     std::optional<std::int64_t> quantity, std::optional<std::int64_t> priceFen,
                     shop::MatchState state = shop::MatchState::Matched) {
    shop::StockLine stockLine;
    stockLine.sourceLine = 2;
    stockLine.designation = newno;
    stockLine.match = state;
    stockLine.bh = bh;
    stockLine.newno = newno;
    stockLine.quantity = quantity;
    stockLine.priceFen = priceFen;
    return stockLine;
}

std::string bytesOf(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string> entriesOf(const fs::path& root) {
    std::vector<std::string> entries;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        entries.push_back(fs::relative(entry.path(), root).string());
    }
    std::sort(entries.begin(), entries.end());
    return entries;
}

class LookupStock : public ::testing::Test {
protected:
    // The small catalogue: 1 NSK, 2 NTN and 3 SKF 6205-2RS, 4 SKF 6205-2RZ.
    Answer run(std::vector<std::string_view> arguments, const std::string& dataDirectory) {
        std::ostringstream out, err;
        const int status = runQueryTool(arguments, image_, dataDirectory, out, err);
        return {status, out.str(), err.str()};
    }
    std::string dataDirectory() const { return (dir_.path() / "lingzhou").string(); }
    fs::path shopPath() const { return dir_.path() / "lingzhou" / "shop.sqlite"; }

    // The shop's stock: NSK's row on two shelves, SKF's 6205-2RZ sold out, any brand's
    // 6205-2RS (for the rows without a line of their own) and a line still to confirm.
    void writeShopFile() {
        fs::create_directories(dir_.path() / "lingzhou");
        auto opening = shop::ShopFile::open(shopPath());
        ASSERT_TRUE(opening.file) << opening.message;
        const std::vector<shop::StockLine> lines = {
            line(1, "6205-2RS", 10, 3250),
            line(1, "6205-2RS", 2, 3500),
            line(4, "6205-2RZ", 0, 4000),
            line({}, "6205-2RS", 7, 1505),
            line({}, "6205-2RS", 99, 100, shop::MatchState::Pending),
        };
        ASSERT_TRUE(opening.file->importLines(lines, "库存.xlsx").ok);
    }

    // "ID|本店库存|本店价" of every row of a CSV answer, and its heading row.
    static std::vector<std::string> shelfColumns(const Answer& answer) {
        std::vector<std::string> rows;
        const auto records = test::readCsv(answer.out.substr(answer.out.find("ID")));
        EXPECT_TRUE(records) << answer.out;
        for (const auto& record : records.value_or(std::vector<std::vector<std::string>>{})) {
            if (record.size() < 3) {
                ADD_FAILURE() << "short record";
                continue;
            }
            rows.push_back(record.front() + "|" + record[record.size() - 2] + "|" + record.back());
        }
        return rows;
    }

    lz::test::TempDir dir_;
    std::vector<std::byte> image_ = test::smallCatalogueImage();
};

TEST_F(LookupStock, AddsTheShopsQuantityAndPriceBesideEveryRow) {
    writeShopFile();
    const std::string before = bytesOf(shopPath());
    const std::vector<std::string> entriesBefore = entriesOf(dir_.path());
    const struct {
        const char* what;
        std::vector<std::string_view> arguments;
        std::vector<std::string> expected;
    } cases[] = {
        {"NTN's writing: the same bearing first, the 6205-2RZ last",
         {"lookup", "6205LLU", "--stock", "--format", "csv"},
         {"ID|本店库存|本店价", "2|7|15.05", "1|12|32.50–35.00", "3|7|15.05", "4|0|40.00"}},
        {"--stock before the text",
         {"lookup", "--stock", "6205-2RZ", "--format", "csv"},
         {"ID|本店库存|本店价", "4|0|40.00", "1|12|32.50–35.00", "2|7|15.05", "3|7|15.05"}},
    };
    for (const auto& each : cases) {
        const Answer answer = run(each.arguments, dataDirectory());
        EXPECT_EQ(answer.status, 0) << each.what;
        EXPECT_EQ(answer.err, "") << each.what;
        EXPECT_EQ(shelfColumns(answer), each.expected) << each.what;
    }

    // As a table: the two columns after 差异, aligned as the others.
    const Answer table = run({"lookup", "6205DDU", "--stock"}, dataDirectory());
    ASSERT_EQ(table.status, 0);
    const std::string heading = table.out.substr(0, table.out.find('\n'));
    EXPECT_TRUE(heading.ends_with("  本店库存  本店价")) << heading;
    EXPECT_LT(heading.find("  差异  "), heading.find("本店库存")) << heading;
    EXPECT_NE(table.out.find("  12        32.50–35.00\n"), std::string::npos) << table.out;

    // Without --stock, no shop columns.
    const Answer plain = run({"lookup", "6205-2RZ", "--format", "csv"}, dataDirectory());
    EXPECT_EQ(plain.out.substr(0, plain.out.find("\r\n")),
              "\xEF\xBB\xBFID,轴承名称,新型号,旧型号,内径,外径,厚度,品牌,轴承类型,详细说明,差异");

    // JSON names them.
    const auto objects = test::readJsonArrayOfObjects(
        run({"lookup", "6205DDU", "--stock", "--format", "json"}, dataDirectory()).out);
    ASSERT_TRUE(objects && !objects->empty());
    const test::JsonObject& first = objects->front();
    ASSERT_GE(first.size(), 3u);
    EXPECT_EQ(first[first.size() - 3], (std::pair<std::string, std::string>{"差异", ""}));
    EXPECT_EQ(first[first.size() - 2], (std::pair<std::string, std::string>{"本店库存", "12"}));
    EXPECT_EQ(first.back(), (std::pair<std::string, std::string>{"本店价", "32.50–35.00"}));

    // Read only: the file as it was, nothing beside it.
    EXPECT_EQ(bytesOf(shopPath()), before);
    EXPECT_EQ(entriesOf(dir_.path()), entriesBefore) << "no backup, no journal left";
}

// No shop data is no stock, not a fault: the rows as ever, the shop's columns empty.
TEST_F(LookupStock, WithoutShopDataTheColumnsStayEmpty) {
    const std::vector<std::string> empty = {"ID|本店库存|本店价", "2||", "1||", "3||", "4||"};
    const std::vector<std::string_view> arguments = {"lookup", "6205LLU", "--stock", "--format",
                                                     "csv"};
    // No data directory at all, and one without a shop file: nothing said, nothing made.
    for (const std::string& directory : {std::string(), dataDirectory()}) {
        const Answer answer = run(arguments, directory);
        EXPECT_EQ(answer.status, 0) << directory;
        EXPECT_EQ(answer.err, "") << directory;
        EXPECT_EQ(shelfColumns(answer), empty) << directory;
    }
    EXPECT_FALSE(fs::exists(dir_.path() / "lingzhou"));

    // A file that is not ours: said, left as it is, and the rows listed all the same.
    fs::create_directories(dir_.path() / "lingzhou");
    std::ofstream(shopPath(), std::ios::binary) << "型号,数量\n6205,1\n";
    const Answer foreign = run(arguments, dataDirectory());
    EXPECT_EQ(foreign.status, 0);
    EXPECT_EQ(foreign.err,
              "lingzhou-query: 本店数据文件不是本程序的文件，未作任何改动；本次不使用本店数据\n");
    EXPECT_EQ(shelfColumns(foreign), empty);
    EXPECT_EQ(bytesOf(shopPath()), "型号,数量\n6205,1\n");

    // Refused and unmatched lookups stay as they were.
    EXPECT_EQ(run({"lookup", "6206", "--stock"}, dataDirectory()).status, 1);
    EXPECT_EQ(run({"lookup", "--stock"}, dataDirectory()).status, 2);
    EXPECT_EQ(run({"lookup", "6205", "--stock=yes"}, dataDirectory())
                  .err.rfind("lingzhou-query: option '--stock' takes no value\n", 0),
              0u);
    EXPECT_EQ(run({"bearing", "6205", "--stock"}, dataDirectory()).status, 2)
        << "only lookup has it";
}

}  // namespace
}  // namespace lz::query_cli
