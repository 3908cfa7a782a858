#include "shop/quote/quote.h"

namespace lz::shop {

const char* offerCheckText(OfferCheck check) {
    switch (check) {
        case OfferCheck::NoMatch:
            return "未匹配";
        case OfferCheck::SeveralMatches:
            return "多个匹配";
        case OfferCheck::Settled:
            break;
    }
    return "";
}

std::chrono::year_month_day validUntil(const Quote& quote) {
    return std::chrono::sys_days{quote.date} + std::chrono::days{quote.validDays};
}

}  // namespace lz::shop
