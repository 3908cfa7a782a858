#include "query/measured_size_search.h"

#include <array>
#include <string>
#include <vector>

#include "catalogue/catalogue_database.h"
#include "query/designation_lookup.h"
#include "query/keyed_rows.h"
#include "query/measured_size_list.h"
#include "query/result_lists.h"
#include "query/search_messages.h"
#include "query/sizes/measured_listing.h"
#include "query/sizes/measurement.h"
#include "query/sizes/size_index.h"
#include "query/sizes/size_index_cache.h"
#include "query/sql/bearing_search_sql.h"
#include "ui/window.h"
#include "ui/window_manager.h"
#include "windows/main_window_template.h"
#include "windows/measured_size_page.h"

namespace lz::query {
namespace {

using sizes::MeasuredField;

// Every input's message label, in the order of MeasuredField.
constexpr std::array kFieldMessages = {
    windows::kMeasuredInnerMessage,          windows::kMeasuredOuterMessage,
    windows::kMeasuredWidthMessage,          windows::kMeasuredToleranceMessage,
    windows::kMeasuredWidthToleranceMessage,
};
static_assert(static_cast<std::size_t>(MeasuredField::WidthTolerance) + 1 == kFieldMessages.size());

std::string_view messageLabelOf(MeasuredField field) {
    return kFieldMessages[static_cast<std::size_t>(field)];
}

ui::Window* mainWindowOpen() {
    return ui::WindowManager::instance().find(windows::kMainWindowName);
}

// "全部" first, then the types of the catalogue searched, which may since have changed
// (the index follows the connection).
void offerTypes(ui::Window& assistant, const sizes::SizeIndex& index) {
    std::vector<std::string> items{std::string(sql::kAll)};
    items.insert(items.end(), index.types().begin(), index.types().end());
    if (assistant.items(windows::kMeasuredType) != items) {
        assistant.setItems(windows::kMeasuredType, items);
    }
}

void showNothing(ui::Window& assistant, std::string_view status) {
    assistant.clearRows(windows::kMeasuredList);
    assistant.setText(windows::kMeasuredStatus, status);
}

std::string countsText(const MeasuredListCount& count, bool withinTolerance) {
    if (!withinTolerance) {
        return "容差内无匹配，列出最接近的 " + std::to_string(count.bearings) + " 个型号";
    }
    return "容差内找到 " + std::to_string(count.bearings) + " 个型号，" +
           std::to_string(count.sizes) + " 种公称尺寸";
}

}  // namespace

void prepareMeasuredSizePage(ui::Window& assistant) {
    if (ui::Window* mainWindow = mainWindowOpen()) {
        if (const sizes::SizeIndex* index =
                sizes::sizeIndexOf(mainWindow->database(kCatalogueConnection))) {
            offerTypes(assistant, *index);
        }
    }
}

void searchByMeasuredSize(ui::Window& assistant) {
    const std::string inner = assistant.text(windows::kMeasuredInner);
    const std::string outer = assistant.text(windows::kMeasuredOuter);
    const std::string width = assistant.text(windows::kMeasuredWidth);
    const std::string tolerance = assistant.text(windows::kMeasuredTolerance);
    const std::string widthTolerance = assistant.text(windows::kMeasuredWidthTolerance);
    const std::string type = assistant.text(windows::kMeasuredType);
    const sizes::LengthUnit unit = assistant.isChecked(windows::kMeasuredInches)
                                       ? sizes::LengthUnit::Inch
                                       : sizes::LengthUnit::Millimetre;
    const sizes::MeasurementReading reading =
        sizes::readMeasurement({inner, outer, width, unit, tolerance, widthTolerance, type});

    for (const std::string_view label : kFieldMessages) {
        assistant.setText(label, {});
    }
    assistant.setText(windows::kMeasuredTypeMessage, {});
    for (const sizes::FieldRefusal& refusal : reading.refusals) {
        assistant.setText(messageLabelOf(refusal.field), refusal.message);
    }
    if (!reading.measurement) {
        showNothing(assistant, kCorrectTheInputs);
        return;
    }

    ui::Window* mainWindow = mainWindowOpen();
    if (mainWindow == nullptr) {
        showNothing(assistant, kNoMatchMessage);
        return;
    }
    catalogue::CatalogueDatabase& database = mainWindow->database(kCatalogueConnection);
    const sizes::SizeIndex* index = sizes::sizeIndexOf(database);
    if (index == nullptr) {
        // Without a catalogue nothing matches, as in every search; a catalogue whose rows
        // could not all be read must not pass for one without the bearing.
        showNothing(assistant, database.isConnected() ? kReadFailedMessage : kNoMatchMessage);
        return;
    }
    offerTypes(assistant, *index);
    const sizes::Measurement& measurement = *reading.measurement;
    if (!measurement.type.empty() && !index->hasType(measurement.type)) {
        assistant.setText(windows::kMeasuredTypeMessage, kUnknownBearingType);
        showNothing(assistant, kCorrectTheInputs);
        return;
    }

    const sizes::MeasuredListing listing = sizes::listMeasuredSizes(database, *index, measurement);
    const MeasuredListCount count = fillMeasuredList(assistant, listing);
    std::string status;
    if (listing.readFailed) {
        status = kReadFailedMessage;
    } else if (count.bearings == 0) {
        status = kNoMatchMessage;
    } else {
        status = countsText(count, listing.withinTolerance);
    }
    assistant.setText(windows::kMeasuredStatus, status);
}

void listMeasuredRowsInBearingList(ui::Window& assistant) {
    if (ui::Window* mainWindow = mainWindowOpen()) {
        listBearingsInOrder(*mainWindow, bearingsOfRows(assistant, windows::kMeasuredList));
    }
}

std::optional<std::int32_t> selectedMeasuredBearing(const ui::Window& assistant) {
    return bearingOfSelectedRow(assistant, windows::kMeasuredList);
}

}  // namespace lz::query
