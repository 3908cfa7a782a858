#pragma once

#include <vector>

#include "candidates.h"
#include "prng.h"

namespace catgen {

// `count` of the candidates, common models more likely, in catalogue order. The first
// candidate is always among them, so a brand's list of a type opens with its first model.
// When more are wanted than there are, the list starts over (a real list repeats entries too).
std::vector<const Candidate*> pickCandidates(const std::vector<Candidate>& candidates, int count,
                                             Prng& rng);

}  // namespace catgen
