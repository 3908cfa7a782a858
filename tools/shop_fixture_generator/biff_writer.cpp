#include "biff_writer.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>

namespace lz::fixtures {

namespace {

class Record {
public:
    explicit Record(std::uint16_t type) : type_(type) {}
    Record& u8(std::uint8_t value) {
        body_.push_back(static_cast<char>(value));
        return *this;
    }
    Record& u16(std::uint16_t value) { return u8(value & 0xFF).u8(value >> 8); }
    Record& u32(std::uint32_t value) { return u16(value & 0xFFFF).u16(value >> 16); }
    Record& f64(double value) {
        std::uint64_t bits;
        std::memcpy(&bits, &value, sizeof bits);
        return u32(static_cast<std::uint32_t>(bits)).u32(static_cast<std::uint32_t>(bits >> 32));
    }
    Record& utf16(const std::u16string& text) {
        for (char16_t c : text) {
            u16(c);
        }
        return *this;
    }
    // XLUnicodeString: a 16-bit length, a flag byte (1: two bytes a character), characters.
    Record& longString(const std::u16string& text) {
        return u16(static_cast<std::uint16_t>(text.size())).u8(1).utf16(text);
    }
    // ShortXLUnicodeString: the same with an 8-bit length.
    Record& shortString(const std::u16string& text) {
        return u8(static_cast<std::uint8_t>(text.size())).u8(1).utf16(text);
    }
    std::string bytes() const {
        std::string out;
        out.push_back(static_cast<char>(type_ & 0xFF));
        out.push_back(static_cast<char>(type_ >> 8));
        out.push_back(static_cast<char>(body_.size() & 0xFF));
        out.push_back(static_cast<char>(body_.size() >> 8));
        return out + body_;
    }

private:
    std::uint16_t type_;
    std::string body_;
};

std::string bof(std::uint16_t kind) {
    return Record(0x0809).u16(0x0600).u16(kind).u16(0x0DBB).u16(0x07CC).u32(0).u32(6).bytes();
}

std::string eof() {
    return Record(0x000A).bytes();
}

// Cell formats: 0..15 the styles and default cell format Excel always writes, then one
// per number format the cells use.
constexpr int kFirstCellFormat = 15;
constexpr std::uint16_t kChineseDateFormat = 176;

std::string xf(std::uint16_t numberFormat, bool style) {
    Record record(0x00E0);
    record.u16(0).u16(numberFormat).u16(style ? 0xFFF5 : 0x0001).u8(0x20).u8(0).u8(0);
    record.u8(style ? 0 : 0x04);  // a cell format says its number format is its own
    record.u32(0).u32(0).u16(0x20C0);
    return record.bytes();
}

std::uint16_t cellFormatIndex(int format) {
    return static_cast<std::uint16_t>(kFirstCellFormat + format);
}

}  // namespace

std::string biffWorkbookStream(const BiffWorkbook& workbook) {
    // Shared strings in order of first use.
    std::map<std::u16string, std::uint32_t> index;
    std::vector<std::u16string> strings;
    std::uint32_t uses = 0;
    for (const BiffWorksheet& sheet : workbook.sheets) {
        for (const BiffCell& cell : sheet.cells) {
            if (cell.kind == BiffCell::Kind::Text) {
                ++uses;
                if (index.emplace(cell.text, static_cast<std::uint32_t>(strings.size())).second) {
                    strings.push_back(cell.text);
                }
            }
        }
    }

    std::vector<std::uint32_t> sheetOffsets;
    std::vector<std::string> substreams;
    for (const BiffWorksheet& sheet : workbook.sheets) {
        int lastRow = -1;
        int lastColumn = -1;
        for (const BiffCell& cell : sheet.cells) {
            lastRow = std::max(lastRow, cell.row);
            lastColumn = std::max(lastColumn, cell.column);
        }
        std::string body = bof(0x0010);
        body += Record(0x0200)
                    .u32(0)
                    .u32(static_cast<std::uint32_t>(lastRow + 1))
                    .u16(0)
                    .u16(static_cast<std::uint16_t>(lastColumn + 1))
                    .u16(0)
                    .bytes();
        for (const BiffCell& cell : sheet.cells) {
            const auto row = static_cast<std::uint16_t>(cell.row);
            const auto column = static_cast<std::uint16_t>(cell.column);
            const std::uint16_t format = cellFormatIndex(cell.format);
            switch (cell.kind) {
                case BiffCell::Kind::Text:
                    body += Record(0x00FD)
                                .u16(row)
                                .u16(column)
                                .u16(format)
                                .u32(index[cell.text])
                                .bytes();
                    break;
                case BiffCell::Kind::Number:
                    body +=
                        Record(0x0203).u16(row).u16(column).u16(format).f64(cell.number).bytes();
                    break;
                case BiffCell::Kind::Integer: {
                    const auto value = static_cast<std::int32_t>(std::lround(cell.number));
                    const auto rk = static_cast<std::uint32_t>(value) << 2 | 0x2;
                    body += Record(0x027E).u16(row).u16(column).u16(format).u32(rk).bytes();
                    break;
                }
            }
        }
        if (!sheet.merged.empty()) {
            Record merged(0x00E5);
            merged.u16(static_cast<std::uint16_t>(sheet.merged.size()));
            for (const auto& range : sheet.merged) {
                merged.u16(range[0]).u16(range[1]).u16(range[2]).u16(range[3]);
            }
            body += merged.bytes();
        }
        body += eof();
        substreams.push_back(body);
    }

    // The globals, with the sheets' offsets patched in once the globals' length is known.
    auto globals = [&](const std::vector<std::uint32_t>& offsets) {
        std::string out = bof(0x0005);
        if (workbook.passwordProtected) {
            // RC4 encryption header; the verifier is never checked by a reader that stops here.
            Record filePass(0x002F);
            filePass.u16(1).u16(1).u16(1);
            for (int k = 0; k < 48; ++k) {
                filePass.u8(static_cast<std::uint8_t>(k));
            }
            out += filePass.bytes();
        }
        out += Record(0x0042).u16(0x04B0).bytes();  // code page: UTF-16
        out += Record(0x0022).u16(0).bytes();       // dates count from 1900
        for (int k = 0; k < 4; ++k) {
            out += Record(0x0031)
                       .u16(200)
                       .u16(0)
                       .u16(0x7FFF)
                       .u16(400)
                       .u16(0)
                       .u8(0)
                       .u8(0)
                       .u8(0x86)
                       .u8(0)
                       .shortString(u"宋体")
                       .bytes();
        }
        out +=
            Record(0x041E).u16(kChineseDateFormat).longString(u"yyyy\"年\"m\"月\"d\"日\"").bytes();
        for (int k = 0; k < kFirstCellFormat; ++k) {
            out += xf(0, true);
        }
        out += xf(0, false);                   // 15: general
        out += xf(14, false);                  // 16: the built-in date
        out += xf(kChineseDateFormat, false);  // 17: the Chinese date
        for (std::size_t k = 0; k < workbook.sheets.size(); ++k) {
            out += Record(0x0085)
                       .u32(offsets.empty() ? 0 : offsets[k])
                       .u8(0)
                       .u8(0)
                       .shortString(workbook.sheets[k].name)
                       .bytes();
        }
        Record sst(0x00FC);
        sst.u32(uses).u32(static_cast<std::uint32_t>(strings.size()));
        for (const std::u16string& text : strings) {
            sst.longString(text);
        }
        out += sst.bytes();
        out += eof();
        return out;
    };
    const std::size_t globalsLength = globals({}).size();
    std::uint32_t offset = static_cast<std::uint32_t>(globalsLength);
    for (const std::string& substream : substreams) {
        sheetOffsets.push_back(offset);
        offset += static_cast<std::uint32_t>(substream.size());
    }
    std::string stream = globals(sheetOffsets);
    for (const std::string& substream : substreams) {
        stream += substream;
    }
    return stream;
}

}  // namespace lz::fixtures
