// Stands in for lz_designation until the command line is wired to it (see the header): a
// key function and one pass over the catalogue, since the command line looks up once per run.
#include <set>
#include <string>

#include "app/query_cli/designation_lookup.h"
#include "app/query_cli/utf8_text.h"
#include "catalogue/catalogue_database.h"
#include "query/sql/sql_literal.h"

namespace lz::query_cli {
namespace {

// A designation as people write it, reduced for comparison: full-width ASCII as half-width,
// ASCII letters in upper case, and spaces, "-", "/", "." and "·" left out. Nothing else is
// touched, so different features ("2RS" and "2RZ", "Z" and "2Z") keep different keys.
std::string designationKey(std::string_view designation) {
    std::string key;
    for (std::size_t i = 0; i < designation.size();) {
        const DecodedCharacter decoded = decodeUtf8(designation, i);
        i += decoded.length;
        char32_t c = decoded.point;
        if (c >= 0xFF01 && c <= 0xFF5E) {
            c -= 0xFF01 - 0x21;
        } else if (c == 0x3000) {
            c = U' ';
        }
        if (c == U' ' || c == U'-' || c == U'/' || c == U'.' || c == 0xB7) {
            continue;
        }
        if (c >= U'a' && c <= U'z') {
            c -= U'a' - U'A';
        }
        appendUtf8(key, c);
    }
    return key;
}

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
    // Rows without a new designation share it with nobody, so they are named by number.
    std::set<std::string> newDesignations;
    std::string rowsWithoutNew;
    for (; !database.IsEOF(handle); database.MoveNext(handle)) {
        const std::string newno = catalogue::fieldText(database.ReadColByName(handle, "newno"));
        if (designationKey(newno) != typedKey &&
            designationKey(catalogue::fieldText(database.ReadColByName(handle, "oldno"))) !=
                typedKey &&
            designationKey(catalogue::fieldText(database.ReadColByName(handle, "ckxh"))) !=
                typedKey) {
            continue;
        }
        if (!newno.empty()) {
            newDesignations.insert(newno);
        } else {
            rowsWithoutNew += (rowsWithoutNew.empty() ? "" : ",") +
                              catalogue::fieldText(database.ReadColByName(handle, "bh"));
        }
    }
    database.CloseTable(handle);
    if (newDesignations.empty() && rowsWithoutNew.empty()) {
        return std::nullopt;
    }
    std::string conditions;
    if (!newDesignations.empty()) {
        conditions = "newno in (";
        for (const std::string& newno : newDesignations) {
            conditions += (conditions.back() == '(' ? "" : ",") + query::sql::quotedLiteral(newno);
        }
        conditions += ")";
    }
    if (!rowsWithoutNew.empty()) {
        conditions += (conditions.empty() ? "bh in (" : " or bh in (") + rowsWithoutNew + ")";
    }
    return "select * from bearing where " + conditions;
}

}  // namespace lz::query_cli
