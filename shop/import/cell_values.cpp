#include "shop/import/cell_values.h"

#include <QDate>

#include <cmath>

namespace lz::shop {

namespace {

constexpr double kLastSerial = 2958466.0;  // 10000-01-01 in the 1900 system

QString twoDigits(int value) {
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

}  // namespace

QString numberText(double value) {
    if (!std::isfinite(value)) {
        return QString::number(value);
    }
    if (value == 0) {
        return QStringLiteral("0");  // also for -0
    }
    return QString::number(value, 'g', 15);
}

QString numberText(QStringView written) {
    bool ok = false;
    const double value = written.trimmed().toDouble(&ok);
    return ok ? numberText(value) : written.toString();
}

DateKind builtInFormatKind(int id) {
    switch (id) {
        case 14:
        case 15:
        case 16:
        case 17:  // m/d/yyyy, d-mmm-yy, d-mmm, mmm-yy
        case 27:
        case 28:
        case 29:
        case 30:
        case 31:  // yyyy年m月, m月d日, m-d-yy, yyyy年m月d日
        case 36:  // yyyy年m月
        case 50:
        case 51:
        case 52:
        case 53:
        case 54:  // yyyy年m月, m月d日 ...
        case 57:
        case 58:  // yyyy年m月, m月d日
            return DateKind::Date;
        case 18:
        case 19:
        case 20:
        case 21:  // h:mm AM/PM, h:mm:ss AM/PM, h:mm, h:mm:ss
        case 32:
        case 33:
        case 34:
        case 35:  // h时mm分, h时mm分ss秒, 上午/下午h时mm分 ...
        case 45:
        case 47:  // mm:ss, mmss.0
        case 55:
        case 56:  // 上午/下午h时mm分, 上午/下午h时mm分ss秒
            return DateKind::Time;
        case 22:  // m/d/yyyy h:mm
            return DateKind::DateTime;
        case 46:  // [h]:mm:ss
            return DateKind::Duration;
        default:
            return DateKind::None;
    }
}

DateKind formatCodeKind(QStringView code) {
    // The letters that mean something, lower-cased, from the first section (how positive
    // numbers show): quoted text, escaped characters and bracketed colours or locales
    // drop out; AM/PM, A/P and 上午/下午 become 'a'; elapsed time ("[h]") becomes 't'.
    QString letters;
    for (qsizetype i = 0; i < code.size(); ++i) {
        const QChar c = code[i];
        if (c == QLatin1Char(';')) {
            break;
        }
        if (c == QLatin1Char('"')) {
            const qsizetype end = code.indexOf(QLatin1Char('"'), i + 1);
            i = end < 0 ? code.size() : end;
        } else if (c == QLatin1Char('\\') || c == QLatin1Char('_') || c == QLatin1Char('*')) {
            ++i;
        } else if (c == QLatin1Char('[')) {
            const qsizetype end = code.indexOf(QLatin1Char(']'), i + 1);
            const QStringView inside = code.mid(i + 1, (end < 0 ? code.size() : end) - i - 1);
            const QChar first = inside.isEmpty() ? QChar() : inside[0].toLower();
            if (first == QLatin1Char('h') || first == QLatin1Char('m') ||
                first == QLatin1Char('s')) {
                letters.append(QLatin1Char('t'));  // elapsed time
            }
            i = end < 0 ? code.size() : end;
        } else if (code.mid(i, 5).compare(QLatin1String("am/pm"), Qt::CaseInsensitive) == 0) {
            letters.append(QLatin1Char('a'));
            i += 4;
        } else if (code.mid(i, 3).compare(QLatin1String("a/p"), Qt::CaseInsensitive) == 0) {
            letters.append(QLatin1Char('a'));
            i += 2;
        } else if (code.mid(i, 7).compare(QLatin1String("general"), Qt::CaseInsensitive) == 0) {
            i += 6;
        } else if (c == QChar(0x4E0A) || c == QChar(0x4E0B)) {  // 上午/下午
            letters.append(QLatin1Char('a'));
        } else if ((c == QLatin1Char('e') || c == QLatin1Char('E')) && i + 1 < code.size() &&
                   (code[i + 1] == QLatin1Char('+') || code[i + 1] == QLatin1Char('-'))) {
            ++i;  // an exponent ("0.00E+00"), not an era year
        } else if (c == QLatin1Char('a') || c == QLatin1Char('A')) {
            letters.append(QLatin1Char('d'));  // "aaa", "aaaa": the day of the week
        } else if (c.isLetter() && c.unicode() < 0x80) {
            letters.append(c.toLower());
        }
    }
    if (letters.contains(QLatin1Char('t'))) {
        return DateKind::Duration;
    }
    bool date = false;
    bool time = false;
    for (qsizetype i = 0; i < letters.size(); ++i) {
        const QChar c = letters[i];
        if (c == QLatin1Char('y') || c == QLatin1Char('d') || c == QLatin1Char('e')) {
            date = true;
        } else if (c == QLatin1Char('h') || c == QLatin1Char('s') || c == QLatin1Char('a')) {
            time = true;
        } else if (c == QLatin1Char('m')) {
            // Minutes when an hour stands before the run of m's or a second after it;
            // otherwise a month.
            qsizetype end = i;
            while (end < letters.size() && letters[end] == QLatin1Char('m')) {
                ++end;
            }
            const bool afterHour = i > 0 && letters[i - 1] == QLatin1Char('h');
            const bool beforeSecond = end < letters.size() && letters[end] == QLatin1Char('s');
            if (afterHour || beforeSecond) {
                time = true;
            } else {
                date = true;
            }
            i = end - 1;
        }
    }
    if (date && time) {
        return DateKind::DateTime;
    }
    return date ? DateKind::Date : time ? DateKind::Time : DateKind::None;
}

QString serialDateText(double serial, bool date1904, DateKind kind) {
    if (!std::isfinite(serial) || serial < 0 || serial >= kLastSerial || kind == DateKind::None) {
        return {};
    }
    // Whole seconds, rounded, so that 0.99999999 of a day is the next midnight.
    const auto seconds = static_cast<long long>(std::llround(serial * 86400.0));
    if (kind == DateKind::Duration) {
        return QStringLiteral("%1:%2:%3")
            .arg(QString::number(seconds / 3600), twoDigits(static_cast<int>(seconds / 60 % 60)),
                 twoDigits(static_cast<int>(seconds % 60)));
    }
    const long long day = seconds / 86400;
    const long long secondOfDay = seconds % 86400;

    QString dateText;
    if (kind != DateKind::Time) {
        if (!date1904 && day == 60) {
            dateText = QStringLiteral("1900-02-29");  // a day that never was, kept as shown
        } else {
            // The 1900 system counts the fictitious day: days after it are one more.
            const QDate base = date1904   ? QDate(1904, 1, 1)
                               : day < 60 ? QDate(1899, 12, 31)
                                          : QDate(1899, 12, 30);
            const QDate date = base.addDays(day);
            if (!date.isValid()) {
                return {};
            }
            dateText = QStringLiteral("%1-%2-%3")
                           .arg(date.year(), 4, 10, QLatin1Char('0'))
                           .arg(twoDigits(date.month()), twoDigits(date.day()));
        }
    }
    const QString timeText = QStringLiteral("%1:%2:%3")
                                 .arg(twoDigits(static_cast<int>(secondOfDay / 3600)),
                                      twoDigits(static_cast<int>(secondOfDay / 60 % 60)),
                                      twoDigits(static_cast<int>(secondOfDay % 60)));
    switch (kind) {
        case DateKind::Date:
            return dateText;
        case DateKind::Time:
            return timeText;
        default:
            return dateText + QLatin1Char(' ') + timeText;
    }
}

}  // namespace lz::shop
