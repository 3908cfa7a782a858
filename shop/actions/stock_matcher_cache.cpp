#include "shop/actions/stock_matcher_cache.h"

#include <cstdint>
#include <optional>

#include "catalogue/catalogue_database.h"
#include "shop/matching/stock_matcher.h"
#include "ui/window.h"
#include "ui/window_manager.h"
#include "windows/main_window_template.h"

namespace lz::shop::actions {

const StockMatcher* stockMatcherOf(catalogue::CatalogueDatabase& database) {
    struct Cached {
        std::uint64_t connection = 0;
        std::optional<StockMatcher> matcher;
    };
    static Cached cached;
    const std::uint64_t connection = database.connectionSerial();
    if (connection == 0) {
        return nullptr;
    }
    if (cached.connection != connection) {
        cached.matcher.reset();
        cached.matcher = StockMatcher::build(database);
        cached.connection = cached.matcher ? connection : 0;
    }
    return cached.matcher ? &*cached.matcher : nullptr;
}

const StockMatcher* mainCatalogueMatcher() {
    ui::Window* main = ui::WindowManager::instance().find(windows::kMainWindowName);
    if (main == nullptr) {
        return nullptr;
    }
    return stockMatcherOf(main->database(windows::kMainCatalogueConnection));
}

}  // namespace lz::shop::actions
