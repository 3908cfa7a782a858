#pragma once

#include <string>

#include "prng.h"
#include "size_table.h"

namespace catgen {

// Illustrative list price in yuan before tax: grows with the bearing's steel mass, times the
// variant's and the maker's factors, with some scatter. Not anyone's real price.
double listPrice(const Size& size, double variantFactor, double makerFactor, Prng& rng);

// How price lists write a price: cents for small sums, often whole yuan for large ones.
std::string priceText(double yuan, Prng& rng);

}  // namespace catgen
