#pragma once

#include <iosfwd>

#include "cli/invocation.h"

namespace lz::catalogue {
class CatalogueDatabase;
}

namespace lz::query_cli {

// The measure command on an open catalogue: reads the measured sizes and tolerances as the
// window's tab reads them, builds the size index, and prints the bearings it lists, with
// their deviation, in the same order. Exit status: 0 rows within tolerance; 1 none, the
// nearest rows printed after kNoneWithinTolerance on `err`; 2 a size, tolerance or type
// refused (each refusal on `err`); 3 the catalogue fails while read.
int runMeasure(const Invocation& invocation, catalogue::CatalogueDatabase& database,
               std::ostream& out, std::ostream& err);

}  // namespace lz::query_cli
