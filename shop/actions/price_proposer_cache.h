#pragma once

namespace lz::shop {
class PriceProposer;
}

namespace lz::shop::actions {

// The price proposer of the main window's catalogue and the shop's stock as it stands:
// the price lists are read once per catalogue connection (with the matcher, a few tenths of
// a second on first use), the shop's part again after every change of the stock. None
// without a main window or when the catalogue cannot be read whole.
const PriceProposer* mainPriceProposer();

}  // namespace lz::shop::actions
