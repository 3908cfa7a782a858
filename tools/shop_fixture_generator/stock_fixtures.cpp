#include "stock_fixtures.h"

#include <QString>
#include <QStringEncoder>

#include <fstream>

#include "biff_writer.h"
#include "compound_file_writer.h"
#include "xlsx_writer.h"

namespace lz::fixtures {

namespace {

using Cell = XlsxCell;

bool writeBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out.flush());
}

std::string gbk(const char* utf8) {
    QStringEncoder encoder("GB18030");
    return QByteArray(encoder(QString::fromUtf8(utf8))).toStdString();
}

std::string utf16le(const char* utf8) {
    const QString text = QString::fromUtf8(utf8);
    std::string out = "\xFF\xFE";
    for (QChar c : text) {
        out.push_back(static_cast<char>(c.unicode() & 0xFF));
        out.push_back(static_cast<char>(c.unicode() >> 8));
    }
    return out;
}

std::vector<Cell> header() {
    return {Cell::text("型号"), Cell::text("品牌"), Cell::text("数量"), Cell::text("单价"),
            Cell::text("进价"), Cell::text("货位"), Cell::text("备注")};
}

// The stock list of the plain workbooks: a merged title, the header, then a designation
// with a brand glued on, full-width text, "6208.0" and numbers kept as text, a numeric
// designation, a brand padded with spaces and a price with float noise.
XlsxWorksheet stockSheet() {
    XlsxWorksheet sheet;
    sheet.name = "库存";
    sheet.rows = {
        {Cell::text("本店库存表")},
        header(),
        {Cell::text("6205-2RS"), Cell::text("NSK"), Cell::number("10"), Cell::number("32.5"),
         Cell::number("25"), Cell::text("A-01")},
        {Cell::text("NSK6206DDU"), Cell{}, Cell::number("4"), Cell::number("45.8"),
         Cell::number("38.25"), Cell::text("A-02"), Cell::text("现货")},
        {Cell::text("６２０７ＺＺ"), Cell::text("ＳＫＦ"), Cell::number("2"),
         Cell::number("0.28499999999999998"), Cell{}, Cell::text("B-01")},
        {Cell::text("6208.0"), Cell::text("FAG"), Cell::text("3"), Cell::text("28"), Cell{}, Cell{},
         Cell::text("  含税  ")},
        {Cell::number("6209"), Cell::text(" NTN "), Cell::number("1"), Cell::number("12.3")},
    };
    sheet.merged = {"A1:G1"};
    return sheet;
}

bool sharedStringsWorkbook(const std::filesystem::path& path) {
    XlsxWorkbook book;
    book.sheets = {stockSheet()};
    return writeXlsx(path, book);
}

bool inlineStringsWorkbook(const std::filesystem::path& path) {
    XlsxWorkbook book;
    book.sheets = {stockSheet()};
    book.sharedStrings = false;
    return writeXlsx(path, book);
}

// Absolute targets everywhere, and a hidden first sheet, so the first visible one is read
// unless a sheet is named.
bool absoluteTargetsWorkbook(const std::filesystem::path& path) {
    XlsxWorksheet old;
    old.name = "旧表";
    old.hidden = true;
    old.rows = {{Cell::text("型号"), Cell::text("数量")}, {Cell::text("6305"), Cell::number("5")}};
    XlsxWorkbook book;
    book.sheets = {old, stockSheet()};
    book.absoluteTargets = true;
    return writeXlsx(path, book);
}

// One date in each way Excel shows one: built-in formats by number (Chinese Excel's 31,
// 57, 58 and 32 among them), the workbook's own codes with quoted Chinese text, a locale
// prefix and elapsed hours, and number formats that are no dates.
bool chineseDatesWorkbook(const std::filesystem::path& path) {
    XlsxWorkbook book;
    book.numberFormats = {
        {176, "yyyy\"年\"m\"月\"d\"日\";@"},
        {177, "[$-804]aaaa yyyy/m/d"},
        {178, "0.00_ "},
        {179, "0.00E+00"},
        {180, "[h]:mm:ss"},
        {181, "yyyy/m/d\\ h:mm"},
    };
    // Cell formats by index: 0 general, then one per format below.
    book.cellFormats = {0, 31, 14, 57, 58, 32, 22, 176, 177, 178, 179, 180, 181};
    XlsxWorksheet sheet;
    sheet.name = "到货";
    sheet.rows = {
        {Cell::text("型号"), Cell::text("数量"), Cell::text("入库日期"), Cell::text("备注")}};
    const struct {
        const char* designation;
        const char* value;
        int style;
        const char* note;
    } rows[] = {
        {"6205", "45356", 1, "yyyy年m月d日"},
        {"6206", "45356", 2, "m/d/yyyy"},
        {"6207", "45292", 3, "yyyy年m月"},
        {"6208", "45356", 4, "m月d日"},
        {"6209", "0.5625", 5, "h时mm分"},
        {"6210", "45657.75", 6, "m/d/yyyy h:mm"},
        {"6211", "45356", 7, "own yyyy\"年\"m\"月\"d\"日\""},
        {"6212", "44927.5", 8, "[$-804]"},
        {"6213", "45356", 9, "0.00_"},
        {"6214", "45356", 10, "0.00E+00"},
        {"6215", "1.5", 11, "[h]:mm:ss"},
        {"6216", "44927.5", 12, "yyyy/m/d h:mm"},
        {"6217", "60", 1, "1900-02-29"},
        {"6218", "59", 1, "1900-02-28"},
    };
    for (const auto& row : rows) {
        sheet.rows.push_back({Cell::text(row.designation), Cell::number("1"),
                              Cell::number(row.value, row.style), Cell::text(row.note)});
    }
    book.sheets = {sheet};
    return writeXlsx(path, book);
}

// A brand merged down each group of lines, a shelf merged over two lines, a note merged
// over two lines, and a quantity merged over two lines (numbers are never filled down).
bool mergedCellsWorkbook(const std::filesystem::path& path) {
    XlsxWorksheet sheet;
    sheet.name = "库存";
    sheet.rows = {
        {Cell::text("本店库存")},
        {Cell::text("型号"), Cell::text("品牌"), Cell::text("数量"), Cell::text("单价"),
         Cell::text("货位"), Cell::text("备注")},
        {Cell::text("6205"), Cell::text("NSK"), Cell::number("5"), Cell::number("30"),
         Cell::text("A-01")},
        {Cell::text("6206"), Cell{}, Cell::number("6"), Cell::number("31")},
        {Cell::text("6207"), Cell{}, Cell::number("7"), Cell::number("32"), Cell::text("A-02")},
        {Cell::text("6205"), Cell::text("SKF"), Cell::number("8"), Cell::number("40"),
         Cell::text("B-01"), Cell::text("进口")},
        {Cell::text("6206"), Cell{}, Cell{}, Cell::number("41"), Cell::text("B-02")},
    };
    sheet.merged = {"A1:F1", "B3:B5", "E3:E4", "B6:B7", "C6:C7", "F6:F7"};
    XlsxWorkbook book;
    book.sheets = {sheet};
    return writeXlsx(path, book);
}

std::vector<BiffWorksheet> xlsSheets() {
    using Kind = BiffCell::Kind;
    BiffWorksheet stock;
    stock.name = u"库存";
    const char16_t* headings[] = {u"型号", u"品牌", u"数量", u"单价", u"备注", u"入库日期"};
    for (int c = 0; c < 6; ++c) {
        stock.cells.push_back({0, c, Kind::Text, headings[c]});
    }
    stock.cells.push_back({1, 0, Kind::Text, u"6305-2Z"});
    stock.cells.push_back({1, 1, Kind::Text, u"NSK"});
    stock.cells.push_back({1, 2, Kind::Integer, {}, 12});
    stock.cells.push_back({1, 3, Kind::Number, {}, 18.6});
    stock.cells.push_back({1, 5, Kind::Number, {}, 45356, 1});
    stock.cells.push_back({2, 0, Kind::Number, {}, 6306});
    stock.cells.push_back({2, 2, Kind::Integer, {}, 3});
    stock.cells.push_back({2, 3, Kind::Number, {}, 20});
    stock.cells.push_back({2, 5, Kind::Number, {}, 45292, 2});
    stock.cells.push_back({3, 0, Kind::Text, u"ＮＴＮ６３０７"});
    stock.cells.push_back({3, 2, Kind::Integer, {}, 1});
    stock.cells.push_back({3, 3, Kind::Number, {}, 22.5});
    stock.cells.push_back({3, 4, Kind::Text, u"样品"});
    stock.cells.push_back({4, 0, Kind::Text, u"6308.0"});
    stock.cells.push_back({4, 1, Kind::Text, u"HRB"});
    stock.cells.push_back({4, 2, Kind::Number, {}, 2});
    stock.cells.push_back({4, 3, Kind::Number, {}, 9.995});
    stock.merged = {{1, 2, 1, 1}};  // the brand over lines 2 and 3

    BiffWorksheet spare;
    spare.name = u"备用";
    spare.cells = {{0, 0, Kind::Text, u"型号"},
                   {0, 1, Kind::Text, u"数量"},
                   {1, 0, Kind::Text, u"7205B"},
                   {1, 1, Kind::Integer, {}, 1}};
    return {stock, spare};
}

bool xlsWorkbook(const std::filesystem::path& path, bool passwordProtected) {
    BiffWorkbook book;
    book.sheets = xlsSheets();
    book.passwordProtected = passwordProtected;
    return writeBytes(path, compoundFile({{u"Workbook", biffWorkbookStream(book)}}));
}

// What Office writes for a workbook saved with a password: no zip, a compound file with
// the encryption header and the encrypted package (here of no real content).
bool encryptedXlsx(const std::filesystem::path& path) {
    std::string info =
        std::string("\x04\x00\x04\x00\x40\x00\x00\x00", 8) + "<?xml version=\"1.0\"?>";
    std::string package(8192, '\0');
    for (std::size_t k = 0; k < package.size(); ++k) {
        package[k] = static_cast<char>((k * 131 + 7) & 0xFF);
    }
    return writeBytes(path,
                      compoundFile({{u"EncryptionInfo", info}, {u"EncryptedPackage", package}}));
}

// A stock system's export: a web page in GB2312 with a title spanning the columns, other
// headings (规格型号, 厂家, 结存, 销售价, 成本, 库位), a brand spanning two rows, character
// references, a line break in a cell and a comment.
bool htmlTable(const std::filesystem::path& path) {
    const char* page =
        "<html xmlns:x=\"urn:schemas-microsoft-com:office:excel\">\r\n"
        "<head>\r\n<meta http-equiv=\"Content-Type\" content=\"text/html; charset=gb2312\">\r\n"
        "<style>td { mso-number-format:\"\\@\"; }</style>\r\n<title>库存</title>\r\n</head>\r\n"
        "<body>\r\n<!-- 由库存系统导出 <table> -->\r\n"
        "<table border=1 cellspacing=0>\r\n"
        "<tr><td colspan=\"7\" align=center><b>本店库存表</b></td></tr>\r\n"
        "<tr><th>规格型号</th><th>厂家</th><th>结存</th><th>销售价</th><th>成本</th>"
        "<th>库位</th><th>备注</th></tr>\r\n"
        "<tr><td>6205-2RS</td><td rowspan=2>NSK</td><td x:num>10</td><td>32.50</td>"
        "<td>25.00</td><td>A-01</td><td>&nbsp;</td></tr>\r\n"
        "<tr><td>6206ZZ</td><td>4</td><td>28.00</td><td></td><td>A-02</td><td></td></tr>\r\n"
        "<tr><td>ＮＴＮ６２０７</td><td></td><td>2</td><td>&yen;45.80</td><td></td>"
        "<td>B-01</td><td>含&lt;税&gt; &amp; 运费</td></tr>\r\n"
        "<tr><td>6208.0</td><td>FAG</td><td>1,200</td><td>1,234.5元</td><td></td><td></td>"
        "<td>第一行<br>第二行</td>\r\n"
        "</table>\r\n</body>\r\n</html>\r\n";
    return writeBytes(path, gbk(page));
}

// Excel's CSV on a Chinese Windows: GBK, CRLF, quoted fields with a separator, a thousands
// separator and a line break, full-width text, a brand glued on, and a quantity that is no
// number.
bool gbkCsv(const std::filesystem::path& path) {
    return writeBytes(path, gbk("型号,品牌,数量,单价,进价,货位,备注\r\n"
                                "6205-2RS,NSK,10,32.50,25,A-01,\r\n"
                                "NSK6206DDU,,4,\"1,234.50\",,B-02,\"含税,现货\"\r\n"
                                "６２０７ＺＺ,ＳＫＦ,２,45.8,,,\r\n"
                                "6208.0,FAG,3,￥28,,,\"第一行\r\n第二行\"\r\n"
                                "6209,NTN,abc,12.3,,,\r\n"));
}

// A customer's enquiry list (询价单), as quotes start from: a merged title, a numbered
// header with the enquiry's own headings (询价型号, 需求数量, 单位), a brand glued on,
// full-width text, a designation without brand that several makers have, one no catalogue
// knows, and one of a brand that lacks it.
bool enquiryWorkbook(const std::filesystem::path& path) {
    XlsxWorksheet sheet;
    sheet.name = "询价单";
    sheet.rows = {
        {Cell::text("询价单")},
        {Cell::text("序号"), Cell::text("询价型号"), Cell::text("品牌"), Cell::text("需求数量"),
         Cell::text("单位"), Cell::text("备注")},
        {Cell::number("1"), Cell::text("6205-2RS"), Cell::text("NSK"), Cell::number("10"),
         Cell::text("套")},
        {Cell::number("2"), Cell::text("NSK6206DDU"), Cell{}, Cell::number("4"), Cell::text("套"),
         Cell::text("加急")},
        {Cell::number("3"), Cell::text(" ６２０７ＺＺ "), Cell::text("ＳＫＦ"), Cell::text("2")},
        {Cell::number("4"), Cell::text("6206 2RS"), Cell{}, Cell::number("20")},
        {Cell::number("5"), Cell::text("XYZ-123"), Cell{}, Cell::number("1")},
        {Cell::number("6"), Cell::text("6208"), Cell::text("FAG"), Cell::number("3")},
    };
    sheet.merged = {"A1:F1"};
    XlsxWorkbook book;
    book.sheets = {sheet};
    return writeXlsx(path, book);
}

// An enquiry saved as CSV by Excel on Chinese Windows: GBK, the headings 规格型号 and 厂家.
bool enquiryGbkCsv(const std::filesystem::path& path) {
    return writeBytes(path, gbk("规格型号,厂家,数量,备注\r\n"
                                "6205LLU,NTN,5,含税\r\n"
                                "6206-2RS1,SKF,\"1,000\",\r\n"));
}

// UTF-8 with a byte-order mark, LF, the other headings (规格, 产地, 库存, 售价, 成本, 货架),
// a brand before the designation with a space, a quoted field with doubled quotes.
bool utf8BomCsv(const std::filesystem::path& path) {
    return writeBytes(path,
                      "\xEF\xBB\xBF"
                      "规格,产地,库存,售价,成本,货架,备注\n"
                      "SKF 6310-2Z,,5,88,70.5,C-03,\n"
                      "6311 ,SKF,1,\"99.00\",,C-04,\"说明 \"\"加急\"\"\"\n");
}

// Excel's "Unicode text": UTF-16 LE with a byte-order mark, tab-separated.
bool utf16Text(const std::filesystem::path& path) {
    return writeBytes(path, utf16le("型号\t数量\t单价\r\n6212\t7\t15\r\n"));
}

}  // namespace

std::vector<std::string> writeStockFixtures(const std::filesystem::path& directory) {
    const struct {
        const char* name;
        bool (*write)(const std::filesystem::path&);
    } fixtures[] = {
        {"stock_shared_strings.xlsx", sharedStringsWorkbook},
        {"stock_inline_strings.xlsx", inlineStringsWorkbook},
        {"stock_absolute_targets.xlsx", absoluteTargetsWorkbook},
        {"stock_chinese_dates.xlsx", chineseDatesWorkbook},
        {"stock_merged_cells.xlsx", mergedCellsWorkbook},
        {"stock.xls", [](const std::filesystem::path& p) { return xlsWorkbook(p, false); }},
        {"stock_html_table.xls", htmlTable},
        {"stock_gbk.csv", gbkCsv},
        {"stock_utf8_bom.csv", utf8BomCsv},
        {"stock_utf16.txt", utf16Text},
        {"enquiry.xlsx", enquiryWorkbook},
        {"enquiry_gbk.csv", enquiryGbkCsv},
        {"bad_empty.csv", [](const std::filesystem::path& p) { return writeBytes(p, ""); }},
        {"bad_blank.csv",
         [](const std::filesystem::path& p) { return writeBytes(p, "\xEF\xBB\xBF \r\n\t\r\n"); }},
        {"bad_no_header.csv",
         [](const std::filesystem::path& p) { return writeBytes(p, "6205,10\r\n6206,4\r\n"); }},
        {"bad_encrypted.xlsx", encryptedXlsx},
        {"bad_encrypted.xls", [](const std::filesystem::path& p) { return xlsWorkbook(p, true); }},
    };
    std::vector<std::string> written;
    std::error_code error;
    std::filesystem::create_directories(directory, error);
    for (const auto& fixture : fixtures) {
        if (!fixture.write(directory / fixture.name)) {
            return {};
        }
        written.push_back(fixture.name);
    }
    // A workbook cut off in the middle, as an interrupted download leaves it.
    std::ifstream whole(directory / "stock_shared_strings.xlsx", std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(whole)), std::istreambuf_iterator<char>());
    if (bytes.empty() ||
        !writeBytes(directory / "bad_truncated.xlsx", bytes.substr(0, bytes.size() * 3 / 5))) {
        return {};
    }
    written.push_back("bad_truncated.xlsx");
    return written;
}

}  // namespace lz::fixtures
