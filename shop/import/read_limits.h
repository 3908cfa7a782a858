#pragma once

#include <cstdint>

namespace lz::shop {

// Bounds on what reading one stock list may cost, so that a damaged or hostile file ends
// in a message instead of exhausting memory or time.
struct ReadLimits {
    // The file itself (text files and .xls are read whole). A million-line list is less.
    std::int64_t maxFileBytes = 64LL << 20;
    // Everything unpacked from a zip (an .xlsx), the parts read added up.
    std::int64_t maxUnpackedBytes = 256LL << 20;
    // Cell slots kept for a sheet: the cells of every row up to its last non-empty one.
    std::int64_t maxCells = 2'000'000;
    // One cell's text, in UTF-8 bytes.
    std::int64_t maxCellBytes = 64 * 1024;
};

}  // namespace lz::shop
