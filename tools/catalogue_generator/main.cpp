// Writes the committed catalogue source assets/catalogue.sql. Run by hand, never by the build:
//   catalogue_generator [DATA_FOLDER [OUTPUT.sql]]
// Defaults: this tool's data/ folder and the project's assets/catalogue.sql.
#include <iostream>

#include "bearing_table.h"
#include "price_tables.h"
#include "prng.h"
#include "size_table.h"
#include "sql_writer.h"

namespace {

// Changing the seed changes the whole catalogue; keep it.
constexpr std::uint64_t kSeed = 0x6C696E677A686F75ULL;

}  // namespace

int main(int argc, char** argv) {
    if (argc > 3) {
        std::cerr << "usage: catalogue_generator [DATA_FOLDER [OUTPUT.sql]]\n";
        return 2;
    }
    const std::filesystem::path data = argc > 1 ? argv[1] : CATGEN_DEFAULT_DATA;
    const std::filesystem::path output = argc > 2 ? argv[2] : CATGEN_DEFAULT_OUTPUT;

    const catgen::SizeLibrary sizes(data);
    const catgen::Prng seed(kSeed);
    const auto bearing = catgen::buildBearingTable(sizes, seed.fork(1));
    const auto prgc = catgen::buildDomesticPrices(sizes, seed.fork(2));
    const auto prjk = catgen::buildImportedPrices(sizes, seed.fork(3));
    if (!catgen::writeCatalogueSql(output, bearing, prgc, prjk)) {
        std::cerr << "catalogue_generator: cannot write " << output << "\n";
        return 1;
    }
    std::cout << "wrote " << output << ": " << bearing.size() << " bearings, " << prgc.size()
              << " domestic and " << prjk.size() << " imported prices\n";
    return 0;
}
