#include "allocation.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <iostream>
#include <numeric>

namespace catgen {

std::vector<std::vector<int>> allocate(const std::vector<std::vector<double>>& weights,
                                       const std::vector<int>& rowTargets,
                                       const std::vector<int>& columnTargets) {
    const std::size_t rows = rowTargets.size(), columns = columnTargets.size();
    std::vector<std::vector<double>> m = weights;
    for (int round = 0; round < 500; ++round) {
        for (std::size_t r = 0; r < rows; ++r) {
            const double sum = std::accumulate(m[r].begin(), m[r].end(), 0.0);
            for (double& x : m[r]) {
                x = sum > 0 ? x * rowTargets[r] / sum : 0;
            }
        }
        for (std::size_t c = 0; c < columns; ++c) {
            double sum = 0;
            for (std::size_t r = 0; r < rows; ++r)
                sum += m[r][c];
            for (std::size_t r = 0; r < rows; ++r) {
                m[r][c] = sum > 0 ? m[r][c] * columnTargets[c] / sum : 0;
            }
        }
    }
    // Round each row to its exact total by largest remainders.
    std::vector<std::vector<int>> out(rows, std::vector<int>(columns, 0));
    for (std::size_t r = 0; r < rows; ++r) {
        int given = 0;
        std::vector<std::pair<double, std::size_t>> remainders;
        for (std::size_t c = 0; c < columns; ++c) {
            out[r][c] = static_cast<int>(std::floor(m[r][c]));
            given += out[r][c];
            if (weights[r][c] > 0) {
                remainders.push_back({m[r][c] - out[r][c], c});
            }
        }
        std::stable_sort(remainders.begin(), remainders.end(),
                         [](const auto& a, const auto& b) { return a.first > b.first; });
        for (std::size_t i = 0; given < rowTargets[r]; ++i, ++given) {
            out[r][remainders[i % remainders.size()].second]++;
        }
    }
    // Move single units inside a brand from an over-full type to a short one it also makes.
    for (int guard = 0; guard < 100000; ++guard) {
        std::vector<int> excess(columns);
        bool balanced = true;
        for (std::size_t c = 0; c < columns; ++c) {
            int sum = 0;
            for (std::size_t r = 0; r < rows; ++r)
                sum += out[r][c];
            excess[c] = sum - columnTargets[c];
            balanced = balanced && excess[c] == 0;
        }
        if (balanced) {
            return out;
        }
        bool moved = false;
        for (std::size_t from = 0; from < columns && !moved; ++from) {
            if (excess[from] <= 0)
                continue;
            for (std::size_t to = 0; to < columns && !moved; ++to) {
                if (excess[to] >= 0)
                    continue;
                for (std::size_t r = 0; r < rows && !moved; ++r) {
                    if (out[r][from] > 0 && weights[r][to] > 0) {
                        out[r][from]--;
                        out[r][to]++;
                        moved = true;
                    }
                }
            }
        }
        if (!moved) {
            break;
        }
    }
    std::cerr << "catalogue_generator: cannot balance the brand/type table\n";
    std::exit(1);
}

}  // namespace catgen
