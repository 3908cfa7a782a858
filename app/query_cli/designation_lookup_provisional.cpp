// Stands in for lz_designation until the command line is wired to it (see the header): the
// same key rules, the same rows and the same statement, in one pass over the catalogue,
// since the command line looks up once per run.
#include <algorithm>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "app/query_cli/designation_lookup.h"
#include "app/query_cli/utf8_text.h"
#include "catalogue/catalogue_database.h"

namespace lz::query_cli {
namespace {

bool isSeparator(char32_t c) {
    return c == U' ' || c == U'\t' || c == U'\n' || c == U'\r' || c == U'\f' || c == U'\v' ||
           c == U'-' || c == U'/' || c == U'.' || c == U'·';
}

bool isDigit(char32_t c) {
    return c >= U'0' && c <= U'9';
}

// A designation as people write it, reduced for comparison: full-width ASCII as half-width,
// ASCII letters in upper case, separators (white space, "-", "/", ".", "·") left out, except
// that separators between two digits leave one "-": "605-2Z" is not "6052-Z". Nothing else
// is touched, so different features ("2RS" and "2RZ", "Z" and "2Z") keep different keys.
std::string designationKey(std::string_view designation) {
    std::string key;
    bool separated = false;
    char32_t last = 0;
    for (std::size_t i = 0; i < designation.size();) {
        const DecodedCharacter decoded = decodeUtf8(designation, i);
        char32_t c = decoded.point;
        if (c >= 0xFF01 && c <= 0xFF5E) {
            c -= 0xFF01 - 0x21;
        } else if (c == 0x3000) {
            c = U' ';
        }
        if (decoded.valid && isSeparator(c)) {
            separated = true;
            i += decoded.length;
            continue;
        }
        if (separated && isDigit(last) && isDigit(c)) {
            key += '-';
        }
        separated = false;
        if (!decoded.valid) {
            key.append(designation.substr(i, decoded.length));  // kept byte for byte
        } else {
            appendUtf8(key, c >= U'a' && c <= U'z' ? c - (U'a' - U'A') : c);
        }
        last = c;
        i += decoded.length;
    }
    return key;
}

struct Row {
    std::int32_t bh;
    std::string newno;
};

}  // namespace

std::optional<std::string> designationLookupStatement(catalogue::CatalogueDatabase& database,
                                                      std::string_view typed) {
    const std::string typedKey = designationKey(typed);
    if (typedKey.empty()) {
        return std::nullopt;
    }
    const catalogue::RecordSetHandle handle =
        database.OpenTable("select bh,newno,oldno,ckxh from bearing");
    if (handle == 0) {
        return std::nullopt;
    }
    std::vector<Row> rows;
    std::set<std::int32_t> named;
    std::set<std::string> namedNew;
    for (; !database.IsEOF(handle); database.MoveNext(handle)) {
        const catalogue::FieldValue bh = database.ReadColByName(handle, "bh");
        if (!std::holds_alternative<std::int32_t>(bh)) {
            continue;  // a row without a number cannot be named
        }
        Row row{std::get<std::int32_t>(bh),
                catalogue::fieldText(database.ReadColByName(handle, "newno"))};
        if (designationKey(row.newno) == typedKey ||
            designationKey(catalogue::fieldText(database.ReadColByName(handle, "oldno"))) ==
                typedKey ||
            designationKey(catalogue::fieldText(database.ReadColByName(handle, "ckxh"))) ==
                typedKey) {
            named.insert(row.bh);
            if (!row.newno.empty()) {
                namedNew.insert(row.newno);
            }
        }
        rows.push_back(std::move(row));
    }
    database.CloseTable(handle);
    // With them, every row sharing (byte for byte) the new designation of one of them.
    for (const Row& row : rows) {
        if (namedNew.contains(row.newno)) {
            named.insert(row.bh);
        }
    }
    if (named.empty()) {
        return std::nullopt;
    }
    std::string statement = "select * from bearing where bh in (";
    for (const std::int32_t bh : named) {
        statement += (statement.back() == '(' ? "" : ",") + std::to_string(bh);
    }
    return statement + ")";
}

}  // namespace lz::query_cli
