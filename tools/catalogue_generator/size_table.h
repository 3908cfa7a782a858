#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace catgen {

// One row of the boundary-dimension tables in data/: d, D and B (or T, H, C) in millimetres,
// kept as the shortest decimal text the table gives, plus their values for the price model.
struct Size {
    std::string designation;
    std::string series;
    std::string d, D, B;
    std::string cone, cup;  // inch tapered sets only
    double dmm = 0, Dmm = 0, Bmm = 0;
    int votes = 1;  // independent sources that agreed: a fair measure of how common it is
};

using SizeTable = std::vector<Size>;

// Reads one table; exits with a message when the file is missing or malformed, because a
// partial catalogue must never be written.
SizeTable loadSizeTable(const std::filesystem::path& file);

// All tables of the data folder, by file stem ("deep_groove_ball", ...).
class SizeLibrary {
public:
    explicit SizeLibrary(const std::filesystem::path& folder);
    const SizeTable& operator[](const std::string& stem) const;

private:
    std::map<std::string, SizeTable> tables_;  // node-based: rows keep their addresses
};

}  // namespace catgen
