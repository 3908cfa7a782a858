#pragma once

#include <sqlite3.h>

#include "catalogue/field_value.h"

namespace lz::catalogue {

// The kind of value a result column yields, fixed by its declared type. Columns without
// one (expressions) go by the storage class of each value read.
enum class ColumnKind {
    Byte,
    ShortInteger,
    Integer,
    Single,
    Double,
    Boolean,
    Text,
    DateTime,
    Bytes,
    ByStorage,
};

// `declaredType` as SQLite reports it, such as "VARCHAR(255)" or "DOUBLE"; null for none.
ColumnKind kindOfDeclaredType(const char* declaredType);

// The value of column `index` on the row `statement` stands on. NULL gives the zero or
// empty value of the kind.
FieldValue readColumn(sqlite3_stmt* statement, int index, ColumnKind kind);

}  // namespace lz::catalogue
