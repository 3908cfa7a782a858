#include "catalogue/column_kind.h"

#include <array>
#include <cstdio>
#include <limits>
#include <string>
#include <string_view>
#include <utility>

namespace lz::catalogue {

namespace {

// The type name without its size or precision, upper case, single-spaced: "varchar (255)"
// becomes "VARCHAR", "double  precision" becomes "DOUBLE PRECISION".
std::string typeName(const char* declaredType) {
    std::string name;
    for (const char* c = declaredType; *c != '\0' && *c != '('; ++c) {
        if (*c == ' ' || *c == '\t' || *c == '\n' || *c == '\r') {
            if (!name.empty() && name.back() != ' ') {
                name += ' ';
            }
        } else {
            name += *c >= 'a' && *c <= 'z' ? static_cast<char>(*c - 'a' + 'A') : *c;
        }
    }
    if (!name.empty() && name.back() == ' ') {
        name.pop_back();
    }
    return name;
}

std::string columnText(sqlite3_stmt* statement, int index) {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, index));
    if (text == nullptr) {
        return {};
    }
    return std::string(text, static_cast<std::size_t>(sqlite3_column_bytes(statement, index)));
}

std::vector<std::uint8_t> columnBytes(sqlite3_stmt* statement, int index) {
    const auto* bytes = static_cast<const std::uint8_t*>(sqlite3_column_blob(statement, index));
    if (bytes == nullptr) {
        return {};
    }
    return {bytes, bytes + sqlite3_column_bytes(statement, index)};
}

// Accepts "YYYY-MM-DD", "YYYY-MM-DD HH:MM[:SS]" (or with 'T') and "HH:MM:SS"; anything else
// reads as the zero date-time.
DateTime columnDateTime(sqlite3_stmt* statement, int index) {
    const std::string text = columnText(statement, index);
    DateTime value;
    char separator = 0;
    const int fields =
        std::sscanf(text.c_str(), "%d-%d-%d%c%d:%d:%d", &value.year, &value.month, &value.day,
                    &separator, &value.hour, &value.minute, &value.second);
    if (fields >= 3 && text.find('-') != std::string::npos) {
        if (fields < 6) {
            value.hour = value.minute = value.second = 0;
        }
        return value;
    }
    DateTime time;
    if (std::sscanf(text.c_str(), "%d:%d:%d", &time.hour, &time.minute, &time.second) == 3) {
        return time;
    }
    return {};
}

FieldValue valueByStorage(sqlite3_stmt* statement, int index) {
    switch (sqlite3_column_type(statement, index)) {
        case SQLITE_INTEGER: {
            const sqlite3_int64 number = sqlite3_column_int64(statement, index);
            if (number >= std::numeric_limits<std::int32_t>::min() &&
                number <= std::numeric_limits<std::int32_t>::max()) {
                return static_cast<std::int32_t>(number);
            }
            return columnText(statement, index);  // too wide for an integer: as text
        }
        case SQLITE_FLOAT:
            return sqlite3_column_double(statement, index);
        case SQLITE_BLOB:
            return columnBytes(statement, index);
        default:  // text, and NULL of unknown kind
            return columnText(statement, index);
    }
}

}  // namespace

ColumnKind kindOfDeclaredType(const char* declaredType) {
    if (declaredType == nullptr) {
        return ColumnKind::ByStorage;
    }
    static constexpr std::array<std::pair<std::string_view, ColumnKind>, 20> kKinds{{
        {"INTEGER", ColumnKind::Integer},    {"INT", ColumnKind::Integer},
        {"LONG", ColumnKind::Integer},       {"SMALLINT", ColumnKind::ShortInteger},
        {"TINYINT", ColumnKind::Byte},       {"BYTE", ColumnKind::Byte},
        {"REAL", ColumnKind::Single},        {"SINGLE", ColumnKind::Single},
        {"DOUBLE", ColumnKind::Double},      {"DOUBLE PRECISION", ColumnKind::Double},
        {"FLOAT", ColumnKind::Double},       {"BIT", ColumnKind::Boolean},
        {"BOOLEAN", ColumnKind::Boolean},    {"DATE", ColumnKind::DateTime},
        {"TIME", ColumnKind::DateTime},      {"DATETIME", ColumnKind::DateTime},
        {"TIMESTAMP", ColumnKind::DateTime}, {"BLOB", ColumnKind::Bytes},
        {"BINARY", ColumnKind::Bytes},       {"VARBINARY", ColumnKind::Bytes},
    }};
    const std::string name = typeName(declaredType);
    for (const auto& [typeName, kind] : kKinds) {
        if (name == typeName) {
            return kind;
        }
    }
    // Character types, and NUMERIC, DECIMAL and BIGINT, which read as their text.
    return ColumnKind::Text;
}

FieldValue readColumn(sqlite3_stmt* statement, int index, ColumnKind kind) {
    switch (kind) {
        case ColumnKind::Byte:
            return static_cast<std::uint8_t>(sqlite3_column_int(statement, index));
        case ColumnKind::ShortInteger:
            return static_cast<std::int16_t>(sqlite3_column_int(statement, index));
        case ColumnKind::Integer:
            return static_cast<std::int32_t>(sqlite3_column_int(statement, index));
        case ColumnKind::Single:
            return static_cast<float>(sqlite3_column_double(statement, index));
        case ColumnKind::Double:
            return sqlite3_column_double(statement, index);
        case ColumnKind::Boolean:
            return sqlite3_column_int64(statement, index) != 0;
        case ColumnKind::Text: {
            // Built in place: the listing reads nearly every value as text.
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, index));
            if (text == nullptr) {
                return std::string();
            }
            return FieldValue(std::in_place_type<std::string>, text,
                              static_cast<std::size_t>(sqlite3_column_bytes(statement, index)));
        }
        case ColumnKind::DateTime:
            return columnDateTime(statement, index);
        case ColumnKind::Bytes:
            return columnBytes(statement, index);
        case ColumnKind::ByStorage:
            break;
    }
    return valueByStorage(statement, index);
}

}  // namespace lz::catalogue
