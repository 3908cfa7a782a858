#include "designation/maker_spellings.h"

#include <algorithm>
#include <array>
#include <vector>

namespace lz::designation {
namespace {

using K = BearingKind;
using F = Feature;

constexpr KindMask kDeepGroove = kindBit(K::DeepGrooveBall);
constexpr KindMask kAngular = kindBit(K::AngularContactBall);
constexpr KindMask kSelfAligning = kindBit(K::SelfAligningBall);
constexpr KindMask kCylindrical = kindBit(K::CylindricalRoller);
constexpr KindMask kSpherical = kindBit(K::SphericalRoller);
constexpr KindMask kTapered = kindBit(K::TaperedRoller);
constexpr KindMask kThrustBall = kindBit(K::ThrustBall);
constexpr KindMask kThrustCylindrical = kindBit(K::ThrustCylindricalRoller);
constexpr KindMask kThrustSpherical = kindBit(K::ThrustSphericalRoller);
constexpr KindMask kThrustAngular = kindBit(K::ThrustAngularContactBall);
constexpr KindMask kNeedle = kindBit(K::NeedleRoller);
constexpr KindMask kInsert = kindBit(K::InsertBall);
constexpr KindMask kPlain = kindBit(K::SphericalPlain);
constexpr KindMask kLinear = kindBit(K::LinearBushing);
constexpr KindMask kTrack = kindBit(K::TrackRoller);

constexpr KindMask kAll = (KindMask{1} << static_cast<unsigned>(K::kCount)) - 1;
constexpr KindMask kThrust = kThrustBall | kThrustCylindrical | kThrustSpherical;
constexpr KindMask kRollerWithDesign =
    kCylindrical | kSpherical | kSelfAligning | kThrustSpherical | kDeepGroove;
// Bearings that may carry seals or shields.
constexpr KindMask kSealable = kDeepGroove | kAngular | kSelfAligning | kCylindrical | kSpherical |
                               kNeedle | kInsert | kPlain | kLinear | kTrack;
constexpr KindMask kBoreTaper = kSelfAligning | kSpherical | kCylindrical | kDeepGroove;

constexpr CageKind kBrass = CageKind::MachinedBrass;
constexpr CageKind kSteel = CageKind::PressedSteel;
constexpr CageKind kPolyamide = CageKind::Polyamide;
constexpr CageKind kPressedBrass = CageKind::PressedBrass;

constexpr Spelling prefix(std::string_view text, KindMask kinds, Feature feature,
                          std::string_view value, std::string_view maker, std::string_view note) {
    return Spelling{text, kinds, feature, value, maker, note, CageKind::Unspecified, true};
}

constexpr Spelling separated(Spelling spelling) {
    spelling.afterSeparator = true;
    return spelling;
}

constexpr Spelling alone(Spelling spelling) {
    spelling.standsAlone = true;
    return spelling;
}

constexpr Spelling cage(std::string_view text, KindMask kinds, std::string_view value,
                        CageKind kind, std::string_view maker, std::string_view note = {}) {
    return Spelling{text, kinds, F::Cage, value, maker, note, kind};
}

// Facts on makers' spellings come from their own documentation and trade conversion
// tables. Where those and the catalogue's grouping (its common designations) disagree, the
// catalogue decides, and the note says so.
constexpr Spelling kSpellings[] = {
    // ---- Before the basic designation ------------------------------------------------
    prefix("SS", kAll & ~kAngular, F::Prefix, "S", "", "不锈钢"),
    prefix("S", kAll & ~kAngular, F::Prefix, "S", "", "不锈钢"),
    // GMN's "S" and FAG's "B" name spindle bearings; the common writing drops them.
    prefix("S", kAngular, F::Unwritten, "", "GMN", "主轴轴承"),
    prefix("B", kAngular, F::Unwritten, "", "FAG", "主轴轴承"),
    prefix("HCB", kAngular, F::Material, "HQ1", "FAG", "陶瓷球主轴轴承"),
    prefix("HY", kAngular, F::Material, "HQ1", "GMN", "陶瓷球（混合轴承）"),
    prefix("5S", kAngular, F::Material, "HQ1", "NTN", "陶瓷球（混合轴承）"),
    prefix("C", kAngular, F::Material, "HQ1", "BARDEN", "陶瓷球（混合轴承）"),

    // ---- Seals and shields (common writing first, then SKF, FAG, NSK, NTN, ...) --------
    {"2RS", kSealable, F::Sealing, "2RS", "", ""},
    {"RS", kSealable, F::Sealing, "RS", "", ""},
    {"2RZ", kSealable, F::Sealing, "2RZ", "", ""},
    {"RZ", kSealable, F::Sealing, "RZ", "", ""},
    {"2Z", kSealable, F::Sealing, "2Z", "", ""},
    {"Z", kSealable, F::Sealing, "Z", "", "个别标记把两面防尘盖的轴承也打成 Z"},
    {"2RS1", kSealable, F::Sealing, "2RS", "SKF", ""},
    {"2RSH", kSealable, F::Sealing, "2RS", "SKF", ""},
    {"2RSL", kSealable, F::Sealing, "2RS", "SKF", "低摩擦；目录归入 -2RS"},
    {"RS1", kSealable, F::Sealing, "RS", "SKF", ""},
    {"RSH", kSealable, F::Sealing, "RS", "SKF", ""},
    {"RSL", kSealable, F::Sealing, "RS", "SKF", "低摩擦"},
    {"2RSR", kSealable, F::Sealing, "2RS", "FAG", ""},
    {"RSR", kSealable, F::Sealing, "RS", "FAG", ""},
    {"2BRS", kSealable, F::Sealing, "2RZ", "FAG", ""},
    {"BRS", kSealable, F::Sealing, "RZ", "FAG", ""},
    {"DDU", kSealable, F::Sealing, "2RS", "NSK", ""},
    {"DU", kDeepGroove | kSelfAligning, F::Sealing, "RS", "NSK", ""},
    {"VV", kDeepGroove | kSelfAligning, F::Sealing, "2RZ", "NSK", ""},
    {"V", kDeepGroove, F::Sealing, "RZ", "NSK", ""},
    {"ZZ", kSealable, F::Sealing, "2Z", "NSK、NTN、NACHI、KOYO、NMB", ""},
    {"LLU", kSealable, F::Sealing, "2RS", "NTN", ""},
    {"LLH", kSealable, F::Sealing, "2RS", "NTN", "低扭矩；目录归入 -2RS"},
    {"LU", kSealable, F::Sealing, "RS", "NTN", ""},
    {"LH", kSealable, F::Sealing, "RS", "NTN", "低扭矩"},
    {"LLB", kSealable, F::Sealing, "2RZ", "NTN", ""},
    {"LB", kSealable, F::Sealing, "RZ", "NTN", ""},
    {"2NSE", kSealable, F::Sealing, "2RS", "NACHI", ""},
    {"2NSL", kSealable, F::Sealing, "2RS", "NACHI", "低扭矩；目录归入 -2RS"},
    {"NSE", kSealable, F::Sealing, "RS", "NACHI", ""},
    {"NSL", kSealable, F::Sealing, "RS", "NACHI", "低扭矩"},
    {"2NS", kSealable, F::Sealing, "2RS", "NACHI", ""},
    {"2NKE", kSealable, F::Sealing, "2RZ", "NACHI", ""},
    {"NKE", kSealable, F::Sealing, "RZ", "NACHI", ""},
    {"ZZE", kSealable, F::Sealing, "2Z", "NACHI", ""},
    {"ZE", kSealable, F::Sealing, "Z", "NACHI", ""},
    {"2RD", kSealable, F::Sealing, "2RZ", "KOYO", ""},
    {"RD", kDeepGroove | kSelfAligning, F::Sealing, "RZ", "KOYO", ""},
    {"2RU", kSealable, F::Sealing, "2RS", "KOYO", "个别资料的写法"},
    {"RU", kDeepGroove | kSelfAligning, F::Sealing, "RS", "KOYO", "个别资料的写法"},
    // NMB's DD are contact seals (its rows in the catalogue); Fafnir uses DD for two
    // shields, which the catalogue never writes.
    {"DD", kDeepGroove, F::Sealing, "2RS", "NMB", "FAFNIR 的 DD 是两面防尘盖，目录按 NMB 的写法"},
    {"D", kDeepGroove, F::Sealing, "RS", "NMB", ""},
    {"PP", kDeepGroove | kTrack, F::Sealing, "2RS", "FAFNIR、INA", ""},
    {"UU", kNeedle | kLinear | kTrack, F::Sealing, "2RS", "IKO", ""},
    {"2LS", kPlain, F::Sealing, "2RS", "SKF", "双唇密封"},
    // Snap rings, alone and with shields.
    {"N", kDeepGroove, F::Sealing, "N", "", ""},
    {"NR", kDeepGroove, F::Sealing, "NR", "", ""},
    {"ZN", kDeepGroove, F::Sealing, "ZN", "", ""},
    {"ZNR", kDeepGroove, F::Sealing, "ZNR", "", ""},
    {"2ZN", kDeepGroove, F::Sealing, "2ZN", "", ""},
    {"2ZNR", kDeepGroove, F::Sealing, "2ZNR", "", ""},
    {"ZZN", kDeepGroove, F::Sealing, "2ZN", "NSK、NTN、NACHI、KOYO", ""},
    {"ZZNR", kDeepGroove, F::Sealing, "2ZNR", "NSK、NTN、NACHI、KOYO", ""},

    // ---- Internal design and contact angle ------------------------------------------
    {"C", kAngular, F::Design, "C", "", ""},
    {"AC", kAngular, F::Design, "AC", "", ""},
    {"B", kAngular, F::Design, "B", "", ""},
    // NTN's A is 30° in its catalogue; this catalogue files its A rows under AC.
    {"A", kAngular, F::Design, "AC", "NTN", "厂家资料为 30°，目录归入 AC"},
    {"A5", kAngular, F::Design, "AC", "NSK", ""},
    separated({"E", kAngular, F::Design, "AC", "FAG、GMN", ""}),
    alone({"CD", kAngular, F::Design, "C", "SKF", "D 型设计"}),
    alone({"ACD", kAngular, F::Design, "AC", "SKF", "D 型设计"}),
    {"BE", kAngular, F::Design, "B", "SKF", "E 型设计"},
    {"BEA", kAngular, F::Design, "B", "NSK", ""},
    {"UCG", kAngular, F::Design, "C", "NTN", ""},
    {"UADG", kAngular, F::Design, "AC", "NTN", ""},
    {"H", kAngular, F::Design, "C", "BARDEN", ""},
    {"HJ", kAngular, F::Design, "AC", "BARDEN", ""},
    {"E", kRollerWithDesign, F::Design, "E", "", ""},
    {"EC", kCylindrical, F::Design, "E", "SKF", "滚子端面优化"},
    {"R", kCylindrical, F::Design, "E", "KOYO", ""},
    {"CA", kSpherical, F::Design, "CA", "", ""},
    {"CC", kSpherical, F::Design, "CC", "", ""},
    {"C", kSpherical, F::Design, "C", "", ""},
    {"EA", kSpherical, F::Design, "E", "NSK", ""},
    {"E1", kSpherical | kThrustSpherical, F::Design, "E", "FAG", ""},
    {"EX", kSpherical, F::Design, "E", "NACHI", ""},
    {"AEX", kSpherical, F::Design, "CA", "NACHI", ""},
    {"CD", kSpherical, F::Design, "CC", "NSK", "目录归入 CC"},
    {"RH", kSpherical, F::Design, "CC", "KOYO", ""},
    {"RHA", kSpherical, F::Design, "CA", "KOYO", ""},
    {"RHR", kSpherical | kThrustSpherical, F::Design, "E", "KOYO", ""},
    {"S", kSelfAligning, F::Design, "E", "NTN", "目录归入 E"},
    {"E", kPlain, F::Design, "E", "", ""},
    {"ES", kPlain, F::Design, "ES", "", ""},
    {"DO", kPlain, F::Design, "E", "INA", "目录归入 E"},
    {"FO", kPlain, F::Design, "ES", "INA", "目录归入 ES"},
    {"UK", kPlain, F::Design, "ES", "INA", "目录归入 ES"},

    // ---- Cages --------------------------------------------------------------------------
    cage("M", kAll, "M", kBrass, ""),
    cage("MA", kAll, "MA", kBrass, "SKF、FAG", "外圈引导"),
    cage("MB", kAll, "MB", kBrass, "SKF、FAG", "内圈引导"),
    cage("ML", kAll, "M", kBrass, "SKF", "窗式"),
    cage("M1", kAll, "M", kBrass, "FAG、INA"),
    cage("MP", kAll, "M", kBrass, "FAG、INA", "窗式"),
    cage("G1", kCylindrical | kSpherical, "M", kBrass, "NTN"),
    cage("MY", kCylindrical, "M", kBrass, "NACHI"),
    cage("J", kAll & ~kNeedle, "J", kSteel, ""),
    cage("JP", kAll, "J", kSteel, "FAG、INA", "窗式"),
    cage("W", kCylindrical | kAngular, "J", kSteel, "NSK"),
    cage("J2", kTapered, "J", kSteel, "SKF"),
    cage("TN", kAll, "TN", kPolyamide, ""),
    cage("TN9", kAll, "TN", kPolyamide, "SKF"),
    cage("TNH", kAll, "TN", kPolyamide, "SKF"),
    cage("TVP", kAll, "TN", kPolyamide, "FAG、INA"),
    cage("TVP2", kAll, "TN", kPolyamide, "FAG、INA"),
    cage("TVH", kAll, "TN", kPolyamide, "FAG、INA"),
    cage("TV", kAll, "TN", kPolyamide, "FAG、INA"),
    cage("P", kCylindrical | kAngular | kSelfAligning, "TN", kPolyamide, "SKF"),
    cage("T", kCylindrical | kAngular | kNeedle, "TN", kPolyamide, "NSK、FAG"),
    cage("T2", kCylindrical, "TN", kPolyamide, "NTN"),
    cage("TYN", kAngular, "TN", kPolyamide, "NSK"),
    cage("T85", kAngular, "TN", kPolyamide, "NSK", "耐高温"),
    cage("TA", kAngular, "TN", kPolyamide, "GMN"),
    cage("Y", kAll, "Y", kPressedBrass, "SKF、NACHI"),

    // ---- Clearance --------------------------------------------------------------------
    {"C1", kAll, F::Clearance, "C1", "", ""},
    {"C2", kAll, F::Clearance, "C2", "", ""},
    {"C3", kAll, F::Clearance, "C3", "", ""},
    {"C4", kAll, F::Clearance, "C4", "", ""},
    {"C5", kAll, F::Clearance, "C5", "", ""},
    {"CN", kAll, F::Clearance, "", "", ""},
    {"C0", kAll, F::Clearance, "", "", ""},
    // The catalogue's common designations leave CM out (its NSK and KOYO rows).
    {"CM", kDeepGroove | kSelfAligning, F::Clearance, "CM", "NSK、KOYO", "目录的通用型号不写 CM"},

    // ---- Tolerance --------------------------------------------------------------------
    {"P0", kAll, F::Tolerance, "", "", ""},
    {"P6", kAll, F::Tolerance, "P6", "", ""},
    {"P6X", kAll, F::Tolerance, "P6X", "", ""},
    {"P5", kAll, F::Tolerance, "P5", "", ""},
    {"P4", kAll, F::Tolerance, "P4", "", ""},
    {"P2", kAll, F::Tolerance, "P2", "", ""},
    {"P4S", kAll, F::Tolerance, "P4", "FAG", "主轴轴承的 P4"},
    {"P4A", kAll, F::Tolerance, "P4", "SKF", "部分项目高于 P4"},
    {"P5A", kAll, F::Tolerance, "P5", "SKF", "部分项目高于 P5"},
    {"N11CA", kTapered, F::Tolerance, "P6X", "FAG", "目录归入 P6X"},
    {"QCL7C", kTapered, F::Tolerance, "P6X", "SKF", "目录归入 P6X"},
    {"90KA1", kTapered, F::Tolerance, "P5", "TIMKEN", "目录归入 P5"},

    // ---- Bore, ring and accessories ---------------------------------------------------
    {"K", kBoreTaper, F::TaperedBore, "K", "", ""},
    {"K30", kBoreTaper, F::TaperedBore, "K30", "", ""},
    {"W33", kAll, F::LubricationGroove, "W33", "SKF", ""},
    {"E4", kSpherical, F::LubricationGroove, "W33", "NSK", ""},
    {"D1", kSpherical, F::LubricationGroove, "W33", "NTN", ""},
    {"+H", kSelfAligning | kSpherical, F::AdapterSleeve, "+H", "", ""},

    // ---- Paired sets --------------------------------------------------------------------
    {"DB", kAngular | kThrustAngular | kTapered, F::Arrangement, "DB", "", ""},
    {"DF", kAngular | kThrustAngular | kTapered, F::Arrangement, "DF", "", ""},
    {"DT", kAngular | kThrustAngular | kTapered, F::Arrangement, "DT", "", ""},
    {"DBL", kAngular | kThrustAngular, F::Arrangement, "DB", "NSK", "轻预载"},
    {"DFL", kAngular | kThrustAngular, F::Arrangement, "DF", "NSK", "轻预载"},
    {"DTL", kAngular | kThrustAngular, F::Arrangement, "DT", "NSK", "轻预载"},
    {"DBA", kAngular, F::Arrangement, "DB", "SKF", "轻预载"},
    {"DFA", kAngular, F::Arrangement, "DF", "SKF", "轻预载"},
    {"DTA", kAngular, F::Arrangement, "DT", "SKF", "轻预载"},
    // Universal pairs: the catalogue files them by their preload under one arrangement.
    {"DUL", kAngular | kThrustAngular, F::Arrangement, "DB", "FAG、GMN、BARDEN",
     "万能配对，目录归入 DB"},
    {"DUM", kAngular | kThrustAngular, F::Arrangement, "DF", "FAG、BARDEN",
     "万能配对，目录归入 DF"},
    {"DUH", kAngular | kThrustAngular, F::Arrangement, "DT", "BARDEN", "万能配对，目录归入 DT"},
    {"TUL", kAngular | kThrustAngular, F::Arrangement, "DT", "FAG、GMN",
     "三联万能配对，目录归入 DT"},
    {"UA", kAngular, F::Arrangement, "DB", "FAG", "万能配对，目录归入 DB"},
    {"DDL", kAngular | kThrustAngular, F::Arrangement, "DB", "SNFA", "轻预载"},
    {"FFL", kAngular | kThrustAngular, F::Arrangement, "DF", "SNFA", "轻预载"},

    // ---- Materials --------------------------------------------------------------------
    {"HQ1", kAll, F::Material, "HQ1", "", ""},
    {"HC", kAngular, F::Material, "HQ1", "SKF", ""},
    {"SN24", kAngular, F::Material, "HQ1", "NSK", "目录归入 HQ1"},

    // ---- Grease, noise and heat codes: they change neither size nor sealing ----------
    {"GJN", kAll, F::Other, "", "SKF", "润滑脂代号（聚脲基脂）"},
    {"LHT23", kAll, F::Other, "", "SKF", "润滑脂代号（低温、高温两用）"},
    {"LT10", kAll, F::Other, "", "SKF", "润滑脂代号（低温）"},
    {"VT143", kAll, F::Other, "", "SKF", "润滑脂代号"},
    {"VT378", kAll, F::Other, "", "SKF", "润滑脂代号（食品级）"},
    {"HT", kAll, F::Other, "", "SKF", "高温润滑脂"},
    {"WT", kAll, F::Other, "", "SKF", "宽温润滑脂"},
    {"S0", kAll, F::Other, "", "", "热稳定处理，可用到 150 °C"},
    {"S1", kAll, F::Other, "", "", "热稳定处理，可用到 200 °C"},
    {"S2", kAll, F::Other, "", "", "热稳定处理，可用到 250 °C"},
    {"S3", kAll, F::Other, "", "", "热稳定处理，可用到 300 °C"},
    {"V1", kAll, F::Other, "", "", "振动（噪声）等级"},
    {"V2", kAll, F::Other, "", "", "振动（噪声）等级"},
    {"V3", kAll, F::Other, "", "", "振动（噪声）等级"},
    {"Z1", kAll, F::Other, "", "", "振动等级（中国标准）"},
    {"Z2", kAll, F::Other, "", "", "振动等级（中国标准）"},
    {"Z3", kAll, F::Other, "", "", "振动等级（中国标准）"},
    {"Z4", kAll, F::Other, "", "", "振动等级（中国标准）"},

    // ---- Makers' codes the common writing leaves out ----------------------------------
    {"XL", kAll, F::Unwritten, "", "FAG、INA", "X-life 高性能"},
    {"SUL", kAngular, F::Unwritten, "", "NSK", "单列万能组配，轻预载"},
    {"SU", kAngular | kThrustAngular, F::Unwritten, "", "NSK", "单列万能组配"},
    {"UL", kAngular, F::Unwritten, "", "GMN", "万能组配，轻预载"},
    {"CB", kAngular, F::Unwritten, "", "SKF", "万能组配"},
    {"DL", kAngular, F::Unwritten, "", "BARDEN", "轻预载"},
    {"DM", kAngular, F::Unwritten, "", "BARDEN", "中预载"},
    {"DH", kAngular, F::Unwritten, "", "BARDEN", "重预载"},
    {"GN", kAngular, F::Unwritten, "", "NTN", ""},
    {"G", kCylindrical | kAngular, F::Unwritten, "", "NACHI、KOYO", ""},
    {"FG", kAngular, F::Unwritten, "", "KOYO", "酚醛树脂保持架"},
    {"C7", kThrustAngular, F::Unwritten, "", "NSK", "预载"},
    {"C10", kThrustAngular, F::Unwritten, "", "NSK", "预载"},
    {"PN7A", kThrustAngular, F::Unwritten, "", "NSK", "精度等级"},
    {"PN7B", kThrustAngular, F::Unwritten, "", "NSK", "精度等级"},
    {"J", kNeedle, F::Unwritten, "", "", ""},
    {"JR", kTapered, F::Unwritten, "", "KOYO、NTN", ""},
    {"JRR", kTapered, F::Unwritten, "", "KOYO", ""},
    {"A", kTapered, F::Unwritten, "", "FAG", ""},
    {"U", kTapered, F::Unwritten, "", "NTN", ""},
    {"Q", kTapered, F::Unwritten, "", "SKF", "优化接触"},
    {"92KA1", kTapered, F::Unwritten, "", "TIMKEN", ""},
    {"R", kSpherical | kThrustSpherical, F::Unwritten, "", "KOYO", ""},
    {"B", kSpherical, F::Unwritten, "", "NTN", ""},
    {"FP", kThrustBall, F::Unwritten, "", "FAG", ""},
    {"V", kThrustBall, F::Unwritten, "", "SKF", ""},
    {"W20", kSpherical, F::Unwritten, "", "SKF", "外圈油孔"},
    {"D1", kInsert, F::Unwritten, "", "NTN", ""},
    {"TF", kInsert, F::Unwritten, "", "SKF", "紧定螺钉式外球面轴承"},
    {"L3", kInsert, F::Unwritten, "", "FYH", "三唇密封"},
    {"X", kTrack, F::Unwritten, "", "INA", ""},
    {"TT", kNeedle, F::Unwritten, "", "NSK", ""},
    {"ZW", kNeedle, F::Unwritten, "", "", "双列"},
    {"AS1", kNeedle, F::Unwritten, "", "INA", "润滑孔"},
    {"B", kNeedle, F::Unwritten, "", "", ""},
    {"R", kNeedle, F::Unwritten, "", "IKO", ""},
};

constexpr std::string_view kMakerNames[] = {
    "SKF",        "NSK",    "NTN", "FAG",   "INA",    "KOYO",   "NACHI",  "TIMKEN", "NMB", "IKO",
    "STEYR",      "SNR",    "MRC", "RHP",   "ZKL",    "BARDEN", "GMN",    "DKF",    "FLT", "RIV",
    "TORRINGTON", "FAFNIR", "FYH", "ASAHI", "KINGON", "ASK",    "SAMICK", "SNFA",   "AET", "THK",
    "EASE",       "SNF",    "EZO", "HRB",   "ZWZ",    "LYC",    "TMB",
};

// The spellings by their first character, longest first, so that finding the longest
// match looks at a handful of entries.
struct ByFirstCharacter {
    std::array<std::vector<std::int16_t>, 128> entries;

    ByFirstCharacter() {
        for (std::size_t i = 0; i < std::size(kSpellings); ++i) {
            const auto first = static_cast<unsigned char>(kSpellings[i].text[0]);
            entries[first & 0x7F].push_back(static_cast<std::int16_t>(i));
        }
        for (auto& list : entries) {
            std::stable_sort(list.begin(), list.end(), [](std::int16_t a, std::int16_t b) {
                return kSpellings[a].text.size() > kSpellings[b].text.size();
            });
        }
    }
};

const ByFirstCharacter& byFirstCharacter() {
    static const ByFirstCharacter index;
    return index;
}

}  // namespace

std::span<const Spelling> makerSpellings() {
    return kSpellings;
}

int longestSpellingAt(std::string_view text, BearingKind kind, bool prefixes) {
    if (text.empty()) {
        return -1;
    }
    const auto first = static_cast<unsigned char>(text[0]);
    if (first >= 128) {
        return -1;
    }
    const KindMask bit = kindBit(kind);
    for (const std::int16_t i : byFirstCharacter().entries[first]) {
        const Spelling& spelling = kSpellings[i];
        if (spelling.beforeBasic != prefixes || (spelling.kinds & bit) == 0) {
            continue;
        }
        if (text.substr(0, spelling.text.size()) == spelling.text) {
            return i;
        }
    }
    return -1;
}

std::size_t spellingsAt(std::string_view text, BearingKind kind, int* found, std::size_t capacity) {
    if (text.empty() || static_cast<unsigned char>(text[0]) >= 128) {
        return 0;
    }
    const KindMask bit = kindBit(kind);
    std::size_t count = 0;
    for (const std::int16_t i : byFirstCharacter().entries[static_cast<unsigned char>(text[0])]) {
        const Spelling& spelling = kSpellings[i];
        if (spelling.beforeBasic || (spelling.kinds & bit) == 0 ||
            text.substr(0, spelling.text.size()) != spelling.text) {
            continue;
        }
        found[count++] = i;
        if (count == capacity) {
            break;
        }
    }
    return count;
}

bool holdsOneValue(Feature feature) {
    switch (feature) {
        case F::Sealing:
        case F::Design:
        case F::Cage:
        case F::Clearance:
        case F::Tolerance:
        case F::TaperedBore:
        case F::Arrangement:
        case F::Material:
            return true;
        default:
            return false;
    }
}

SealingValue sealingValueOf(std::string_view value) {
    SealingValue result;
    if (value.ends_with("NR")) {
        result.snapRing = SnapRing::GrooveAndRing;
        value.remove_suffix(2);
    } else if (value.ends_with("N")) {
        result.snapRing = SnapRing::Groove;
        value.remove_suffix(1);
    }
    const bool both = value.starts_with("2");
    if (both) {
        value.remove_prefix(1);
    }
    SideSealing side = SideSealing::Open;
    if (value == "RS") {
        side = SideSealing::ContactSeal;
    } else if (value == "RZ") {
        side = SideSealing::NonContactSeal;
    } else if (value == "Z") {
        side = SideSealing::Shield;
    }
    result.first = side;
    result.second = both ? side : SideSealing::Open;
    return result;
}

bool isMakerName(std::string_view word) {
    return std::find(std::begin(kMakerNames), std::end(kMakerNames), word) != std::end(kMakerNames);
}

std::string_view kindName(BearingKind kind) {
    switch (kind) {
        case K::DeepGrooveBall:
            return "深沟球轴承";
        case K::AngularContactBall:
            return "角接触球轴承";
        case K::SelfAligningBall:
            return "调心球轴承";
        case K::CylindricalRoller:
            return "圆柱滚子轴承";
        case K::SphericalRoller:
            return "调心滚子轴承";
        case K::TaperedRoller:
            return "圆锥滚子轴承";
        case K::ThrustBall:
            return "推力球轴承";
        case K::ThrustCylindricalRoller:
            return "推力圆柱滚子轴承";
        case K::ThrustSphericalRoller:
            return "推力调心滚子轴承";
        case K::ThrustAngularContactBall:
            return "推力角接触球轴承";
        case K::NeedleRoller:
            return "滚针轴承";
        case K::InsertBall:
            return "带座外球面球轴承";
        case K::SphericalPlain:
            return "关节轴承";
        case K::LinearBushing:
            return "直线运动轴承";
        case K::TrackRoller:
            return "滚轮轴承";
        case K::kCount:
            break;
    }
    return "轴承";
}

}  // namespace lz::designation
