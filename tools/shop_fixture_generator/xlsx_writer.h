#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace lz::fixtures {

// A cell of a generated worksheet: text (a shared or inline string), a number as the XML
// writes it ("6205", "45356.5"), or nothing.
struct XlsxCell {
    enum class Kind { Empty, Text, Number };
    Kind kind = Kind::Empty;
    std::string value;
    int style = 0;  // index into XlsxWorkbook::cellFormats

    static XlsxCell text(std::string value, int style = 0) {
        return {Kind::Text, std::move(value), style};
    }
    static XlsxCell number(std::string value, int style = 0) {
        return {Kind::Number, std::move(value), style};
    }
};

struct XlsxWorksheet {
    std::string name;
    std::vector<std::vector<XlsxCell>> rows;  // rows[0] is row 1; empty rows are left out
    std::vector<std::string> merged;          // "B3:B5"
    bool hidden = false;
};

// Number formats of the workbook's own (id ≥ 164) and the cell formats (by index; a
// cell's style) that use them or the built-in ones.
struct XlsxNumberFormat {
    int id;
    std::string code;
};

struct XlsxWorkbook {
    std::vector<XlsxWorksheet> sheets;
    bool sharedStrings = true;     // text in xl/sharedStrings.xml, else inline strings
    bool absoluteTargets = false;  // relationship targets as "/xl/..." paths
    std::vector<XlsxNumberFormat> numberFormats;
    std::vector<int> cellFormats = {0};  // the numFmtId of each cell format
};

// The workbook's parts as Excel writes them, by part name (for tests that change a part).
std::vector<std::pair<std::string, std::string>> xlsxParts(const XlsxWorkbook& workbook);

bool writeXlsx(const std::filesystem::path& path, const XlsxWorkbook& workbook);

// "A1" for column 0, row 1.
std::string cellReference(int column, int row);

// Text with the five XML special characters escaped.
std::string xmlEscaped(const std::string& text);

}  // namespace lz::fixtures
