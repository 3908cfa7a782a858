#include "shop/store/shop_schema.h"

namespace lz::shop {

namespace {

// Version 1: the stock list, the list as it was before the last import (for undo), a log
// of imports, and the user's answers for designations the catalogue did not settle.
// STRICT tables refuse a text where a number belongs; the checks keep every line whole
// (a matched line says what it matched).
constexpr const char* kVersion1 = R"sql(
CREATE TABLE stock_line (
    id INTEGER PRIMARY KEY,
    source_line INTEGER NOT NULL,
    designation TEXT NOT NULL CHECK (designation <> ''),
    brand TEXT NOT NULL DEFAULT '',
    quantity INTEGER,
    price_fen INTEGER,
    cost_fen INTEGER,
    location TEXT NOT NULL DEFAULT '',
    note TEXT NOT NULL DEFAULT '',
    match_state INTEGER NOT NULL CHECK (match_state IN (0, 1, 2)),
    bh INTEGER,
    newno TEXT NOT NULL DEFAULT '',
    CHECK (match_state <> 1 OR bh IS NOT NULL OR newno <> '')
) STRICT;
CREATE TABLE stock_line_before_import (
    id INTEGER PRIMARY KEY,
    source_line INTEGER NOT NULL,
    designation TEXT NOT NULL,
    brand TEXT NOT NULL,
    quantity INTEGER,
    price_fen INTEGER,
    cost_fen INTEGER,
    location TEXT NOT NULL,
    note TEXT NOT NULL,
    match_state INTEGER NOT NULL,
    bh INTEGER,
    newno TEXT NOT NULL
) STRICT;
CREATE TABLE import_run (
    id INTEGER PRIMARY KEY,
    source_name TEXT NOT NULL,
    imported_at TEXT NOT NULL,
    line_count INTEGER NOT NULL,
    undone INTEGER NOT NULL DEFAULT 0
) STRICT;
CREATE TABLE match_override (
    imported_text TEXT NOT NULL CHECK (imported_text <> ''),
    imported_brand TEXT NOT NULL DEFAULT '',
    bh INTEGER,
    newno TEXT NOT NULL DEFAULT '',
    chosen_at TEXT NOT NULL,
    PRIMARY KEY (imported_text, imported_brand),
    CHECK ((bh IS NOT NULL) <> (newno <> ''))
) STRICT;
)sql";

constexpr Migration kMigrations[] = {
    {1, kVersion1},
};

}  // namespace

std::span<const Migration> shopMigrations() {
    return kMigrations;
}

}  // namespace lz::shop
