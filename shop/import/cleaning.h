#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>
#include <vector>

#include "shop/import/column_mapping.h"
#include "shop/import/sheet.h"

namespace lz::shop {

// Full-width ASCII (U+FF01..U+FF5E) to half-width, the ideographic space to a space, the
// full-width yen sign to "¥". Everything else stays.
QString toHalfWidth(QStringView text);

// A cell's text as the shop's list keeps it: half-width, white space (the no-break and
// ideographic spaces too) trimmed at both ends. Spaces inside stay: the designation model
// reads them.
QString cleanCellText(QStringView text);

// A designation that is a whole number written as a decimal ("6205.0", "6205.00") without
// the decimal part; any other text as it is.
QString wholeNumberText(QStringView text);

// The catalogue's brands (its ppai values), to know a brand when it is glued to a
// designation and to write every brand one way. Compared after cleaning, without regard to
// case; blanks and "-" are no brand; of several spellings the first given is kept.
class KnownBrands {
public:
    KnownBrands() = default;
    explicit KnownBrands(const QStringList& brands);

    // The known spelling of a brand, or empty when the brand is not known.
    QString canonical(QStringView brand) const;

    // A known brand written before a designation ("NSK6205DDU", "SKF 6205-2RS"): the
    // brand's spelling and the designation after it (separators " ", "-", "_", "/", ":"
    // between them dropped). The longest brand that fits wins. A Latin brand must be
    // followed by a digit or a separator, so that a series ("NA4905" against a brand "NA")
    // stays whole; nothing is split when no designation would remain.
    struct Split {
        QString brand;
        QString designation;
    };
    std::optional<Split> splitLeading(QStringView designation) const;

    bool isEmpty() const { return brands_.empty(); }

private:
    struct Brand {
        QString key;  // lower-case, for comparing
        QString spelling;
    };
    std::vector<Brand> brands_;  // longest first
};

// A designation and brand cell after cleaning: both cleaned; a designation written as a
// decimal made whole; a known brand before the designation split off when the brand cell
// is empty; a brand the cell names that the designation repeats ("NSK" / "NSK 6205")
// taken off the designation; a known brand written the catalogue's way.
struct DesignationAndBrand {
    QString designation;
    QString brand;
};
DesignationAndBrand cleanDesignationAndBrand(QStringView designationCell, QStringView brandCell,
                                             const KnownBrands& brands);

// A quantity cell: thousands separators and a unit after the number ("12 个", "5pcs")
// dropped, "10.0" made whole. Nothing for an empty cell; `problem` names what is wrong
// with a cell that is no whole number (and nothing is returned).
std::optional<qint64> parseQuantity(QStringView cell, QString* problem);

// A price cell in fen: "¥12.50", "12.5元", "1,234.5" ... rounded half away from zero to
// the fen. Nothing for an empty cell, nor for a cell that is no amount (and then
// `unreadable` is set).
std::optional<qint64> parseMoney(QStringView cell, bool* unreadable);

// One line of a stock list after cleaning, before matching.
struct ImportedLine {
    int sourceLine = 0;  // the row's number in the file
    QString designation;
    QString brand;
    std::optional<qint64> quantity;
    std::optional<qint64> priceFen;
    std::optional<qint64> costFen;
    QString location;
    QString note;
    QStringList problems;  // what was wrong with a cell (a quantity that is no number ...)
};

struct CleanedLines {
    std::vector<ImportedLine> lines;
    // Rows below the header that are no line: no designation, a repeated header, a total.
    int skippedRows = 0;
};

// The lines below the mapping's header, cleaned. Text cells (designation, brand,
// location, note) inside a merged block take the block's text, so that a brand merged
// down a group of lines belongs to each; numbers are never filled down.
CleanedLines cleanStockLines(const Sheet& sheet, const ColumnMapping& mapping,
                             const KnownBrands& brands);

}  // namespace lz::shop
