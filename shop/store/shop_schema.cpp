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

// Version 2: the quotes (报价单) with their lines, the count of numbers handed out per day
// (so that a deleted quote's number is never handed out again), and the shop's own header
// printed on top of every quote (one row). Money is whole fen; dates are "YYYY-MM-DD".
constexpr const char* kVersion2 = R"sql(
CREATE TABLE quote (
    id INTEGER PRIMARY KEY,
    number TEXT NOT NULL UNIQUE CHECK (number <> ''),
    quote_date TEXT NOT NULL,
    customer TEXT NOT NULL DEFAULT '',
    contact TEXT NOT NULL DEFAULT '',
    quoted_by TEXT NOT NULL DEFAULT '',
    valid_days INTEGER NOT NULL,
    tax_basis INTEGER NOT NULL CHECK (tax_basis IN (0, 1)),
    tax_rate_bp INTEGER NOT NULL,
    freight_fen INTEGER NOT NULL,
    adjustment_fen INTEGER NOT NULL,
    note TEXT NOT NULL DEFAULT '',
    line_count INTEGER NOT NULL,
    total_fen INTEGER NOT NULL,
    saved_at TEXT NOT NULL
) STRICT;
CREATE TABLE quote_line (
    quote_id INTEGER NOT NULL REFERENCES quote (id) ON DELETE CASCADE,
    position INTEGER NOT NULL,
    asked_model TEXT NOT NULL DEFAULT '',
    offered_model TEXT NOT NULL DEFAULT '',
    brand TEXT NOT NULL DEFAULT '',
    quantity INTEGER,
    unit TEXT NOT NULL DEFAULT '',
    unit_price_fen INTEGER,
    price_source INTEGER NOT NULL CHECK (price_source IN (0, 1, 2)),
    delivery TEXT NOT NULL DEFAULT '',
    note TEXT NOT NULL DEFAULT '',
    bh INTEGER,
    offer_check INTEGER NOT NULL DEFAULT 0 CHECK (offer_check IN (0, 1, 2)),
    PRIMARY KEY (quote_id, position)
) STRICT;
CREATE TABLE quote_number_day (
    day TEXT PRIMARY KEY,
    last_counter INTEGER NOT NULL
) STRICT;
CREATE TABLE shop_header (
    id INTEGER PRIMARY KEY CHECK (id = 1),
    name TEXT NOT NULL DEFAULT '',
    phone TEXT NOT NULL DEFAULT '',
    address TEXT NOT NULL DEFAULT '',
    bank TEXT NOT NULL DEFAULT ''
) STRICT;
)sql";

constexpr Migration kMigrations[] = {
    {1, kVersion1},
    {2, kVersion2},
};

}  // namespace

std::span<const Migration> shopMigrations() {
    return kMigrations;
}

}  // namespace lz::shop
