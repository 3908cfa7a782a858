#include "shop/store/shop_session.h"

namespace lz::shop {

ShopSession& ShopSession::instance() {
    static ShopSession session;
    return session;
}

ShopFileStatus ShopSession::open(const std::filesystem::path& path) {
    file_.reset();
    ShopFileOpening opening = ShopFile::open(path);
    file_ = std::move(opening.file);
    message_ = opening.status == ShopFileStatus::Ready ? std::string() : opening.message;
    changed();
    return opening.status;
}

void ShopSession::close() {
    file_.reset();
    message_.clear();
    changed();
}

const ShopStock& ShopSession::stock() {
    if (stockGeneration_ != generation_) {
        std::optional<ShopStock> built;
        if (file_) {
            built = file_->stockByRow();
        }
        stock_ = built ? std::move(*built) : ShopStock();
        stockGeneration_ = generation_;
    }
    return stock_;
}

void ShopSession::changed() {
    ++generation_;
}

std::filesystem::path shopFilePath(const std::string& dataDirectory) {
    return std::filesystem::path(dataDirectory) / "shop.sqlite";
}

}  // namespace lz::shop
