// Units and special items: spherical plain bearings, linear bushings, insert bearings,
// housed units, housings and non-standard bearings.
#include "family_helpers.h"

namespace catgen {

namespace {

std::vector<Candidate> plainSpherical(Dialect dialect, const SizeLibrary& sizes) {
    std::vector<Candidate> out;
    for (const Size& s : sizes["spherical_plain_GE"]) {
        const std::string d = s.d;
        std::vector<std::tuple<std::string, std::string, int>> models;  // newno, model, sub
        if (dialect == Dialect::Skf) {
            models = {{"GE" + d + "E", "GE " + d + " E", 0},
                      {"GE" + d + "ES", "GE " + d + " ES", 1},
                      {"GE" + d + "ES-2RS", "GE " + d + " ES-2RS", 2},
                      {"GE" + d + "ES-2RS", "GE " + d + " ES-2LS", 2}};
        } else if (dialect == Dialect::Ina || dialect == Dialect::Fag) {
            models = {{"GE" + d + "E", "GE" + d + "-DO", 3},
                      {"GE" + d + "ES-2RS", "GE" + d + "-DO-2RS", 3},
                      {"GE" + d + "ES", "GE" + d + "-FO", 1},
                      {"GE" + d + "ES-2RS", "GE" + d + "-FO-2RS", 2},
                      {"GE" + d + "E", "GE" + d + "-UK", 0},
                      {"GE" + d + "ES-2RS", "GE" + d + "-UK-2RS", 2}};
        } else {
            models = {{"GE" + d + "E", "GE" + d + "E", 0},
                      {"GE" + d + "ES", "GE" + d + "ES", 1},
                      {"GE" + d + "ES-2RS", "GE" + d + "ES-2RS", 2}};
        }
        for (const auto& [newno, model, sub] : models) {
            Candidate c = makeCandidate(s, newno, model, sub, 1.6, "GE");
            out.push_back(std::move(c));
        }
    }
    return out;
}

std::vector<Candidate> linear(Dialect dialect, const SizeLibrary& sizes) {
    std::vector<Candidate> out;
    for (const Size& s : sizes["linear_bushing_LM"]) {
        const std::string n = s.designation.substr(2, s.designation.size() - 4);  // "8", "8S"
        std::vector<std::tuple<std::string, std::string, int>> models = {
            {"LM" + n + "UU", "LM" + n + "UU", 0},
            {"LM" + n + "UU-OP", "LM" + n + "UU-OP", 1},
            {"LM" + n + "UU-AJ", "LM" + n + "UU-AJ", 2},
            {"LMF" + n + "UU", "LMF" + n + "UU", 3},
            {"LMK" + n + "UU", "LMK" + n + "UU", 4},
            {"LMH" + n + "UU", "LMH" + n + "UU", 5},
            {"LM" + n, "LM" + n, 6}};
        if (dialect == Dialect::Nb) {
            models = {
                {"LM" + n + "UU", "SM" + n + "UU", 0},    {"LM" + n, "SM" + n, 6},
                {"LM" + n + "UU", "SM" + n + "GUU", 0},   {"LMF" + n + "UU", "SMF" + n + "UU", 3},
                {"LMK" + n + "UU", "SMK" + n + "UU", 4},  {"LM" + n + "UU-OP", "SM" + n + "OP", 1},
                {"LM" + n + "UU-AJ", "SM" + n + "AJ", 2}, {"LMH" + n + "UU", "SMT" + n + "UU", 5},
                {"LM" + n + "UU", "SME" + n + "UU", 0}};
        } else if (dialect == Dialect::Iko || dialect == Dialect::Ina || dialect == Dialect::Nsk) {
            models.resize(4);
        }
        for (const auto& [newno, model, sub] : models) {
            out.push_back(makeCandidate(s, newno, model, sub, 0.9, "LM"));
        }
    }
    return out;
}

std::vector<Candidate> insert(Dialect dialect, const SizeLibrary& sizes) {
    std::vector<Candidate> out;
    for (const Size& s : sizes["insert_bearing_UC"]) {
        const int sub = s.series == "UC2" ? 0 : 1;
        std::vector<std::pair<std::string, int>> models = {{s.designation, sub}};
        if (dialect == Dialect::Ntn) {
            models = {{s.designation + "D1", 2}, {s.designation + "LD1", 2}};
        } else if (dialect == Dialect::Housed || dialect == Dialect::Koyo) {
            models.push_back({s.designation + "L3", 2});
        }
        for (const auto& [model, st] : models) {
            out.push_back(makeCandidate(s, s.designation, model, st, 1.0, s.series));
        }
    }
    return out;
}

struct Housing {
    const char* code;
    const char* skf;  // SKF's own housing name before the shaft diameter
    int subtype;
    double price;
};

std::vector<Candidate> housedUnit(Dialect dialect, const SizeLibrary& sizes) {
    static const std::vector<Housing> small = {
        {"P", "SY", 0, 1.6},    {"F", "FY", 1, 1.9},   {"FL", "FYTB", 2, 1.8},
        {"T", "TU", 3, 2.4},    {"FC", "FYC", 4, 2.3}, {"PA", "SYJ", 7, 1.5},
        {"FA", "FYK", 1, 2.0},  {"FB", "FYJ", 1, 2.0}, {"PH", "SYH", 0, 1.8},
        {"HA", "SYFJ", 0, 2.1}, {"C", "FYRP", 4, 2.2}, {"FS", "FYT", 1, 2.1},
        {"PL", "SYL", 0, 1.9}};
    static const std::vector<Housing> large = {{"P", "SY", 5, 1.7},
                                               {"F", "FY", 6, 2.0},
                                               {"FL", "FYTB", 2, 1.9},
                                               {"T", "TU", 3, 2.5},
                                               {"FC", "FYC", 4, 2.4}};
    std::vector<Candidate> out;
    for (const Size& s : sizes["insert_bearing_UC"]) {
        const bool series2 = s.series == "UC2";
        const std::string number = s.designation.substr(2);
        for (const Housing& h : series2 ? small : large) {
            const std::string newno = "UC" + std::string(h.code) + number;
            std::string model = newno;
            if (dialect == Dialect::Skf) {
                model = std::string(h.skf) + " " + s.d + (series2 ? " TF" : " TF/VA201");
            } else if (dialect == Dialect::Ntn) {
                model = newno + "D1";
            }
            int sub = h.subtype;
            if (dialect == Dialect::Housed && sub == 0) {
                sub = 8;  // one source gave its pillow-block units a long description
            }
            out.push_back(makeCandidate(s, newno, model, sub, h.price, "UC" + std::string(h.code)));
            if (dialect == Dialect::Housed && std::string(h.code).size() <= 2) {
                // Stainless units carry an S in front.
                out.push_back(makeCandidate(s, newno, "S" + newno, sub, h.price * 2.6,
                                            "SUC" + std::string(h.code)));
            }
        }
    }
    return out;
}

// Housings carry no bearing, so the catalogue gives their bore as 0.
std::vector<Candidate> housing(const SizeLibrary& sizes) {
    std::vector<Candidate> out;
    for (const Size& s : sizes["insert_bearing_UC"]) {
        if (s.series != "UC2") {
            continue;
        }
        const std::string model = "P" + s.designation.substr(2);
        Candidate c = makeCandidate(s, model, model, 0, 0.8, "P");
        out.push_back(std::move(c));
    }
    return out;
}

// Compressor-clutch bearings, named by bore, outside diameter and width (35BD5020).
std::vector<Candidate> nonStandard(Dialect dialect, const SizeLibrary& sizes) {
    static const SizeTable special = [] {
        const int dims[][3] = {{28, 52, 16}, {30, 47, 18}, {30, 48, 20}, {30, 52, 22}, {32, 50, 20},
                               {32, 52, 22}, {35, 48, 20}, {35, 50, 20}, {35, 52, 20}, {35, 55, 20},
                               {35, 55, 23}, {38, 54, 17}, {38, 54, 20}, {40, 55, 20}, {40, 62, 24},
                               {30, 45, 20}, {32, 47, 20}, {35, 47, 20}, {40, 52, 22}, {45, 60, 20},
                               {30, 55, 23}, {32, 55, 23}, {40, 60, 20}};
        SizeTable t;
        for (const auto& x : dims) {
            Size s;
            s.d = std::to_string(x[0]);
            s.D = std::to_string(x[1]);
            s.B = std::to_string(x[2]);
            s.dmm = x[0];
            s.Dmm = x[1];
            s.Bmm = x[2];
            s.designation = s.d + "BD" + s.D + s.B;
            s.series = "BD";
            t.push_back(s);
        }
        return t;
    }();
    (void)sizes;
    const char* suffixes[] = {"", dialect == Dialect::Nsk ? "DUM" : "DU", "T12DDU"};
    std::vector<Candidate> out;
    for (const Size& s : special) {
        for (const char* suffix : suffixes) {
            out.push_back(makeCandidate(s, s.designation, s.designation + suffix, 1, 2.5, "BD"));
        }
    }
    return out;
}

}  // namespace

std::vector<Candidate> unitCandidates(Kind kind, Dialect dialect, const SizeLibrary& sizes) {
    switch (kind) {
        case Kind::PlainSpherical:
            return plainSpherical(dialect, sizes);
        case Kind::Linear:
            return linear(dialect, sizes);
        case Kind::Insert:
            return insert(dialect, sizes);
        case Kind::HousedUnit:
            return housedUnit(dialect, sizes);
        case Kind::Housing:
            return housing(sizes);
        default:
            return nonStandard(dialect, sizes);
    }
}

}  // namespace catgen
