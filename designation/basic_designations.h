#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

#include "designation/reading.h"

namespace lz::designation {

// The written parts of a basic designation: a few, held in place.
class BasicParts {
public:
    void push_back(WrittenPart part) {
        if (count_ < parts_.size()) {
            parts_[count_++] = std::move(part);
        }
    }
    void pushFront(WrittenPart part) {
        push_back(std::move(part));
        std::rotate(parts_.begin(), parts_.begin() + count_ - 1, parts_.begin() + count_);
    }
    void clear() { count_ = 0; }
    WrittenPart& front() { return parts_[0]; }
    WrittenPart& back() { return parts_[count_ - 1]; }
    WrittenPart* begin() { return parts_.data(); }
    WrittenPart* end() { return parts_.data() + count_; }

private:
    std::array<WrittenPart, 4> parts_;
    std::size_t count_ = 0;
};

// A basic designation found at the start of a text.
struct BasicRead {
    BasicDesignation basic;
    std::size_t end = 0;  // where it ends in the text
    BasicParts parts;
    std::string_view cup;  // an inch tapered roller bearing's cup after the cone
    Tolerance impliedTolerance = Tolerance::Normal;  // makers that make one class only
    bool flanged = false;
};

// Reads the basic designation at `at` of a reduced text (see WrittenText) into `read`;
// false (and `read` in no particular state) when no kind of bearing begins there.
bool readBasic(std::string_view text, std::size_t at, BasicRead& read);

// The part of the basic designation a bore code stands for, in mm: "05" = 25, "00" = 10,
// "/22" = 22, "8" = 8.
std::optional<double> boreOfCode(std::string_view code);

// The name of a dimension series' diameter series ("轻" for "02").
std::string_view diameterSeriesName(std::string_view series);

// The meaning of a letter type code, "" when it has none of its own ("NU" ->
// "内圈无挡边").
std::string_view typeCodeMeaning(std::string_view type);

}  // namespace lz::designation
