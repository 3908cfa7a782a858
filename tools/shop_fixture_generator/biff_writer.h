#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace lz::fixtures {

// A cell of a generated Excel 97-2003 sheet.
struct BiffCell {
    enum class Kind { Text, Number, Integer };
    int row = 0;     // 0-based
    int column = 0;  // 0-based
    Kind kind = Kind::Text;
    std::u16string text;  // for Text
    double number = 0;    // for Number and Integer (written as an RK value)
    int format = 0;       // 0 general, 1 the built-in date format 14, 2 'yyyy"年"m"月"d"日"'
};

struct BiffWorksheet {
    std::u16string name;
    std::vector<BiffCell> cells;                       // in row, then column order
    std::vector<std::array<std::uint16_t, 4>> merged;  // first row, last row, first col, last col
};

struct BiffWorkbook {
    std::vector<BiffWorksheet> sheets;
    bool passwordProtected = false;  // writes a FILEPASS record (the content stays plain)
};

// The "Workbook" stream of a BIFF8 workbook: globals (code page UTF-16, fonts, formats,
// cell formats, sheets, shared strings) and one substream per sheet with its dimensions,
// cells (LABELSST, NUMBER, RK) and merged cells.
std::string biffWorkbookStream(const BiffWorkbook& workbook);

}  // namespace lz::fixtures
