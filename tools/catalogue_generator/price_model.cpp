#include "price_model.h"

#include <algorithm>
#include <cmath>

#include "decimal_text.h"

namespace catgen {

double listPrice(const Size& size, double variantFactor, double makerFactor, Prng& rng) {
    const double d = size.dmm, D = std::max(size.Dmm, size.dmm + 1), B = std::max(size.Bmm, 1.0);
    const double volume = 0.785398 * (D * D - d * d) * B;  // mm^3 of a solid ring
    const double massKg = volume * 7.85e-6 * 0.55;         // steel, about half of it solid
    const double base = 3.0 + 110.0 * std::pow(massKg, 0.85);
    return base * variantFactor * makerFactor * rng.between(0.85, 1.18);
}

std::string priceText(double yuan, Prng& rng) {
    yuan = std::max(yuan, 0.5);
    if (yuan < 100) {
        return roundedText(yuan, rng.chance(0.3) ? 1 : 2);
    }
    if (yuan < 1000) {
        return roundedText(yuan, rng.chance(0.5) ? 0 : 2);
    }
    return roundedText(yuan, rng.chance(0.3) ? 0 : 2);
}

}  // namespace catgen
