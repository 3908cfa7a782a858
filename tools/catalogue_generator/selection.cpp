#include "selection.h"

#include <algorithm>
#include <cmath>

namespace catgen {

std::vector<const Candidate*> pickCandidates(const std::vector<Candidate>& candidates, int count,
                                             Prng& rng) {
    std::vector<const Candidate*> out;
    if (candidates.empty() || count <= 0) {
        return out;
    }
    // Weighted sampling without replacement: the largest log(u) / w keys win.
    std::vector<std::pair<double, std::size_t>> keys;
    keys.reserve(candidates.size());
    for (std::size_t i = 0; i < candidates.size(); ++i) {
        const double u = std::max(rng.unit(), 1e-300);
        const double key = i == 0 ? 0.0 : std::log(u) / std::max(candidates[i].weight, 0.01);
        keys.push_back({key, i});
    }
    const std::size_t take = std::min<std::size_t>(count, candidates.size());
    std::partial_sort(keys.begin(), keys.begin() + static_cast<std::ptrdiff_t>(take), keys.end(),
                      [](const auto& a, const auto& b) {
                          return a.first != b.first ? a.first > b.first : a.second < b.second;
                      });
    std::vector<std::size_t> chosen;
    for (std::size_t i = 0; i < take; ++i) {
        chosen.push_back(keys[i].second);
    }
    std::sort(chosen.begin(), chosen.end());
    for (int i = 0; static_cast<int>(out.size()) < count; ++i) {
        out.push_back(&candidates[chosen[static_cast<std::size_t>(i) % chosen.size()]]);
    }
    return out;
}

}  // namespace catgen
