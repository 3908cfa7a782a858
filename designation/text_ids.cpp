#include "designation/text_ids.h"

#include <bit>

namespace lz::designation {

void TextIds::reserve(std::size_t texts, std::size_t bytes) {
    bytes_.reserve(bytes);
    spans_.reserve(texts);
    const std::size_t wanted = std::bit_ceil(texts * 2 + 16);
    if (slots_.size() < wanted) {
        std::vector<Slot> old = std::move(slots_);
        slots_.assign(wanted, Slot{});
        for (const Slot& slot : old) {
            if (slot.id != kNone) {
                slots_[slotOf(textOf(slot.id), slot.hash)] = slot;
            }
        }
    }
}

std::uint32_t TextIds::hashOf(std::string_view text) {
    // FNV-1a: designations are short, and it spreads them well enough.
    std::uint32_t hash = 2166136261u;
    for (const char c : text) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
    }
    return hash;
}

std::string_view TextIds::textOf(std::uint32_t id) const {
    return std::string_view(bytes_).substr(spans_[id].offset, spans_[id].length);
}

std::size_t TextIds::slotOf(std::string_view text, std::uint32_t hash) const {
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t at = hash & mask;; at = (at + 1) & mask) {
        const Slot& slot = slots_[at];
        if (slot.id == kNone || (slot.hash == hash && textOf(slot.id) == text)) {
            return at;
        }
    }
}

void TextIds::grow() {
    reserve(slots_.size(), bytes_.size());
}

std::uint32_t TextIds::idOf(std::string_view text) {
    if ((spans_.size() + 1) * 2 > slots_.size()) {
        grow();
    }
    const std::uint32_t hash = hashOf(text);
    Slot& slot = slots_[slotOf(text, hash)];
    if (slot.id == kNone) {
        slot = Slot{hash, static_cast<std::uint32_t>(spans_.size())};
        spans_.push_back(
            {static_cast<std::uint32_t>(bytes_.size()), static_cast<std::uint32_t>(text.size())});
        bytes_.append(text);
    }
    return slot.id;
}

std::uint32_t TextIds::find(std::string_view text) const {
    if (slots_.empty()) {
        return kNone;
    }
    return slots_[slotOf(text, hashOf(text))].id;
}

}  // namespace lz::designation
