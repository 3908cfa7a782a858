#include "size_table.h"

#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>

namespace catgen {

namespace {

[[noreturn]] void fail(const std::string& message) {
    std::cerr << "catalogue_generator: " << message << "\n";
    std::exit(1);
}

std::vector<std::string> splitCsv(const std::string& line) {
    std::vector<std::string> fields;
    std::stringstream stream(line);
    std::string field;
    while (std::getline(stream, field, ',')) {
        fields.push_back(field);
    }
    return fields;
}

}  // namespace

SizeTable loadSizeTable(const std::filesystem::path& file) {
    std::ifstream in(file);
    if (!in) {
        fail("cannot read " + file.string());
    }
    std::string line;
    std::getline(in, line);
    const auto header = splitCsv(line);
    auto column = [&](const std::string& name) {
        for (std::size_t i = 0; i < header.size(); ++i) {
            if (header[i] == name) {
                return static_cast<int>(i);
            }
        }
        return -1;
    };
    const int designation = column("designation"), series = column("series"), d = column("d"),
              D = column("D"), B = column("B"), cone = column("cone"), cup = column("cup"),
              votes = column("n_sources");
    if (designation < 0 || d < 0 || D < 0 || B < 0) {
        fail(file.string() + ": missing columns");
    }
    SizeTable table;
    while (std::getline(in, line)) {
        if (line.empty()) {
            continue;
        }
        const auto f = splitCsv(line);
        if (f.size() != header.size()) {
            fail(file.string() + ": bad row " + line);
        }
        Size s;
        s.designation = f[designation];
        s.series = series >= 0 ? f[series] : "";
        s.d = f[d];
        s.D = f[D];
        s.B = f[B];
        s.cone = cone >= 0 ? f[cone] : "";
        s.cup = cup >= 0 ? f[cup] : "";
        s.dmm = std::strtod(s.d.c_str(), nullptr);
        s.Dmm = std::strtod(s.D.c_str(), nullptr);
        s.Bmm = std::strtod(s.B.c_str(), nullptr);
        s.votes = votes >= 0 ? std::atoi(f[votes].c_str()) : 1;
        table.push_back(std::move(s));
    }
    return table;
}

SizeLibrary::SizeLibrary(const std::filesystem::path& folder) {
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        if (entry.path().extension() == ".csv") {
            tables_.emplace(entry.path().stem().string(), loadSizeTable(entry.path()));
        }
    }
    if (error || tables_.empty()) {
        fail("no size tables in " + folder.string());
    }
}

const SizeTable& SizeLibrary::operator[](const std::string& stem) const {
    const auto found = tables_.find(stem);
    if (found == tables_.end()) {
        fail("missing size table " + stem + ".csv");
    }
    return found->second;
}

}  // namespace catgen
