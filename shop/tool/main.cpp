// lingzhou-shop: the shop's stock and quotes from a terminal. lingzhou-query hands its
// "stock" and "quote" commands to this program, naming itself in argv[0] so that messages name the
// program the user ran.
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/data_directory.h"
#include "catalogue/image/catalogue_image.h"
#include "shop/tool/stock_tool.h"

int main(int argc, char** argv) {
    const std::vector<std::string_view> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
    std::ios::sync_with_stdio(false);
    lz::shop_tool::StockToolSetting setting;
    if (argc > 0 && argv[0] != nullptr) {
        const std::string_view called = argv[0];
        const auto slash = called.rfind('/');
        const std::string_view name =
            slash == std::string_view::npos ? called : called.substr(slash + 1);
        if (!name.empty()) {
            setting.programName = std::string(name);
        }
    }
    setting.catalogueImage = lz::catalogue::catalogueImage();
    setting.dataDirectory = lz::catalogue::dataDirectory();
    return lz::shop_tool::runStockTool(arguments, setting, std::cout, std::cerr);
}
