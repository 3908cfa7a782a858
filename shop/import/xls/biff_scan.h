#pragma once

#include <QByteArrayView>

#include <cstdint>
#include <vector>

#include "shop/import/sheet.h"

namespace lz::shop {

// What an .xls workbook's record stream says before FreeXL reads it: whether it is
// encrypted, how large each sheet claims to be (FreeXL sets aside memory for every claimed
// cell at once, so the claim is checked first), and the merged cells, which FreeXL does not
// report.
struct BiffSheet {
    bool worksheet = true;            // not a chart, macro or module sheet
    std::int64_t rows = 0;            // from the DIMENSION record: last row + 1
    std::int64_t columns = 0;         // last column + 1
    std::vector<MergedRange> merged;  // row numbers 1-based, columns 0-based
};

struct BiffScan {
    bool readable = false;          // the workbook globals were found and walked
    bool encrypted = false;         // a FILEPASS record: password-protected
    std::vector<BiffSheet> sheets;  // in BOUNDSHEET order
};

BiffScan scanBiffWorkbook(QByteArrayView stream);

}  // namespace lz::shop
