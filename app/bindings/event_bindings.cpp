#include "app/bindings/event_bindings.h"

#include <array>

#include "app/bindings/page_switch.h"
#include "app/startup/catalogue_startup.h"
#include "content/bearing_picture.h"
#include "content/web_links.h"
#include "query/bearing_search.h"
#include "query/designation_assistant.h"
#include "query/designation_lookup.h"
#include "query/measured_size_search.h"
#include "query/price_list_menus.h"
#include "query/price_queries.h"
#include "query/result_list_copy.h"
#include "query/result_list_export.h"
#include "query/result_lists.h"
#include "query/search_messages.h"
#include "shop/actions/quote_windows.h"
#include "shop/actions/shop_startup.h"
#include "shop/actions/shop_windows.h"
#include "ui/message_boxes.h"
#include "ui/window.h"
#include "ui/window_manager.h"
#include "windows/designation_assistant_template.h"
#include "windows/main_window_template.h"
#include "windows/measured_size_page.h"
#include "windows/picture_window_template.h"
#include "windows/quote_window_template.h"
#include "windows/shop_stock_template.h"
#include "windows/stock_import_template.h"

namespace lz::bindings {

using ui::EventArgs;
using ui::EventKind;
using ui::Window;

void startUp(Window& mainWindow, const EventArgs&) {
    const startup::CatalogueDeployment deployment = startup::defaultDeployment();
    startup::deployCatalogue(mainWindow, deployment);
    // After the catalogue, whatever became of it; without shop data the program goes on.
    shop::actions::openShopFile(deployment.directory);
}

void toolbarClicked(Window& mainWindow, const EventArgs& args) {
    switchMainPage(mainWindow, args.index);
}

void bannerPressed(Window& mainWindow, const EventArgs& args) {
    content::promptCompanySite(mainWindow, args.x, args.y, args.keyState);
}

void noAction(Window&, const EventArgs&) {}

// Enter in a search field runs the search of the field's button, as a click would; like a
// click, it does nothing while that button is disabled.
namespace {
void runIfEnabled(Window& mainWindow, std::string_view button, void (*action)(Window&)) {
    if (mainWindow.isEnabled(button)) {
        action(mainWindow);
    }
}
}  // namespace

void enterSingleField(Window& mainWindow, const EventArgs&) {
    runIfEnabled(mainWindow, "按钮1", query::searchSingleField);
}
void enterCombined(Window& mainWindow, const EventArgs&) {
    runIfEnabled(mainWindow, "按钮搜索", query::searchCombined);
}
void enterImportedPrice(Window& mainWindow, const EventArgs&) {
    runIfEnabled(mainWindow, "按钮12", query::runImportedPriceQuery);
}
void enterDomesticPrice(Window& mainWindow, const EventArgs&) {
    runIfEnabled(mainWindow, "按钮_查询国产", query::runDomesticPriceQuery);
}

namespace {
void openPictureOfBearing(std::optional<std::int32_t> bh) {
    Window* mainWindow = ui::WindowManager::instance().find(windows::kMainWindowName);
    if (!bh || mainWindow == nullptr) {
        return;
    }
    if (!content::openBearingPictureOfRow(mainWindow->database(query::kCatalogueConnection), *bh)) {
        ui::MessageBoxes::show(query::kReadFailedMessage, query::kReadFailedCaption);
    }
}
}  // namespace

void openAssistantBearingPicture(Window& assistant, const EventArgs&) {
    openPictureOfBearing(query::selectedAssistantBearing(assistant));
}

void openMeasuredBearingPicture(Window& assistant, const EventArgs&) {
    openPictureOfBearing(query::selectedMeasuredBearing(assistant));
}

// "加入报价单" of the 型号助手: the selected bearing of the page shown.
void addAssistantBearingToQuote(Window& assistant, const EventArgs&) {
    const std::optional<std::int32_t> bh =
        assistant.currentPage(windows::kAssistantPages) == windows::kByDesignationPage
            ? query::selectedAssistantBearing(assistant)
            : query::selectedMeasuredBearing(assistant);
    shop::actions::addBearingToQuote(bh);
}

void showAssistantMenu(Window& assistant, const EventArgs&) {
    assistant.popupMenu(windows::kAssistantMenu, 3, 3);
}

void showShopStockMenu(Window& stockWindow, const EventArgs&) {
    stockWindow.popupMenu(windows::kShopStockMenu, 3, 3);
}

namespace {

constexpr std::string_view kMain = windows::kMainWindowName;
constexpr std::string_view kPicture = windows::kBearingPictureWindowName;
constexpr std::string_view kAssistant = windows::kDesignationAssistantWindowName;
constexpr std::string_view kShopStock = windows::kShopStockWindowName;
constexpr std::string_view kStockImport = windows::kStockImportWindowName;
constexpr std::string_view kQuote = windows::kQuoteWindowName;
constexpr std::string_view kQuoteHistory = windows::kQuoteHistoryWindowName;
constexpr std::string_view kShopHeader = windows::kShopHeaderWindowName;

constexpr std::array kBindings = {
    Binding{kMain, "", EventKind::Created, -1, startUp},
    Binding{kMain, "工具条", EventKind::ToolButtonClicked, -1, toolbarClicked},
    Binding{kMain, "标签12", EventKind::LeftButtonPressed, -1, bannerPressed},
    Binding{kMain, "超级列表框_主窗口", EventKind::RightClicked, -1,
            withoutArguments<content::showBearingMenu>},
    Binding{kMain, "超级列表框_主窗口", EventKind::CurrentItemChanged, -1, noAction},
    // The help page tells users to double-click a row to see its drawing: it does what
    // "查看" does on that row.
    Binding{kMain, "超级列表框_主窗口", EventKind::RowDoubleClicked, -1,
            withoutArguments<content::openBearingPicture>},
    Binding{kMain, "右键", EventKind::ItemSelected, 0,
            withoutArguments<content::openBearingPicture>},
    Binding{kMain, "按钮1", EventKind::Clicked, -1, withoutArguments<query::searchSingleField>},
    Binding{kMain, "按钮搜索", EventKind::Clicked, -1, withoutArguments<query::searchCombined>},
    Binding{kMain, "按钮2", EventKind::Clicked, -1, withoutArguments<query::searchByBrand>},
    Binding{kMain, "按钮3", EventKind::Clicked, -1, withoutArguments<query::searchByType>},
    Binding{kMain, "按钮11", EventKind::Clicked, -1, withoutArguments<query::searchByDimensions>},
    Binding{kMain, "按钮4", EventKind::Clicked, -1, withoutArguments<content::openOnlineSite>},
    Binding{kMain, "按钮12", EventKind::Clicked, -1,
            withoutArguments<query::runImportedPriceQuery>},
    Binding{kMain, "按钮5", EventKind::Clicked, -1,
            withoutArguments<content::showImportedPriceWebWindow>},
    Binding{kMain, "按钮_查询国产", EventKind::Clicked, -1,
            withoutArguments<query::runDomesticPriceQuery>},
    Binding{kMain, "按钮9", EventKind::Clicked, -1,
            withoutArguments<content::showDomesticPriceWebWindow>},
    Binding{kMain, "编辑框1", EventKind::EnterPressed, -1, enterSingleField},
    Binding{kMain, "编辑框_内径", EventKind::EnterPressed, -1, enterCombined},
    Binding{kMain, "编辑框_外径", EventKind::EnterPressed, -1, enterCombined},
    Binding{kMain, "编辑框_厚度", EventKind::EnterPressed, -1, enterCombined},
    Binding{kMain, "组合框_品牌", EventKind::EnterPressed, -1, enterCombined},
    Binding{kMain, "组合框_类型", EventKind::EnterPressed, -1, enterCombined},
    Binding{kMain, "编辑框2", EventKind::EnterPressed, -1, enterImportedPrice},
    Binding{kMain, "组合框3", EventKind::EnterPressed, -1, enterImportedPrice},
    Binding{kMain, "编辑框3", EventKind::EnterPressed, -1, enterDomesticPrice},
    Binding{kMain, "组合框4", EventKind::EnterPressed, -1, enterDomesticPrice},
    // Interchange, the designation's reading, the 型号助手, copy and export.
    Binding{kMain, "右键", EventKind::ItemSelected, 1,
            withoutArguments<query::showInterchangeableBearings>},
    Binding{kMain, "右键", EventKind::ItemSelected, 2,
            withoutArguments<query::explainSelectedBearing>},
    Binding{kMain, "右键", EventKind::ItemSelected, 3,
            withoutArguments<query::openDesignationAssistant>},
    Binding{kMain, "右键", EventKind::ItemSelected, 4, withoutArguments<query::exportBearingList>},
    Binding{kMain, "超级列表框_主窗口", EventKind::CopyPressed, -1,
            withoutArguments<query::copyBearingList>},
    Binding{kMain, "超级列表框_主窗口1", EventKind::RightClicked, -1,
            withoutArguments<query::showImportedPriceMenu>},
    Binding{kMain, "超级列表框_主窗口1", EventKind::CopyPressed, -1,
            withoutArguments<query::copyImportedPriceList>},
    Binding{kMain, "右键1", EventKind::ItemSelected, 0,
            withoutArguments<query::exportImportedPriceList>},
    Binding{kMain, "超级列表框_主窗口2", EventKind::RightClicked, -1,
            withoutArguments<query::showDomesticPriceMenu>},
    Binding{kMain, "超级列表框_主窗口2", EventKind::CopyPressed, -1,
            withoutArguments<query::copyDomesticPriceList>},
    Binding{kMain, "右键2", EventKind::ItemSelected, 0,
            withoutArguments<query::exportDomesticPriceList>},
    Binding{kPicture, "", EventKind::Created, -1,
            withoutArguments<content::initBearingPictureWindow>},
    Binding{kAssistant, "", EventKind::Created, -1,
            withoutArguments<query::prepareDesignationAssistant>},
    Binding{kAssistant, windows::kAssistantInput, EventKind::TextSettled, -1,
            withoutArguments<query::lookUpInAssistant>},
    Binding{kAssistant, windows::kAssistantInput, EventKind::EnterPressed, -1,
            withoutArguments<query::lookUpInAssistant>},
    Binding{kAssistant, windows::kAssistantList, EventKind::RowDoubleClicked, -1,
            openAssistantBearingPicture},
    Binding{kAssistant, windows::kAssistantToBearingList, EventKind::Clicked, -1,
            withoutArguments<query::listAssistantRowsInBearingList>},
    // The shop's stock beside the interchangeable bearings: its window, as from the menu.
    Binding{kAssistant, windows::kAssistantShopStock, EventKind::Clicked, -1,
            withoutArguments<shop::actions::openShopStockWindow>},
    // Page "按实测尺寸": the button and Enter in every input search.
    Binding{kAssistant, windows::kMeasuredSearch, EventKind::Clicked, -1,
            withoutArguments<query::searchByMeasuredSize>},
    Binding{kAssistant, windows::kMeasuredInner, EventKind::EnterPressed, -1,
            withoutArguments<query::searchByMeasuredSize>},
    Binding{kAssistant, windows::kMeasuredOuter, EventKind::EnterPressed, -1,
            withoutArguments<query::searchByMeasuredSize>},
    Binding{kAssistant, windows::kMeasuredWidth, EventKind::EnterPressed, -1,
            withoutArguments<query::searchByMeasuredSize>},
    Binding{kAssistant, windows::kMeasuredTolerance, EventKind::EnterPressed, -1,
            withoutArguments<query::searchByMeasuredSize>},
    Binding{kAssistant, windows::kMeasuredWidthTolerance, EventKind::EnterPressed, -1,
            withoutArguments<query::searchByMeasuredSize>},
    Binding{kAssistant, windows::kMeasuredType, EventKind::EnterPressed, -1,
            withoutArguments<query::searchByMeasuredSize>},
    Binding{kAssistant, windows::kMeasuredList, EventKind::RowDoubleClicked, -1,
            openMeasuredBearingPicture},
    Binding{kAssistant, windows::kMeasuredToBearingList, EventKind::Clicked, -1,
            withoutArguments<query::listMeasuredRowsInBearingList>},
    // The shop's own stock: its window and its import.
    Binding{kMain, "右键", EventKind::ItemSelected, 5,
            withoutArguments<shop::actions::openShopStockWindow>},
    Binding{kMain, "右键", EventKind::ItemSelected, 6,
            withoutArguments<shop::actions::importStockList>},
    Binding{kShopStock, "", EventKind::Created, -1,
            withoutArguments<shop::actions::initShopStockWindow>},
    Binding{kShopStock, windows::kShopStockFilter, EventKind::TextChanged, -1,
            withoutArguments<shop::actions::filterShopStock>},
    Binding{kShopStock, windows::kShopStockList, EventKind::HeaderClicked, -1,
            shop::actions::sortShopStock},
    Binding{kShopStock, windows::kShopStockImportButton, EventKind::Clicked, -1,
            withoutArguments<shop::actions::importStockList>},
    Binding{kShopStock, windows::kShopStockExportButton, EventKind::Clicked, -1,
            withoutArguments<shop::actions::exportShopStock>},
    Binding{kShopStock, windows::kShopStockUndoButton, EventKind::Clicked, -1,
            withoutArguments<shop::actions::undoLastStockImport>},
    Binding{kShopStock, windows::kShopStockCloseButton, EventKind::Clicked, -1,
            withoutArguments<shop::actions::closeShopStock>},
    Binding{kStockImport, windows::kStockImportSheet, EventKind::ChoiceChanged, -1,
            withoutArguments<shop::actions::chooseImportSheet>},
    Binding{kStockImport, windows::kStockImportFieldBoxes[0], EventKind::ChoiceChanged, -1,
            withoutArguments<shop::actions::changeImportColumn>},
    Binding{kStockImport, windows::kStockImportFieldBoxes[1], EventKind::ChoiceChanged, -1,
            withoutArguments<shop::actions::changeImportColumn>},
    Binding{kStockImport, windows::kStockImportFieldBoxes[2], EventKind::ChoiceChanged, -1,
            withoutArguments<shop::actions::changeImportColumn>},
    Binding{kStockImport, windows::kStockImportFieldBoxes[3], EventKind::ChoiceChanged, -1,
            withoutArguments<shop::actions::changeImportColumn>},
    Binding{kStockImport, windows::kStockImportFieldBoxes[4], EventKind::ChoiceChanged, -1,
            withoutArguments<shop::actions::changeImportColumn>},
    Binding{kStockImport, windows::kStockImportFieldBoxes[5], EventKind::ChoiceChanged, -1,
            withoutArguments<shop::actions::changeImportColumn>},
    Binding{kStockImport, windows::kStockImportFieldBoxes[6], EventKind::ChoiceChanged, -1,
            withoutArguments<shop::actions::changeImportColumn>},
    Binding{kStockImport, windows::kStockImportShown, EventKind::ChoiceChanged, -1,
            withoutArguments<shop::actions::changeImportPreview>},
    Binding{kStockImport, windows::kStockImportPreview, EventKind::CurrentItemChanged, -1,
            withoutArguments<shop::actions::showImportCandidates>},
    Binding{kStockImport, windows::kStockImportSearchBox, EventKind::EnterPressed, -1,
            withoutArguments<shop::actions::searchImportCandidates>},
    Binding{kStockImport, windows::kStockImportSearchButton, EventKind::Clicked, -1,
            withoutArguments<shop::actions::searchImportCandidates>},
    Binding{kStockImport, windows::kStockImportCandidates, EventKind::RowDoubleClicked, -1,
            withoutArguments<shop::actions::chooseImportCandidate>},
    Binding{kStockImport, windows::kStockImportChooseButton, EventKind::Clicked, -1,
            withoutArguments<shop::actions::chooseImportCandidate>},
    Binding{kStockImport, windows::kStockImportImportButton, EventKind::Clicked, -1,
            withoutArguments<shop::actions::runStockImport>},
    Binding{kStockImport, windows::kStockImportCancelButton, EventKind::Clicked, -1,
            withoutArguments<shop::actions::cancelStockImport>},
    // Quotes: "加入报价单" (Ctrl+Q) from every list of bearings, and the 报价单 window.
    Binding{kMain, "右键", EventKind::ItemSelected, 7,
            withoutArguments<shop::actions::addMainWindowRowToQuote>},
    Binding{kMain, "右键", EventKind::ItemSelected, 8,
            withoutArguments<shop::actions::openQuoteWindow>},
    Binding{kMain, "右键1", EventKind::ItemSelected, 1,
            withoutArguments<shop::actions::addMainWindowRowToQuote>},
    Binding{kMain, "右键2", EventKind::ItemSelected, 1,
            withoutArguments<shop::actions::addMainWindowRowToQuote>},
    Binding{kAssistant, windows::kAssistantList, EventKind::RightClicked, -1, showAssistantMenu},
    Binding{kAssistant, windows::kMeasuredList, EventKind::RightClicked, -1, showAssistantMenu},
    Binding{kAssistant, windows::kAssistantMenu, EventKind::ItemSelected,
            windows::kAssistantAddToQuoteItem, addAssistantBearingToQuote},
    Binding{kShopStock, windows::kShopStockList, EventKind::RightClicked, -1, showShopStockMenu},
    Binding{kShopStock, windows::kShopStockMenu, EventKind::ItemSelected,
            windows::kShopStockAddToQuoteItem, withoutArguments<shop::actions::addStockRowToQuote>},
    Binding{kQuote, "", EventKind::Created, -1, withoutArguments<shop::actions::initQuoteWindow>},
    Binding{kQuote, windows::kQuoteNewButton, EventKind::Clicked, -1,
            withoutArguments<shop::actions::startNewQuote>},
    Binding{kQuote, windows::kQuoteHistoryButton, EventKind::Clicked, -1,
            withoutArguments<shop::actions::openQuoteHistory>},
    Binding{kQuote, windows::kQuoteShopButton, EventKind::Clicked, -1,
            withoutArguments<shop::actions::openShopHeader>},
    Binding{kQuote, windows::kQuoteEnquiryButton, EventKind::Clicked, -1,
            withoutArguments<shop::actions::importEnquiry>},
    Binding{kQuote, windows::kQuotePreviewButton, EventKind::Clicked, -1,
            withoutArguments<shop::actions::previewQuote>},
    Binding{kQuote, windows::kQuotePdfButton, EventKind::Clicked, -1,
            withoutArguments<shop::actions::saveQuoteAsPdf>},
    Binding{kQuote, windows::kQuoteExportButton, EventKind::Clicked, -1,
            withoutArguments<shop::actions::exportQuote>},
    Binding{kQuote, windows::kQuoteCustomer, EventKind::TextChanged, -1,
            withoutArguments<shop::actions::changeQuoteField>},
    Binding{kQuote, windows::kQuoteContact, EventKind::TextChanged, -1,
            withoutArguments<shop::actions::changeQuoteField>},
    Binding{kQuote, windows::kQuoteQuotedBy, EventKind::TextChanged, -1,
            withoutArguments<shop::actions::changeQuoteField>},
    Binding{kQuote, windows::kQuoteDate, EventKind::TextChanged, -1,
            withoutArguments<shop::actions::changeQuoteField>},
    Binding{kQuote, windows::kQuoteValidDays, EventKind::TextChanged, -1,
            withoutArguments<shop::actions::changeQuoteField>},
    Binding{kQuote, windows::kQuoteTaxBasis, EventKind::ChoiceChanged, -1,
            withoutArguments<shop::actions::changeQuoteField>},
    Binding{kQuote, windows::kQuoteTaxRate, EventKind::TextChanged, -1,
            withoutArguments<shop::actions::changeQuoteField>},
    Binding{kQuote, windows::kQuoteFreight, EventKind::TextChanged, -1,
            withoutArguments<shop::actions::changeQuoteField>},
    Binding{kQuote, windows::kQuoteAdjustment, EventKind::TextChanged, -1,
            withoutArguments<shop::actions::changeQuoteField>},
    Binding{kQuote, windows::kQuoteNote, EventKind::TextChanged, -1,
            withoutArguments<shop::actions::changeQuoteField>},
    Binding{kQuote, windows::kQuoteLines, EventKind::CurrentItemChanged, -1,
            withoutArguments<shop::actions::showSelectedQuoteLine>},
    Binding{kQuote, windows::kLineEditBoxes[0], EventKind::TextChanged, -1,
            withoutArguments<shop::actions::changeQuoteLine>},
    Binding{kQuote, windows::kLineEditBoxes[1], EventKind::TextChanged, -1,
            withoutArguments<shop::actions::changeQuoteLine>},
    Binding{kQuote, windows::kLineEditBoxes[2], EventKind::TextChanged, -1,
            withoutArguments<shop::actions::changeQuoteLine>},
    Binding{kQuote, windows::kLineEditBoxes[3], EventKind::TextChanged, -1,
            withoutArguments<shop::actions::changeQuoteLine>},
    Binding{kQuote, windows::kLineEditBoxes[4], EventKind::TextChanged, -1,
            withoutArguments<shop::actions::changeQuoteLine>},
    Binding{kQuote, windows::kLineEditBoxes[5], EventKind::TextChanged, -1,
            withoutArguments<shop::actions::changeQuoteLine>},
    Binding{kQuote, windows::kLineEditBoxes[6], EventKind::TextChanged, -1,
            withoutArguments<shop::actions::changeQuoteLine>},
    Binding{kQuote, windows::kLineEditBoxes[7], EventKind::TextChanged, -1,
            withoutArguments<shop::actions::changeQuoteLine>},
    Binding{kQuote, windows::kDeleteLineButton, EventKind::Clicked, -1,
            withoutArguments<shop::actions::deleteQuoteLine>},
    Binding{kQuoteHistory, "", EventKind::Created, -1,
            withoutArguments<shop::actions::initQuoteHistory>},
    Binding{kQuoteHistory, windows::kHistoryList, EventKind::RowDoubleClicked, -1,
            withoutArguments<shop::actions::openKeptQuote>},
    Binding{kQuoteHistory, windows::kHistoryOpenButton, EventKind::Clicked, -1,
            withoutArguments<shop::actions::openKeptQuote>},
    Binding{kQuoteHistory, windows::kHistoryCopyButton, EventKind::Clicked, -1,
            withoutArguments<shop::actions::copyKeptQuote>},
    Binding{kQuoteHistory, windows::kHistoryDeleteButton, EventKind::Clicked, -1,
            withoutArguments<shop::actions::deleteKeptQuote>},
    Binding{kQuoteHistory, windows::kHistoryCloseButton, EventKind::Clicked, -1,
            withoutArguments<shop::actions::closeQuoteHistory>},
    Binding{kShopHeader, "", EventKind::Created, -1,
            withoutArguments<shop::actions::initShopHeader>},
    Binding{kShopHeader, windows::kShopHeaderSaveButton, EventKind::Clicked, -1,
            withoutArguments<shop::actions::saveShopHeaderFields>},
    Binding{kShopHeader, windows::kShopHeaderCancelButton, EventKind::Clicked, -1,
            withoutArguments<shop::actions::closeShopHeader>},
};

}  // namespace

std::span<const Binding> eventBindings() {
    return kBindings;
}

const Binding* bindingFor(std::string_view window, const ui::Event& event) {
    for (const Binding& binding : kBindings) {
        if (binding.window == window && binding.control == event.control &&
            binding.event == event.kind && (binding.item < 0 || binding.item == event.args.index)) {
            return &binding;
        }
    }
    return nullptr;
}

void dispatchEvent(ui::Window& window, const ui::Event& event) {
    if (const Binding* binding = bindingFor(window.name(), event)) {
        binding->action(window, event.args);
    }
}

}  // namespace lz::bindings
