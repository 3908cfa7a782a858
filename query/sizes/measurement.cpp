#include "query/sizes/measurement.h"

#include "query/sql/bearing_search_sql.h"

namespace lz::sizes {
namespace {

bool isBlank(std::string_view text) {
    return text.find_first_not_of(" \t") == std::string_view::npos;
}

std::optional<Length> readTolerance(std::string_view text, std::string_view fallback) {
    const SizeReading reading =
        readTypedSize(isBlank(text) ? fallback : text, LengthUnit::Millimetre);
    if (!reading.size || reading.size->length < kSmallestTolerance ||
        reading.size->length > kLargestTolerance) {
        return std::nullopt;
    }
    return reading.size->length;
}

}  // namespace

MeasurementReading readMeasurement(const MeasurementInput& input) {
    MeasurementReading reading;
    const auto required = [&](std::string_view text, MeasuredField field,
                              std::string_view missing) -> std::optional<TypedSize> {
        if (isBlank(text)) {
            reading.refusals.push_back({field, missing});
            return std::nullopt;
        }
        SizeReading size = readTypedSize(text, input.unit);
        if (!size.size) {
            reading.refusals.push_back({field, size.refusal});
        }
        return size.size;
    };
    const std::optional<TypedSize> inner =
        required(input.inner, MeasuredField::Inner, kInnerMissing);
    const std::optional<TypedSize> outer =
        required(input.outer, MeasuredField::Outer, kOuterMissing);
    if (inner && outer && outer->length <= inner->length) {
        reading.refusals.push_back({MeasuredField::Outer, kOuterNotAboveInner});
    }
    std::optional<TypedSize> width;
    if (!isBlank(input.width)) {
        SizeReading size = readTypedSize(input.width, input.unit);
        if (!size.size) {
            reading.refusals.push_back({MeasuredField::Width, size.refusal});
        }
        width = size.size;
    }
    const std::optional<Length> tolerance = readTolerance(input.tolerance, kDefaultTolerance);
    if (!tolerance) {
        reading.refusals.push_back({MeasuredField::Tolerance, kToleranceOutOfRange});
    }
    std::optional<Length> widthTolerance;
    if (isBlank(input.widthTolerance)) {
        // Twice the tolerance on the diameters, as with the defaults: a caliper across the
        // rings' faces reads less surely than across a diameter.
        widthTolerance = tolerance ? std::optional<Length>(*tolerance * 2) : std::nullopt;
    } else if (!(widthTolerance = readTolerance(input.widthTolerance, kDefaultWidthTolerance))) {
        reading.refusals.push_back({MeasuredField::WidthTolerance, kToleranceOutOfRange});
    }
    if (!reading.refusals.empty()) {
        return reading;
    }
    const bool allTypes = isBlank(input.type) || input.type == query::sql::kAll;
    reading.measurement = Measurement{
        *inner,     *outer,          width,
        *tolerance, *widthTolerance, allTypes ? std::string() : std::string(input.type)};
    return reading;
}

}  // namespace lz::sizes
