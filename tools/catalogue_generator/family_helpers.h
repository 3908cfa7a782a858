#pragma once

#include <map>
#include <string>
#include <vector>

#include "candidates.h"

namespace catgen {

// One suffix a maker uses: the standard suffix of the new-style designation, the maker's own
// text, the sub-type it makes and how much dearer it is than the plain bearing. A maker text
// holding "{" is a whole template: {b} base designation, {d} bore in mm, {x} and {s}
// the maker's own series codes.
struct Variant {
    const char* std;
    const char* brand;
    int subtype;
    double price;
};
using Variants = std::vector<Variant>;

// A dialect's list, or the generic one when the maker has no list of its own.
const Variants& variantsFor(const std::map<Dialect, Variants>& table, Dialect dialect);

// The maker's model text for a base designation and a variant.
std::string brandText(const std::string& base, const Variant& variant,
                      const std::map<std::string, std::string>& tokens = {});

// "05" style bore code of a designation's last two characters, or empty when the
// designation does not end in a two-digit code (618/1, 62/22 ...).
std::string boreCode(const std::string& designation, std::size_t prefixLength);

// Zero-padded to the width given ("5" -> "05").
std::string padded(const std::string& text, std::size_t width);

Candidate makeCandidate(const Size& size, std::string newno, std::string ckxh, int subtype,
                        double price, const std::string& series);

// Builders for the groups of types.
std::vector<Candidate> ballCandidates(Kind kind, Dialect dialect, const SizeLibrary& sizes);
std::vector<Candidate> rollerCandidates(Kind kind, Dialect dialect, const SizeLibrary& sizes);
std::vector<Candidate> needleCandidates(Kind kind, Dialect dialect, const SizeLibrary& sizes);
std::vector<Candidate> unitCandidates(Kind kind, Dialect dialect, const SizeLibrary& sizes);

}  // namespace catgen
