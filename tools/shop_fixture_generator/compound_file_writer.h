#pragma once

#include <string>
#include <utility>
#include <vector>

namespace lz::fixtures {

// A compound file (version 3, 512-byte sectors) holding the given streams, as .xls
// workbooks and encrypted Office files are kept. Every stream is padded with zero bytes to
// 4096 bytes at least, so that none belongs in the mini stream (which this writer does
// not write); old spreadsheet writers pad their workbook streams the same way.
std::string compoundFile(std::vector<std::pair<std::u16string, std::string>> streams);

}  // namespace lz::fixtures
