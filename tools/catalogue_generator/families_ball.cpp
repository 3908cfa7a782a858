// Ball bearings: deep groove, miniature, thin section, angular contact, self-aligning,
// thrust and thrust angular contact.
#include <cstdio>

#include "family_helpers.h"

namespace catgen {

namespace {

// Old Chinese code of a plain deep groove bearing: 6205 -> 205, 6005 -> 105, 624 -> 24,
// 61805 -> 1000805, 16005 -> 7000105, 618/1 -> 1000081.
std::string deepGrooveOld(const Size& s) {
    const std::string& n = s.designation;
    if (s.series == "60" || s.series == "62" || s.series == "63" || s.series == "64") {
        const char diameter = s.series == "60" ? '1' : s.series[1];
        if (n.size() == 4 && n.find('/') == std::string::npos) {
            return std::string(1, diameter) + n.substr(2);
        }
        if (n.size() == 3) {
            return std::string(1, diameter) + n.substr(2);
        }
        return {};
    }
    if (s.series == "68" || s.series == "69") {
        return std::string("10000") + s.series[1] + n.substr(2);
    }
    if ((s.series == "618" || s.series == "619") && n.find('/') == std::string::npos &&
        n.size() == 5) {
        return std::string("1000") + s.series[2] + n.substr(3);
    }
    if (s.series == "618" && n.size() == 5 && n[3] == '/') {
        return std::string("100008") + n.substr(4);
    }
    if (s.series == "160" && n.size() == 5) {
        return "70001" + n.substr(3);
    }
    return {};
}

// Shields, seals and snap rings add digits in front of the old code (6205-2Z -> 80205).
std::string deepGrooveOldWithSuffix(const std::string& old, const std::string& suffix) {
    if (old.empty() || old.size() > 3) {
        return suffix.empty() ? old : std::string();
    }
    const std::string four = padded(old, 4);
    if (suffix.empty())
        return old;
    if (suffix == "-Z")
        return "6" + four;
    if (suffix == "-2Z")
        return "8" + four;
    if (suffix == "-RS")
        return "16" + four;
    if (suffix == "-2RS")
        return "18" + four;
    if (suffix == " N")
        return "5" + four;
    if (suffix == " NR")
        return "15" + four;
    return {};
}

const std::map<Dialect, Variants>& deepGrooveVariants() {
    static const std::map<Dialect, Variants> table = {
        {Dialect::Generic,
         {{"", "", 0, 1.0},
          {"-Z", "-Z", 1, 1.1},
          {"-2Z", "-2Z", 2, 1.2},
          {"-RS", "-RS", 3, 1.25},
          {"-2RS", "-2RS", 4, 1.35},
          {" N", " N", 5, 1.15},
          {" NR", " NR", 6, 1.25},
          {"-ZNR", "-ZNR", 7, 1.4},
          {"-2ZNR", "-2ZNR", 8, 1.5},
          {"/C3", " C3", 9, 1.1},
          {"-2Z/C3", "-2Z C3", 2, 1.3},
          {"-2RS/C3", "-2RS C3", 4, 1.45},
          {"/P6", "/P6", 10, 1.6},
          {"-2RZ", "-2RZ", 11, 1.35}}},
        {Dialect::Skf,
         {{"", "", 0, 1.0},
          {"-Z", "-Z", 1, 1.1},
          {"-2Z", "-2Z", 2, 1.2},
          {"-RS", "-RSH", 3, 1.25},
          {"-2RS", "-2RS1", 4, 1.35},
          {" N", " N", 5, 1.15},
          {" NR", " NR", 6, 1.25},
          {"-ZNR", "-ZNR", 7, 1.4},
          {"-2ZNR", "-2ZNR", 8, 1.5},
          {"/C3", "/C3", 9, 1.1},
          {"-2Z/C3", "-2Z/C3", 2, 1.3},
          {"-2RS/C3", "-2RSH/C3", 4, 1.45},
          {"/P6", "/P6", 10, 1.6},
          {"-2RZ", "-2RZ", 11, 1.35},
          {"-2RS", "-2RSH", 4, 1.4},
          {"-2RS", "-2RSL", 4, 1.4}}},
        {Dialect::Nsk,
         {{"", "", 0, 1.0},
          {"-Z", "Z", 1, 1.1},
          {"-2Z", "ZZ", 2, 1.2},
          {"-RS", "DU", 3, 1.25},
          {"-2RS", "DDU", 4, 1.35},
          {" N", "N", 5, 1.15},
          {" NR", "NR", 6, 1.25},
          {"-ZNR", "ZNR", 7, 1.4},
          {"-2ZNR", "ZZNR", 8, 1.5},
          {"/C3", "C3", 9, 1.1},
          {"-2Z/C3", "ZZC3", 2, 1.3},
          {"-2RS/C3", "DDUC3", 4, 1.45},
          {"/P6", "P6", 10, 1.6},
          {"-2RZ", "VV", 11, 1.35},
          {"-2Z", "ZZCM", 2, 1.3},
          {"-2RS", "DDUCM", 4, 1.45}}},
        {Dialect::Fag,
         {{"", "", 0, 1.0},
          {"-Z", "-Z", 1, 1.1},
          {"-2Z", "-2Z", 2, 1.2},
          {"-RS", "-RSR", 3, 1.25},
          {"-2RS", "-2RSR", 4, 1.35},
          {" N", "-N", 5, 1.15},
          {" NR", "-NR", 6, 1.25},
          {"-ZNR", "-ZNR", 7, 1.4},
          {"-2ZNR", "-2ZNR", 8, 1.5},
          {"/C3", "-C3", 9, 1.1},
          {"-2Z/C3", "-2Z-C3", 2, 1.3},
          {"-2RS/C3", "-2RSR-C3", 4, 1.45},
          {"/P6", "-P6", 10, 1.6},
          {"-2RZ", "-2BRS", 11, 1.35}}},
        {Dialect::Ntn,
         {{"", "", 0, 1.0},
          {"-Z", "Z", 1, 1.1},
          {"-2Z", "ZZ", 2, 1.2},
          {"-RS", "LU", 3, 1.25},
          {"-2RS", "LLU", 4, 1.35},
          {" N", "N", 5, 1.15},
          {" NR", "NR", 6, 1.25},
          {"-ZNR", "ZNR", 7, 1.4},
          {"-2ZNR", "ZZNR", 8, 1.5},
          {"/C3", "C3", 9, 1.1},
          {"-2Z/C3", "ZZC3", 2, 1.3},
          {"-2RS/C3", "LLUC3", 4, 1.45},
          {"/P6", "P6", 10, 1.6},
          {"-2RZ", "LLB", 11, 1.35},
          {"-2RS", "LLH", 4, 1.4}}},
        {Dialect::Koyo,
         {{"", "", 0, 1.0},
          {"-Z", "Z", 1, 1.1},
          {"-2Z", "ZZ", 2, 1.2},
          {"-RS", "RS", 3, 1.25},
          {"-2RS", "2RS", 4, 1.35},
          {" N", "N", 5, 1.15},
          {" NR", "NR", 6, 1.25},
          {"-ZNR", "ZNR", 7, 1.4},
          {"-2ZNR", "ZZNR", 8, 1.5},
          {"/C3", "C3", 9, 1.1},
          {"-2Z/C3", "ZZC3", 2, 1.3},
          {"-2RS/C3", "2RSC3", 4, 1.45},
          {"/P6", "P6", 10, 1.6},
          {"-2RZ", "2RD", 11, 1.35},
          {"-2Z", "ZZCM", 2, 1.3}}},
        {Dialect::Nachi,
         {{"", "", 0, 1.0},
          {"-Z", "Z", 1, 1.1},
          {"-2Z", "ZZ", 2, 1.2},
          {"-RS", "NSE", 3, 1.25},
          {"-2RS", "2NSE", 4, 1.35},
          {" N", "N", 5, 1.15},
          {" NR", "NR", 6, 1.25},
          {"-ZNR", "ZNR", 7, 1.4},
          {"-2ZNR", "ZZNR", 8, 1.5},
          {"/C3", " C3", 9, 1.1},
          {"-2Z/C3", "ZZ C3", 2, 1.3},
          {"-2RS/C3", "2NSE C3", 4, 1.45},
          {"/P6", "P6", 10, 1.6},
          {"-2RZ", "2NKE", 11, 1.35},
          {"-2Z", "ZZE", 2, 1.3},
          {"-2RS", "2NSL", 4, 1.4}}},
    };
    return table;
}

std::vector<Candidate> deepGroove(Dialect dialect, const SizeLibrary& sizes) {
    const Dialect own = dialect == Dialect::Ina ? Dialect::Fag : dialect;
    std::vector<Candidate> out;
    for (const Size& s : sizes["deep_groove_ball"]) {
        const std::string old = deepGrooveOld(s);
        for (const Variant& v : variantsFor(deepGrooveVariants(), own)) {
            if (s.dmm < 10 && v.subtype >= 5 && v.subtype <= 8) {
                continue;  // no snap-ring grooves on miniatures
            }
            Candidate c = makeCandidate(s, s.designation + v.std, brandText(s.designation, v),
                                        v.subtype, v.price, s.series);
            c.oldno = deepGrooveOldWithSuffix(old, v.std);
            if (v.std[0] == '\0' || v.std == std::string("-2RS") || v.std == std::string("-2Z")) {
                c.weight *= 2;
            }
            out.push_back(std::move(c));
        }
    }
    return out;
}

// NMB writes miniature bearings by outside diameter and bore: L-1060ZZ is 6 x 10.
std::vector<Candidate> miniature(Dialect dialect, const SizeLibrary& sizes) {
    static const Variants nmb = {
        {"", "", 0, 1.0}, {"-2Z", "ZZ", 1, 1.2}, {"-2RS", "DD", 2, 1.4}, {"F", "{b}ZZ", 3, 1.6}};
    std::vector<Candidate> out;
    for (const Size& s : sizes["deep_groove_ball"]) {
        if (s.dmm >= 10 || s.Dmm > 30) {
            continue;
        }
        char code[32];
        std::snprintf(code, sizeof code, "%s-%s%d",
                      s.series == "68" || s.series == "618" ? "L" : "R", s.D.c_str(),
                      static_cast<int>(s.dmm * 10 + 0.5));
        for (const Variant& v : nmb) {
            const bool flanged = v.std == std::string("F");
            std::string ckxh = code + std::string(flanged ? "" : v.brand);
            if (flanged) {
                ckxh = "LF" + ckxh.substr(1) + "ZZ";
            }
            Candidate c = makeCandidate(s, flanged ? "F" + s.designation : s.designation + v.std,
                                        dialect == Dialect::Nmb ? ckxh : s.designation + v.brand,
                                        v.subtype, v.price, s.series);
            c.oldno = v.std[0] == '\0' ? deepGrooveOld(s)
                                       : deepGrooveOldWithSuffix(deepGrooveOld(s), v.std);
            out.push_back(std::move(c));
        }
    }
    return out;
}

// Thin-section makers sell the 618 and 619 series under the short 68xx / 69xx names.
std::vector<Candidate> thinSection(const SizeLibrary& sizes) {
    static const Variants ezo = {{"", "", 0, 1.0}, {"-2Z", "ZZ", 2, 1.2}, {"-2RS", "-2RS", 1, 1.4}};
    std::vector<Candidate> out;
    for (const Size& s : sizes["deep_groove_ball"]) {
        if ((s.series != "618" && s.series != "619") || s.designation.size() != 5 || s.dmm < 10 ||
            s.dmm > 60) {
            continue;
        }
        const std::string shortName = "6" + s.designation.substr(2);
        for (const Variant& v : ezo) {
            Candidate c = makeCandidate(s, s.designation + v.std, shortName + v.brand,
                                        s.series == "619" && v.subtype == 0 ? 3 : v.subtype,
                                        v.price, s.series);
            if (v.std[0] == '\0') {
                c.oldno = deepGrooveOld(s);
            }
            out.push_back(std::move(c));
        }
    }
    return out;
}

const std::map<Dialect, Variants>& angularVariants() {
    static const std::map<Dialect, Variants> table = {
        {Dialect::Generic,
         {{" C", "C", 0, 1.0},
          {" AC", "AC", 1, 1.0},
          {" B", "B", 2, 1.05},
          {" C/P5", "C/P5", 3, 2.2},
          {" AC/P5", "AC/P5", 4, 2.2},
          {" C/P4", "C/P4", 5, 3.5},
          {" AC/P4", "AC/P4", 6, 3.5},
          {" C/DB", "C/DB", 7, 2.3},
          {" C/DF", "C/DF", 8, 2.3},
          {" C/DT", "C/DT", 9, 2.3},
          {" AC/DB", "AC/DB", 10, 2.3},
          {" B/DB", "B/DB", 11, 2.4}}},
        {Dialect::Skf,
         {{" C", " CD", 0, 1.0},
          {" AC", " ACD", 1, 1.0},
          {" B", " BECBP", 2, 1.05},
          {" C/P5", " CD/P5", 3, 2.2},
          {" AC/P5", " ACD/P5", 4, 2.2},
          {" C/P4", " CD/P4A", 5, 3.5},
          {" AC/P4", " ACD/P4A", 6, 3.5},
          {" C/DB", " CD/P4ADBA", 7, 2.3},
          {" C/DF", " CD/P4ADFA", 8, 2.3},
          {" C/DT", " CD/P4ADTA", 9, 2.3},
          {" AC/DB", " ACD/P4ADBA", 10, 2.3},
          {" B/DB", " BECBP/DB", 11, 2.4},
          {" B", " BECBM", 2, 1.2},
          {" B", " BEP", 2, 1.1},
          {" B", " BECBY", 2, 1.15},
          {" C/HQ1P4", " CD/HCP4A", 12, 6.0}}},
        {Dialect::Nsk,
         {{" C", "C", 0, 1.0},
          {" AC", "A5", 1, 1.0},
          {" B", "B", 2, 1.05},
          {" C/P5", "CTYNSULP5", 3, 2.2},
          {" AC/P5", "A5TYNSULP5", 4, 2.2},
          {" C/P4", "CTYNSULP4", 5, 3.5},
          {" AC/P4", "A5TYNSULP4", 6, 3.5},
          {" C/DB", "CTYNDBLP4", 7, 2.3},
          {" C/DF", "CTYNDFLP4", 8, 2.3},
          {" C/DT", "CTYNDTLP4", 9, 2.3},
          {" AC/DB", "A5TYNDBLP4", 10, 2.3},
          {" B/DB", "BDB", 11, 2.4},
          {" B", "BW", 2, 1.1},
          {" B", "BEAT85", 2, 1.2},
          {" C/HQ1P4", "CTYNSULP4/SN24", 12, 6.0}}},
        {Dialect::Fag,
         {{" C", "-C-TVP", 0, 1.0},
          {" AC", "-E-TVP", 1, 1.0},
          {" B", "-B-TVP", 2, 1.05},
          {" C/P5", "-C-T-P5", 3, 2.2},
          {" AC/P5", "-E-T-P5", 4, 2.2},
          {" C/P4", "B{b}-C-T-P4S", 5, 3.5},
          {" AC/P4", "B{b}-E-T-P4S", 6, 3.5},
          {" C/DB", "B{b}-C-T-P4S-DUL", 7, 2.3},
          {" C/DF", "B{b}-C-T-P4S-DUM", 8, 2.3},
          {" C/DT", "B{b}-C-T-P4S-TUL", 9, 2.3},
          {" AC/DB", "B{b}-E-T-P4S-DUL", 10, 2.3},
          {" B/DB", "-B-MP-UA", 11, 2.4},
          {" B", "-B-MP", 2, 1.2},
          {" B", "-B-JP", 2, 1.15},
          {" C/HQ1P4", "HCB{b}-C-T-P4S", 12, 6.0}}},
        {Dialect::Ntn,
         {{" C", "C", 0, 1.0},
          {" AC", "A", 1, 1.0},
          {" B", "B", 2, 1.05},
          {" C/P5", "CP5", 3, 2.2},
          {" AC/P5", "AP5", 4, 2.2},
          {" C/P4", "UCG/GNP4", 5, 3.5},
          {" AC/P4", "UADG/GNP4", 6, 3.5},
          {" C/DB", "CDB", 7, 2.3},
          {" C/DF", "CDF", 8, 2.3},
          {" C/DT", "CDT", 9, 2.3},
          {" AC/DB", "ADB", 10, 2.3},
          {" B/DB", "BDB", 11, 2.4},
          {" C/HQ1P4", "5S-{b}UCG/GNP4", 12, 6.0}}},
        {Dialect::Koyo,
         {{" C", "C", 0, 1.0},
          {" AC", "AC", 1, 1.0},
          {" B", "B", 2, 1.05},
          {" C/P5", "CP5", 3, 2.2},
          {" AC/P5", "ACP5", 4, 2.2},
          {" C/P4", "CFGP4", 5, 3.5},
          {" AC/P4", "ACFGP4", 6, 3.5},
          {" C/DB", "CDB", 7, 2.3},
          {" C/DF", "CDF", 8, 2.3},
          {" C/DT", "CDT", 9, 2.3},
          {" AC/DB", "ACDB", 10, 2.3},
          {" B/DB", "BDB", 11, 2.4},
          {" B", "BG", 2, 1.1}}},
        {Dialect::Nachi,
         {{" C", "C", 0, 1.0},
          {" AC", "AC", 1, 1.0},
          {" B", "B", 2, 1.05},
          {" C/P5", "CYP5", 3, 2.2},
          {" AC/P5", "ACYP5", 4, 2.2},
          {" C/P4", "CYP4", 5, 3.5},
          {" AC/P4", "ACYP4", 6, 3.5},
          {" C/DB", "CDB", 7, 2.3},
          {" C/DF", "CDF", 8, 2.3},
          {" C/DT", "CDT", 9, 2.3},
          {" AC/DB", "ACDB", 10, 2.3},
          {" B/DB", "BDB", 11, 2.4},
          {" B", "BY", 2, 1.1}}},
        // Precision makers: their own series codes, every bearing at least class P4.
        {Dialect::Barden,
         {{" C/P4", "{x}HDL", 5, 3.5},
          {" AC/P4", "{x}HJDL", 6, 3.5},
          {" C/P4", "{x}HDM", 5, 3.6},
          {" AC/P4", "{x}HJDM", 6, 3.6},
          {" C/DB", "{x}HDUL", 7, 2.4},
          {" C/DF", "{x}HDUM", 8, 2.4},
          {" C/DT", "{x}HDUH", 9, 2.4},
          {" AC/DB", "{x}HJDUL", 10, 2.4},
          {" C/HQ1P4", "C{x}HDL", 12, 6.0},
          {" C/HQ1P4", "C{x}HJDUL", 12, 6.2}}},
        {Dialect::Gmn,
         {{" C/P4", "S {b} C TA P4", 5, 3.5},
          {" AC/P4", "S {b} E TA P4", 6, 3.5},
          {" C/P4", "S {b} C TA P4 UL", 5, 3.6},
          {" AC/P4", "S {b} E TA P4 UL", 6, 3.6},
          {" C/DB", "S {b} C TA P4 DUL", 7, 2.4},
          {" C/DT", "S {b} C TA P4 TUL", 9, 2.4},
          {" AC/DB", "S {b} E TA P4 DUL", 10, 2.4},
          {" C/HQ1P4", "HY S {b} C TA P4", 12, 6.0},
          {" C/HQ1P4", "HY S {b} E TA P4 UL", 12, 6.2},
          {" C/P5", "S {b} C TA P5", 3, 2.3}}},
        {Dialect::Snfa,
         {{" C/P4", "{s} {d} 7CE1", 5, 3.5},
          {" AC/P4", "{s} {d} 7CE3", 6, 3.5},
          {" C/DB", "{s} {d} 7CE1 DDL", 7, 2.4},
          {" C/DT", "{s} {d} 7CE1 DTL", 9, 2.4},
          {" AC/DB", "{s} {d} 7CE3 DDL", 10, 2.4},
          {" C/HQ1P4", "{s} {d} /NS 7CE1", 12, 6.0},
          {" C/P5", "{s} {d} 9CE1", 3, 2.3}}},
    };
    return table;
}

// Angular contact series 70, 72, 73, 74 from their own table; 718 and 719 share the
// boundary dimensions of the 618 and 619 deep groove series.
std::vector<Candidate> angularContact(Dialect dialect, const SizeLibrary& sizes) {
    std::vector<const Size*> bases;
    for (const Size& s : sizes["deep_groove_ball"]) {
        if ((s.series == "618" || s.series == "619") && s.designation.size() == 5 && s.dmm >= 10 &&
            s.dmm <= 200) {
            bases.push_back(&s);
        }
    }
    for (const Size& s : sizes["angular_contact_ball"]) {
        bases.push_back(&s);
    }
    const Dialect own = dialect == Dialect::Ina ? Dialect::Fag : dialect;
    std::vector<Candidate> out;
    for (const Size* s : bases) {
        const bool derived = s->series.size() == 3;
        const std::string base = derived ? "7" + s->designation.substr(1) : s->designation;
        const std::string series = derived ? "7" + s->series.substr(1) : s->series;
        const std::string code = boreCode(base, base.size() - 2);
        std::string old3;
        if (!derived && !code.empty()) {
            old3 = (series == "70" ? "1" : series.substr(1)) + code;
        }
        const std::map<std::string, std::string> tokens = {
            {"{x}", (derived ? series.substr(1) : series.substr(1)) + code},
            {"{s}", series == "718"   ? "SEA"
                    : series == "719" ? "SEB"
                    : series == "70"  ? "EX"
                                      : "E 2"},
            {"{d}", s->d}};
        for (const Variant& v : variantsFor(angularVariants(), own)) {
            Candidate c = makeCandidate(*s, base + v.std, brandText(base, v, tokens), v.subtype,
                                        v.price, series);
            if (!old3.empty()) {
                const std::string st = v.std;
                if (st == " C")
                    c.oldno = "36" + old3;
                if (st == " AC")
                    c.oldno = "46" + old3;
                if (st == " B")
                    c.oldno = "66" + old3;
            }
            out.push_back(std::move(c));
        }
    }
    return out;
}

const std::map<Dialect, Variants>& selfAligningVariants() {
    static const std::map<Dialect, Variants> table = {
        {Dialect::Generic,
         {{"", "", 0, 1.0},
          {" K", "K", 1, 1.05},
          {"-2RS", "-2RS", 2, 1.3},
          {" E", "E", 3, 1.15},
          {" K+H", "K+H", 4, 1.5},
          {"/C3", " C3", 0, 1.1}}},
        {Dialect::Skf,
         {{"", " ETN9", 0, 1.0},
          {" K", " EKTN9", 1, 1.05},
          {"-2RS", " E-2RS1TN9", 2, 1.3},
          {" E", " ETN9/C3", 3, 1.15},
          {" K+H", " EKTN9+H", 4, 1.5},
          {"", " M", 0, 1.3}}},
        {Dialect::Nsk,
         {{"", "", 0, 1.0},
          {" K", "K", 1, 1.05},
          {"-2RS", "2RS", 2, 1.3},
          {" E", "ETN", 3, 1.15},
          {" K+H", "K+H", 4, 1.5},
          {"/C3", "C3", 0, 1.1}}},
        {Dialect::Fag,
         {{"", "-TVH", 0, 1.0},
          {" K", "-K-TVH", 1, 1.05},
          {"-2RS", "-2RS-TVH", 2, 1.3},
          {"/C3", "-TVH-C3", 0, 1.1},
          {" K+H", "-K-TVH+H", 4, 1.5},
          {"", "-M", 0, 1.3}}},
        {Dialect::Ntn,
         {{"", "", 0, 1.0},
          {" K", "K", 1, 1.05},
          {"-2RS", "LLU", 2, 1.3},
          {" E", "S", 3, 1.15},
          {" K+H", "K+H", 4, 1.5},
          {"/C3", "C3", 0, 1.1}}},
        {Dialect::Nachi,
         {{"", "", 0, 1.0},
          {" K", "K", 1, 1.05},
          {"-2RS", "2NS", 2, 1.3},
          {" E", "E", 3, 1.15},
          {" K+H", " K+H", 4, 1.5},
          {"/C3", " C3", 0, 1.1}}},
    };
    return table;
}

std::vector<Candidate> selfAligning(Dialect dialect, const SizeLibrary& sizes) {
    const Dialect own = dialect == Dialect::Ina ? Dialect::Fag : dialect;
    std::vector<Candidate> out;
    for (const Size& s : sizes["self_aligning_ball"]) {
        const std::string code = boreCode(s.designation, 2);
        std::string old;
        if (!code.empty()) {
            const std::string x = s.series;
            old = x == "12"   ? "12" + code
                  : x == "13" ? "13" + code
                  : x == "22" ? "15" + code
                              : "16" + code;
        }
        for (const Variant& v : variantsFor(selfAligningVariants(), own)) {
            Candidate c = makeCandidate(s, s.designation + v.std, brandText(s.designation, v),
                                        v.subtype, v.price, s.series);
            if (v.std[0] == '\0') {
                c.oldno = old;
            }
            out.push_back(std::move(c));
        }
    }
    return out;
}

std::vector<Candidate> thrustBall(Dialect dialect, const SizeLibrary& sizes) {
    static const std::map<Dialect, Variants> table = {
        {Dialect::Generic,
         {{"", "", 0, 1.0},
          {" M", "M", 1, 1.3},
          {"/P6", "/P6", 2, 1.6},
          {"/P5", "/P5", 3, 2.1},
          {"/P4", "/P4", 3, 3.0},
          {" M/P5", "M/P5", 3, 2.4}}},
        {Dialect::Skf,
         {{"", "", 0, 1.0},
          {" M", " M", 1, 1.3},
          {"", " V", 0, 1.1},
          {"/P5", "/P5", 3, 2.1},
          {" M/P5", " M/P5", 3, 2.4},
          {"/P6", "/P6", 2, 1.6}}},
        {Dialect::Nsk,
         {{"", "", 0, 1.0},
          {" M", "M", 1, 1.3},
          {"/P5", "P5", 3, 2.1},
          {"/P6", "P6", 2, 1.6},
          {"/P4", "P4", 3, 3.0},
          {" M/P5", "MP5", 3, 2.4}}},
        {Dialect::Fag,
         {{"", "", 0, 1.0},
          {" M", "-MP", 1, 1.3},
          {"/P6", "-P6", 2, 1.6},
          {"/P5", "-P5", 3, 2.1},
          {" M/P5", "-MP-P5", 3, 2.4},
          {"", "-FP", 0, 1.2}}},
        {Dialect::Ntn,
         {{"", "", 4, 1.0}, {"/P5", "P5", 3, 2.1}, {" M", "M", 1, 1.3}, {"/P6", "P6", 2, 1.6}}},
        {Dialect::Koyo,
         {{"", "", 4, 1.0}, {"/P5", "P5", 3, 2.1}, {" M", "M", 1, 1.3}, {"/P6", "P6", 2, 1.6}}},
        {Dialect::Nachi,
         {{"", "", 4, 1.0}, {"/P6", "P6", 2, 1.6}, {" M", "M", 1, 1.3}, {"/P5", "P5", 3, 2.1}}},
    };
    const Dialect own = dialect == Dialect::Ina ? Dialect::Fag : dialect;
    std::vector<Candidate> out;
    for (const Size& s : sizes["thrust_ball"]) {
        const std::string code = boreCode(s.designation, 3);
        for (const Variant& v : variantsFor(table, own)) {
            Candidate c = makeCandidate(s, s.designation + v.std, brandText(s.designation, v),
                                        v.subtype, v.price, s.series);
            if (v.std[0] == '\0' && !code.empty()) {
                c.oldno = "8" + s.series.substr(2) + code;
            }
            c.weight *= v.std[0] == '\0' ? 3 : 1;
            out.push_back(std::move(c));
        }
    }
    return out;
}

// Ball screw support bearings; the designation itself gives bore and outside diameter, and
// the width is 15 mm up to 80 mm outside diameter, 20 mm above.
std::vector<Candidate> thrustAngular(Dialect dialect, const SizeLibrary& sizes) {
    static const SizeTable tac = [] {
        SizeTable t;
        const int pairs[][2] = {{15, 47},  {17, 47},  {20, 47},  {25, 62}, {30, 62},
                                {35, 72},  {40, 72},  {40, 90},  {45, 75}, {45, 100},
                                {50, 100}, {55, 100}, {55, 120}, {60, 120}};
        for (const auto& p : pairs) {
            Size s;
            s.d = std::to_string(p[0]);
            s.D = std::to_string(p[1]);
            s.B = p[1] <= 80 ? "15" : "20";
            s.dmm = p[0];
            s.Dmm = p[1];
            s.Bmm = p[1] <= 80 ? 15 : 20;
            s.designation = s.d + "TAC" + s.D + "B";
            s.series = "TAC";
            s.votes = 2;
            t.push_back(s);
        }
        return t;
    }();
    (void)sizes;
    static const std::map<Dialect, Variants> table = {
        {Dialect::Generic,
         {{"", "", 1, 3.0}, {" DB", "DB", 2, 6.2}, {" DF", "DF", 3, 6.2}, {"", "/P4", 0, 3.4}}},
        {Dialect::Nsk,
         {{"", "SUC10PN7B", 1, 3.0},
          {" DB", "DBC10PN7A", 2, 6.2},
          {" DF", "DFC10PN7A", 3, 6.2},
          {"", "DTC10PN7A", 0, 6.2},
          {"", "SUC7PN7B", 1, 3.6},
          {" DB", "DBC7PN7A", 2, 7.0},
          {" DF", "DFC7PN7A", 3, 7.0}}},
        {Dialect::Gmn,
         {{"", "BSB {d}{D} SU", 1, 3.0},
          {" DB", "BSB {d}{D} DUL", 2, 6.2},
          {" DF", "BSB {d}{D} DUM", 3, 6.2},
          {"", "BSB {d}{D} TBTM", 0, 9.0}}},
        {Dialect::Snfa,
         {{"", "BS {d}/{D} 7P62U", 1, 3.0},
          {" DB", "BS {d}/{D} 7P62 DDL", 2, 6.2},
          {" DF", "BS {d}/{D} 7P62 FFL", 3, 6.2}}},
        {Dialect::Ntn,
         {{"", "BST{d}X{D}-1B", 1, 3.0},
          {" DB", "BST{d}X{D}-1BDBP4", 2, 6.2},
          {" DF", "BST{d}X{D}-1BDFP4", 3, 6.2}}},
        {Dialect::Fag,
         {{"", "7602{d3}-TVP", 1, 3.0},
          {" DB", "7602{d3}-2RS-TVP", 2, 6.2},
          {" DF", "7603{d3}-TVP", 3, 6.2}}},
    };
    const Dialect own = dialect == Dialect::Ina ? Dialect::Fag : dialect;
    std::vector<Candidate> out;
    for (const Size& s : tac) {
        const std::map<std::string, std::string> tokens = {
            {"{d3}", padded(s.d, 3)}, {"{d}", s.d}, {"{D}", s.D}};
        for (const Variant& v : variantsFor(table, own)) {
            out.push_back(makeCandidate(s, s.designation + v.std,
                                        brandText(s.designation, v, tokens), v.subtype, v.price,
                                        "TAC"));
        }
    }
    return out;
}

}  // namespace

std::vector<Candidate> ballCandidates(Kind kind, Dialect dialect, const SizeLibrary& sizes) {
    switch (kind) {
        case Kind::DeepGroove:
            return deepGroove(dialect, sizes);
        case Kind::Miniature:
            return miniature(dialect, sizes);
        case Kind::ThinSection:
            return thinSection(sizes);
        case Kind::AngularContact:
            return angularContact(dialect, sizes);
        case Kind::SelfAligning:
            return selfAligning(dialect, sizes);
        case Kind::ThrustBall:
            return thrustBall(dialect, sizes);
        default:
            return thrustAngular(dialect, sizes);
    }
}

}  // namespace catgen
