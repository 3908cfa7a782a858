// The "stock" commands run in-process on the catalogue the program carries: what check and
// list print, their exit statuses, the user's answers taken into account, and a shop file
// that is read and never written.
#include "shop/tool/stock_tool.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "catalogue/image/catalogue_image.h"
#include "shop/store/shop_session.h"
#include "tests/shop/fixture_files.h"
#include "tests/support/temp_dir.h"

namespace lz::shop_tool {
namespace {

namespace fs = std::filesystem;

struct Outcome {
    int status = -1;
    std::string out, err;
};

class StockTool : public ::testing::Test {
protected:
    Outcome run(std::vector<std::string> arguments) const {
        std::vector<std::string_view> views(arguments.begin(), arguments.end());
        StockToolSetting setting;
        setting.programName = "lingzhou-query";
        setting.catalogueImage = catalogue::catalogueImage();
        setting.dataDirectory = data_.path().string();
        std::ostringstream out, err;
        Outcome result;
        result.status = runStockTool(views, setting, out, err);
        result.out = out.str();
        result.err = err.str();
        return result;
    }
    fs::path shopFile() const { return shop::shopFilePath(data_.path().string()); }
    std::string write(const char* name, const std::string& bytes) const {
        const fs::path path = files_.path() / name;
        shop::test::writeBytes(path, bytes);
        return path.string();
    }
    // Everything under the data directory, to see that nothing was written there.
    std::vector<std::string> dataEntries() const {
        std::vector<std::string> entries;
        for (const auto& entry : fs::recursive_directory_iterator(data_.path())) {
            entries.push_back(fs::relative(entry.path(), data_.path()).string());
        }
        return entries;
    }

    lz::test::TempDir data_;
    lz::test::TempDir files_;
};

TEST_F(StockTool, CheckPrintsEveryDataLineWithItsStateAndNewDesignation) {
    const Outcome checked =
        run({"stock", "check", shop::test::fixture("stock_shared_strings.xlsx").toStdString()});
    EXPECT_EQ(checked.status, kExitNotAllMatched) << checked.err;
    EXPECT_EQ(checked.out,
              "行号  型号      品牌  数量  单价   状态    新型号\n"
              "----  --------  ----  ----  -----  ------  --------\n"
              "1     6205-2RS  NSK   10    32.50  已匹配  6205-2RS\n"
              "2     6206DDU   NSK   4     45.80  已匹配  6206-2RS\n"
              "3     6207ZZ    SKF   2     0.29   已匹配  6207-2Z\n"
              "4     6208      FAG   3     28.00  待确认  6208\n"
              "5     6209      NTN   1     12.30  待确认  6209\n");
    EXPECT_EQ(checked.err, "");
    EXPECT_EQ(dataEntries(), std::vector<std::string>{}) << "check writes nothing";
}

// 行号 counts the data lines from the first after the header, whatever stands above it;
// a line the catalogue does not know is 未匹配 with no new designation.
TEST_F(StockTool, LineNumbersCountDataLinesAndEveryFormatCarriesThem) {
    const std::string list = write("list.csv",
                                   "本店库存\r\n"
                                   "2024-05-01\r\n"
                                   "型号,品牌,数量,单价\r\n"
                                   "NSK 6205DDU,,3,32.5\r\n"
                                   "XYZ-9,,1,\r\n");
    const Outcome csv = run({"--format", "csv", "stock", "check", list});
    EXPECT_EQ(csv.status, kExitNotAllMatched);
    EXPECT_EQ(csv.out,
              "\xEF\xBB\xBF行号,型号,品牌,数量,单价,状态,新型号\r\n"
              "1,6205DDU,NSK,3,32.50,已匹配,6205-2RS\r\n"
              "2,XYZ-9,,1,,未匹配,\r\n");
    const Outcome json = run({"stock", "check", list, "--format=json"});
    EXPECT_EQ(json.out,
              "[\n"
              "  {\"行号\": \"1\", \"型号\": \"6205DDU\", \"品牌\": \"NSK\", \"数量\": \"3\", "
              "\"单价\": \"32.50\", \"状态\": \"已匹配\", \"新型号\": \"6205-2RS\"},\n"
              "  {\"行号\": \"2\", \"型号\": \"XYZ-9\", \"品牌\": \"\", \"数量\": \"1\", "
              "\"单价\": \"\", \"状态\": \"未匹配\", \"新型号\": \"\"}\n"
              "]\n");
    const std::string matched = write("matched.csv", "型号,数量\r\n6205LLU,2\r\nNSK6206DDU,1\r\n");
    const Outcome all = run({"stock", "check", matched});
    EXPECT_EQ(all.status, kExitAllMatched) << all.out;
}

TEST_F(StockTool, CheckTakesTheNamedSheetAndTheShopsEarlierAnswers) {
    const std::string workbook = shop::test::fixture("stock.xls").toStdString();
    const Outcome spare = run({"stock", "check", workbook, "--sheet", "备用", "--format", "csv"});
    EXPECT_EQ(spare.out.substr(spare.out.find("\r\n") + 2), "1,7205B,,1,,待确认,7205 B\r\n")
        << spare.out;
    EXPECT_EQ(run({"stock", "check", workbook, "--sheet", "没有"}).status, kExitCannotRead);

    // The user once chose SKF's 6308 (bh 22786) for "6308" from HRB.
    {
        auto opening = shop::ShopFile::open(shopFile());
        ASSERT_TRUE(opening.file);
        ASSERT_TRUE(opening.file->saveOverride({"6308", "HRB", 22786, ""}).ok);
    }
    const std::vector<std::string> before = dataEntries();
    const std::string bytes = shop::test::fileBytes(shopFile());
    const Outcome answered = run({"stock", "check", workbook, "--format", "csv"});
    EXPECT_EQ(answered.status, kExitAllMatched) << answered.out;
    EXPECT_NE(answered.out.find("4,6308,HRB,2,10.00,已匹配,6308\r\n"), std::string::npos)
        << answered.out;
    EXPECT_EQ(shop::test::fileBytes(shopFile()), bytes);
    EXPECT_EQ(dataEntries(), before);

    // A shop file that is not ours is named and passed over; it stays as it was.
    shop::test::writeBytes(shopFile(), "some other program's notes, not a database");
    const Outcome foreign = run({"stock", "check", workbook});
    EXPECT_EQ(foreign.status, kExitNotAllMatched);
    EXPECT_EQ(foreign.err,
              "lingzhou-query: 本店数据文件不是本程序的文件，未作任何改动；本次不使用本店数据\n");
    EXPECT_EQ(shop::test::fileBytes(shopFile()), "some other program's notes, not a database");
}

TEST_F(StockTool, UnreadableFilesAndBadUsageEndWithTheirStatus) {
    const Outcome empty =
        run({"stock", "check", shop::test::fixture("bad_empty.csv").toStdString()});
    EXPECT_EQ(empty.status, kExitCannotRead);
    EXPECT_EQ(empty.out, "");
    EXPECT_NE(empty.err.find("bad_empty.csv: 文件是空的\n"), std::string::npos) << empty.err;
    const Outcome noHeader =
        run({"stock", "check", shop::test::fixture("bad_no_header.csv").toStdString()});
    EXPECT_EQ(noHeader.status, kExitCannotRead);
    EXPECT_NE(noHeader.err.find("找不到表头（型号、数量……）"), std::string::npos);
    for (const std::vector<std::string>& bad : {std::vector<std::string>{"stock"},
                                                {"stock", "check"},
                                                {"stock", "sell"},
                                                {"bearing"},
                                                {"stock", "list", "--sheet", "x"},
                                                {"stock", "list", "extra"},
                                                {"stock", "list", "--format", "xml"},
                                                {}}) {
        const Outcome refused = run(bad);
        EXPECT_EQ(refused.status, kExitUsage) << (bad.empty() ? "" : bad.back());
        EXPECT_NE(refused.err.find("Usage:"), std::string::npos);
    }
    EXPECT_EQ(run({"stock", "list", "--help"}).status, 0);
    EXPECT_EQ(run({"--version"}).out.rfind("lingzhou-query ", 0), 0u);
}

TEST_F(StockTool, ListPrintsTheShopsLinesAndNeverWritesTheFile) {
    const Outcome none = run({"stock", "list"});
    EXPECT_EQ(none.status, kExitNotAllMatched);
    EXPECT_EQ(none.err, "lingzhou-query: 还没有本店库存\n");
    EXPECT_FALSE(fs::exists(shopFile())) << "listing creates no shop file";

    shop::StockLine matched;
    matched.sourceLine = 3;
    matched.designation = "6205DDU";
    matched.brand = "NSK";
    matched.quantity = 10;
    matched.priceFen = 3250;
    matched.location = "A-01";
    matched.match = shop::MatchState::Matched;
    matched.bh = 466;
    matched.newno = "6205-2RS";
    shop::StockLine pending;
    pending.sourceLine = 4;
    pending.designation = "6208";
    pending.brand = "FAG";
    pending.note = "含税";
    pending.match = shop::MatchState::Pending;
    pending.newno = "6208";
    {
        auto opening = shop::ShopFile::open(shopFile());
        ASSERT_TRUE(opening.file);
        ASSERT_TRUE(opening.file->importLines({matched, pending}, "a.xlsx").ok);
    }
    const std::vector<std::string> before = dataEntries();
    const std::string bytes = shop::test::fileBytes(shopFile());
    const Outcome listed = run({"stock", "list", "--format", "csv"});
    EXPECT_EQ(listed.status, kExitAllMatched) << listed.err;
    EXPECT_EQ(listed.out,
              "\xEF\xBB\xBF型号,品牌,数量,售价,货位,备注,匹配型号,状态\r\n"
              "6205DDU,NSK,10,32.50,A-01,,6205-2RS,已匹配\r\n"
              "6208,FAG,,,,含税,6208,待确认\r\n");
    EXPECT_EQ(shop::test::fileBytes(shopFile()), bytes);
    EXPECT_EQ(dataEntries(), before);

    shop::test::writeBytes(shopFile(), "SQLite format 3");
    const Outcome damaged = run({"stock", "list"});
    EXPECT_EQ(damaged.status, kExitCannotRead);
    EXPECT_EQ(damaged.err,
              "lingzhou-query: 本店数据文件不是本程序的文件，未作任何改动；本次不使用本店数据\n");
}

}  // namespace
}  // namespace lz::shop_tool
