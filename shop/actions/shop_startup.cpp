#include "shop/actions/shop_startup.h"

#include "catalogue/data_directory.h"
#include "shop/actions/open_quote.h"
#include "shop/actions/shop_windows.h"
#include "shop/shop_messages.h"
#include "shop/store/shop_session.h"
#include "ui/message_boxes.h"

namespace lz::shop::actions {

void openShopFile(const std::string& dataDirectory) {
    ShopSession& session = ShopSession::instance();
    // The open quote belongs to the file open before, if any: keep it there first.
    OpenQuote::instance().keepNow();
    OpenQuote::instance().reset();
    if (!catalogue::isUsableDataDirectory(dataDirectory) ||
        !catalogue::ensureDirectory(dataDirectory)) {
        session.close();
        return;
    }
    const ShopFileStatus status = session.open(shopFilePath(dataDirectory));
    if (status != ShopFileStatus::Ready && status != ShopFileStatus::CannotOpen) {
        ui::MessageBoxes::show(session.unavailableMessage(), kShopCaption);
    }
}

std::string shopDataUnavailableMessage() {
    const std::string& why = ShopSession::instance().unavailableMessage();
    return why.empty() ? std::string(messages::kShopFileCannotOpen) : why;
}

}  // namespace lz::shop::actions
