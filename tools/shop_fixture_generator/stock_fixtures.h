#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace lz::fixtures {

// The stock lists the shop-import tests read, one per quirk of the formats shops send:
// .xlsx with and without shared strings, with absolute relationship targets, with Chinese
// date formats, with merged cells; an .xls for FreeXL; a web-page table saved as ".xls";
// CSV in GBK and in UTF-8 with a byte-order mark; two customers' enquiry lists (询价单);
// and the bad inputs (empty, no header,
// encrypted, truncated). Their bytes depend on nothing but this code (and zlib's deflate).
// Writes them all into `directory`; the names written, or an empty list on failure.
std::vector<std::string> writeStockFixtures(const std::filesystem::path& directory);

}  // namespace lz::fixtures
