#include "shop/pricing/price_keys.h"

#include "designation/designation_key.h"
#include "shop/matching/catalogue_rows.h"

namespace lz::shop {

std::string brandModelKey(std::string_view brand, std::string_view model) {
    std::string key = brandKey(brand);
    key += '\x1f';
    key += designation::designationKey(model);
    return key;
}

}  // namespace lz::shop
