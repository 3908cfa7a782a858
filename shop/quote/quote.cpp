#include "shop/quote/quote.h"

namespace lz::shop {

std::chrono::year_month_day validUntil(const Quote& quote) {
    return std::chrono::sys_days{quote.date} + std::chrono::days{quote.validDays};
}

}  // namespace lz::shop
