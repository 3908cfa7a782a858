#pragma once

namespace lz::catalogue {
class CatalogueDatabase;
}

namespace lz::sizes {

class SizeIndex;

// The size index of the catalogue `database` is connected to: built on first use, then kept
// while that connection lasts, and built again for a later connection, whose catalogue may
// differ. nullptr while not connected, or when the table cannot be read; that is tried again
// on the next call. For the window's thread: one index at a time, for one connection.
const SizeIndex* sizeIndexOf(catalogue::CatalogueDatabase& database);

}  // namespace lz::sizes
