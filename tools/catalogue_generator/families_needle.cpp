// Needle roller bearings, needle cages, combined needle bearings and track rollers.
#include <cstdio>

#include "family_helpers.h"

namespace catgen {

namespace {

std::string twoDigits(const std::string& mm) {
    return padded(mm, 2);
}

std::vector<Candidate> needle(Dialect dialect, const SizeLibrary& sizes) {
    static const std::map<Dialect, Variants> withInnerRing = {
        {Dialect::Generic, {{"", "", -1, 1.0}, {"-2RS", "-2RS", 6, 1.4}, {"", "/C3", -1, 1.1}}},
        {Dialect::Ina,
         {{"", "", -1, 1.0},
          {"", "-XL", -1, 1.1},
          {"-2RS", "-2RSR-XL", 6, 1.5},
          {"-2RS", "-2RSR", 6, 1.4},
          {"", "-XL-C3", -1, 1.2}}},
        {Dialect::Iko, {{"", "", -1, 1.0}, {"-2RS", "UU", 6, 1.4}, {"", "R", -1, 1.1}}},
        {Dialect::Nsk, {{"", "", -1, 1.0}, {"", "TT", -1, 1.1}}},
        {Dialect::Koyo, {{"", "", -1, 1.0}, {"-2RS", "2RS", 6, 1.4}}},
    };
    std::vector<Candidate> out;
    for (const Size& s : sizes["needle_roller_NA"]) {
        const int sub = s.series == "NA49" ? 0 : s.series == "NA48" ? 1 : 2;
        const std::string code = boreCode(s.designation.substr(2), 2);
        for (const Variant& v : variantsFor(withInnerRing, dialect)) {
            Candidate c = makeCandidate(s, s.designation + v.std, brandText(s.designation, v),
                                        v.subtype < 0 ? sub : v.subtype, v.price * 1.3, s.series);
            if (v.std[0] == '\0' && s.series == "NA49" && !code.empty()) {
                c.oldno = "45449" + code;
            }
            out.push_back(std::move(c));
        }
    }
    for (const Size& s : sizes["needle_roller_NK"]) {
        const std::string ikoName = "TAF" + twoDigits(s.d) + twoDigits(s.D) + twoDigits(s.B);
        std::vector<std::string> models;
        if (dialect == Dialect::Iko) {
            models = {ikoName, ikoName + "/SG"};
        } else if (dialect == Dialect::Ina) {
            models = {s.designation, s.designation + "-XL", s.designation + "-TV"};
        } else {
            models = {s.designation, s.designation + "-TN", s.designation + "/C3"};
        }
        for (std::size_t i = 0; i < models.size(); ++i) {
            out.push_back(makeCandidate(s, s.designation, models[i], 3, 1.2 + 0.1 * i, "NK"));
        }
    }
    for (const Size& s : sizes["needle_drawn_cup_HK"]) {
        const std::string number = s.designation.substr(2);
        std::vector<std::string> models;
        if (dialect == Dialect::Iko) {
            models = {"TLA" + number + "Z", "TLAM" + number};
        } else if (dialect == Dialect::Ina) {
            models = {s.designation, s.designation + "-B", s.designation + "-AS1",
                      s.designation + "-XL"};
        } else if (dialect == Dialect::Nsk) {
            models = {"FJ-" + number, "FJH-" + number};
        } else {
            models = {s.designation, s.designation + "-B", s.designation + "-ZW"};
        }
        for (std::size_t i = 0; i < models.size(); ++i) {
            out.push_back(makeCandidate(s, s.designation, models[i], 4, 0.8 + 0.1 * i, "HK"));
        }
    }
    return out;
}

std::vector<Candidate> needleCage(Dialect dialect, const SizeLibrary& sizes) {
    std::vector<Candidate> out;
    for (const Size& s : sizes["needle_cage_K"]) {
        std::vector<std::pair<std::string, int>> models;
        if (dialect == Dialect::Iko) {
            const std::string kt = "KT" + twoDigits(s.d) + twoDigits(s.D) + twoDigits(s.B);
            models = {{kt, 0}, {kt + "EG", 1}};
        } else if (dialect == Dialect::Ina) {
            models = {{s.designation + "-TV", 1}, {s.designation, 0}};
        } else {
            models = {{s.designation, 0}, {s.designation + "TN", 1}};
        }
        for (const auto& [model, sub] : models) {
            out.push_back(makeCandidate(s, s.designation, model, sub, 0.6, "K"));
        }
    }
    return out;
}

std::vector<Candidate> needleCombined(Dialect dialect, const SizeLibrary& sizes) {
    std::vector<Candidate> out;
    for (const Size& s : sizes["needle_combined"]) {
        const bool nkx = s.series == "NKX";
        const bool nx = s.series == "NX";
        std::vector<std::tuple<std::string, std::string, int>> models;  // newno, model, sub
        const std::string dash = dialect == Dialect::Iko ? "" : "-";
        if (nkx) {
            models = {{s.designation, s.designation, 0},
                      {s.designation + "-Z", s.designation + dash + "Z", 1},
                      {s.designation + "-Z", s.designation + dash + "Z" + dash + "TV", 1},
                      {s.designation, s.designation + dash + "TV", 0}};
        } else if (nx) {
            models = {{s.designation, s.designation, 2},
                      {s.designation + "-Z", s.designation + dash + "Z", 2},
                      {s.designation, s.designation + dash + "TV", 2}};
        } else {
            models = {{s.designation, s.designation, 3},
                      {s.designation, s.designation + (dialect == Dialect::Ina ? "-XL" : "R"), 3}};
        }
        for (const auto& [newno, model, sub] : models) {
            out.push_back(makeCandidate(s, newno, model, sub, 1.8, s.series));
        }
    }
    return out;
}

// Stud-type track rollers are named by outside diameter (KR22), IKO and THK cam followers
// by stud diameter (CF10, and CF10-1 for the larger roller on the same stud).
std::vector<Candidate> trackRoller(Dialect dialect, const SizeLibrary& sizes) {
    std::vector<Candidate> out;
    std::map<std::string, int> studsSeen;
    const bool camFollower = dialect == Dialect::Iko || dialect == Dialect::Linear;
    for (const Size& s : sizes["track_rollers"]) {
        std::vector<std::pair<std::string, int>> models;
        if (s.series == "KR") {
            if (camFollower) {
                const int seen = studsSeen[s.d]++;
                const std::string cf = "CF" + s.d + (seen ? "-" + std::to_string(seen) : "");
                models = {{cf, 5}, {cf + "UU", 5}, {cf + "B", 5}, {cf + "R", 5}};
            } else {
                models = {{s.designation, 0},
                          {s.designation + "-PP", 1},
                          {s.designation + "-2RS", 1},
                          {"KRV" + s.designation.substr(2) + "-PP", 1}};
            }
        } else if (s.series == "NATR") {
            const std::string n = s.designation.substr(4);
            if (camFollower) {
                models = {{"NART" + n + "R", 2}, {"NART" + n + "UUR", 3}};
            } else {
                models = {{s.designation, 2}, {s.designation + "-PP", 3}, {"NATV" + n + "-PP", 3}};
            }
        } else {
            const std::string n = s.designation.substr(4);
            models = camFollower ? std::vector<std::pair<std::string, int>>{{"NURT" + n, 4},
                                                                            {"NURT" + n + "R", 4}}
                                 : std::vector<std::pair<std::string, int>>{
                                       {s.designation, 4}, {s.designation + "-X", 4}};
        }
        for (const auto& [model, sub] : models) {
            out.push_back(makeCandidate(s, s.designation, model, sub, 1.5, s.series));
        }
    }
    return out;
}

}  // namespace

std::vector<Candidate> needleCandidates(Kind kind, Dialect dialect, const SizeLibrary& sizes) {
    const Dialect own = (dialect == Dialect::Fag) ? Dialect::Ina : dialect;
    switch (kind) {
        case Kind::Needle:
            return needle(own, sizes);
        case Kind::NeedleCage:
            return needleCage(own, sizes);
        case Kind::NeedleCombined:
            return needleCombined(own, sizes);
        default:
            return trackRoller(own, sizes);
    }
}

}  // namespace catgen
