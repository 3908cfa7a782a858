// lingzhou-query: the catalogue's searches from a terminal, without a window and without
// deploying the catalogue.
#include <iostream>
#include <string_view>
#include <vector>

#include "catalogue/data_directory.h"
#include "catalogue/image/catalogue_image.h"
#include "cli/query_tool.h"
#include "cli/stock_handover.h"

int main(int argc, char** argv) {
    const std::vector<std::string_view> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
    // The shop's stock lists and quotes need readers and PDF this program does without.
    if (lz::query_cli::asksForShopCommand(arguments)) {
        return lz::query_cli::handOverToShopTool(argv, std::cerr);
    }
    std::ios::sync_with_stdio(false);
    // The data directory only names where `lookup --stock` reads the shop file; nothing is
    // created there.
    return lz::query_cli::runQueryTool(arguments, lz::catalogue::catalogueImage(),
                                       lz::catalogue::dataDirectory(), std::cout, std::cerr);
}
