#pragma once

#include <QString>

#include <cstdint>

#include "shop/import/read_limits.h"
#include "shop/import/sheet.h"

namespace lz::shop {

// Collects the cells a reader finds into a Sheet and holds every reader to the same
// limits: a cell over the size limit or too many cells stop the reading with the message
// for it. Rows are added in the order they come; a cell for the row number of the row
// being built joins it.
class SheetBuilder {
public:
    SheetBuilder(QString name, const ReadLimits& limits);

    // False (and error() set) when the cell breaks a limit. Blank texts (white space only) are
    // skipped.
    bool addCell(int rowNumber, int column, QString text);
    void addMerged(const MergedRange& range);

    bool failed() const { return !error_.isEmpty(); }
    // A text longer than this many UTF-16 units is over the cell limit whatever it holds;
    // readers that build a text piece by piece stop there.
    qsizetype maxCellUnits() const { return static_cast<qsizetype>(limits_.maxCellBytes); }
    const QString& error() const { return error_; }
    void fail(const QString& message);

    Sheet take();

private:
    Sheet sheet_;
    ReadLimits limits_;
    std::int64_t slots_ = 0;
    QString error_;
};

// Whether a text is over `maxBytes` in UTF-8, counted without converting short texts.
bool exceedsUtf8Bytes(const QString& text, std::int64_t maxBytes);

}  // namespace lz::shop
