#include "shop/import/sheet_reader.h"

#include <QFile>
#include <QFileInfo>

#include "shop/import/delimited_reader.h"
#include "shop/import/html_table_reader.h"
#include "shop/import/sheet_builder.h"
#include "shop/import/sheet_format.h"
#include "shop/import/text_decoding.h"
#include "shop/import/xls/xls_reader.h"
#include "shop/import/xlsx/xlsx_reader.h"
#include "shop/shop_messages.h"

namespace lz::shop {

namespace {

QString message(const char* text) {
    return QString::fromUtf8(text);
}

// The file's format, and its bytes when the format is read from memory. An error message
// when it cannot be told.
struct OpenedFile {
    QString error;
    SheetFormat format = SheetFormat::Unknown;
    QByteArray bytes;  // whole for .xls and text formats; empty for .xlsx (read from disk)
};

OpenedFile openFile(const QString& path, const ReadLimits& limits) {
    OpenedFile opened;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        opened.error = message(messages::kCannotRead);
        return opened;
    }
    const qint64 size = file.size();
    if (size == 0) {
        opened.error = message(messages::kEmptyFile);
        return opened;
    }
    if (size > limits.maxFileBytes) {
        opened.error = message(messages::kFileTooLarge);
        return opened;
    }
    QByteArray head = file.read(kFormatSniffBytes);
    opened.format = detectSheetFormat(head);
    if (opened.format == SheetFormat::Unknown) {
        opened.error = message(messages::kUnknownFormat);
        return opened;
    }
    if (opened.format != SheetFormat::Xlsx) {
        opened.bytes = std::move(head);
        opened.bytes.append(file.read(limits.maxFileBytes - opened.bytes.size()));
        if (file.error() != QFileDevice::NoError) {
            opened.error = message(messages::kCannotRead);
        }
    }
    return opened;
}

QString textSheetName(const QString& path) {
    return QFileInfo(path).completeBaseName();
}

QString sheetNotFound(const QString& name) {
    return message(messages::kSheetNotFound) + QStringLiteral("：") + name;
}

QString htmlText(const QByteArray& bytes) {
    return decodeText(bytes, declaredHtmlCharset(bytes)).text;
}

}  // namespace

SheetListing listSheets(const QString& path, const ReadLimits& limits) {
    SheetListing listing;
    OpenedFile opened = openFile(path, limits);
    listing.format = opened.format;
    listing.error = opened.error;
    if (!listing.error.isEmpty()) {
        return listing;
    }
    switch (opened.format) {
        case SheetFormat::Xlsx: {
            const auto workbook = listXlsxSheets(path, limits);
            listing.error = workbook.error;
            listing.sheetNames = workbook.sheetNames;
            break;
        }
        case SheetFormat::Xls: {
            const auto workbook = listXlsSheets(path, opened.bytes, limits);
            listing.error = workbook.error;
            listing.sheetNames = workbook.sheetNames;
            break;
        }
        case SheetFormat::HtmlTable:
            listing.sheetNames = htmlTableNames(htmlText(opened.bytes));
            if (listing.sheetNames.isEmpty()) {
                listing.error = message(messages::kNoSheets);
            }
            break;
        default:
            listing.sheetNames = {textSheetName(path)};
            break;
    }
    return listing;
}

SheetReading readSheet(const QString& path, const QString& sheetName, const ReadLimits& limits) {
    SheetReading reading;
    OpenedFile opened = openFile(path, limits);
    reading.format = opened.format;
    reading.error = opened.error;
    if (!reading.error.isEmpty()) {
        return reading;
    }
    switch (opened.format) {
        case SheetFormat::Xlsx: {
            auto workbook = readXlsxSheet(path, sheetName, limits);
            reading.error = workbook.error;
            reading.sheetNames = workbook.sheetNames;
            reading.sheet = std::move(workbook.sheet);
            break;
        }
        case SheetFormat::Xls: {
            auto workbook = readXlsSheet(path, opened.bytes, sheetName, limits);
            reading.error = workbook.error;
            reading.sheetNames = workbook.sheetNames;
            reading.sheet = std::move(workbook.sheet);
            break;
        }
        case SheetFormat::HtmlTable: {
            const QString html = htmlText(opened.bytes);
            opened.bytes.clear();
            reading.sheetNames = htmlTableNames(html);
            const qsizetype index = sheetName.isEmpty() ? 0 : reading.sheetNames.indexOf(sheetName);
            if (reading.sheetNames.isEmpty()) {
                reading.error = message(messages::kNoSheets);
            } else if (index < 0) {
                reading.error = sheetNotFound(sheetName);
            } else {
                SheetBuilder builder(reading.sheetNames[index], limits);
                readHtmlTable(html, static_cast<int>(index), builder);
                reading.error = builder.error();
                reading.sheet = builder.take();
            }
            break;
        }
        default: {
            reading.sheetNames = {textSheetName(path)};
            if (!sheetName.isEmpty() && sheetName != reading.sheetNames.front()) {
                reading.error = sheetNotFound(sheetName);
                break;
            }
            SheetBuilder builder(reading.sheetNames.front(), limits);
            readDelimitedText(opened.bytes, builder);
            reading.error = builder.error();
            reading.sheet = builder.take();
            break;
        }
    }
    if (reading.error.isEmpty() && reading.sheet.rows.empty()) {
        reading.error = message(messages::kEmptyFile);
    }
    if (!reading.error.isEmpty()) {
        reading.sheet = Sheet{};
    }
    return reading;
}

}  // namespace lz::shop
