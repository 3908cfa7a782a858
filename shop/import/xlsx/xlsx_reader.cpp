#include "shop/import/xlsx/xlsx_reader.h"

#include <QXmlStreamReader>

#include <vector>

#include "shop/import/cell_values.h"
#include "shop/import/sheet_builder.h"
#include "shop/import/xlsx/xlsx_package.h"
#include "shop/import/xlsx/xlsx_styles.h"
#include "shop/import/xlsx/xml_part.h"
#include "shop/import/xlsx/zip_archive.h"
#include "shop/shop_messages.h"

namespace lz::shop {

namespace {

constexpr int kMaxColumns = 16'384;  // column XFD
constexpr int kMaxRows = 1'048'576;

QString message(const char* text) {
    return QString::fromUtf8(text);
}

// The cell being read from <c>: its place, type and style, and the text of its <v> or
// inline <is>.
struct PendingCell {
    int row = 0;
    int column = 0;
    QString type;
    int style = 0;
    QString value;
    QString inlineText;
};

// Turns the events of a worksheet part into cells of the builder.
class WorksheetHandler {
public:
    WorksheetHandler(SheetBuilder& builder, const std::vector<QString>& sharedStrings,
                     const std::vector<DateKind>& styleKinds, bool date1904)
        : builder_(builder),
          sharedStrings_(sharedStrings),
          styleKinds_(styleKinds),
          date1904_(date1904) {}

    bool onToken(QXmlStreamReader& xml) {
        switch (xml.tokenType()) {
            case QXmlStreamReader::StartElement:
                start(xml);
                break;
            case QXmlStreamReader::EndElement:
                end(xml.name());
                break;
            case QXmlStreamReader::Characters:
                if (collecting_ == Collect::Value) {
                    cell_.value.append(xml.text());
                } else if (collecting_ == Collect::Inline) {
                    cell_.inlineText.append(xml.text());
                }
                if (cell_.value.size() + cell_.inlineText.size() > builder_.maxCellUnits()) {
                    builder_.addCell(cell_.row, cell_.column, cell_.value + cell_.inlineText);
                }
                break;
            default:
                break;
        }
        return !builder_.failed();
    }

private:
    enum class Collect { None, Value, Inline };

    void start(QXmlStreamReader& xml) {
        const QStringView name = xml.name();
        if (name == QLatin1String("row")) {
            bool ok = false;
            const int number = xml.attributes().value(QLatin1String("r")).toInt(&ok);
            row_ = ok && number > 0 && number <= kMaxRows ? number : row_ + 1;
            nextColumn_ = 0;
        } else if (name == QLatin1String("c")) {
            const QXmlStreamAttributes attributes = xml.attributes();
            cell_ = PendingCell{};
            int column = 0;
            int row = 0;
            if (parseCellReference(attributes.value(QLatin1String("r")), column, row)) {
                cell_.column = column;
                cell_.row = row;
            } else {
                cell_.column = nextColumn_;
                cell_.row = row_;
            }
            nextColumn_ = cell_.column + 1;
            cell_.type = attributes.value(QLatin1String("t")).toString();
            cell_.style = attributes.value(QLatin1String("s")).toInt();
        } else if (name == QLatin1String("v")) {
            collecting_ = Collect::Value;
        } else if (name == QLatin1String("rPh")) {
            ++phoneticDepth_;
        } else if (name == QLatin1String("t") && phoneticDepth_ == 0) {
            collecting_ = Collect::Inline;
        } else if (name == QLatin1String("mergeCell")) {
            const QString reference = xml.attributes().value(QLatin1String("ref")).toString();
            const qsizetype colon = reference.indexOf(QLatin1Char(':'));
            MergedRange range;
            if (colon > 0 &&
                parseCellReference(QStringView(reference).left(colon), range.firstColumn,
                                   range.firstRow) &&
                parseCellReference(QStringView(reference).mid(colon + 1), range.lastColumn,
                                   range.lastRow)) {
                builder_.addMerged(range);
            }
        }
    }

    void end(QStringView name) {
        if (name == QLatin1String("v") || name == QLatin1String("t")) {
            collecting_ = Collect::None;
        } else if (name == QLatin1String("rPh")) {
            --phoneticDepth_;
        } else if (name == QLatin1String("c")) {
            builder_.addCell(cell_.row, cell_.column, cellText());
        }
    }

    QString cellText() {
        const QString& type = cell_.type;
        if (type == QLatin1String("s")) {
            bool ok = false;
            const qsizetype index = cell_.value.trimmed().toLongLong(&ok);
            if (!ok || index < 0 || index >= static_cast<qsizetype>(sharedStrings_.size())) {
                builder_.fail(message(messages::kDamaged));
                return {};
            }
            return sharedStrings_[static_cast<std::size_t>(index)];
        }
        if (type == QLatin1String("inlineStr")) {
            return cell_.inlineText;
        }
        if (type == QLatin1String("str") || type == QLatin1String("e")) {
            return cell_.value;
        }
        if (type == QLatin1String("b")) {
            return cell_.value.trimmed() == QLatin1String("1") ? QStringLiteral("TRUE")
                                                               : QStringLiteral("FALSE");
        }
        if (type == QLatin1String("d")) {
            return cell_.value.left(10);  // an ISO 8601 date written out: its day
        }
        // A number, perhaps shown as a date by its style.
        if (cell_.value.isEmpty()) {
            return {};
        }
        if (cell_.style >= 0 && cell_.style < static_cast<int>(styleKinds_.size()) &&
            styleKinds_[static_cast<std::size_t>(cell_.style)] != DateKind::None) {
            bool ok = false;
            const double serial = cell_.value.toDouble(&ok);
            if (ok) {
                const QString date = serialDateText(
                    serial, date1904_, styleKinds_[static_cast<std::size_t>(cell_.style)]);
                if (!date.isEmpty()) {
                    return date;
                }
            }
        }
        return numberText(cell_.value);
    }

    SheetBuilder& builder_;
    const std::vector<QString>& sharedStrings_;
    const std::vector<DateKind>& styleKinds_;
    const bool date1904_;
    PendingCell cell_;
    int row_ = 0;
    int nextColumn_ = 0;
    int phoneticDepth_ = 0;
    Collect collecting_ = Collect::None;
};

// Opens the zip and finds the workbook's parts; the error message otherwise.
QString openPackage(ZipArchive& zip, const QString& path, XlsxPackage& package) {
    if (!zip.open(path) || !readXlsxPackage(zip, package)) {
        return zip.error().isEmpty() ? message(messages::kDamaged) : zip.error();
    }
    if (package.sheets.isEmpty()) {
        return message(messages::kNoSheets);
    }
    return {};
}

QStringList namesOf(const XlsxPackage& package) {
    QStringList names;
    for (const XlsxSheetPart& sheet : package.sheets) {
        names.append(sheet.name);
    }
    return names;
}

}  // namespace

bool parseCellReference(QStringView reference, int& column, int& row) {
    qsizetype i = 0;
    int letters = 0;
    long long columnValue = 0;
    while (i < reference.size() && reference[i].isLetter() && reference[i].unicode() < 0x80) {
        columnValue = columnValue * 26 + (reference[i].toUpper().unicode() - 'A' + 1);
        if (++letters > 3) {
            return false;
        }
        ++i;
    }
    long long rowValue = 0;
    const qsizetype digitsStart = i;
    while (i < reference.size() && reference[i].isDigit() && reference[i].unicode() < 0x80) {
        rowValue = rowValue * 10 + (reference[i].unicode() - '0');
        if (i - digitsStart > 8) {
            return false;
        }
        ++i;
    }
    if (letters == 0 || i == digitsStart || i != reference.size() || columnValue > kMaxColumns ||
        rowValue < 1 || rowValue > kMaxRows) {
        return false;
    }
    column = static_cast<int>(columnValue - 1);
    row = static_cast<int>(rowValue);
    return true;
}

XlsxSheetReading listXlsxSheets(const QString& path, const ReadLimits& limits) {
    XlsxSheetReading reading;
    ZipArchive zip(limits);
    XlsxPackage package;
    reading.error = openPackage(zip, path, package);
    reading.sheetNames = namesOf(package);
    return reading;
}

XlsxSheetReading readXlsxSheet(const QString& path, const QString& sheetName,
                               const ReadLimits& limits) {
    XlsxSheetReading reading;
    ZipArchive zip(limits);
    XlsxPackage package;
    reading.error = openPackage(zip, path, package);
    reading.sheetNames = namesOf(package);
    if (!reading.error.isEmpty()) {
        return reading;
    }
    const XlsxSheetPart* chosen = nullptr;
    if (sheetName.isEmpty()) {
        for (const XlsxSheetPart& sheet : package.sheets) {
            if (sheet.visible) {
                chosen = &sheet;
                break;
            }
        }
        chosen = chosen ? chosen : &package.sheets.front();
    } else {
        for (const XlsxSheetPart& sheet : package.sheets) {
            if (sheet.name == sheetName) {
                chosen = &sheet;
                break;
            }
        }
        for (const XlsxSheetPart& sheet : package.sheets) {
            if (!chosen && sheet.name.compare(sheetName, Qt::CaseInsensitive) == 0) {
                chosen = &sheet;
            }
        }
        if (!chosen) {
            reading.error = message(messages::kSheetNotFound) + QStringLiteral("：") + sheetName;
            return reading;
        }
    }
    if (!zip.has(chosen->part)) {
        reading.error = message(messages::kDamaged);
        return reading;
    }

    std::vector<QString> sharedStrings;
    std::vector<DateKind> styleKinds;
    if ((!package.sharedStringsPart.isEmpty() &&
         !readSharedStrings(zip, package.sharedStringsPart, limits.maxCells, sharedStrings)) ||
        (!package.stylesPart.isEmpty() &&
         !readCellStyleKinds(zip, package.stylesPart, styleKinds))) {
        reading.error = zip.error().isEmpty() ? message(messages::kDamaged) : zip.error();
        return reading;
    }

    SheetBuilder builder(chosen->name, limits);
    WorksheetHandler handler(builder, sharedStrings, styleKinds, package.date1904);
    const bool parsed = parseXmlPart(zip, chosen->part,
                                     [&](QXmlStreamReader& xml) { return handler.onToken(xml); });
    if (builder.failed()) {
        reading.error = builder.error();
    } else if (!parsed || !zip.error().isEmpty()) {
        reading.error = zip.error().isEmpty() ? message(messages::kDamaged) : zip.error();
    } else {
        reading.sheet = builder.take();
    }
    return reading;
}

}  // namespace lz::shop
