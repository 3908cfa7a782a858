#pragma once

#include <optional>
#include <vector>

#include "bearing_table.h"
#include "prng.h"
#include "size_table.h"

namespace catgen {

struct ImportedPriceRow {  // prjk
    std::optional<long> id;
    Text ppai, newno, nonprice, price;
};

struct DomesticPriceRow {  // prgc
    int id = 0;
    Text oldno, newno, nonprice, price, ppai;
};

std::vector<ImportedPriceRow> buildImportedPrices(const SizeLibrary& sizes, Prng rng);
std::vector<DomesticPriceRow> buildDomesticPrices(const SizeLibrary& sizes, Prng rng);

}  // namespace catgen
