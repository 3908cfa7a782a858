#include "ui/list_texts.h"

#include <cstring>

namespace lz::ui {

ListTexts::ListTexts(int columns) : columns_(columns > 0 ? columns : 0) {}

void ListTexts::clear() {
    rows_ = 0;
    std::vector<std::unique_ptr<Cell[]>>().swap(cellBlocks_);
    std::vector<std::unique_ptr<char[]>>().swap(textBlocks_);
    fillingBlock_ = 0;
    filled_ = kBlockSize;
}

ListTexts::Cell& ListTexts::cell(std::size_t index) {
    return cellBlocks_[index >> kCellBlockBits][index & (kCellsPerBlock - 1)];
}

const ListTexts::Cell& ListTexts::cell(std::size_t index) const {
    return cellBlocks_[index >> kCellBlockBits][index & (kCellsPerBlock - 1)];
}

int ListTexts::appendRow(std::span<const std::string> texts) {
    const std::size_t first = static_cast<std::size_t>(rows_) * static_cast<std::size_t>(columns_);
    const std::size_t end = first + static_cast<std::size_t>(columns_);
    while (cellBlocks_.size() * kCellsPerBlock < end) {
        cellBlocks_.push_back(std::make_unique<Cell[]>(kCellsPerBlock));  // zeroed: empty
    }
    for (std::size_t column = 0; column < texts.size() && column < std::size_t(columns_);
         ++column) {
        Cell& into = cell(first + column);
        if (rows_ > 0) {
            const Cell& above = cell(first + column - std::size_t(columns_));
            if (textOf(above) == texts[column]) {
                into = above;
                continue;
            }
        }
        store(texts[column], into);
    }
    return rows_++;
}

bool ListTexts::set(int row, int column, std::string_view text) {
    if (row < 0 || row >= rows_ || column < 0 || column >= columns_) {
        return false;
    }
    return store(text, cell(static_cast<std::size_t>(row) * std::size_t(columns_) +
                            static_cast<std::size_t>(column)));
}

std::string_view ListTexts::get(int row, int column) const {
    if (row < 0 || row >= rows_ || column < 0 || column >= columns_) {
        return {};
    }
    return textOf(
        cell(static_cast<std::size_t>(row) * std::size_t(columns_) + std::size_t(column)));
}

std::string_view ListTexts::textOf(const Cell& cell) const {
    if (cell.size == 0) {
        return {};
    }
    const char* block = textBlocks_[cell.position >> kBlockBits].get();
    return {block + (cell.position & (kBlockSize - 1)), cell.size};
}

// Always a fresh place: the old text may be shared with the cell below or above.
bool ListTexts::store(std::string_view text, Cell& into) {
    if (text.empty()) {
        into = {};
        return true;
    }
    if (text.size() > kBlockSize) {
        // A block of its own, at offset 0.
        if (textBlocks_.size() >= kMaxBlocks || text.size() > UINT32_MAX) {
            return false;
        }
        textBlocks_.push_back(std::make_unique_for_overwrite<char[]>(text.size()));
        std::memcpy(textBlocks_.back().get(), text.data(), text.size());
        into = {static_cast<std::uint32_t>((textBlocks_.size() - 1) << kBlockBits),
                static_cast<std::uint32_t>(text.size())};
        return true;
    }
    if (kBlockSize - filled_ < text.size()) {
        if (textBlocks_.size() >= kMaxBlocks) {
            return false;
        }
        textBlocks_.push_back(std::make_unique_for_overwrite<char[]>(kBlockSize));
        fillingBlock_ = textBlocks_.size() - 1;
        filled_ = 0;
    }
    std::memcpy(textBlocks_[fillingBlock_].get() + filled_, text.data(), text.size());
    into = {static_cast<std::uint32_t>((fillingBlock_ << kBlockBits) | filled_),
            static_cast<std::uint32_t>(text.size())};
    filled_ += text.size();
    return true;
}

}  // namespace lz::ui
