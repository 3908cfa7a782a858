#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "shop/store/shop_file.h"
#include "shop/store/shop_stock.h"

namespace lz::shop {

// The shop file the window program works with: opened once at start, after the catalogue,
// and kept open; without it (not ours, damaged, newer, no directory) the program goes on
// without shop data. Beside it, the shop's stock by catalogue row, built from the stock
// list when first asked for and again after every change. One per process, reached
// through instance(); plain C++, so that every layer above the store may ask it.
class ShopSession {
public:
    static ShopSession& instance();

    // Opens the file at `path`, closing the one open before; the opening's status (the
    // user's message in unavailableMessage() for any but Ready).
    ShopFileStatus open(const std::filesystem::path& path);
    // Closes the file: no shop data until the next open.
    void close();

    // The open file, or nullptr without shop data.
    ShopFile* file() { return file_.get(); }
    // Why there is no shop data ("" while a file is open, or before any open).
    const std::string& unavailableMessage() const { return message_; }

    // The stock by catalogue row; empty without a file or when its list cannot be read.
    const ShopStock& stock();
    // Grows with every open, close and change, so that a list showing the stock can tell
    // it is out of date.
    std::uint64_t generation() const { return generation_; }
    // To be called after every change of the stock list (an import, an undo).
    void changed();

private:
    ShopSession() = default;

    std::unique_ptr<ShopFile> file_;
    std::string message_;
    std::uint64_t generation_ = 1;
    std::uint64_t stockGeneration_ = 0;
    ShopStock stock_;
};

// The shop file in the program's data directory: "<directory>/shop.sqlite".
std::filesystem::path shopFilePath(const std::string& dataDirectory);

}  // namespace lz::shop
