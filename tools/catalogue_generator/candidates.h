#pragma once

#include <string>
#include <vector>

#include "kinds.h"
#include "size_table.h"

namespace catgen {

// How a maker writes its own models: suffix letters for seals, cages, clearance and
// precision differ from brand to brand (6205-2RS1, 6205DDU, 6205-2RSR, 6205LLU ...).
enum class Dialect {
    Generic,
    Skf,
    Nsk,
    Fag,
    Ntn,
    Koyo,
    Nachi,
    Ina,
    Iko,
    Timken,
    Barden,
    Gmn,
    Snfa,
    Nmb,
    Ezo,
    Housed,  // FYH, ASAHI
    Linear,  // THK, SAMICK
    Nb,
    Domestic,
};

// One model a maker could list: its standard (new-style) designation, the maker's own
// model text, the old Chinese designation where a conversion rule gives one, and sizes.
struct Candidate {
    const Size* size = nullptr;
    std::string newno;
    std::string ckxh;
    std::string oldno;   // empty: no conversion rule applies
    std::string series;  // for the price lists' section headings ("62", "NU2", ...)
    int subtype = 0;
    double priceFactor = 1.0;
    double weight = 1.0;     // how often the model turns up in real lists
    bool component = false;  // inch cone with its cup: listed as the one or the other
};

// Every model of one bearing type in one dialect, in catalogue order.
std::vector<Candidate> candidatesFor(Kind kind, Dialect dialect, const SizeLibrary& sizes);

// Whether a dialect writes cylindrical and spherical designations with spaces ("NU 205 E").
bool spacedDialect(Dialect dialect);

}  // namespace catgen
