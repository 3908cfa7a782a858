#pragma once

#include <cstddef>
#include <cstdint>

namespace catgen {

// SplitMix64. The catalogue must come out byte for byte the same on every machine, so the
// generator carries its own generator and its own mapping to ranges instead of relying on
// the standard distributions, whose output differs between library versions.
class Prng {
public:
    explicit Prng(std::uint64_t seed) : state_(seed) {}

    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }

    // A value in [0, n); the modulo bias is far below anything the catalogue could show.
    std::size_t below(std::size_t n) { return n == 0 ? 0 : static_cast<std::size_t>(next() % n); }

    // A value in [0, 1) with 53 random bits.
    double unit() { return static_cast<double>(next() >> 11) * (1.0 / 9007199254740992.0); }

    bool chance(double p) { return unit() < p; }

    double between(double lo, double hi) { return lo + (hi - lo) * unit(); }

    // An independent stream for one part of the catalogue, so that changing how one table
    // is made does not reshuffle the others.
    Prng fork(std::uint64_t salt) const { return Prng(state_ * 0x2545F4914F6CDD1DULL + salt); }

private:
    std::uint64_t state_;
};

}  // namespace catgen
