#include "sql_writer.h"

#include <fstream>

namespace catgen {

namespace {

// The schema block, kept exactly as the catalogue has always declared it.
constexpr const char* kSchema = R"sql(-- The bearing catalogue: schema and rows.
-- Text columns compare without regard to letter case and never trim trailing spaces.
CREATE TABLE bearing (
    bh INTEGER PRIMARY KEY NOT NULL,
    zhch VARCHAR(255) COLLATE NOCASE,
    newno VARCHAR(255) COLLATE NOCASE,
    oldno VARCHAR(255) COLLATE NOCASE,
    njin VARCHAR(255) COLLATE NOCASE,
    wjin VARCHAR(255) COLLATE NOCASE,
    gdu VARCHAR(255) COLLATE NOCASE,
    ckxh VARCHAR(255) COLLATE NOCASE,
    ppai VARCHAR(255) COLLATE NOCASE,
    btype VARCHAR(255) COLLATE NOCASE,
    tt VARCHAR(255) COLLATE NOCASE,
    zhch1 VARCHAR(255) COLLATE NOCASE
);
CREATE TABLE prgc (
    id SMALLINT,
    oldno VARCHAR(255) COLLATE NOCASE,
    newno VARCHAR(255) COLLATE NOCASE,
    nonprice VARCHAR(50) COLLATE NOCASE,
    price VARCHAR(50) COLLATE NOCASE,
    ppai VARCHAR(255) COLLATE NOCASE
);
CREATE TABLE prjk (
    ID DOUBLE,
    ppai VARCHAR(255) COLLATE NOCASE,
    newno VARCHAR(255) COLLATE NOCASE,
    nonprice VARCHAR(255) COLLATE NOCASE,
    price VARCHAR(255) COLLATE NOCASE
);
CREATE INDEX prgc_id ON prgc (id);
CREATE INDEX prjk_ID ON prjk (ID);
)sql";

constexpr std::size_t kRowsPerInsert = 500;

void quoted(std::ostream& out, const Text& text) {
    if (!text) {
        out << "NULL";
        return;
    }
    out << '\'';
    for (char c : *text) {
        if (c == '\'')
            out << '\'';
        out << c;
    }
    out << '\'';
}

// Writes `rows` as multi-row INSERT statements; `values` writes one row's parenthesised list.
template <typename Row, typename Values>
void inserts(std::ostream& out, const char* table, const std::vector<Row>& rows, Values values) {
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (i % kRowsPerInsert == 0) {
            out << "INSERT INTO " << table << " VALUES\n";
        }
        out << '(';
        values(rows[i], i);
        const bool last = i + 1 == rows.size() || (i + 1) % kRowsPerInsert == 0;
        out << (last ? ");\n" : "),\n");
    }
    out << '\n';
}

}  // namespace

bool writeCatalogueSql(const std::filesystem::path& file, const std::vector<BearingRow>& bearing,
                       const std::vector<DomesticPriceRow>& prgc,
                       const std::vector<ImportedPriceRow>& prjk) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    if (!out) {
        return false;
    }
    out << kSchema << "\n\n"
        << "-- Rows below are written by tools/catalogue_generator; regenerate, do not edit.\n\n";
    inserts(out, "bearing", bearing, [&](const BearingRow& r, std::size_t i) {
        out << i + 1;
        for (const Text* t : {&r.zhch, &r.newno, &r.oldno, &r.njin, &r.wjin, &r.gdu, &r.ckxh,
                              &r.ppai, &r.btype, &r.tt}) {
            out << ',';
            quoted(out, *t);
        }
        out << ",NULL";
    });
    inserts(out, "prgc", prgc, [&](const DomesticPriceRow& r, std::size_t) {
        out << r.id;
        for (const Text* t : {&r.oldno, &r.newno, &r.nonprice, &r.price, &r.ppai}) {
            out << ',';
            quoted(out, *t);
        }
    });
    inserts(out, "prjk", prjk, [&](const ImportedPriceRow& r, std::size_t) {
        if (r.id) {
            out << *r.id;
        } else {
            out << "NULL";
        }
        for (const Text* t : {&r.ppai, &r.newno, &r.nonprice, &r.price}) {
            out << ',';
            quoted(out, *t);
        }
    });
    out.flush();
    return static_cast<bool>(out);
}

}  // namespace catgen
