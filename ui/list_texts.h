#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace lz::ui {

// The cell texts of a list: UTF-8, back to back in blocks of fixed size that are never
// moved or copied as the list grows, with one small record per cell telling where its
// text lies. A whole catalogue listed costs its text plus eight bytes per cell, with no
// heap block per cell and no doubling buffer to copy. A text equal to the one above it
// in its column (a brand, a bearing type, a size, down a run of rows) is kept once.
class ListTexts {
public:
    explicit ListTexts(int columns);

    int columns() const { return columns_; }
    int rows() const { return rows_; }

    // Gives every block back: a long listing should not stay in memory behind the next.
    void clear();
    // A row with these texts (missing ones empty, extra ones ignored); its index.
    int appendRow(std::span<const std::string> texts = {});
    // Replaces one text. False for a cell the list does not have, and for a text that
    // cannot be stored (beyond 4 GiB of texts in one list).
    bool set(int row, int column, std::string_view text);
    // Empty for a cell the list does not have. Valid until the list changes.
    std::string_view get(int row, int column) const;

private:
    static constexpr std::size_t kBlockBits = 16;
    static constexpr std::size_t kBlockSize = std::size_t{1} << kBlockBits;  // 64 KiB
    static constexpr std::size_t kMaxBlocks = std::size_t{1} << (32 - kBlockBits);
    static constexpr std::size_t kCellBlockBits = 13;
    static constexpr std::size_t kCellsPerBlock = std::size_t{1} << kCellBlockBits;

    // The text's block (high bits of position), its offset in the block and its length.
    struct Cell {
        std::uint32_t position = 0;
        std::uint32_t size = 0;
    };

    Cell& cell(std::size_t index);
    const Cell& cell(std::size_t index) const;
    bool store(std::string_view text, Cell& into);
    std::string_view textOf(const Cell& cell) const;

    int columns_;
    int rows_ = 0;
    std::vector<std::unique_ptr<Cell[]>> cellBlocks_;
    std::vector<std::unique_ptr<char[]>> textBlocks_;
    std::size_t fillingBlock_ = 0;     // the block short texts go to
    std::size_t filled_ = kBlockSize;  // bytes used in it; full until the first text
};

}  // namespace lz::ui
