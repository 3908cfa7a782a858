#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lz::designation {

// Gives each distinct text a number, 0, 1, 2 … in the order the texts first come. Texts
// are kept end to end in one block and found by an open-addressing hash table, so adding
// tens of thousands of short texts allocates almost nothing; that is most of the time an
// index over the whole catalogue takes to build.
class TextIds {
public:
    static constexpr std::uint32_t kNone = 0xFFFFFFFF;

    void reserve(std::size_t texts, std::size_t bytes);
    // The number of `text`, given it now when it has none yet.
    std::uint32_t idOf(std::string_view text);
    // The number of `text`, or kNone.
    std::uint32_t find(std::string_view text) const;
    std::size_t size() const { return spans_.size(); }
    // The text numbered `id` (which must be a number given out).
    std::string_view textOf(std::uint32_t id) const;

private:
    struct Span {
        std::uint32_t offset;
        std::uint32_t length;
    };
    struct Slot {
        std::uint32_t hash = 0;
        std::uint32_t id = kNone;
    };

    static std::uint32_t hashOf(std::string_view text);
    // The slot holding `text`, or the empty slot where it would go.
    std::size_t slotOf(std::string_view text, std::uint32_t hash) const;
    void grow();

    std::string bytes_;
    std::vector<Span> spans_;  // per id
    std::vector<Slot> slots_;  // a power of two, at most half full
};

}  // namespace lz::designation
