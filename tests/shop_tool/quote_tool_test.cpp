// The "quote" commands run in-process on the catalogue the program carries: a quote made
// from an enquiry list, kept, listed and written as PDF (read back with poppler's
// pdftotext), the exit statuses, and shop files that are only read or never written.
#include <gtest/gtest.h>

#include <QProcess>
#include <QString>

#include <ctime>
#include <filesystem>
#include <sstream>

#include "catalogue/image/catalogue_image.h"
#include "shop/store/shop_file.h"
#include "shop/store/shop_session.h"
#include "shop/tool/quote_tool.h"
#include "shop/tool/stock_tool.h"
#include "tests/shop/fixture_files.h"
#include "tests/support/temp_dir.h"

// Read by LeakSanitizer in sanitizer builds, unused otherwise. The font library the PDF
// writer starts keeps a few allocations to the end of the process on purpose; they are not
// this program's, and its own leaks are still reported.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}

namespace lz::shop_tool {
namespace {

namespace fs = std::filesystem;

struct Outcome {
    int status = -1;
    std::string out, err;
};

// Today by the local clock as a quote's number begins ("20261208") and as it is listed.
std::string today(const char* format) {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[16];
    std::strftime(text, sizeof text, format, &local);
    return text;
}

std::string pdfText(const fs::path& pdf) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-enc"), QStringLiteral("UTF-8"),
                   QString::fromStdString(pdf.string()), QStringLiteral("-")});
    if (!process.waitForFinished(30'000) || process.exitCode() != 0) {
        ADD_FAILURE() << "pdftotext failed; it comes with poppler-utils (scripts/install-deps.sh)";
        return {};
    }
    return process.readAllStandardOutput().toStdString();
}

class QuoteTool : public ::testing::Test {
protected:
    Outcome run(std::vector<std::string> arguments) const {
        std::vector<std::string_view> views(arguments.begin(), arguments.end());
        StockToolSetting setting;
        setting.programName = "lingzhou-query";
        setting.catalogueImage = catalogue::catalogueImage();
        setting.dataDirectory = (data_.path() / "lingzhou").string();
        std::ostringstream out, err;
        Outcome result;
        result.status = runStockTool(views, setting, out, err);
        result.out = out.str();
        result.err = err.str();
        return result;
    }
    fs::path shopFile() const { return shop::shopFilePath((data_.path() / "lingzhou").string()); }
    fs::path output(const char* name) const { return files_.path() / name; }
    static std::string enquiry(const char* name) { return shop::test::fixture(name).toStdString(); }

    lz::test::TempDir data_;
    lz::test::TempDir files_;
};

TEST_F(QuoteTool, MakeKeepsAQuoteFromAnEnquiryAndWritesItsPdf) {
    // The shop stocks NTN 6206LLU (row 8931) at 40.00: the enquiry's "6206 2RS" offers it.
    fs::create_directories(shopFile().parent_path());
    {
        shop::StockLine line;
        line.sourceLine = 2;
        line.designation = "6206LLU";
        line.brand = "NTN";
        line.quantity = 6;
        line.priceFen = 4000;
        line.match = shop::MatchState::Matched;
        line.bh = 8931;
        auto opening = shop::ShopFile::open(shopFile());
        ASSERT_TRUE(opening.file);
        ASSERT_TRUE(opening.file->importLines({line}, "库存.xlsx").ok);
    }
    const std::string number = today("%Y%m%d") + "-001";
    const Outcome made = run({"quote", "make", enquiry("enquiry.xlsx"), "--customer",
                              "华东机电设备有限公司", "--pdf", output("q.pdf").string()});
    ASSERT_EQ(made.status, kExitAllMatched) << made.err;
    EXPECT_EQ(made.out, number + "\n");
    EXPECT_NE(made.err.find("lingzhou-query: " + number + ": 未匹配 1，多个匹配 2\n"),
              std::string::npos)
        << made.err;

    // 20 × 40.00 (the shop's NTN 6206LLU) + 3 × 81.58 (FAG 6208, the list's price with tax).
    const Outcome listed = run({"quote", "list", "--format", "csv"});
    EXPECT_EQ(listed.status, kExitAllMatched) << listed.err;
    EXPECT_EQ(listed.out, "\xEF\xBB\xBF单号,日期,客户,行数,总额\r\n" + number + "," +
                              today("%Y-%m-%d") + ",华东机电设备有限公司,6,1044.74\r\n");

    const std::string text = pdfText(output("q.pdf"));
    for (const char* printed :
         {"华东机电设备有限公司", "金额", "合计", "6206LLU", "NTN", "6208", "1,044.74", "参考价"}) {
        EXPECT_NE(text.find(printed), std::string::npos) << printed << " in\n" << text;
    }

    // A second quote the same day gets the next number; "quote pdf" writes a kept one.
    const Outcome second = run({"quote", "make", enquiry("enquiry_gbk.csv")});
    EXPECT_EQ(second.out, today("%Y%m%d") + "-002\n");
    EXPECT_EQ(second.err, "") << "every line of this enquiry matched";
    const std::string bytes = shop::test::fileBytes(shopFile());
    const Outcome written = run({"quote", "pdf", number, output("again.pdf").string()});
    EXPECT_EQ(written.status, kExitAllMatched) << written.err;
    EXPECT_NE(pdfText(output("again.pdf")).find("华东机电设备有限公司"), std::string::npos);
    const Outcome two = run({"quote", "list"});
    EXPECT_EQ(two.out.substr(two.out.rfind('\n', two.out.size() - 2) + 1, 12), number)
        << "the newest first:\n"
        << two.out;
    EXPECT_EQ(shop::test::fileBytes(shopFile()), bytes) << "list and pdf only read";
}

TEST_F(QuoteTool, StatusesOfNothingBadUsageAndUnreadableFiles) {
    struct Case {
        std::vector<std::string> arguments;
        int status;
        const char* message;  // within standard error
    };
    const Case cases[] = {
        {{"quote", "list"}, kExitNotAllMatched, "还没有保存的报价单"},
        {{"quote", "pdf", "20261208-001", "x.pdf"}, kExitNotAllMatched, "没有这个单号的报价单"},
        {{"quote"}, kExitUsage, "Usage:"},
        {{"quote", "sell"}, kExitUsage, "unknown quote command 'sell'"},
        {{"quote", "pdf", "20261208-001"}, kExitUsage, "the PDF file to write is missing"},
        {{"quote", "make"}, kExitUsage, "the enquiry list to read is missing"},
        {{"quote", "list", "--customer", "x"}, kExitUsage, "unknown option '--customer'"},
        {{"quote", "list", "extra"}, kExitUsage, "unexpected argument 'extra'"},
        {{"quote", "list", "--format", "xml"}, kExitUsage, "unknown format 'xml'"},
        {{"quote", "make", "a.xlsx", "--pdf="}, kExitUsage, "option '--pdf' needs a file name"},
        {{"quote", "make", "no-such-file.xlsx"}, kExitCannotRead, "no-such-file.xlsx: "},
        {{"quote", "make", enquiry("bad_no_header.csv")},
         kExitCannotRead,
         "找不到表头（型号、数量……）"},
        {{"quote", "make", enquiry("bad_encrypted.xlsx")},
         kExitCannotRead,
         "工作簿已加密，无法读取"},
    };
    for (const Case& c : cases) {
        const Outcome outcome = run(c.arguments);
        EXPECT_EQ(outcome.status, c.status) << c.arguments.back() << "\n" << outcome.err;
        EXPECT_NE(outcome.err.find(c.message), std::string::npos) << c.arguments.back() << ":\n"
                                                                  << outcome.err;
        EXPECT_EQ(outcome.out, "") << c.arguments.back();
    }
    EXPECT_FALSE(fs::exists(shopFile())) << "nothing above creates the shop file";
    EXPECT_EQ(run({"quote", "make", "--help"}).status, 0);
    EXPECT_NE(run({"--format", "json", "quote", "list", "--help"}).out.find("quote list"),
              std::string::npos);
}

TEST_F(QuoteTool, AForeignShopFileIsNeverWrittenAndAPdfThatCannotBeWrittenLeavesTheQuoteKept) {
    fs::create_directories(shopFile().parent_path());
    shop::test::writeBytes(shopFile(), "some other program's notes, not a database");
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{"quote", "list"},
          {"quote", "make", enquiry("enquiry_gbk.csv")},
          {"quote", "pdf", "20261208-001", output("x.pdf").string()}}) {
        const Outcome refused = run(arguments);
        EXPECT_EQ(refused.status, kExitCannotRead) << arguments[1];
        EXPECT_EQ(
            refused.err,
            "lingzhou-query: 本店数据文件不是本程序的文件，未作任何改动；本次不使用本店数据\n")
            << arguments[1];
    }
    EXPECT_EQ(shop::test::fileBytes(shopFile()), "some other program's notes, not a database");
    EXPECT_FALSE(fs::exists(output("x.pdf")));

    fs::remove(shopFile());
    const Outcome noPdf = run({"quote", "make", enquiry("enquiry_gbk.csv"), "--pdf",
                               (files_.path() / "no-such-directory" / "q.pdf").string()});
    EXPECT_EQ(noPdf.status, kExitCannotRead);
    EXPECT_EQ(noPdf.out, today("%Y%m%d") + "-001\n") << "the quote is kept all the same";
    EXPECT_NE(noPdf.err.find("no-such-directory/q.pdf: "), std::string::npos) << noPdf.err;
    EXPECT_EQ(run({"quote", "list"}).status, kExitAllMatched);
}

}  // namespace
}  // namespace lz::shop_tool
