#pragma once

#include <string>
#include <utility>
#include <vector>

namespace lz::fixtures {

// A compound file (version 3, 512-byte sectors) holding up to three streams, as .xls
// workbooks and encrypted Office files are kept. Streams under 4096 bytes are padded with
// zero bytes to that size, as spreadsheet writers pad their workbook streams, or (with
// `padSmallStreams` false) kept in the mini stream.
std::string compoundFile(std::vector<std::pair<std::u16string, std::string>> streams,
                         bool padSmallStreams = true);

}  // namespace lz::fixtures
