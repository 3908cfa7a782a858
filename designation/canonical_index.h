#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "designation/catalogue_knowledge.h"
#include "designation/designation_index.h"
#include "designation/reading.h"
#include "designation/text_ids.h"

namespace lz::catalogue {
class CatalogueDatabase;
}

namespace lz::designation {

// The groups a lookup lists, in this order.
enum class LookupGroup : std::uint8_t {
    SameBearing = 1,          // canonical designation equal, in any maker's spelling
    SameBasicAndSealing = 2,  // differing in clearance, tolerance, cage, design or other codes
    SameSize = 3,             // same size, other sealing or snap ring ("同尺寸，密封不同")
};

struct LookupEntry {
    std::int32_t bh = 0;
    LookupGroup group = LookupGroup::SameBearing;
    std::uint8_t reading = 0;      // which reading of the text found the row (0 = the first)
    std::uint8_t differences = 0;  // how many features differ (0 in group 1)
    std::string difference;  // the "差异" column: "游隙 C3 → 普通；保持架 M → 未注"
};

// A row of the same bearing as a text (group 1 of a lookup), with what tells such rows
// apart: whether the row's own designation is the text, and which common designation
// (canonical) it belongs to.
struct SameBearingRow {
    std::int32_t bh = 0;
    std::uint32_t group = 0;   // the canonical designation of its newno, by number; equal
                               // numbers are one bearing; kNoGroup for a row without newno
    std::uint8_t reading = 0;  // which reading of the text found it (0 when the key did)
    bool ownText = false;      // its newno, oldno or ckxh is the text (key equal)
};
inline constexpr std::uint32_t kNoGroup = TextIds::kNone;

struct SameBearingRows {
    DesignationReadings readings;
    std::vector<SameBearingRow> rows;  // own text first, then by reading, then by bh
};

struct GroupedLookup {
    DesignationReadings readings;      // the readings of the text looked up
    std::vector<LookupEntry> entries;  // group 1, then 2, then 3; each row once
};

// The "差异" column of an entry as lists show it: its difference, and, when the text has
// several readings, the reading that found a row of another than the first ("读作 6052-Z",
// "读作 6052-Z；密封 -Z → 开式"): the rows of both readings of "6052Z" stand in one group.
std::string differenceColumnText(const GroupedLookup& found, const LookupEntry& entry);

// Every row of the bearing table by the canonical designation of its common designation
// (newno), so that "NU 205 E" and "NU205E" are one group and a bearing is found in any
// maker's spelling that reads as it; beside it the key index (DesignationIndex), which
// finds a row by the very text of its newno, oldno or ckxh. Built once, then only read.
class CanonicalIndex {
public:
    // Reads the rows through the access layer; none when the table cannot be read whole
    // (not connected, the statement fails, or the record set fails part way).
    static std::optional<CanonicalIndex> build(catalogue::CatalogueDatabase& database);
    explicit CanonicalIndex(std::span<const DesignationRow> rows);

    // The rows a typed designation names, in groups:
    // 1. the same bearing: rows whose common designation has the canonical designation
    //    of a reading of the text; and every row the key index finds for the text (with
    //    the rows of its newno), so that nothing found before is lost, whether or not
    //    its designations read. Rows whose own designation is the text (in any case, width
    //    and separators) first.
    // 2. the same basic designation and sealing, fewest differences first;
    // 3. the same basic designation with other seals, snap ring or bore.
    GroupedLookup lookup(std::string_view typed) const;

    // Group 1 of lookup(typed) alone, without the work of the related groups: what
    // matching a shop's line against the catalogue needs, in microseconds.
    SameBearingRows sameBearing(std::string_view typed) const;

    // "互换型号" for the row `bh`: group 1 (the row first, then every row of the same
    // canonical designation) and group 2 of its common designation. A row whose common
    // designation reads as none lists the rows of the same newno text. Empty for an
    // unknown bh.
    GroupedLookup interchangeable(std::int32_t bh) const;

    // Readings with what this catalogue knows.
    DesignationReadings read(std::string_view text) const;
    const CatalogueKnowledge& knowledge() const { return knowledge_; }

    // The canonical designation of a row's common designation; "" when it reads as none
    // or bh is unknown.
    std::string canonicalOfRow(std::int32_t bh) const;

    std::size_t rowCount() const { return bh_.size(); }
    // Canonical designations of common designations: the groups of rows.
    std::size_t groupCount() const { return features_.size(); }

private:
    static constexpr std::uint32_t kNone = TextIds::kNone;

    // What the groups' comparison needs of a reading, packed.
    struct Features {
        BearingKind kind;
        SideSealing first;
        SideSealing second;
        SnapRing snapRing;
        CageKind cage;
        Clearance clearance;
        Tolerance tolerance;
        bool lubricationGroove;
        bool adapterSleeve;
        std::uint32_t design;  // ids in codes_
        std::uint32_t cageCode;
        std::uint32_t taperedBore;
        std::uint32_t arrangement;
        std::uint32_t material;
        std::uint32_t otherCodes;    // joined by spaces
        std::uint32_t basic;         // id in basics_
        std::uint32_t basicSealing;  // id in basicSealings_
    };

    struct Found;  // rows collected by a lookup

    std::uint32_t rowOf(std::int32_t bh) const;
    Features pack(const Reading& reading);
    Reading unpack(const Features& features) const;
    void addSameBearing(std::uint32_t canonical, std::uint8_t reading, Found& found) const;
    void addRelated(const Reading& wanted, std::uint32_t basic, std::uint32_t basicSealing,
                    std::uint8_t index, bool sameSizeToo, Found& found) const;
    static void finishGroups(Found& found, GroupedLookup& result, bool keyOrder);

    DesignationIndex keys_;
    CatalogueKnowledge knowledge_;

    // Per row.
    std::vector<std::int32_t> bh_;
    std::vector<std::uint32_t> groupOfRow_;   // canonical id of its newno
    std::vector<std::uint32_t> nextInGroup_;  // next row of that group
    std::vector<std::uint32_t> rowsByBh_;     // rows in ascending bh

    // Per canonical id: the canonical designations of the common designations; those that
    // read as none stand for themselves behind a leading 0x01.
    TextIds canonicals_;
    std::vector<std::uint32_t> firstOfGroup_;  // first row of the group
    std::vector<std::uint32_t> featuresOf_;    // index into features_, or kNone

    // Per group with a reading.
    std::vector<Features> features_;
    std::vector<std::uint32_t> canonicalOfFeatures_;
    std::vector<std::uint32_t> nextSameBasic_;
    std::vector<std::uint32_t> nextSameSealing_;
    TextIds basics_;
    TextIds basicSealings_;
    std::vector<std::uint32_t> firstOfBasic_;
    std::vector<std::uint32_t> firstOfSealing_;
    TextIds codes_;
};

}  // namespace lz::designation
