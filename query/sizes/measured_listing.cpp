#include "query/sizes/measured_listing.h"

#include <charconv>
#include <optional>
#include <unordered_map>
#include <utility>

#include "catalogue/catalogue_database.h"
#include "designation/designation_index.h"
#include "query/result_lists.h"
#include "query/sizes/size_index.h"
#include "query/sizes/size_texts.h"

namespace lz::sizes {
namespace {

using Cells = std::vector<std::string>;

struct ReadRows {
    std::unordered_map<std::int32_t, Cells> byBh;
    bool failed = false;
};

// Reads the bearing list's fields of the rows `bh` names, each turned into the text its
// cell shows.
ReadRows readRows(catalogue::CatalogueDatabase& database, const std::vector<std::int32_t>& bh) {
    ReadRows read;
    const std::optional<std::string> sql = designation::composeBearingRowsSearch(bh);
    if (!sql) {
        return read;
    }
    const catalogue::RecordSetHandle handle = database.OpenTable(*sql);
    if (handle == 0) {
        read.failed = true;
        return read;
    }
    read.byBh.reserve(bh.size());
    for (; !database.IsEOF(handle); database.MoveNext(handle)) {
        Cells cells;
        cells.reserve(kMeasuredListHeadings.size());
        for (const std::string_view field : query::kBearingFields) {
            cells.push_back(catalogue::fieldText(database.ReadColByName(handle, field)));
        }
        // The first cell is bh itself, as the list shows it.
        const std::string& id = cells.front();
        std::int32_t rowBh = 0;
        if (std::from_chars(id.data(), id.data() + id.size(), rowBh).ec == std::errc()) {
            read.byBh.emplace(rowBh, std::move(cells));
        }
    }
    read.failed = database.HasFailed(handle);
    database.CloseTable(handle);
    return read;
}

}  // namespace

MeasuredListing listMeasuredSizes(catalogue::CatalogueDatabase& database, const SizeIndex& index,
                                  const Measurement& measurement) {
    const SizeSearch search = index.search(measurement);
    MeasuredListing listing;
    listing.withinTolerance = search.withinTolerance;
    std::vector<std::int32_t> bh;
    bh.reserve(search.rowCount());
    for (const SizeGroup& group : search.groups) {
        bh.insert(bh.end(), group.bh.begin(), group.bh.end());
    }
    ReadRows read = readRows(database, bh);
    listing.readFailed = read.failed;
    listing.rows.reserve(bh.size());
    for (const SizeGroup& group : search.groups) {
        ListedGroup listed{nominalHeading(group), group.inch, listing.rows.size(), 0};
        const std::string deviation = deviationText(measurement, group);
        for (const std::int32_t rowBh : group.bh) {
            const auto found = read.byBh.find(rowBh);
            if (found == read.byBh.end()) {
                // Only a failed read leaves out a row the index named.
                listing.readFailed = true;
                continue;
            }
            Cells& cells = found->second;
            cells.push_back(deviation);
            listing.rows.push_back(std::move(cells));
            ++listed.rowCount;
        }
        if (listed.rowCount > 0) {
            listing.groups.push_back(std::move(listed));
        }
    }
    return listing;
}

}  // namespace lz::sizes
