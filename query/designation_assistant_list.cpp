#include "query/designation_assistant_list.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>

#include "catalogue/catalogue_database.h"
#include "query/designation_lookup.h"
#include "query/sql/interchange_sql.h"
#include "shop/store/shop_stock.h"
#include "ui/window.h"
#include "windows/designation_assistant_template.h"

namespace lz::query {
namespace {

using windows::AssistantColumnSource;
using windows::kAssistantColumns;

// Every row read holds these first, then the columns' fields. The shop's stock is by row,
// or by common designation for a line the user matched to any brand.
constexpr std::string_view kNumberField = "bh";
constexpr std::string_view kBoreField = "njin";
constexpr std::string_view kDesignationField = "newno";
constexpr std::size_t kNumberAt = 0, kBoreAt = 1, kDesignationAt = 2;

std::string_view groupHeading(designation::LookupGroup group) {
    switch (group) {
        case designation::LookupGroup::SameBearing:
            return "同一轴承（各厂写法）";
        case designation::LookupGroup::SameBasicAndSealing:
            return "同基本型号、同密封，仅游隙、公差、保持架、内部结构等代号不同";
        case designation::LookupGroup::SameSize:
            return "同尺寸，密封不同";
    }
    return {};
}

std::size_t groupIndex(designation::LookupGroup group) {
    return static_cast<std::size_t>(group) - 1;
}

// The fields a row of the list needs, each once: the columns' fields, the bore, the common
// designation and the number.
std::vector<std::string_view> neededFields() {
    std::vector<std::string_view> fields{kNumberField, kBoreField, kDesignationField};
    for (const windows::AssistantColumn& column : kAssistantColumns) {
        if (column.source == AssistantColumnSource::BearingField &&
            std::find(fields.begin(), fields.end(), column.field) == fields.end()) {
            fields.push_back(column.field);
        }
    }
    return fields;
}

struct RowTexts {
    std::unordered_map<std::int32_t, std::vector<std::string>> byNumber;
    bool failed = false;
};

RowTexts readRows(catalogue::CatalogueDatabase& database, const designation::GroupedLookup& found,
                  const std::vector<std::string_view>& fields) {
    std::vector<std::int32_t> numbers;
    for (const designation::LookupEntry& entry : found.entries) {
        numbers.push_back(entry.bh);
    }
    RowTexts rows;
    const auto statement = sql::composeBearingRowsInOrder(numbers);
    if (!statement) {
        return rows;
    }
    const catalogue::RecordSetHandle handle = database.OpenTable(*statement);
    for (; !database.IsEOF(handle); database.MoveNext(handle)) {
        std::vector<std::string> texts;
        texts.reserve(fields.size());
        for (const std::string_view field : fields) {
            texts.push_back(catalogue::fieldText(database.ReadColByName(handle, field)));
        }
        if (const auto number = bearingNumberOf(texts[kNumberAt])) {
            rows.byNumber.emplace(*number, std::move(texts));
        }
    }
    rows.failed = database.HasFailed(handle);
    if (handle != 0) {
        database.CloseTable(handle);
    }
    return rows;
}

std::string cellText(const windows::AssistantColumn& column,
                     const std::vector<std::string_view>& fields,
                     const std::vector<std::string>& record,
                     const designation::GroupedLookup& found, const designation::LookupEntry& entry,
                     const shop::ShelfCells& shelf) {
    switch (column.source) {
        case AssistantColumnSource::BearingField: {
            const auto at = std::find(fields.begin(), fields.end(), column.field);
            return record[static_cast<std::size_t>(at - fields.begin())];
        }
        case AssistantColumnSource::Difference:
            return designation::differenceColumnText(found, entry);
        case AssistantColumnSource::ShopQuantity:
            return shelf.quantity;
        case AssistantColumnSource::ShopPrice:
            return shelf.price;
    }
    return {};
}

}  // namespace

AssistantListing fillAssistantList(ui::Window& assistant, catalogue::CatalogueDatabase& database,
                                   const designation::GroupedLookup& found,
                                   const shop::ShopStock& stock) {
    const std::string_view list = windows::kAssistantList;
    assistant.clearRows(list);
    AssistantListing listing;
    listing.boreOfReading.resize(found.readings.readings.size());
    const std::vector<std::string_view> fields = neededFields();
    const RowTexts rows = readRows(database, found, fields);
    listing.readFailed = rows.failed;

    for (const designation::LookupEntry& entry : found.entries) {
        if (rows.byNumber.contains(entry.bh)) {
            ++listing.inGroup[groupIndex(entry.group)];
        }
    }
    std::optional<designation::LookupGroup> shownGroup;
    std::vector<std::string> cells(kAssistantColumns.size());
    for (const designation::LookupEntry& entry : found.entries) {
        const auto record = rows.byNumber.find(entry.bh);
        if (record == rows.byNumber.end()) {
            continue;
        }
        if (shownGroup != entry.group) {
            shownGroup = entry.group;
            assistant.appendHeadingRow(
                list, std::string(groupHeading(entry.group)) + "（" +
                          std::to_string(listing.inGroup[groupIndex(entry.group)]) + "）");
        }
        const shop::ShelfCells shelf =
            shop::shelfCellsOf(stock, entry.bh, record->second[kDesignationAt]);
        for (std::size_t column = 0; column < kAssistantColumns.size(); ++column) {
            cells[column] =
                cellText(kAssistantColumns[column], fields, record->second, found, entry, shelf);
        }
        const int row = assistant.appendRow(list, cells);
        assistant.setRowKey(list, row, entry.bh);
        if (shelf.stocked) {
            assistant.setRowMarked(list, row, true);
        }
        ++listing.bearings;
        if (entry.group == designation::LookupGroup::SameBearing &&
            entry.reading < listing.boreOfReading.size() && !listing.boreOfReading[entry.reading]) {
            listing.boreOfReading[entry.reading] = record->second[kBoreAt];
        }
    }
    assistant.showRowsNow(list);
    return listing;
}

}  // namespace lz::query
