#pragma once

#include <string>
#include <string_view>

namespace lz::shop {

// The key under which a model of a brand is looked up: the brand as brands are compared
// (brandKey) and the model's designation key, so that "NSK 6205-2Z" finds "nsk 6205 2Z".
std::string brandModelKey(std::string_view brand, std::string_view model);

}  // namespace lz::shop
