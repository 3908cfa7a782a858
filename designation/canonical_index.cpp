#include "designation/canonical_index.h"

#include <algorithm>
#include <numeric>

#include "designation/canonical_designation.h"
#include "designation/old_codes.h"
#include "designation/read_designation.h"
#include "designation/reading_differences.h"

namespace lz::designation {
namespace {

// Rows whose common designation reads as none are grouped by its text behind this byte,
// which no canonical designation holds.
constexpr char kUnreadMark = '\x01';

template <typename T>
void growTo(std::vector<T>& values, std::size_t size, T value) {
    if (values.size() < size) {
        values.resize(size, value);
    }
}

// Ranks within group 1: the row's own designation is the text, then the row's common
// designation has the canonical designation, then the key index alone found it.
enum Rank : std::uint8_t { kOwnText = 0, kSameGroup = 1, kKeyOnly = 2 };

constexpr std::size_t kLongestKeyedText = 4096;

}  // namespace

struct CanonicalIndex::Found {
    std::vector<std::uint8_t> rowTaken;
    std::vector<std::uint8_t> groupTaken;
    struct Row {
        std::uint32_t row;
        std::int32_t bh;
        std::uint8_t reading;
        std::uint8_t rank;
    };
    std::vector<Row> same;
    struct Group {
        std::uint32_t canonical;
        std::string_view text;
        std::uint8_t reading;
        LookupGroup group;
        std::vector<Difference> differences;
        std::vector<std::int32_t> bh;
        int contradictions = 0;  // differences where the found row says something else
    };
    std::vector<Group> related;
};

std::optional<CanonicalIndex> CanonicalIndex::build(catalogue::CatalogueDatabase& database) {
    std::optional<std::vector<DesignationRow>> rows = readDesignationRows(database);
    if (!rows) {
        return std::nullopt;
    }
    return CanonicalIndex(*rows);
}

CanonicalIndex::CanonicalIndex(std::span<const DesignationRow> rows) : keys_(rows) {
    const std::size_t count = rows.size();
    bh_.reserve(count);
    groupOfRow_.reserve(count);
    nextInGroup_.reserve(count);
    canonicals_.reserve(count, count * 12);
    auto canonicalId = [&](std::string_view text) {
        const std::uint32_t id = canonicals_.idOf(text);
        growTo(firstOfGroup_, id + 1, kNone);
        growTo(featuresOf_, id + 1, kNone);
        return id;
    };

    // Common designations: the groups, and what the catalogue knows for reading texts.
    // Each distinct newno (as the key index numbers them) is read once.
    struct Newno {
        std::uint32_t group;
        std::uint32_t known;  // designation in knowledge_, or kNone when it reads as none
    };
    std::vector<Newno> newnoIds;
    newnoIds.reserve(count / 2);
    for (const DesignationRow& row : rows) {
        const auto index = static_cast<std::uint32_t>(bh_.size());
        bh_.push_back(row.bh);
        const std::uint32_t id = keys_.newnoOfRow(index);
        if (id == DesignationIndex::kNone) {
            groupOfRow_.push_back(kNone);
            nextInGroup_.push_back(kNone);
            continue;
        }
        if (id == newnoIds.size()) {
            const std::optional<Reading> read = readAsWritten(row.newno, nullptr);
            if (read) {
                const std::string canonical = canonicalDesignation(*read);
                const std::uint32_t group = canonicalId(canonical);
                if (featuresOf_[group] == kNone) {
                    featuresOf_[group] = static_cast<std::uint32_t>(features_.size());
                    features_.push_back(pack(*read));
                    canonicalOfFeatures_.push_back(group);
                }
                newnoIds.push_back({group, knowledge_.hold(*read, canonical)});
            } else {
                newnoIds.push_back({canonicalId(kUnreadMark + row.newno), kNone});
            }
        }
        const Newno newno = newnoIds[id];
        groupOfRow_.push_back(newno.group);
        nextInGroup_.push_back(firstOfGroup_[newno.group]);
        firstOfGroup_[newno.group] = index;
        if (newno.known != kNone) {
            knowledge_.countRow(newno.known);
            if (!row.oldno.empty() && row.oldno != row.newno) {
                knowledge_.pairOldCode(row.oldno, row.newno, canonicals_.textOf(newno.group));
            }
        }
    }
    knowledge_.finish();

    // Groups of the same basic designation, and of the same basic designation and sealing.
    nextSameBasic_.assign(features_.size(), kNone);
    nextSameSealing_.assign(features_.size(), kNone);
    firstOfBasic_.assign(basics_.size(), kNone);
    firstOfSealing_.assign(basicSealings_.size(), kNone);
    for (std::uint32_t f = 0; f < features_.size(); ++f) {
        nextSameBasic_[f] = firstOfBasic_[features_[f].basic];
        firstOfBasic_[features_[f].basic] = f;
        nextSameSealing_[f] = firstOfSealing_[features_[f].basicSealing];
        firstOfSealing_[features_[f].basicSealing] = f;
    }

    rowsByBh_.resize(bh_.size());
    std::iota(rowsByBh_.begin(), rowsByBh_.end(), 0u);
    // The table comes in the order of bh as a rule.
    if (!std::is_sorted(bh_.begin(), bh_.end())) {
        std::sort(rowsByBh_.begin(), rowsByBh_.end(),
                  [&](std::uint32_t a, std::uint32_t b) { return bh_[a] < bh_[b]; });
    }
}

CanonicalIndex::Features CanonicalIndex::pack(const Reading& reading) {
    std::string others;
    for (const std::string& code : reading.otherCodes) {
        others += others.empty() ? "" : " ";
        others += code;
    }
    return Features{reading.basic.kind,
                    reading.sealing[0],
                    reading.sealing[1],
                    reading.snapRing,
                    reading.cage,
                    reading.clearance,
                    reading.tolerance,
                    reading.lubricationGroove,
                    reading.adapterSleeve,
                    codes_.idOf(reading.design),
                    codes_.idOf(reading.cageCode),
                    codes_.idOf(reading.taperedBore),
                    codes_.idOf(reading.arrangement),
                    codes_.idOf(reading.material),
                    codes_.idOf(others),
                    basics_.idOf(basicKey(reading)),
                    basicSealings_.idOf(basicAndSealingKey(reading))};
}

Reading CanonicalIndex::unpack(const Features& features) const {
    Reading reading;
    reading.basic.kind = features.kind;
    reading.sealing = {features.first, features.second};
    reading.snapRing = features.snapRing;
    reading.cage = features.cage;
    reading.clearance = features.clearance;
    reading.tolerance = features.tolerance;
    reading.lubricationGroove = features.lubricationGroove;
    reading.adapterSleeve = features.adapterSleeve;
    reading.design = std::string(codes_.textOf(features.design));
    reading.cageCode = std::string(codes_.textOf(features.cageCode));
    reading.taperedBore = std::string(codes_.textOf(features.taperedBore));
    reading.arrangement = std::string(codes_.textOf(features.arrangement));
    reading.material = std::string(codes_.textOf(features.material));
    const std::string_view others = codes_.textOf(features.otherCodes);
    for (std::size_t at = 0; at < others.size();) {
        std::size_t end = others.find(' ', at);
        end = end == std::string_view::npos ? others.size() : end;
        reading.otherCodes.emplace_back(others.substr(at, end - at));
        at = end + 1;
    }
    return reading;
}

std::uint32_t CanonicalIndex::rowOf(std::int32_t bh) const {
    const auto found =
        std::lower_bound(rowsByBh_.begin(), rowsByBh_.end(), bh,
                         [&](std::uint32_t row, std::int32_t value) { return bh_[row] < value; });
    return found != rowsByBh_.end() && bh_[*found] == bh ? *found : kNone;
}

DesignationReadings CanonicalIndex::read(std::string_view text) const {
    return readDesignation(text, knowledge_);
}

std::string CanonicalIndex::canonicalOfRow(std::int32_t bh) const {
    const std::uint32_t row = rowOf(bh);
    if (row == kNone || groupOfRow_[row] == kNone || featuresOf_[groupOfRow_[row]] == kNone) {
        return {};
    }
    return std::string(canonicals_.textOf(groupOfRow_[row]));
}

void CanonicalIndex::addSameBearing(std::uint32_t canonical, std::uint8_t reading,
                                    Found& found) const {
    auto takeGroup = [&](std::uint32_t group) {
        if (group == kNone || found.groupTaken[group] != 0) {
            return;
        }
        found.groupTaken[group] = 1;
        for (std::uint32_t row = firstOfGroup_[group]; row != kNone; row = nextInGroup_[row]) {
            if (found.rowTaken[row] == 0) {
                found.rowTaken[row] = 1;
                found.same.push_back({row, bh_[row], reading, kSameGroup});
            }
        }
    };
    takeGroup(canonical);
}

void CanonicalIndex::addRelated(const Reading& wanted, std::uint32_t basic,
                                std::uint32_t basicSealing, std::uint8_t index, bool sameSizeToo,
                                Found& found) const {
    auto consider = [&](std::uint32_t f, LookupGroup group) {
        const std::uint32_t canonical = canonicalOfFeatures_[f];
        if (found.groupTaken[canonical] != 0) {
            return;
        }
        std::vector<Difference> differences = differencesBetween(wanted, unpack(features_[f]));
        const bool sizeOrSealing =
            std::any_of(differences.begin(), differences.end(),
                        [](const auto& d) { return changesSizeOrSealing(d.feature); });
        if (differences.empty() || (group == LookupGroup::SameBasicAndSealing && sizeOrSealing)) {
            return;
        }
        found.groupTaken[canonical] = 1;
        const auto contradictions = std::count_if(
            differences.begin(), differences.end(),
            [](const Difference& d) { return d.found != "未注" && d.found != "普通"; });
        Found::Group entry{
            canonical, canonicals_.textOf(canonical),   index, group, std::move(differences),
            {},        static_cast<int>(contradictions)};
        for (std::uint32_t row = firstOfGroup_[canonical]; row != kNone; row = nextInGroup_[row]) {
            if (found.rowTaken[row] == 0) {
                found.rowTaken[row] = 1;
                entry.bh.push_back(bh_[row]);
            }
        }
        if (!entry.bh.empty()) {
            found.related.push_back(std::move(entry));
        }
    };
    if (basicSealing != kNone) {
        for (std::uint32_t f = firstOfSealing_[basicSealing]; f != kNone; f = nextSameSealing_[f]) {
            consider(f, LookupGroup::SameBasicAndSealing);
        }
    }
    if (sameSizeToo && basic != kNone) {
        for (std::uint32_t f = firstOfBasic_[basic]; f != kNone; f = nextSameBasic_[f]) {
            consider(f, LookupGroup::SameSize);
        }
    }
}

void CanonicalIndex::finishGroups(Found& found, GroupedLookup& result, bool keyOrder) {
    std::sort(found.same.begin(), found.same.end(), [&](const Found::Row& a, const Found::Row& b) {
        if (keyOrder && a.reading != b.reading) {
            return a.reading < b.reading;
        }
        if (a.rank != b.rank) {
            return a.rank < b.rank;
        }
        return a.bh < b.bh;
    });
    for (const Found::Row& row : found.same) {
        result.entries.push_back({row.bh, LookupGroup::SameBearing, row.reading, 0, {}});
    }
    std::stable_sort(found.related.begin(), found.related.end(), [](const auto& a, const auto& b) {
        if (a.group != b.group) {
            return a.group < b.group;
        }
        if (a.differences.size() != b.differences.size()) {
            return a.differences.size() < b.differences.size();
        }
        // A row that leaves a feature unsaid contradicts less than one that says otherwise.
        if (a.contradictions != b.contradictions) {
            return a.contradictions < b.contradictions;
        }
        if (a.reading != b.reading) {
            return a.reading < b.reading;
        }
        return a.text < b.text;
    });
    for (Found::Group& group : found.related) {
        std::string text = differenceText(group.differences);
        if (group.group == LookupGroup::SameSize) {
            const bool sealing =
                std::any_of(group.differences.begin(), group.differences.end(), [](const auto& d) {
                    return d.feature == Difference::Feature::Sealing ||
                           d.feature == Difference::Feature::SnapRing;
                });
            text = (sealing ? "同尺寸，密封不同；" : "同尺寸；") + text;
        }
        std::sort(group.bh.begin(), group.bh.end());
        for (const std::int32_t bh : group.bh) {
            result.entries.push_back(
                {bh, group.group, group.reading,
                 static_cast<std::uint8_t>(std::min<std::size_t>(group.differences.size(), 255)),
                 text});
        }
    }
}

GroupedLookup CanonicalIndex::lookup(std::string_view typed) const {
    GroupedLookup result;
    result.readings = read(typed);
    Found found;
    found.rowTaken.assign(bh_.size(), 0);
    found.groupTaken.assign(canonicals_.size(), 0);
    const std::size_t readings = std::min<std::size_t>(result.readings.readings.size(), 255);
    for (std::size_t i = 0; i < readings; ++i) {
        const std::uint32_t canonical =
            canonicals_.find(canonicalDesignation(result.readings.readings[i]));
        if (canonical != kNone) {
            addSameBearing(canonical, static_cast<std::uint8_t>(i), found);
        }
    }
    // Whatever the key index finds stays found, beside the readings' groups.
    // A text longer than a reading looks at is not keyed either, which would cost time in
    // proportion to its length for nothing.
    const bool keyable = typed.size() <= kLongestKeyedText;
    for (const std::int32_t bh : keyable ? keys_.lookup(typed) : std::vector<std::int32_t>()) {
        const std::uint32_t row = rowOf(bh);
        if (row != kNone && found.rowTaken[row] == 0) {
            found.rowTaken[row] = 1;
            found.same.push_back({row, bh, 0, kKeyOnly});
            if (groupOfRow_[row] != kNone) {
                found.groupTaken[groupOfRow_[row]] = 1;
            }
        }
    }
    const std::vector<std::int32_t> own =
        keyable ? keys_.directMatches(typed) : std::vector<std::int32_t>();
    for (Found::Row& row : found.same) {
        if (std::binary_search(own.begin(), own.end(), row.bh)) {
            row.rank = kOwnText;
        }
    }
    // Group 2 of every reading before group 3 of any.
    for (const bool sameSizeToo : {false, true}) {
        for (std::size_t i = 0; i < readings; ++i) {
            const Reading& reading = result.readings.readings[i];
            addRelated(reading, basics_.find(basicKey(reading)),
                       basicSealings_.find(basicAndSealingKey(reading)),
                       static_cast<std::uint8_t>(i), sameSizeToo, found);
        }
    }
    finishGroups(found, result, true);
    return result;
}

SameBearingRows CanonicalIndex::sameBearing(std::string_view typed) const {
    SameBearingRows result;
    result.readings = read(typed);
    std::vector<SameBearingRow>& rows = result.rows;
    const std::size_t readings = std::min<std::size_t>(result.readings.readings.size(), 255);
    for (std::size_t i = 0; i < readings; ++i) {
        const std::uint32_t canonical =
            canonicals_.find(canonicalDesignation(result.readings.readings[i]));
        if (canonical == kNone) {
            continue;
        }
        for (std::uint32_t row = firstOfGroup_[canonical]; row != kNone; row = nextInGroup_[row]) {
            rows.push_back({bh_[row], canonical, static_cast<std::uint8_t>(i), false});
        }
    }
    if (typed.size() <= kLongestKeyedText) {
        for (const std::int32_t bh : keys_.lookup(typed)) {
            const std::uint32_t row = rowOf(bh);
            if (row != kNone) {
                rows.push_back({bh, groupOfRow_[row], 0, false});
            }
        }
        const std::vector<std::int32_t> own = keys_.directMatches(typed);
        for (SameBearingRow& row : rows) {
            row.ownText = std::binary_search(own.begin(), own.end(), row.bh);
        }
    }
    // Each row once, where it was found first (a reading before the key).
    std::stable_sort(rows.begin(), rows.end(),
                     [](const SameBearingRow& a, const SameBearingRow& b) { return a.bh < b.bh; });
    rows.erase(
        std::unique(rows.begin(), rows.end(),
                    [](const SameBearingRow& a, const SameBearingRow& b) { return a.bh == b.bh; }),
        rows.end());
    std::stable_sort(rows.begin(), rows.end(),
                     [](const SameBearingRow& a, const SameBearingRow& b) {
                         if (a.ownText != b.ownText) {
                             return a.ownText;
                         }
                         return a.reading < b.reading;
                     });
    return result;
}

GroupedLookup CanonicalIndex::interchangeable(std::int32_t bh) const {
    GroupedLookup result;
    const std::uint32_t row = rowOf(bh);
    if (row == kNone) {
        return result;
    }
    Found found;
    found.rowTaken.assign(bh_.size(), 0);
    found.groupTaken.assign(canonicals_.size(), 0);
    found.rowTaken[row] = 1;
    found.same.push_back({row, bh, 0, kOwnText});
    const std::uint32_t group = groupOfRow_[row];
    if (group != kNone) {
        addSameBearing(group, 0, found);
        if (featuresOf_[group] != kNone) {
            const Features& features = features_[featuresOf_[group]];
            addRelated(unpack(features), kNone, features.basicSealing, 0, false, found);
        }
    }
    finishGroups(found, result, false);
    return result;
}

std::string differenceColumnText(const GroupedLookup& found, const LookupEntry& entry) {
    const std::vector<Reading>& readings = found.readings.readings;
    if (entry.reading == 0 || entry.reading >= readings.size()) {
        return entry.difference;
    }
    std::string text = "读作 " + canonicalDesignation(readings[entry.reading]);
    if (!entry.difference.empty()) {
        text += "；" + entry.difference;
    }
    return text;
}

}  // namespace lz::designation
