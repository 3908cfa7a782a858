#pragma once

#include <QString>
#include <QStringView>

namespace lz::shop {

// A number as a sheet shows it in its general format: at most 15 significant digits, so
// that the float noise of binary numbers goes ("0.30000000000000004" is "0.3",
// "32.399999999999999" is "32.4"), and no trailing zeros ("6205", not "6205.0").
QString numberText(double value);
// The same for a number written as text in a file (an .xlsx cell's value); a text that
// is not a number comes back as it is.
QString numberText(QStringView written);

// What a number format shows: a plain number, a date and/or a time of day, or a duration
// in hours ("[h]:mm:ss").
enum class DateKind { None, Date, Time, DateTime, Duration };

// The kind of Excel's built-in number format `id`, including the ones Chinese Excel
// writes ("yyyy年m月d日", "上午/下午h时mm分" ...).
DateKind builtInFormatKind(int id);
// The kind of a format code such as 'yyyy"年"m"月"d"日";@' or "[$-804]h:mm AM/PM": its
// first section's letters outside quotes, escapes and brackets ("[h]" makes a duration).
DateKind formatCodeKind(QStringView code);

// A spreadsheet's day number as text: "2024-03-05", "13:30:00", "2024-03-05 13:30:00" or
// "36:00:00" (a duration) by `kind`. Day 1 is 1900-01-01 (or 1904-01-02 when
// `date1904`); the 1900 system's day 60 is its fictitious 1900-02-29. Empty when the
// number is no day a sheet can show (negative, beyond 9999-12-31, not finite).
QString serialDateText(double serial, bool date1904, DateKind kind);

}  // namespace lz::shop
