#include "shop/import/xls/xls_reader.h"

#include <QFile>

#include <freexl.h>

#include "shop/import/cell_values.h"
#include "shop/import/sheet_builder.h"
#include "shop/import/xls/biff_scan.h"
#include "shop/import/xls/compound_file.h"
#include "shop/shop_messages.h"

namespace lz::shop {

namespace {

QString message(const char* text) {
    return QString::fromUtf8(text);
}

// Closes a FreeXL handle on every way out.
class FreeXlHandle {
public:
    ~FreeXlHandle() {
        if (handle_ != nullptr) {
            freexl_close(handle_);
        }
    }
    const void** out() { return &handle_; }
    const void* get() const { return handle_; }

private:
    const void* handle_ = nullptr;
};

// What the compound file and the record stream say; an empty message when FreeXL may open
// the workbook.
struct Precheck {
    QString error;
    BiffScan scan;
};

Precheck precheck(QByteArrayView bytes, const ReadLimits& limits) {
    Precheck result;
    if (static_cast<std::int64_t>(bytes.size()) > limits.maxFileBytes) {
        result.error = message(messages::kFileTooLarge);
        return result;
    }
    result.error = compoundFileProblem(bytes);
    if (!result.error.isEmpty()) {
        return result;
    }
    CompoundFile file;
    file.parse(bytes);
    auto workbook = file.stream(QStringLiteral("Workbook"));
    if (!workbook) {
        workbook = file.stream(QStringLiteral("Book"));
    }
    if (!workbook) {
        result.error = message(messages::kDamaged);
        return result;
    }
    result.scan = scanBiffWorkbook(*workbook);
    if (!result.scan.readable) {
        result.error = message(messages::kDamaged);
    } else if (result.scan.encrypted) {
        result.error = message(messages::kEncrypted);
    } else {
        std::int64_t claimed = 0;
        for (const BiffSheet& sheet : result.scan.sheets) {
            claimed += sheet.rows * sheet.columns;
        }
        if (claimed > limits.maxCells) {
            result.error = message(messages::kTooManyCells);
        }
    }
    return result;
}

QString cellText(const FreeXL_CellValue& value) {
    switch (value.type) {
        case FREEXL_CELL_INT:
            return QString::number(value.value.int_value);
        case FREEXL_CELL_DOUBLE:
            return numberText(value.value.double_value);
        case FREEXL_CELL_TEXT:
        case FREEXL_CELL_SST_TEXT:
        case FREEXL_CELL_DATE:
        case FREEXL_CELL_DATETIME:
        case FREEXL_CELL_TIME:
            return value.value.text_value ? QString::fromUtf8(value.value.text_value) : QString();
        default:
            return {};
    }
}

// Opens the workbook with FreeXL and lists its worksheets; an error message otherwise.
QString openWithFreeXl(const QString& path, FreeXlHandle& handle, QStringList& names) {
    if (freexl_open(QFile::encodeName(path).constData(), handle.out()) != FREEXL_OK) {
        return message(messages::kDamaged);
    }
    unsigned int info = 0;
    if (freexl_get_info(handle.get(), FREEXL_BIFF_PASSWORD, &info) == FREEXL_OK &&
        info == FREEXL_BIFF_OBFUSCATED) {
        return message(messages::kEncrypted);
    }
    unsigned int count = 0;
    if (freexl_get_info(handle.get(), FREEXL_BIFF_SHEET_COUNT, &count) != FREEXL_OK) {
        return message(messages::kDamaged);
    }
    for (unsigned int k = 0; k < count && k < 0xFFFF; ++k) {
        const char* name = nullptr;
        if (freexl_get_worksheet_name(handle.get(), static_cast<unsigned short>(k), &name) !=
            FREEXL_OK) {
            return message(messages::kDamaged);
        }
        names.append(name ? QString::fromUtf8(name) : QString());
    }
    return names.isEmpty() ? message(messages::kNoSheets) : QString();
}

}  // namespace

QString compoundFileProblem(QByteArrayView bytes) {
    CompoundFile file;
    if (!file.parse(bytes)) {
        return message(messages::kDamaged);
    }
    // Office keeps a password-protected .xlsx as these two streams in a compound file.
    if (file.hasStream(QStringLiteral("EncryptedPackage")) ||
        file.hasStream(QStringLiteral("EncryptionInfo"))) {
        return message(messages::kEncrypted);
    }
    if (!file.hasStream(QStringLiteral("Workbook")) && !file.hasStream(QStringLiteral("Book"))) {
        return message(messages::kUnknownFormat);
    }
    if (!file.stream(QStringLiteral("Workbook")) && !file.stream(QStringLiteral("Book"))) {
        return message(messages::kDamaged);
    }
    return {};
}

XlsWorkbook listXlsSheets(const QString& path, QByteArrayView bytes, const ReadLimits& limits) {
    XlsWorkbook workbook;
    const Precheck checked = precheck(bytes, limits);
    if (!checked.error.isEmpty()) {
        workbook.error = checked.error;
        return workbook;
    }
    FreeXlHandle handle;
    workbook.error = openWithFreeXl(path, handle, workbook.sheetNames);
    return workbook;
}

XlsSheetReading readXlsSheet(const QString& path, QByteArrayView bytes, const QString& sheetName,
                             const ReadLimits& limits) {
    XlsSheetReading reading;
    const Precheck checked = precheck(bytes, limits);
    if (!checked.error.isEmpty()) {
        reading.error = checked.error;
        return reading;
    }
    FreeXlHandle handle;
    reading.error = openWithFreeXl(path, handle, reading.sheetNames);
    if (!reading.error.isEmpty()) {
        return reading;
    }
    const qsizetype index = sheetName.isEmpty() ? 0 : reading.sheetNames.indexOf(sheetName);
    if (index < 0) {
        reading.error = message(messages::kSheetNotFound) + QStringLiteral("：") + sheetName;
        return reading;
    }
    unsigned int rows = 0;
    unsigned short columns = 0;
    if (freexl_select_active_worksheet(handle.get(), static_cast<unsigned short>(index)) !=
            FREEXL_OK ||
        freexl_worksheet_dimensions(handle.get(), &rows, &columns) != FREEXL_OK) {
        reading.error = message(messages::kDamaged);
        return reading;
    }
    SheetBuilder builder(reading.sheetNames[index], limits);
    for (unsigned int row = 0; row < rows && !builder.failed(); ++row) {
        for (unsigned short column = 0; column < columns; ++column) {
            FreeXL_CellValue value;
            if (freexl_get_cell_value(handle.get(), row, column, &value) != FREEXL_OK) {
                builder.fail(message(messages::kDamaged));
                break;
            }
            if (!builder.addCell(static_cast<int>(row) + 1, column, cellText(value))) {
                break;
            }
        }
    }
    // FreeXL does not report merged cells; the record stream does. Worksheets are counted
    // among the BOUNDSHEET records in the same order FreeXL lists them.
    int worksheet = 0;
    for (const BiffSheet& sheet : checked.scan.sheets) {
        if (!sheet.worksheet) {
            continue;
        }
        if (worksheet++ == index) {
            for (const MergedRange& range : sheet.merged) {
                builder.addMerged(range);
            }
            break;
        }
    }
    if (builder.failed()) {
        reading.error = builder.error();
        return reading;
    }
    reading.sheet = builder.take();
    return reading;
}

}  // namespace lz::shop
