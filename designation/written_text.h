#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace lz::designation {

// A designation as typed, reduced to what reading it needs: ASCII upper-case letters and
// digits, and between them at most one separator: "/", "-" or " " (the strongest of a
// run), "." inside numbers and "+" ("K+H"). Held in place, so that reading allocates
// nothing for it.
class WrittenText {
public:
    static constexpr std::size_t kCapacity = 48;

    std::string_view view() const { return {chars_, size_}; }
    std::size_t size() const { return size_; }
    char operator[](std::size_t at) const { return chars_[at]; }

    // Appends, or returns false when full.
    bool push(char c);
    void assign(std::string_view text);

private:
    char chars_[kCapacity] = {};
    std::uint8_t size_ = 0;
};

enum class WrittenTextOutcome : std::uint8_t { Readable, Empty, TooLong, NotText };

// Reduces `input`: folds full-width ASCII and the ideographic space, upper-cases letters,
// turns "·", white space and punctuation into separators, drops the word "轴承" and a
// maker's name standing apart at either end ("SKF 6205-2RS1"). Empty when nothing but
// separators is left; TooLong beyond 4096 bytes of input or WrittenText::kCapacity after
// reduction; NotText for invalid UTF-8 or characters no designation uses.
WrittenTextOutcome reduceWrittenText(std::string_view input, WrittenText& out);

inline bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
inline bool isLetter(char c) {
    return c >= 'A' && c <= 'Z';
}
inline bool isSeparator(char c) {
    return c == ' ' || c == '-' || c == '/';
}

}  // namespace lz::designation
