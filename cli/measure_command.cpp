#include "cli/measure_command.h"

#include <ostream>
#include <string>

#include "catalogue/catalogue_database.h"
#include "cli/output_formats.h"
#include "cli/query_tool.h"
#include "cli/usage_text.h"
#include "designation/designation_index.h"
#include "query/search_messages.h"
#include "query/sizes/measured_listing.h"
#include "query/sizes/measurement.h"
#include "query/sizes/size_index.h"

namespace lz::query_cli {
namespace {

// What the command line calls each input in its messages.
std::string_view inputName(sizes::MeasuredField field) {
    switch (field) {
        case sizes::MeasuredField::Inner:
            return "内径 INNER";
        case sizes::MeasuredField::Outer:
            return "外径 OUTER";
        case sizes::MeasuredField::Width:
            return "厚度 WIDTH";
        case sizes::MeasuredField::Tolerance:
            return "--tolerance";
        case sizes::MeasuredField::WidthTolerance:
            return "--width-tolerance";
    }
    return {};
}

std::string typeList(const sizes::SizeIndex& index) {
    std::string list;
    for (const std::string& type : index.types()) {
        list += list.empty() ? "" : "、";
        list += type;
    }
    return list;
}

// The statement that reads the rows found, for --print-sql.
std::string rowsStatement(const sizes::SizeIndex& index, const sizes::Measurement& measurement) {
    std::vector<std::int32_t> bh;
    for (const sizes::SizeGroup& group : index.search(measurement).groups) {
        bh.insert(bh.end(), group.bh.begin(), group.bh.end());
    }
    return designation::composeBearingRowsSearch(bh).value_or(std::string());
}

}  // namespace

int runMeasure(const Invocation& invocation, catalogue::CatalogueDatabase& database,
               std::ostream& out, std::ostream& err) {
    const sizes::MeasurementReading reading = sizes::readMeasurement(
        {invocation.innerDiameter, invocation.outerDiameter, invocation.width, invocation.unit,
         invocation.tolerance, invocation.widthTolerance, invocation.type});
    if (!reading.measurement) {
        for (const sizes::FieldRefusal& refusal : reading.refusals) {
            err << kProgramName << ": " << inputName(refusal.field) << ": " << refusal.message
                << '\n';
        }
        return kExitUsage;
    }
    const sizes::Measurement& measurement = *reading.measurement;
    const std::optional<sizes::SizeIndex> index = sizes::SizeIndex::build(database);
    if (!index) {
        err << kProgramName << ": " << query::kReadFailedMessage << '\n';
        return kExitCatalogueFailed;
    }
    if (!measurement.type.empty() && !index->hasType(measurement.type)) {
        err << kProgramName << ": unknown type '" << measurement.type << "': use 全部 or one of "
            << typeList(*index) << '\n';
        return kExitUsage;
    }
    if (index->leftOutCount() > 0) {
        err << kProgramName << ": " << index->leftOutCount()
            << " 行的内径、外径或厚度不是正数，不在尺寸查找之内\n";
    }
    if (invocation.printSql) {
        out << rowsStatement(*index, measurement) << '\n';
        return kExitRowsFound;
    }
    const sizes::MeasuredListing listing = sizes::listMeasuredSizes(database, *index, measurement);
    if (listing.rows.empty() && !listing.readFailed) {
        err << kProgramName << ": " << query::kNoMatchMessage << '\n';
        return kExitNoMatch;
    }
    if (!listing.withinTolerance) {
        err << kProgramName << ": " << sizes::kNoneWithinTolerance << '\n';
    }
    if (!listing.rows.empty()) {
        out << formattedRows(invocation.format, sizes::kMeasuredListHeadings, listing.rows);
    }
    if (listing.readFailed) {
        err << kProgramName << ": " << query::kReadFailedMessage << '\n';
        return kExitCatalogueFailed;
    }
    return listing.withinTolerance ? kExitRowsFound : kExitNoMatch;
}

}  // namespace lz::query_cli
