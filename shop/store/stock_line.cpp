#include "shop/store/stock_line.h"

namespace lz::shop {

const char* matchStateText(MatchState state) {
    switch (state) {
        case MatchState::Matched:
            return "已匹配";
        case MatchState::Pending:
            return "待确认";
        case MatchState::Unmatched:
            break;
    }
    return "未匹配";
}

}  // namespace lz::shop
