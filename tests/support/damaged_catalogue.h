#pragma once

#include <string>

namespace lz::test {

// Writes a small catalogue at `path` whose bearing table holds `rows` rows (bh 1 to
// `rows`, each with a long description so that the table spans many pages), then
// overwrites one leaf page of that table in the middle of the file with random bytes, as
// a failing disk would. Returns the number of rows stored before the damaged page, or -1
// when anything fails.
int writeCatalogueWithADamagedPage(const std::string& path, int rows);

}  // namespace lz::test
