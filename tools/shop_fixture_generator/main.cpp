// Writes the stock-list fixtures of the shop-import tests into tests/shop/fixtures (or the
// directory given). Run by hand after changing a fixture; the files are committed.
#include <cstdio>

#include "stock_fixtures.h"

int main(int argc, char** argv) {
    const std::filesystem::path directory = argc > 1 ? argv[1] : SHOP_FIXTURES_DEFAULT_DIR;
    const auto written = lz::fixtures::writeStockFixtures(directory);
    if (written.empty()) {
        std::fprintf(stderr, "shop_fixture_generator: cannot write into %s\n", directory.c_str());
        return 1;
    }
    for (const auto& name : written) {
        std::printf("%s\n", (directory / name).c_str());
    }
    return 0;
}
