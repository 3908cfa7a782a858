#include "designation/basic_designations.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <span>
#include <string>

#include "designation/written_text.h"

namespace lz::designation {
namespace {

using K = BearingKind;
using Role = WrittenPart::Role;

enum class BoreForm : std::uint8_t { TwoDigits, OneDigit };

// The digits before the bore code of bearings whose type is a digit: "62" in 6205, "222"
// in 22205. `common` is how the common writing puts them (the same, but for makers'
// forms such as "68" for "618").
struct SeriesForm {
    std::string_view written;
    K kind;
    std::string_view type;
    std::string_view series;
    std::string_view common;
    BoreForm bore;
    bool slash;  // also takes a bore after a slash: "62/22", "230/500"
    std::string_view maker = {};
    std::string_view bores = {};  // the one-digit bores there are, when not all
};

constexpr SeriesForm kSeriesForms[] = {
    // Deep groove ball bearings.
    {"617", K::DeepGrooveBall, "6", "17", "617", BoreForm::TwoDigits, true},
    {"618", K::DeepGrooveBall, "6", "18", "618", BoreForm::TwoDigits, true},
    {"619", K::DeepGrooveBall, "6", "19", "619", BoreForm::TwoDigits, true},
    {"160", K::DeepGrooveBall, "16", "00", "160", BoreForm::TwoDigits, true},
    {"60", K::DeepGrooveBall, "6", "10", "60", BoreForm::TwoDigits, true},
    {"62", K::DeepGrooveBall, "6", "02", "62", BoreForm::TwoDigits, true},
    {"63", K::DeepGrooveBall, "6", "03", "63", BoreForm::TwoDigits, true},
    {"64", K::DeepGrooveBall, "6", "04", "64", BoreForm::TwoDigits, true},
    {"622", K::DeepGrooveBall, "6", "22", "622", BoreForm::TwoDigits, true},
    {"623", K::DeepGrooveBall, "6", "23", "623", BoreForm::TwoDigits, true},
    {"42", K::DeepGrooveBall, "4", "02", "42", BoreForm::TwoDigits, false},
    {"43", K::DeepGrooveBall, "4", "03", "43", BoreForm::TwoDigits, false},
    {"67", K::DeepGrooveBall, "6", "17", "617", BoreForm::TwoDigits, false, "NSK、NTN、KOYO、EZO"},
    {"68", K::DeepGrooveBall, "6", "18", "618", BoreForm::TwoDigits, false, "NSK、NTN、KOYO、EZO"},
    {"69", K::DeepGrooveBall, "6", "19", "619", BoreForm::TwoDigits, false, "NSK、NTN、KOYO、EZO"},
    // Miniatures: one digit of bore in mm; 68x is 618/x and 69x is 619/x.
    {"60", K::DeepGrooveBall, "6", "10", "60", BoreForm::OneDigit, false},
    {"62", K::DeepGrooveBall, "6", "02", "62", BoreForm::OneDigit, false},
    {"63", K::DeepGrooveBall, "6", "03", "63", BoreForm::OneDigit, false},
    {"67", K::DeepGrooveBall, "6", "17", "67", BoreForm::OneDigit, false},
    {"68", K::DeepGrooveBall, "6", "18", "68", BoreForm::OneDigit, false},
    {"69", K::DeepGrooveBall, "6", "19", "69", BoreForm::OneDigit, false},
    // Angular contact ball bearings.
    {"718", K::AngularContactBall, "7", "18", "718", BoreForm::TwoDigits, true},
    {"719", K::AngularContactBall, "7", "19", "719", BoreForm::TwoDigits, true},
    {"70", K::AngularContactBall, "7", "10", "70", BoreForm::TwoDigits, true},
    {"72", K::AngularContactBall, "7", "02", "72", BoreForm::TwoDigits, true},
    {"73", K::AngularContactBall, "7", "03", "73", BoreForm::TwoDigits, true},
    {"74", K::AngularContactBall, "7", "04", "74", BoreForm::TwoDigits, true},
    {"32", K::AngularContactBall, "3", "02", "32", BoreForm::TwoDigits, false},
    {"33", K::AngularContactBall, "3", "03", "33", BoreForm::TwoDigits, false},
    // Self-aligning ball bearings: the type digit 1 is dropped before 22 and 23.
    {"12", K::SelfAligningBall, "1", "02", "12", BoreForm::TwoDigits, false},
    {"13", K::SelfAligningBall, "1", "03", "13", BoreForm::TwoDigits, false},
    {"22", K::SelfAligningBall, "1", "22", "22", BoreForm::TwoDigits, false},
    {"23", K::SelfAligningBall, "1", "23", "23", BoreForm::TwoDigits, false},
    {"10", K::SelfAligningBall, "1", "10", "10", BoreForm::OneDigit, false, {}, "8"},
    {"12", K::SelfAligningBall, "1", "02", "12", BoreForm::OneDigit, false, {}, "679"},
    {"13", K::SelfAligningBall, "1", "03", "13", BoreForm::OneDigit, false, {}, "5"},
    // Spherical roller bearings.
    {"213", K::SphericalRoller, "2", "03", "213", BoreForm::TwoDigits, true},
    {"222", K::SphericalRoller, "2", "22", "222", BoreForm::TwoDigits, true},
    {"223", K::SphericalRoller, "2", "23", "223", BoreForm::TwoDigits, true},
    {"230", K::SphericalRoller, "2", "30", "230", BoreForm::TwoDigits, true},
    {"231", K::SphericalRoller, "2", "31", "231", BoreForm::TwoDigits, true},
    {"232", K::SphericalRoller, "2", "32", "232", BoreForm::TwoDigits, true},
    {"238", K::SphericalRoller, "2", "38", "238", BoreForm::TwoDigits, true},
    {"239", K::SphericalRoller, "2", "39", "239", BoreForm::TwoDigits, true},
    {"240", K::SphericalRoller, "2", "40", "240", BoreForm::TwoDigits, true},
    {"241", K::SphericalRoller, "2", "41", "241", BoreForm::TwoDigits, true},
    {"248", K::SphericalRoller, "2", "48", "248", BoreForm::TwoDigits, true},
    {"249", K::SphericalRoller, "2", "49", "249", BoreForm::TwoDigits, true},
    // Tapered roller bearings.
    {"302", K::TaperedRoller, "3", "02", "302", BoreForm::TwoDigits, true},
    {"303", K::TaperedRoller, "3", "03", "303", BoreForm::TwoDigits, true},
    {"313", K::TaperedRoller, "3", "13", "313", BoreForm::TwoDigits, true},
    {"320", K::TaperedRoller, "3", "20", "320", BoreForm::TwoDigits, true},
    {"322", K::TaperedRoller, "3", "22", "322", BoreForm::TwoDigits, true},
    {"323", K::TaperedRoller, "3", "23", "323", BoreForm::TwoDigits, true},
    {"329", K::TaperedRoller, "3", "29", "329", BoreForm::TwoDigits, true},
    {"330", K::TaperedRoller, "3", "30", "330", BoreForm::TwoDigits, true},
    {"331", K::TaperedRoller, "3", "31", "331", BoreForm::TwoDigits, true},
    {"332", K::TaperedRoller, "3", "32", "332", BoreForm::TwoDigits, true},
    // Thrust ball bearings, single and double direction, flat and with seat washers.
    {"511", K::ThrustBall, "5", "11", "511", BoreForm::TwoDigits, true},
    {"512", K::ThrustBall, "5", "12", "512", BoreForm::TwoDigits, true},
    {"513", K::ThrustBall, "5", "13", "513", BoreForm::TwoDigits, true},
    {"514", K::ThrustBall, "5", "14", "514", BoreForm::TwoDigits, true},
    {"522", K::ThrustBall, "5", "22", "522", BoreForm::TwoDigits, false},
    {"523", K::ThrustBall, "5", "23", "523", BoreForm::TwoDigits, false},
    {"524", K::ThrustBall, "5", "24", "524", BoreForm::TwoDigits, false},
    {"532", K::ThrustBall, "5", "32", "532", BoreForm::TwoDigits, false},
    {"533", K::ThrustBall, "5", "33", "533", BoreForm::TwoDigits, false},
    {"534", K::ThrustBall, "5", "34", "534", BoreForm::TwoDigits, false},
    {"542", K::ThrustBall, "5", "42", "542", BoreForm::TwoDigits, false},
    {"543", K::ThrustBall, "5", "43", "543", BoreForm::TwoDigits, false},
    // Thrust roller bearings.
    {"811", K::ThrustCylindricalRoller, "8", "11", "811", BoreForm::TwoDigits, true},
    {"812", K::ThrustCylindricalRoller, "8", "12", "812", BoreForm::TwoDigits, true},
    {"893", K::ThrustCylindricalRoller, "8", "93", "893", BoreForm::TwoDigits, true},
    {"894", K::ThrustCylindricalRoller, "8", "94", "894", BoreForm::TwoDigits, true},
    {"292", K::ThrustSphericalRoller, "2", "92", "292", BoreForm::TwoDigits, true},
    {"293", K::ThrustSphericalRoller, "2", "93", "293", BoreForm::TwoDigits, true},
    {"294", K::ThrustSphericalRoller, "2", "94", "294", BoreForm::TwoDigits, true},
};

// The series forms by their first digit.
std::span<const SeriesForm* const> seriesFormsFrom(char digit) {
    static const auto byDigit = [] {
        std::array<std::vector<const SeriesForm*>, 10> forms;
        for (const SeriesForm& form : kSeriesForms) {
            forms[form.written[0] - '0'].push_back(&form);
        }
        return forms;
    }();
    return byDigit[static_cast<std::size_t>(digit - '0')];
}

// How the digits after a letter type read.
enum class SizeForm : std::uint8_t {
    SeriesAndBore,  // NU205, NA4905: dimension series, then a bore code
    FwSlashWidth,   // NK5/10: roller set bore / width
    FwAndWidth,     // HK0408: two digits each
    Dimensions,     // K9x12x10: roller set bore x outer x width
    BoreInMm,       // GE20, NKX10, NATR15, LM20
    OuterInMm,      // KR16: the number is the outer diameter
    UnitBoreInMm,   // SKF's housed units "SY 25 TF": the bore of the insert bearing in mm
};

struct LetterType {
    std::string_view letters;
    K kind;
    SizeForm form;
    std::string_view common;  // the type in the common writing ("HK" for IKO's "TLA")
    std::string_view maker = {};
};

constexpr LetterType kLetterTypes[] = {
    {"N", K::CylindricalRoller, SizeForm::SeriesAndBore, "N"},
    {"NU", K::CylindricalRoller, SizeForm::SeriesAndBore, "NU"},
    {"NJ", K::CylindricalRoller, SizeForm::SeriesAndBore, "NJ"},
    {"NUP", K::CylindricalRoller, SizeForm::SeriesAndBore, "NUP"},
    {"NF", K::CylindricalRoller, SizeForm::SeriesAndBore, "NF"},
    {"NH", K::CylindricalRoller, SizeForm::SeriesAndBore, "NH"},
    {"NP", K::CylindricalRoller, SizeForm::SeriesAndBore, "NP"},
    {"NN", K::CylindricalRoller, SizeForm::SeriesAndBore, "NN"},
    {"NNU", K::CylindricalRoller, SizeForm::SeriesAndBore, "NNU"},
    {"NCF", K::CylindricalRoller, SizeForm::SeriesAndBore, "NCF"},
    {"NNF", K::CylindricalRoller, SizeForm::SeriesAndBore, "NNF"},
    {"NNCF", K::CylindricalRoller, SizeForm::SeriesAndBore, "NNCF"},
    {"RNU", K::CylindricalRoller, SizeForm::SeriesAndBore, "RNU"},
    {"RN", K::CylindricalRoller, SizeForm::SeriesAndBore, "RN"},
    {"QJ", K::AngularContactBall, SizeForm::SeriesAndBore, "QJ"},
    {"NA", K::NeedleRoller, SizeForm::SeriesAndBore, "NA"},
    {"RNA", K::NeedleRoller, SizeForm::SeriesAndBore, "RNA"},
    {"NKIB", K::NeedleRoller, SizeForm::SeriesAndBore, "NKIB"},
    {"NKIA", K::NeedleRoller, SizeForm::SeriesAndBore, "NKIA"},
    {"NK", K::NeedleRoller, SizeForm::FwSlashWidth, "NK"},
    {"NKI", K::NeedleRoller, SizeForm::FwSlashWidth, "NKI"},
    {"NKS", K::NeedleRoller, SizeForm::FwSlashWidth, "NKS"},
    {"HK", K::NeedleRoller, SizeForm::FwAndWidth, "HK"},
    {"BK", K::NeedleRoller, SizeForm::FwAndWidth, "BK"},
    {"TLA", K::NeedleRoller, SizeForm::FwAndWidth, "HK", "IKO"},
    {"TLAM", K::NeedleRoller, SizeForm::FwAndWidth, "HK", "IKO"},
    {"FJ", K::NeedleRoller, SizeForm::FwAndWidth, "HK", "NSK"},
    {"FJH", K::NeedleRoller, SizeForm::FwAndWidth, "HK", "NSK"},
    {"K", K::NeedleRoller, SizeForm::Dimensions, "K"},
    {"NKX", K::NeedleRoller, SizeForm::BoreInMm, "NKX"},
    {"NKXR", K::NeedleRoller, SizeForm::BoreInMm, "NKXR"},
    {"NX", K::NeedleRoller, SizeForm::BoreInMm, "NX"},
    {"NATR", K::TrackRoller, SizeForm::BoreInMm, "NATR"},
    {"NATV", K::TrackRoller, SizeForm::BoreInMm, "NATV"},
    {"NUTR", K::TrackRoller, SizeForm::BoreInMm, "NUTR"},
    {"NART", K::TrackRoller, SizeForm::BoreInMm, "NATR", "IKO"},
    {"NURT", K::TrackRoller, SizeForm::BoreInMm, "NUTR", "IKO"},
    {"KR", K::TrackRoller, SizeForm::OuterInMm, "KR"},
    {"KRV", K::TrackRoller, SizeForm::OuterInMm, "KRV"},
    {"GE", K::SphericalPlain, SizeForm::BoreInMm, "GE"},
    {"LM", K::LinearBushing, SizeForm::BoreInMm, "LM"},
    {"LMF", K::LinearBushing, SizeForm::BoreInMm, "LMF"},
    {"LMK", K::LinearBushing, SizeForm::BoreInMm, "LMK"},
    {"LMH", K::LinearBushing, SizeForm::BoreInMm, "LMH"},
    {"SY", K::InsertBall, SizeForm::UnitBoreInMm, "UCP", "SKF"},
    {"SYJ", K::InsertBall, SizeForm::UnitBoreInMm, "UCPA", "SKF"},
    {"SYH", K::InsertBall, SizeForm::UnitBoreInMm, "UCPH", "SKF"},
    {"SYL", K::InsertBall, SizeForm::UnitBoreInMm, "UCPL", "SKF"},
    {"SYFJ", K::InsertBall, SizeForm::UnitBoreInMm, "UCHA", "SKF"},
    {"FY", K::InsertBall, SizeForm::UnitBoreInMm, "UCF", "SKF"},
    {"FYJ", K::InsertBall, SizeForm::UnitBoreInMm, "UCFB", "SKF"},
    {"FYK", K::InsertBall, SizeForm::UnitBoreInMm, "UCFA", "SKF"},
    {"FYT", K::InsertBall, SizeForm::UnitBoreInMm, "UCFS", "SKF"},
    {"FYTB", K::InsertBall, SizeForm::UnitBoreInMm, "UCFL", "SKF"},
    {"FYC", K::InsertBall, SizeForm::UnitBoreInMm, "UCFC", "SKF"},
    {"FYRP", K::InsertBall, SizeForm::UnitBoreInMm, "UCC", "SKF"},
    {"TU", K::InsertBall, SizeForm::UnitBoreInMm, "UCT", "SKF"},
};

// IKO's TAF, Fw D C in two digits each, is the common NK Fw/C.
constexpr std::string_view kTafLetters = "TAF";

constexpr std::string_view kSeriesAfterCylindricalType[] = {
    "10", "19", "29", "39", "49", "2", "3", "4", "22", "23", "30", "20", "12", "13", "48", "31",
};
constexpr std::string_view kSeriesAfterNeedleType[] = {"48", "49", "69", "59"};
constexpr std::string_view kSeriesAfterFourPointType[] = {"2", "3", "10"};

// Housings of insert bearings: the letters after "UC".
constexpr std::string_view kInsertHousings[] = {
    "", "P", "F", "FL", "T", "FC", "FB", "FS", "FA", "PH", "PA", "HA", "PL", "C", "FU", "K",
};

// Cone part numbers of inch tapered roller bearings begin with these letters.
constexpr std::string_view kInchPrefixes[] = {
    "LM", "HM", "M",  "L",  "LL", "EE",  "JM", "JL", "JLM", "JHM",
    "HH", "H",  "JH", "JW", "JP", "KLL", "EH", "JF", "NP",  "JHH",
};

// NMB's miniatures name outer diameter and bore ("R-1450" = 14 mm, 5.0 mm): the deep
// groove miniatures of the same sizes.
struct MiniatureSize {
    int bore;
    int outer;
    std::string_view designation;
};
constexpr MiniatureSize kMiniatureSizes[] = {
    {1, 3, "681"},  {2, 5, "682"},  {3, 7, "683"},  {4, 9, "684"},  {5, 11, "685"}, {6, 13, "686"},
    {7, 14, "687"}, {8, 16, "688"}, {9, 17, "689"}, {1, 4, "691"},  {2, 6, "692"},  {3, 8, "693"},
    {4, 11, "694"}, {5, 13, "695"}, {6, 15, "696"}, {7, 17, "697"}, {8, 19, "698"}, {9, 20, "699"},
    {2, 7, "602"},  {3, 9, "603"},  {4, 12, "604"}, {5, 14, "605"}, {6, 17, "606"}, {7, 19, "607"},
    {8, 22, "608"}, {9, 24, "609"}, {3, 10, "623"}, {4, 13, "624"}, {5, 16, "625"}, {6, 19, "626"},
    {7, 22, "627"}, {8, 24, "628"}, {9, 26, "629"}, {3, 13, "633"}, {4, 16, "634"}, {5, 19, "635"},
    {6, 22, "636"}, {7, 26, "637"}, {8, 28, "638"}, {9, 30, "639"},
};

std::size_t runOf(std::string_view text, std::size_t at, bool (*belongs)(char)) {
    std::size_t end = at;
    while (end < text.size() && belongs(text[end])) {
        ++end;
    }
    return end - at;
}

int numberOf(std::string_view digits) {
    int value = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), value);
    return value;
}

// A number after a slash: digits with an optional decimal part ("22", "1.5").
std::size_t numberLength(std::string_view text, std::size_t at) {
    std::size_t length = runOf(text, at, isDigit);
    if (length > 0 && at + length + 1 < text.size() && text[at + length] == '.' &&
        isDigit(text[at + length + 1])) {
        length += 1 + runOf(text, at + length + 1, isDigit);
    }
    return length;
}

WrittenPart part(Role role, std::string_view text) {
    return WrittenPart{role, std::string(text), -1};
}

// Makes `read` empty again, keeping what its texts hold allocated.
void start(BasicRead& read) {
    BasicDesignation& basic = read.basic;
    basic.kind = K::DeepGrooveBall;
    basic.written.clear();
    basic.type.clear();
    basic.series.clear();
    basic.boreCode.clear();
    basic.boreMm.reset();
    basic.text.clear();
    basic.maker.clear();
    read.end = 0;
    read.parts.clear();
    read.cup = {};
    read.impliedTolerance = Tolerance::Normal;
    read.flanged = false;
}

void fromSeriesForm(const SeriesForm& form, std::string_view boreCode, std::size_t end,
                    BasicRead& read) {
    start(read);
    read.basic.kind = form.kind;
    read.basic.written = std::string(form.written);
    read.basic.type = std::string(form.type);
    read.basic.series = std::string(form.series);
    read.basic.boreCode = std::string(boreCode);
    read.basic.boreMm = boreOfCode(boreCode);
    read.basic.text = std::string(form.common) + std::string(boreCode);
    read.end = end;
    read.basic.maker = std::string(form.maker);
    read.parts.push_back(part(Role::Series, form.written));
    read.parts.push_back(part(Role::Bore, boreCode));
}

// Barden names its spindle bearings by their size series alone ("1800HJ" is 71800 AC,
// "032H" 7032 C, "216H" 7216 C) and makes them in one tolerance class.
bool readBardenSeries(std::string_view text, std::size_t at, std::string_view digits,
                      BasicRead& read) {
    const std::size_t end = at + digits.size();
    if (end >= text.size() || text[end] != 'H') {
        return false;
    }
    std::string_view common;
    std::string_view series;
    std::string_view bore;
    if (digits.size() == 4 && (digits.starts_with("18") || digits.starts_with("19"))) {
        common = digits[1] == '8' ? "718" : "719";
        series = digits.substr(0, 2);
        bore = digits.substr(2);
    } else if (digits.size() == 3 && (digits[0] == '0' || (digits[0] >= '2' && digits[0] <= '4'))) {
        common = digits[0] == '0' ? "70" : digits[0] == '2' ? "72" : digits[0] == '3' ? "73" : "74";
        series = digits.substr(0, 1);
        bore = digits.substr(1);
    } else {
        return false;
    }
    for (const SeriesForm& form : kSeriesForms) {
        if (form.kind == K::AngularContactBall && form.common == common) {
            fromSeriesForm(form, bore, end, read);
            read.basic.written = std::string(series);
            read.parts.front().text = std::string(series);
            read.basic.maker = "BARDEN";
            read.impliedTolerance = Tolerance::P4;
            return true;
        }
    }
    return false;
}

// Bore, letters, outer diameter: NSK's ball screw support bearings ("45TAC75B", the
// contact angle letter part of it) and its double row bearings for compressors
// ("35BD5523").
bool readBoreLettersOuter(std::string_view text, std::size_t at, std::string_view bore,
                          BasicRead& read) {
    std::size_t p = at + bore.size();
    K kind;
    std::string_view letters;
    if (text.substr(p, 3) == "TAC") {
        kind = K::ThrustAngularContactBall;
        letters = "TAC";
    } else if (text.substr(p, 2) == "BD") {
        kind = K::AngularContactBall;
        letters = "BD";
    } else {
        return false;
    }
    p += letters.size();
    const std::size_t outer = runOf(text, p, isDigit);
    if (outer == 0 || bore.size() > 3) {
        return false;
    }
    p += outer;
    if (kind == K::ThrustAngularContactBall && p < text.size() &&
        (text[p] == 'B' || text[p] == 'C')) {
        ++p;
    }
    start(read);
    read.basic.kind = kind;
    read.basic.written = std::string(letters);
    read.basic.type = std::string(letters);
    read.basic.boreCode = std::string(bore);
    read.basic.boreMm = numberOf(bore);
    read.basic.text = std::string(text.substr(at, p - at));
    read.end = p;
    read.parts.push_back(part(Role::Bore, bore));
    read.parts.push_back(part(Role::Type, text.substr(at + bore.size(), p - at - bore.size())));
    return true;
}

// Other makers' ball screw support bearings: GMN "BSB 60120" and SNFA "BS 60/120" are
// NSK's 60TAC120B.
bool readScrewSupport(std::string_view text, std::size_t at, std::string_view letters,
                      BasicRead& read) {
    std::size_t p = at + letters.size();
    p += p < text.size() && isSeparator(text[p]) ? 1 : 0;
    const std::size_t first = runOf(text, p, isDigit);
    std::string_view bore;
    std::string_view outer;
    std::size_t end = p + first;
    if (letters == "BSB" && first >= 4 && first <= 6) {
        const std::size_t boreDigits = first == 6 ? 3 : 2;
        bore = text.substr(p, boreDigits);
        outer = text.substr(p + boreDigits, first - boreDigits);
    } else if (letters == "BS" && first >= 2 && end + 1 < text.size() && text[end] == '/') {
        bore = text.substr(p, first);
        const std::size_t second = runOf(text, end + 1, isDigit);
        outer = text.substr(end + 1, second);
        end += 1 + second;
    }
    if (bore.empty() || outer.empty()) {
        return false;
    }
    start(read);
    read.basic.kind = K::ThrustAngularContactBall;
    read.basic.written = std::string(letters);
    read.basic.type = "TAC";
    read.basic.boreCode = std::string(bore);
    read.basic.boreMm = numberOf(bore);
    read.basic.text = std::string(bore) + "TAC" + std::string(outer) + "B";
    read.basic.maker = letters == "BSB" ? "GMN" : "SNFA";
    read.end = end;
    read.parts.push_back(part(Role::Type, letters));
    read.parts.push_back(part(Role::Bore, text.substr(p, end - p)));
    return true;
}

bool readDigitType(std::string_view text, std::size_t at, BasicRead& read) {
    const std::size_t length = runOf(text, at, isDigit);
    const std::string_view digits = text.substr(at, length);
    std::size_t end = at + length;
    if (end + 1 < text.size() && text[end] == '/' && isDigit(text[end + 1])) {
        const std::size_t numberSize = numberLength(text, end + 1);
        const std::string_view number = text.substr(end + 1, numberSize);
        for (const SeriesForm& form : kSeriesForms) {
            if (!form.slash || form.written != digits) {
                continue;
            }
            // 618/5 is 685 and 619/5 is 695: the catalogue writes them mostly so.
            if ((digits == "618" || digits == "619") && number.size() == 1 && number != "0") {
                fromSeriesForm(form, number, end + 1 + numberSize, read);
                read.basic.text = std::string(digits[2] == '8' ? "68" : "69") + std::string(number);
                read.parts.front().text = std::string(digits) + "/";
                return true;
            }
            fromSeriesForm(form, "/" + std::string(number), end + 1 + numberSize, read);
            return true;
        }
    }
    for (const SeriesForm* entry : seriesFormsFrom(digits[0])) {
        const SeriesForm& form = *entry;
        const std::size_t boreDigits = form.bore == BoreForm::TwoDigits ? 2 : 1;
        if (digits.size() != form.written.size() + boreDigits ||
            !digits.starts_with(form.written)) {
            continue;
        }
        const std::string_view bore = digits.substr(form.written.size());
        if (form.bore == BoreForm::OneDigit &&
            (bore == "0" ||
             (!form.bores.empty() && form.bores.find(bore[0]) == std::string_view::npos))) {
            continue;
        }
        fromSeriesForm(form, bore, end, read);
        return true;
    }
    if (readBardenSeries(text, at, digits, read) || readBoreLettersOuter(text, at, digits, read)) {
        return true;
    }
    return false;
}

bool readMiniatureBySize(std::string_view text, std::size_t at, std::string_view letters,
                         BasicRead& read) {
    // "R-1450", "L-940", "LF-1240": outer diameter, then the bore in tenths.
    std::size_t p = at + letters.size();
    if (p >= text.size() || text[p] != '-') {
        return false;
    }
    ++p;
    const std::size_t length = runOf(text, p, isDigit);
    if (length < 3 || length > 4) {
        return false;
    }
    const std::string_view digits = text.substr(p, length);
    const int outer = numberOf(digits.substr(0, length - 2));
    const int boreTenths = numberOf(digits.substr(length - 2));
    if (boreTenths % 10 != 0) {
        return false;
    }
    for (const MiniatureSize& size : kMiniatureSizes) {
        if (size.bore == boreTenths / 10 && size.outer == outer) {
            if (!readDigitType(size.designation, 0, read)) {
                return false;
            }
            read.end = p + length;
            read.basic.maker = "NMB";
            read.flanged = letters.size() == 2;
            read.parts.clear();
            read.parts.push_back(part(Role::Type, text.substr(at, letters.size() + 1)));
            read.parts.push_back(part(Role::Bore, digits));
            return true;
        }
    }
    return false;
}

bool readInch(std::string_view text, std::size_t at, std::string_view letters, BasicRead& read) {
    const std::size_t p = at + letters.size();
    const std::size_t digits = runOf(text, p, isDigit);
    if (digits < 4) {
        return false;
    }
    std::size_t end = p + digits;
    // Letters glued on belong to the part number (LM67049A, HM801346X).
    const std::size_t tail = runOf(text, end, isLetter);
    if (tail <= 2) {
        end += tail;
    }
    start(read);
    read.basic.kind = K::TaperedRoller;
    read.basic.written = std::string(letters);
    read.basic.text = std::string(text.substr(at, end - at));
    read.end = end;
    read.parts.push_back(part(Role::Type, read.basic.text));
    // The cup after a slash: "LM11949/LM11910".
    if (end + 1 < text.size() && text[end] == '/' && isLetter(text[end + 1])) {
        std::size_t cupEnd = end + 1 + runOf(text, end + 1, isLetter);
        const std::size_t cupDigits = runOf(text, cupEnd, isDigit);
        if (cupDigits >= 4) {
            cupEnd += cupDigits;
            cupEnd += std::min<std::size_t>(runOf(text, cupEnd, isLetter), 2);
            read.cup = text.substr(end + 1, cupEnd - end - 1);
            read.end = cupEnd;
            read.parts.push_back(part(Role::Type, read.cup));
        }
    }
    return true;
}

bool readInsert(std::string_view text, std::size_t at, std::string_view letters, BasicRead& read) {
    const std::string_view housing = letters.substr(2);
    if (std::find(std::begin(kInsertHousings), std::end(kInsertHousings), housing) ==
        std::end(kInsertHousings)) {
        return false;
    }
    const std::size_t p = at + letters.size();
    const std::string_view digits = text.substr(p, runOf(text, p, isDigit));
    if (digits.size() != 3 || (digits[0] != '2' && digits[0] != '3')) {
        return false;
    }
    start(read);
    read.basic.kind = K::InsertBall;
    read.basic.written = std::string(letters);
    read.basic.type = std::string(letters);
    read.basic.series = "0" + std::string(digits.substr(0, 1));
    read.basic.boreCode = std::string(digits.substr(1));
    read.basic.boreMm = boreOfCode(read.basic.boreCode);
    read.basic.text = std::string(letters) + std::string(digits);
    read.end = p + 3;
    read.parts.push_back(part(Role::Type, letters));
    read.parts.push_back(part(Role::Series, digits.substr(0, 1)));
    read.parts.push_back(part(Role::Bore, digits.substr(1)));
    return true;
}

template <std::size_t N>
bool among(const std::string_view (&list)[N], std::string_view value) {
    return std::find(std::begin(list), std::end(list), value) != std::end(list);
}

bool readLetterType(std::string_view text, std::size_t at, const LetterType& type,
                    BasicRead& read) {
    std::size_t p = at + type.letters.size();
    // "NU 205", "GE 17 ES", NSK's drawn cups "FJ-0408".
    if (p + 1 < text.size() && (text[p] == ' ' || text[p] == '-') && isDigit(text[p + 1])) {
        ++p;
    }
    const std::size_t length = runOf(text, p, isDigit);
    if (length == 0) {
        return false;
    }
    const std::string_view digits = text.substr(p, length);
    std::size_t end = p + length;
    start(read);
    read.basic.kind = type.kind;
    read.basic.written = std::string(type.letters);
    read.basic.type = std::string(type.common);
    read.parts.push_back(part(Role::Type, type.letters));
    read.basic.maker = std::string(type.maker);
    switch (type.form) {
        case SizeForm::SeriesAndBore: {
            std::string_view series;
            std::string bore;
            if (end + 1 < text.size() && text[end] == '/' && isDigit(text[end + 1])) {
                series = digits;
                const std::size_t numberSize = numberLength(text, end + 1);
                bore = "/" + std::string(text.substr(end + 1, numberSize));
                end += 1 + numberSize;
            } else if (length >= 3) {
                series = digits.substr(0, length - 2);
                bore = std::string(digits.substr(length - 2));
            } else {
                return false;
            }
            const bool fits = type.kind == K::CylindricalRoller
                                  ? among(kSeriesAfterCylindricalType, series)
                              : type.letters == "QJ" ? among(kSeriesAfterFourPointType, series)
                                                     : among(kSeriesAfterNeedleType, series);
            if (!fits) {
                return false;
            }
            read.basic.series =
                series.size() == 1 ? "0" + std::string(series) : std::string(series);
            read.basic.boreCode = bore;
            read.basic.boreMm = boreOfCode(bore);
            read.basic.text = std::string(type.common) + std::string(series) + bore;
            read.parts.push_back(part(Role::Series, series));
            read.parts.push_back(part(Role::Bore, bore));
            break;
        }
        case SizeForm::FwSlashWidth: {
            if (end + 1 >= text.size() || text[end] != '/' || !isDigit(text[end + 1])) {
                return false;
            }
            const std::size_t widthSize = runOf(text, end + 1, isDigit);
            const std::string_view width = text.substr(end + 1, widthSize);
            read.basic.boreCode = std::string(digits);
            read.basic.boreMm = numberOf(digits);
            read.basic.text =
                std::string(type.common) + std::string(digits) + "/" + std::string(width);
            read.parts.push_back(part(Role::Bore, text.substr(p, end + 1 + widthSize - p)));
            end += 1 + widthSize;
            break;
        }
        case SizeForm::FwAndWidth: {
            if (length != 4 && length != 6) {
                return false;
            }
            read.basic.boreCode = std::string(digits);
            read.basic.boreMm = numberOf(digits.substr(0, 2));
            read.basic.text = std::string(type.common) + std::string(digits);
            read.parts.push_back(part(Role::Bore, digits));
            // IKO's open drawn cups end in a Z of the type, not a shield.
            if (type.letters == "TLA" && end < text.size() && text[end] == 'Z' &&
                (end + 1 == text.size() || isSeparator(text[end + 1]))) {
                read.parts.back().text += 'Z';
                ++end;
            }
            break;
        }
        case SizeForm::Dimensions: {
            // Fw x Ew x Bc, the width perhaps with a decimal part.
            std::size_t q = end;
            int fields = 1;
            while (fields < 3 && q + 1 < text.size() && text[q] == 'X' && isDigit(text[q + 1])) {
                q += 1 + numberLength(text, q + 1);
                ++fields;
            }
            if (fields != 3) {
                return false;
            }
            std::string sizes(text.substr(p, q - p));
            std::replace(sizes.begin(), sizes.end(), 'X', 'x');
            read.basic.boreCode = sizes;
            read.basic.boreMm = numberOf(digits);
            read.basic.text = std::string(type.common) + sizes;
            read.parts.push_back(part(Role::Bore, text.substr(p, q - p)));
            end = q;
            break;
        }
        case SizeForm::UnitBoreInMm: {
            // The insert's bore code of a light series insert: 12 mm = 01, 25 mm = 05.
            const int bore = numberOf(digits);
            const int code = bore == 12      ? 1
                             : bore == 15    ? 2
                             : bore == 17    ? 3
                             : bore % 5 == 0 ? bore / 5
                                             : -1;
            if (length > 3 || code < 1 || code > 99 || (code < 4 && bore >= 20)) {
                return false;
            }
            char boreCode[3];
            std::snprintf(boreCode, sizeof boreCode, "%02d", code);
            read.basic.kind = K::InsertBall;
            read.basic.series = "02";
            read.basic.boreCode = boreCode;
            read.basic.boreMm = bore;
            read.basic.text = std::string(type.common) + "2" + boreCode;
            read.parts.push_back(part(Role::Bore, digits));
            break;
        }
        case SizeForm::BoreInMm:
        case SizeForm::OuterInMm: {
            // Track rollers with bore and outer diameter: "NUTR4090".
            if (length == 4 && type.kind == K::TrackRoller && type.form == SizeForm::BoreInMm) {
                read.basic.boreCode = std::string(digits);
                read.basic.boreMm = numberOf(digits.substr(0, 2));
                read.basic.text = std::string(type.common) + std::string(digits);
                read.parts.push_back(part(Role::Bore, digits));
                break;
            }
            if (length > 3) {
                return false;
            }
            read.basic.boreCode = std::string(digits);
            if (type.form == SizeForm::BoreInMm) {
                read.basic.boreMm = numberOf(digits);
            }
            read.basic.text = std::string(type.common) + std::string(digits);
            read.parts.push_back(part(Role::Bore, digits));
            break;
        }
    }
    read.end = end;
    return true;
}

bool readTaf(std::string_view text, std::size_t at, BasicRead& read) {
    const std::size_t p = at + kTafLetters.size();
    const std::size_t length = runOf(text, p, isDigit);
    if (length != 6) {
        return false;
    }
    const std::string_view digits = text.substr(p, 6);
    const int bore = numberOf(digits.substr(0, 2));
    const int width = numberOf(digits.substr(4, 2));
    start(read);
    read.basic.kind = K::NeedleRoller;
    read.basic.written = std::string(kTafLetters);
    read.basic.type = "NK";
    read.basic.boreCode = std::to_string(bore);
    read.basic.boreMm = bore;
    read.basic.text = "NK" + std::to_string(bore) + "/" + std::to_string(width);
    read.end = p + 6;
    read.basic.maker = "IKO";
    read.parts.push_back(part(Role::Type, kTafLetters));
    read.parts.push_back(part(Role::Bore, digits));
    return true;
}

bool readLetters(std::string_view text, std::size_t at, BasicRead& read) {
    const std::size_t length = runOf(text, at, isLetter);
    const std::string_view letters = text.substr(at, length);
    if (letters == "R" || letters == "L" || letters == "RF" || letters == "LF") {
        if (readMiniatureBySize(text, at, letters, read)) {
            return true;
        }
    }
    const std::size_t digits = runOf(text, at + length, isDigit);
    if (digits >= 4 && among(kInchPrefixes, letters)) {
        if (readInch(text, at, letters, read)) {
            return true;
        }
    }
    if (letters == kTafLetters) {
        return readTaf(text, at, read);
    }
    if (letters == "BSB" || letters == "BS") {
        return readScrewSupport(text, at, letters, read);
    }
    if (letters.starts_with("UC")) {
        return readInsert(text, at, letters, read);
    }
    if (letters == "F" && digits > 0 && at + 1 < text.size() && isDigit(text[at + 1])) {
        if (readDigitType(text, at + 1, read) && read.basic.kind == K::DeepGrooveBall) {
            read.flanged = true;
            read.parts.pushFront(part(Role::Type, "F"));
            return true;
        }
        return false;
    }
    for (const LetterType& type : kLetterTypes) {
        if (type.letters == letters) {
            return readLetterType(text, at, type, read);
        }
    }
    return false;
}

}  // namespace

bool readBasic(std::string_view text, std::size_t at, BasicRead& read) {
    if (at >= text.size()) {
        return false;
    }
    bool found = false;
    if (isDigit(text[at])) {
        found = readDigitType(text, at, read);
    } else if (isLetter(text[at])) {
        found = readLetters(text, at, read);
    }
    if (found && read.flanged) {
        read.basic.type.insert(0, 1, 'F');
        read.basic.text.insert(0, 1, 'F');
    }
    return found;
}

std::optional<double> boreOfCode(std::string_view code) {
    if (code.empty()) {
        return std::nullopt;
    }
    if (code[0] == '/') {
        double value = 0;
        const auto [end, error] =
            std::from_chars(code.data() + 1, code.data() + code.size(), value);
        if (error != std::errc() || end != code.data() + code.size()) {
            return std::nullopt;
        }
        return value;
    }
    if (!std::all_of(code.begin(), code.end(), isDigit)) {
        return std::nullopt;
    }
    const int value = numberOf(code);
    if (code.size() == 1) {
        return value;
    }
    if (code.size() != 2) {
        return std::nullopt;
    }
    switch (value) {
        case 0:
            return 10;
        case 1:
            return 12;
        case 2:
            return 15;
        case 3:
            return 17;
        default:
            return value * 5;
    }
}

std::string_view diameterSeriesName(std::string_view series) {
    if (series.empty()) {
        return {};
    }
    switch (series.back()) {
        case '7':
            return "超特轻";
        case '8':
        case '9':
            return "超轻";
        case '0':
        case '1':
            return "特轻";
        case '2':
            return "轻";
        case '3':
            return "中";
        case '4':
            return "重";
        default:
            return {};
    }
}

std::string_view typeCodeMeaning(std::string_view type) {
    struct Meaning {
        std::string_view type;
        std::string_view meaning;
    };
    static constexpr Meaning kMeanings[] = {
        {"N", "外圈无挡边的圆柱滚子轴承"},
        {"NU", "内圈无挡边的圆柱滚子轴承"},
        {"NJ", "内圈单挡边的圆柱滚子轴承"},
        {"NUP", "内圈单挡边并带平挡圈的圆柱滚子轴承"},
        {"NF", "外圈单挡边的圆柱滚子轴承"},
        {"NH", "内圈单挡边并带斜挡圈的圆柱滚子轴承"},
        {"NP", "外圈单挡边并带平挡圈的圆柱滚子轴承"},
        {"NN", "双列圆柱滚子轴承，内圈无挡边"},
        {"NNU", "双列圆柱滚子轴承，外圈无挡边"},
        {"NCF", "满装圆柱滚子轴承，外圈单挡边"},
        {"NNF", "双列满装圆柱滚子轴承"},
        {"NNCF", "双列满装圆柱滚子轴承"},
        {"RNU", "无内圈的圆柱滚子轴承"},
        {"RN", "无外圈的圆柱滚子轴承"},
        {"QJ", "四点接触球轴承"},
        {"NA", "带内圈的滚针轴承"},
        {"RNA", "无内圈的滚针轴承"},
        {"NKIB", "带内圈的滚针和角接触球组合轴承"},
        {"NKIA", "带内圈的滚针和角接触球组合轴承"},
        {"NK", "无内圈的机加工套圈滚针轴承，滚针组内径/宽度"},
        {"NKI", "带内圈的机加工套圈滚针轴承，内径/宽度"},
        {"NKS", "无内圈的机加工套圈滚针轴承"},
        {"HK", "冲压外圈滚针轴承，两端开口"},
        {"BK", "冲压外圈滚针轴承，一端封口"},
        {"K", "滚针和保持架组件，滚针组内径×外径×宽度"},
        {"NKX", "滚针和推力球组合轴承"},
        {"NKXR", "滚针和推力圆柱滚子组合轴承"},
        {"NX", "滚针和推力圆柱滚子组合轴承"},
        {"NATR", "支承滚轮（带轴向引导）"},
        {"NATV", "满装支承滚轮"},
        {"NUTR", "满装双列支承滚轮"},
        {"KR", "螺栓型滚轮，数字为外径"},
        {"KRV", "满装螺栓型滚轮，数字为外径"},
        {"GE", "向心关节轴承，数字为内径"},
        {"LM", "直线运动球轴承，数字为内切圆直径"},
        {"LMF", "圆法兰直线运动球轴承"},
        {"LMK", "方法兰直线运动球轴承"},
        {"LMH", "切边法兰直线运动球轴承"},
        {"TAC", "推力角接触球轴承（滚珠丝杠支承），内径 TAC 外径"},
        {"UC", "外球面球轴承（带紧定螺钉）"},
        {"UCP", "外球面球轴承，立式座"},
        {"UCF", "外球面球轴承，方形座"},
        {"UCFL", "外球面球轴承，菱形座"},
        {"UCT", "外球面球轴承，滑块座"},
        {"UCFC", "外球面球轴承，凸台圆形座"},
        {"UCPH", "外球面球轴承，高中心立式座"},
        {"UCPA", "外球面球轴承，高中心立式座"},
        {"UCHA", "外球面球轴承，吊挂式座"},
        {"UCC", "外球面球轴承，环形座"},
        {"F", "外圈带凸缘"},
    };
    for (const Meaning& meaning : kMeanings) {
        if (meaning.type == type) {
            return meaning.meaning;
        }
    }
    if (type.starts_with("UC")) {
        return "外球面球轴承，带座";
    }
    return {};
}

}  // namespace lz::designation
