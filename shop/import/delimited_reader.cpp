#include "shop/import/delimited_reader.h"

#include "shop/import/text_decoding.h"

namespace lz::shop {

namespace {

constexpr int kLinesToSample = 20;

}  // namespace

QChar detectSeparator(QStringView text) {
    const QChar candidates[] = {QLatin1Char('\t'), QLatin1Char(','), QLatin1Char(';')};
    int counts[3] = {0, 0, 0};
    int lines = 0;
    bool quoted = false;
    for (QChar c : text) {
        if (c == QLatin1Char('"')) {
            quoted = !quoted;
        } else if (!quoted && c == QLatin1Char('\n')) {
            if (++lines >= kLinesToSample) {
                break;
            }
        } else if (!quoted) {
            for (int k = 0; k < 3; ++k) {
                counts[k] += c == candidates[k];
            }
        }
    }
    int best = 1;  // a comma when nothing separates: one column
    for (int k : {0, 2}) {
        if (counts[k] > counts[best]) {
            best = k;
        }
    }
    if (counts[0] > 0 && counts[0] >= counts[best]) {
        best = 0;  // tabs win a tie: Excel's "text" export
    }
    return candidates[best];
}

void readDelimitedText(QByteArrayView bytes, SheetBuilder& builder) {
    const QString text = decodeText(bytes).text;
    QStringView rest(text);
    int line = 1;
    QChar separator;
    // Excel writes "sep=;" as a first line to name the separator.
    if (rest.startsWith(QLatin1String("sep="), Qt::CaseInsensitive) && rest.size() >= 5 &&
        (rest.size() == 5 || rest[5] == QLatin1Char('\r') || rest[5] == QLatin1Char('\n'))) {
        separator = rest[4];
        qsizetype end = rest.indexOf(QLatin1Char('\n'));
        rest = end < 0 ? QStringView() : rest.sliced(end + 1);
        ++line;
    } else {
        separator = detectSeparator(rest);
    }

    QString field;
    int column = 0;
    int recordLine = line;
    bool quoted = false;
    bool fieldStarted = false;
    auto endField = [&] {
        builder.addCell(recordLine, column, std::move(field));
        field = QString();
        ++column;
        fieldStarted = false;
    };
    for (qsizetype i = 0; i < rest.size() && !builder.failed(); ++i) {
        const QChar c = rest[i];
        if (quoted) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < rest.size() && rest[i + 1] == QLatin1Char('"')) {
                    field.append(c);
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                if (c == QLatin1Char('\n')) {
                    ++line;
                }
                field.append(c);
                if (field.size() > builder.maxCellUnits()) {
                    builder.addCell(recordLine, column, std::move(field));  // fails: too large
                }
            }
            continue;
        }
        if (c == QLatin1Char('"') && !fieldStarted) {
            quoted = true;
            fieldStarted = true;
        } else if (c == separator) {
            endField();
        } else if (c == QLatin1Char('\n') || c == QLatin1Char('\r')) {
            if (c == QLatin1Char('\r') && i + 1 < rest.size() && rest[i + 1] == QLatin1Char('\n')) {
                ++i;
            }
            endField();
            column = 0;
            recordLine = ++line;
        } else {
            field.append(c);
            fieldStarted = true;
            if (field.size() > builder.maxCellUnits()) {
                builder.addCell(recordLine, column, std::move(field));
            }
        }
    }
    if (!builder.failed() && (fieldStarted || !field.isEmpty() || column > 0)) {
        endField();
    }
}

}  // namespace lz::shop
