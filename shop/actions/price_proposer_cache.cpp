#include "shop/actions/price_proposer_cache.h"

#include <cstdint>
#include <optional>
#include <vector>

#include "catalogue/catalogue_database.h"
#include "shop/actions/stock_matcher_cache.h"
#include "shop/pricing/proposed_price.h"
#include "shop/store/shop_session.h"
#include "ui/window.h"
#include "ui/window_manager.h"
#include "windows/main_window_template.h"

namespace lz::shop::actions {

const PriceProposer* mainPriceProposer() {
    struct Cached {
        std::uint64_t connection = 0;
        std::uint64_t shopGeneration = 0;
        std::optional<ReferencePrices> prices;
        std::optional<PriceProposer> proposer;
    };
    static Cached cached;
    ui::Window* main = ui::WindowManager::instance().find(windows::kMainWindowName);
    if (main == nullptr) {
        return nullptr;
    }
    catalogue::CatalogueDatabase& database = main->database(windows::kMainCatalogueConnection);
    const StockMatcher* matcher = stockMatcherOf(database);
    if (matcher == nullptr) {
        return nullptr;
    }
    const std::uint64_t connection = database.connectionSerial();
    if (cached.connection != connection) {
        cached.proposer.reset();
        cached.prices = ReferencePrices::build(database, *matcher);
        cached.connection = cached.prices ? connection : 0;
        cached.shopGeneration = 0;
    }
    if (!cached.prices) {
        return nullptr;
    }
    ShopSession& session = ShopSession::instance();
    if (!cached.proposer || cached.shopGeneration != session.generation()) {
        std::vector<StockLine> lines;
        if (ShopFile* file = session.file()) {
            lines = file->lines().value_or(std::vector<StockLine>());
        }
        cached.proposer.reset();
        cached.proposer.emplace(*matcher, *cached.prices, lines);
        cached.shopGeneration = session.generation();
    }
    return &*cached.proposer;
}

}  // namespace lz::shop::actions
