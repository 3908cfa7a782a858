#include "query/designation_assistant.h"

#include <string>
#include <vector>

#include "catalogue/catalogue_database.h"
#include "designation/canonical_index.h"
#include "query/designation_assistant_list.h"
#include "query/designation_lookup.h"
#include "query/keyed_rows.h"
#include "query/measured_size_search.h"
#include "query/reading_panel.h"
#include "query/result_lists.h"
#include "query/search_messages.h"
#include "shop/store/shop_session.h"
#include "ui/window.h"
#include "ui/window_manager.h"
#include "windows/designation_assistant_template.h"
#include "windows/main_window_template.h"

namespace lz::query {
namespace {

constexpr int kIdColumn = 0;
constexpr int kNewDesignationColumn = 2;

ui::Window* mainWindowOpen() {
    return ui::WindowManager::instance().find(windows::kMainWindowName);
}

bool isBlank(std::string_view text) {
    return text.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

void showNothing(ui::Window& assistant, std::string_view panel, std::string_view status) {
    assistant.clearRows(windows::kAssistantList);
    assistant.setText(windows::kAssistantDecoding, panel);
    assistant.setText(windows::kAssistantStatus, status);
}

std::string countsText(const AssistantListing& listing) {
    return "找到 " + std::to_string(listing.bearings) + " 个型号：同一轴承 " +
           std::to_string(listing.inGroup[0]) + "，仅代号不同 " +
           std::to_string(listing.inGroup[1]) + "，同尺寸不同密封 " +
           std::to_string(listing.inGroup[2]);
}

// The maker's own designation of row `bh`, else its common one; empty when neither can be
// read.
std::string designationOfRow(catalogue::CatalogueDatabase& database, std::int32_t bh) {
    const catalogue::RecordSetHandle handle =
        database.OpenTable("select ckxh, newno from bearing where bh = " + std::to_string(bh));
    std::string designation;
    if (!database.IsEOF(handle)) {
        designation = catalogue::fieldText(database.ReadColByName(handle, "ckxh"));
        if (isBlank(designation)) {
            designation = catalogue::fieldText(database.ReadColByName(handle, "newno"));
        }
    }
    if (handle != 0) {
        database.CloseTable(handle);
    }
    return designation;
}

}  // namespace

void openDesignationAssistant(ui::Window&) {
    ui::WindowManager::instance().open(windows::designationAssistantWindowTemplate());
}

void explainSelectedBearing(ui::Window& mainWindow) {
    const int row = mainWindow.selectedRow(kBearingList.listName);
    if (row < 0) {
        return;
    }
    std::string designation;
    if (const auto bh =
            bearingNumberOf(mainWindow.cellText(kBearingList.listName, row, kIdColumn))) {
        designation = designationOfRow(mainWindow.database(kCatalogueConnection), *bh);
    }
    if (isBlank(designation)) {
        designation = mainWindow.cellText(kBearingList.listName, row, kNewDesignationColumn);
    }
    ui::Window* assistant =
        ui::WindowManager::instance().open(windows::designationAssistantWindowTemplate());
    if (assistant != nullptr) {
        // Setting the text settles it as typing would, which looks it up.
        assistant->setText(windows::kAssistantInput, designation);
    }
}

void prepareDesignationAssistant(ui::Window& assistant) {
    if (ui::Window* mainWindow = mainWindowOpen()) {
        canonicalIndexOf(mainWindow->database(kCatalogueConnection));
    }
    showNothing(assistant, kReadingPanelHint, {});
    prepareMeasuredSizePage(assistant);
}

void lookUpInAssistant(ui::Window& assistant) {
    const std::string typed = assistant.text(windows::kAssistantInput);
    ui::Window* mainWindow = mainWindowOpen();
    if (isBlank(typed) || mainWindow == nullptr) {
        showNothing(assistant, kReadingPanelHint, {});
        return;
    }
    catalogue::CatalogueDatabase& database = mainWindow->database(kCatalogueConnection);
    const designation::CanonicalIndex* index = canonicalIndexOf(database);
    if (index == nullptr) {
        // Without a catalogue nothing matches, as in every search; a catalogue whose rows
        // could not all be read must not pass for one without the bearing.
        showNothing(assistant, {}, database.isConnected() ? kReadFailedMessage : kNoMatchMessage);
        return;
    }
    const designation::GroupedLookup found = index->lookup(typed);
    // Without a shop file the stock is empty and so are the shop's columns.
    const AssistantListing listing =
        fillAssistantList(assistant, database, found, shop::ShopSession::instance().stock());
    assistant.setText(windows::kAssistantDecoding,
                      readingPanelText(found.readings, &index->knowledge(), listing.boreOfReading));
    std::string status;
    if (listing.readFailed) {
        status = kReadFailedMessage;
    } else if (listing.bearings > 0) {
        status = countsText(listing);
    } else if (!found.readings.recognized()) {
        status = designation::kUnrecognizedDesignation;
    } else {
        status = kNoMatchMessage;
    }
    assistant.setText(windows::kAssistantStatus, status);
}

void listAssistantRowsInBearingList(ui::Window& assistant) {
    if (ui::Window* mainWindow = mainWindowOpen()) {
        listBearingsInOrder(*mainWindow, bearingsOfRows(assistant, windows::kAssistantList));
    }
}

std::optional<std::int32_t> selectedAssistantBearing(const ui::Window& assistant) {
    return bearingOfSelectedRow(assistant, windows::kAssistantList);
}

}  // namespace lz::query
