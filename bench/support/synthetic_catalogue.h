#pragma once

#include <string>

namespace lz::bench {

// Writes a temporary catalogue database with `rows` bearings of catalogue-like content and
// returns its path (the caller removes it).
std::string writeSyntheticCatalogue(int rows);

}  // namespace lz::bench
