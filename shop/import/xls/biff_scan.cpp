#include "shop/import/xls/biff_scan.h"

#include "shop/import/xls/little_endian.h"

namespace lz::shop {

namespace {

constexpr std::uint16_t kBof = 0x0809;
constexpr std::uint16_t kEof = 0x000A;
constexpr std::uint16_t kFilePass = 0x002F;
constexpr std::uint16_t kBoundSheet = 0x0085;
constexpr std::uint16_t kDimension = 0x0200;
constexpr std::uint16_t kMergedCells = 0x00E5;

// Walks the records from `at` up to the substream's EOF, calling `visit(type, body)`.
template <typename Visit>
bool walkSubstream(QByteArrayView stream, qsizetype at, Visit visit) {
    if (at < 0 || at + 4 > stream.size() || readU16(stream, at) != kBof) {
        return false;
    }
    while (at + 4 <= stream.size()) {
        const std::uint16_t type = readU16(stream, at);
        const std::uint16_t length = readU16(stream, at + 2);
        if (at + 4 + length > stream.size()) {
            return false;
        }
        visit(type, stream.sliced(at + 4, length));
        if (type == kEof) {
            return true;
        }
        at += 4 + length;
    }
    return false;
}

}  // namespace

BiffScan scanBiffWorkbook(QByteArrayView stream) {
    BiffScan scan;
    std::vector<std::pair<qsizetype, bool>> sheetStarts;
    scan.readable = walkSubstream(stream, 0, [&](std::uint16_t type, QByteArrayView body) {
        if (type == kFilePass) {
            scan.encrypted = true;
        } else if (type == kBoundSheet && body.size() >= 6) {
            // The sheet's BOF offset, its visibility, then its type (0 for a worksheet).
            sheetStarts.emplace_back(static_cast<qsizetype>(readU32(body, 0)),
                                     static_cast<unsigned char>(body[5]) == 0);
        }
    });
    if (!scan.readable || scan.encrypted) {
        return scan;
    }
    for (const auto& [start, worksheet] : sheetStarts) {
        BiffSheet sheet;
        sheet.worksheet = worksheet;
        walkSubstream(stream, start, [&](std::uint16_t type, QByteArrayView body) {
            if (type == kDimension) {
                if (body.size() >= 14) {  // BIFF8: 32-bit rows
                    sheet.rows = readU32(body, 4);
                    sheet.columns = readU16(body, 10);
                } else if (body.size() >= 10) {  // BIFF5
                    sheet.rows = readU16(body, 2);
                    sheet.columns = readU16(body, 6);
                }
            } else if (type == kMergedCells && body.size() >= 2) {
                const int count = readU16(body, 0);
                for (int k = 0; k < count && 2 + 8 * (k + 1) <= body.size(); ++k) {
                    const qsizetype at = 2 + 8 * k;
                    sheet.merged.push_back(
                        MergedRange{readU16(body, at) + 1, readU16(body, at + 2) + 1,
                                    readU16(body, at + 4), readU16(body, at + 6)});
                }
            }
        });
        scan.sheets.push_back(std::move(sheet));
    }
    return scan;
}

}  // namespace lz::shop
