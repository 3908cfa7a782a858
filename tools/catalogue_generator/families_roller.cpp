// Roller bearings: cylindrical, spherical, tapered (metric and inch), thrust rollers.
#include "family_helpers.h"

namespace catgen {

namespace {

struct CylForm {
    const char* prefix;
    const char* old;  // leading digits of the old code
    int subtype;      // plain; the E design adds 7 (NU -> 7, N -> 8 ...)
};
const CylForm kCylForms[] = {
    {"NU", "32", 0}, {"N", "2", 1}, {"NJ", "42", 2}, {"NUP", "92", 3}, {"NF", "12", 4}};

const std::map<Dialect, Variants>& cylindricalVariants() {
    static const std::map<Dialect, Variants> table = {
        {Dialect::Generic,
         {{"", "", 0, 1.0},
          {"E", "E", 1, 1.15},
          {"E/C3", "E/C3", 1, 1.25},
          {"EM", "EM", 1, 1.4},
          {"M", "M", 0, 1.3}}},
        {Dialect::Skf,
         {{"", "", 0, 1.0},
          {"E", " ECP", 1, 1.15},
          {"E/C3", " ECP/C3", 1, 1.25},
          {"EM", " ECM", 1, 1.4},
          {"EM", " ECML", 1, 1.45},
          {"E", " ECJ", 1, 1.2}}},
        {Dialect::Nsk,
         {{"", "", 0, 1.0},
          {"E", "ET", 1, 1.15},
          {"E/C3", "ETC3", 1, 1.25},
          {"EM", "EM", 1, 1.4},
          {"M", "M", 0, 1.3},
          {"E", "EW", 1, 1.2}}},
        {Dialect::Fag,
         {{"", "", 0, 1.0},
          {"E", "-E-TVP2", 1, 1.15},
          {"E/C3", "-E-TVP2-C3", 1, 1.25},
          {"EM", "-E-M1", 1, 1.4},
          {"M", "-M1", 0, 1.3},
          {"E", "-E-XL-TVP2", 1, 1.3}}},
        {Dialect::Ntn,
         {{"", "", 0, 1.0},
          {"E", "ET2", 1, 1.15},
          {"E/C3", "ET2C3", 1, 1.25},
          {"EM", "EG1", 1, 1.4},
          {"M", "M", 0, 1.3}}},
        {Dialect::Koyo,
         {{"", "", 0, 1.0},
          {"E", "R", 1, 1.15},
          {"E/C3", "RC3", 1, 1.25},
          {"EM", "RM", 1, 1.4},
          {"M", "M", 0, 1.3}}},
        {Dialect::Nachi,
         {{"", "", 0, 1.0},
          {"E", "EG", 1, 1.15},
          {"E/C3", "EG C3", 1, 1.25},
          {"EM", "EM", 1, 1.4},
          {"M", "MY", 0, 1.3}}},
    };
    return table;
}

std::vector<Candidate> cylindrical(Dialect dialect, const SizeLibrary& sizes) {
    const Dialect own = dialect == Dialect::Ina ? Dialect::Fag : dialect;
    const bool spaced = spacedDialect(dialect);
    std::vector<Candidate> out;
    for (const Size& s : sizes["cylindrical_roller"]) {
        if (s.series == "NN30") {
            const std::string number = s.designation.substr(2);
            const std::string code = boreCode(number, 2);
            const std::string base = spaced ? "NN " + number : s.designation;
            const Variant nn[] = {{"", "", 5, 1.0},
                                  {" K", " K", 12, 1.05},
                                  {" K/P5", " K/P5", 12, 2.2},
                                  {"/P5", "/P5", 5, 2.1}};
            for (const Variant& v : nn) {
                Candidate c = makeCandidate(s, base + v.std, base + v.brand, v.subtype,
                                            v.price * 1.6, s.series);
                if (v.std[0] == '\0' && !code.empty()) {
                    c.oldno = "31821" + code;
                }
                out.push_back(std::move(c));
            }
            continue;
        }
        const std::string number = s.designation.substr(2);  // "205", "1005", "2205"
        const std::string series = s.series.substr(2);       // "2", "10", "22"
        const std::string code = number.substr(number.size() - 2);
        std::string old3;
        if (code.find_first_not_of("0123456789") == std::string::npos && number.size() <= 4) {
            const std::string digit = series == "10"   ? "1"
                                      : series == "22" ? "5"
                                      : series == "23" ? "6"
                                                       : series;
            old3 = digit + code;
        }
        for (const CylForm& form : kCylForms) {
            if (std::string(form.prefix) == "NF" && series != "2" && series != "3") {
                continue;
            }
            const std::string newBase =
                (spaced ? std::string(form.prefix) + " " : form.prefix) + number;
            const std::string ownBase = own == Dialect::Skf
                                            ? std::string(form.prefix) + " " + number
                                            : std::string(form.prefix) + number;
            for (const Variant& v : variantsFor(cylindricalVariants(), own)) {
                const std::string stdSuffix = v.std[0] && spaced ? std::string(" ") + v.std : v.std;
                Candidate c = makeCandidate(s, newBase + stdSuffix, ownBase + v.brand,
                                            form.subtype + (v.subtype ? 7 : 0), v.price,
                                            std::string(form.prefix) + series);
                if (!old3.empty() && (v.std[0] == '\0' || v.std == std::string("E"))) {
                    c.oldno = std::string(form.old) + old3 + (v.std[0] ? "E" : "");
                }
                c.weight *= std::string(form.prefix) == "NU"  ? 3
                            : std::string(form.prefix) == "N" ? 2
                                                              : 1;
                out.push_back(std::move(c));
            }
        }
    }
    return out;
}

const std::map<Dialect, Variants>& sphericalVariants() {
    static const std::map<Dialect, Variants> table = {
        {Dialect::Generic,
         {{"", "", 0, 1.0},
          {" C", "C", 1, 1.05},
          {" CA", "CA", 2, 1.3},
          {" CC", "CC", 3, 1.1},
          {" E", "E", 4, 1.2},
          {" K", "K", 5, 1.05},
          {" CAK", "CAK", 6, 1.35},
          {"/W33", "/W33", 7, 1.1},
          {" K/W33", "K/W33", 8, 1.15},
          {" MB", "MB", 9, 1.4}}},
        {Dialect::Skf,
         {{" CC", " CC", 3, 1.1},
          {" CA", " CA/W33", 2, 1.3},
          {"/W33", " CC/W33", 7, 1.15},
          {" E", " E", 4, 1.2},
          {" K", " EK", 5, 1.2},
          {" CAK", " CAK/W33", 6, 1.35},
          {" E", " E/C3", 4, 1.25},
          {" K/W33", " CCK/W33", 8, 1.15},
          {" MB", " CAMA/W20", 9, 1.5},
          {" CC", " CC/C3W33", 3, 1.2}}},
        {Dialect::Nsk,
         {{" C", "C", 1, 1.05},
          {" CA", "CAM", 2, 1.3},
          {" CC", "CDE4", 3, 1.1},
          {" E", "EAE4", 4, 1.2},
          {" K", "EAKE4", 5, 1.2},
          {" CAK", "CAMKE4", 6, 1.35},
          {"/W33", "CE4", 7, 1.1},
          {" K/W33", "CKE4", 8, 1.15},
          {" MB", "CAME4", 9, 1.4}}},
        {Dialect::Fag,
         {{"", "-E1", 4, 1.2},
          {" MB", "-MB", 9, 1.4},
          {" E", "-E1-XL", 4, 1.25},
          {" E", "-E1-XL-C3", 4, 1.3},
          {" K", "-E1-K", 5, 1.25},
          {" CAK", "-K-MB", 6, 1.4},
          {" K", "-E1-XL-K", 5, 1.3},
          {" K/W33", "-E1-K-C3", 8, 1.3},
          {" MB", "-MB-C3", 9, 1.45}}},
        {Dialect::Ntn,
         {{"", "B", 0, 1.0},
          {" CA", "CAM", 2, 1.3},
          {" E", "EAD1", 4, 1.2},
          {" E", "EMD1", 4, 1.3},
          {" K", "EAKD1", 5, 1.25},
          {" CAK", "CAMK", 6, 1.35},
          {" K", "BK", 5, 1.05},
          {"/W33", "BW33", 7, 1.1}}},
        {Dialect::Koyo,
         {{"", "R", 0, 1.0},
          {" CA", "RHA", 2, 1.3},
          {" CC", "RH", 3, 1.1},
          {" E", "RHR", 4, 1.2},
          {" K", "RK", 5, 1.05},
          {" CAK", "RHAK", 6, 1.35},
          {"/W33", "RW33", 7, 1.1},
          {" K/W33", "RHRK", 8, 1.2}}},
        {Dialect::Nachi,
         {{"", "EX", 4, 1.2},
          {" CA", "AEX", 2, 1.3},
          {"/W33", "EXW33", 7, 1.25},
          {" E", "EX C3", 4, 1.25},
          {" K", "EXK", 5, 1.25},
          {" K/W33", "EXKW33", 8, 1.3},
          {" CC", "EW33", 3, 1.15},
          {" K", "EK", 5, 1.1}}},
    };
    return table;
}

std::vector<Candidate> spherical(Dialect dialect, const SizeLibrary& sizes) {
    const Dialect own = dialect == Dialect::Ina ? Dialect::Fag : dialect;
    std::vector<Candidate> out;
    for (const Size& s : sizes["spherical_roller"]) {
        const std::string code = boreCode(s.designation, 3);
        for (const Variant& v : variantsFor(sphericalVariants(), own)) {
            Candidate c = makeCandidate(s, s.designation + v.std, brandText(s.designation, v),
                                        v.subtype, v.price, s.series);
            if (!code.empty() && (s.series == "222" || s.series == "223")) {
                const std::string old = (s.series == "222" ? "35" : "36") + code;
                if (v.std[0] == '\0')
                    c.oldno = old;
                if (v.std == std::string("/W33"))
                    c.oldno = "5" + old;
            }
            c.weight *= (s.series == "222" || s.series == "223") ? 2 : 1;
            out.push_back(std::move(c));
        }
    }
    return out;
}

std::vector<Candidate> taperedMetric(Dialect dialect, const SizeLibrary& sizes) {
    static const std::map<Dialect, Variants> table = {
        {Dialect::Generic, {{"", "", -1, 1.0}, {"/P5", "/P5", 3, 2.0}, {"/P6X", "/P6X", -1, 1.3}}},
        {Dialect::Skf,
         {{"", " J2/Q", -1, 1.0},
          {" J2", " J2", 4, 1.0},
          {"/P6X", " J2/QCL7C", -1, 1.4},
          {"/P5", " J2/P5", 3, 2.0}}},
        {Dialect::Nsk, {{"", "JR", -1, 1.0}, {"", "J", -1, 1.0}, {"/P5", "JP5", 3, 2.0}}},
        {Dialect::Fag,
         {{"", "-A", -1, 1.0},
          {"", "-XL", -1, 1.1},
          {"/P5", "-A-P5", 3, 2.0},
          {"/P6X", "-A-N11CA", -1, 1.4}}},
        {Dialect::Ntn, {{"", "U", -1, 1.0}, {"", "JR", -1, 1.0}, {"/P5", "UP5", 3, 2.0}}},
        {Dialect::Koyo,
         {{"", "JR", -1, 1.0},
          {"", "JRR", -1, 1.05},
          {"/P5", "JRP5", 3, 2.0},
          {"/P6X", "JR/P6X", -1, 1.3}}},
        {Dialect::Nachi, {{"", "", -1, 1.0}, {"", "J", -1, 1.0}, {"/P5", "P5", 3, 2.0}}},
        {Dialect::Timken, {{"", "", -1, 1.0}, {"", "-92KA1", -1, 1.05}, {"/P5", "-90KA1", 3, 2.0}}},
    };
    const Dialect own = dialect == Dialect::Ina ? Dialect::Fag : dialect;
    std::vector<Candidate> out;
    for (const Size& s : sizes["tapered_roller_metric"]) {
        const std::string code = boreCode(s.designation, 3);
        const int family =
            s.series == "313" ? 1
            : (s.series == "322" || s.series == "323" || s.series == "331" || s.series == "332")
                ? 2
                : 0;
        std::string old;
        if (!code.empty()) {
            const std::string& x = s.series;
            if (x == "302")
                old = "72" + code + "E";
            if (x == "303")
                old = "73" + code + "E";
            if (x == "322")
                old = "75" + code + "E";
            if (x == "323")
                old = "76" + code + "E";
            if (x == "313")
                old = "273" + code + "E";
            if (x == "320")
                old = "20071" + code + "E";
        }
        for (const Variant& v : variantsFor(table, own)) {
            Candidate c = makeCandidate(s, s.designation + v.std, brandText(s.designation, v),
                                        v.subtype < 0 ? family : v.subtype, v.price, s.series);
            if (v.std[0] == '\0') {
                c.oldno = old;
            }
            c.weight *= (s.series == "302" || s.series == "303" || s.series == "322") ? 2 : 1;
            out.push_back(std::move(c));
        }
    }
    return out;
}

// "L521945" -> "L 521945": the way inch parts were written in older Chinese lists.
std::string spacedPart(const std::string& part) {
    std::size_t letters = 0;
    while (letters < part.size() && part[letters] >= 'A' && part[letters] <= 'Z') {
        ++letters;
    }
    return letters == 0 || letters == part.size()
               ? part
               : part.substr(0, letters) + " " + part.substr(letters);
}

// Inch cone and cup sets. TIMKEN lists the cone number, other makers the whole set.
std::vector<Candidate> taperedInch(Kind kind, Dialect dialect, const SizeLibrary& sizes) {
    std::vector<Candidate> out;
    for (const Size& s : sizes["tapered_roller_inch"]) {
        const bool timken = dialect == Dialect::Timken || dialect == Dialect::Generic;
        Candidate c = makeCandidate(s, s.cone, timken ? s.cone : s.designation,
                                    kind == Kind::Tapered ? (timken ? 5 : 6) : 0, 1.2, "inch");
        c.oldno = spacedPart(s.cone) + " / " + spacedPart(s.cup);
        c.component = kind == Kind::Other;
        out.push_back(std::move(c));
    }
    return out;
}

std::vector<Candidate> thrustCylindrical(Dialect dialect, const SizeLibrary& sizes) {
    static const std::map<Dialect, Variants> table = {
        {Dialect::Generic, {{"", "", 0, 1.6}, {" TN", "TN", 1, 1.6}, {" M", "M", 2, 1.9}}},
        {Dialect::Skf, {{"", " TN", 1, 1.6}, {" M", " M", 2, 1.9}}},
        {Dialect::Ina, {{"", "-TV", 1, 1.6}, {" M", "-M", 2, 1.9}}},
        {Dialect::Fag, {{"", "-TV", 1, 1.6}, {" M", "-M", 2, 1.9}}},
    };
    std::vector<Candidate> out;
    for (const Size& s : sizes["thrust_roller_cylindrical"]) {
        for (const Variant& v : variantsFor(table, dialect)) {
            out.push_back(makeCandidate(s, s.designation + v.std, brandText(s.designation, v),
                                        v.subtype, v.price, s.series));
        }
    }
    return out;
}

std::vector<Candidate> thrustSpherical(Dialect dialect, const SizeLibrary& sizes) {
    static const std::map<Dialect, Variants> table = {
        {Dialect::Generic,
         {{"", "", 0, 1.0}, {" E", "E", 1, 1.1}, {" EM", "EM", 2, 1.3}, {"", "M", 0, 1.25}}},
        {Dialect::Skf, {{" E", " E", 1, 1.1}, {" EM", " EM", 2, 1.3}, {"", " EJ", 0, 1.15}}},
        {Dialect::Nsk, {{" E", "E", 1, 1.1}, {" EM", "EM", 2, 1.3}, {"", "M", 0, 1.25}}},
        {Dialect::Fag, {{" E", "-E1", 1, 1.1}, {" EM", "-E1-MB", 2, 1.3}, {"", "-MB", 0, 1.25}}},
        {Dialect::Ntn, {{"", "", 0, 1.0}, {" E", "E", 1, 1.1}, {" EM", "EM", 2, 1.3}}},
        {Dialect::Koyo, {{"", "R", 0, 1.0}, {" E", "RHR", 1, 1.1}, {" EM", "RHRM", 2, 1.3}}},
    };
    const Dialect own = dialect == Dialect::Ina ? Dialect::Fag : dialect;
    std::vector<Candidate> out;
    for (const Size& s : sizes["thrust_roller_spherical"]) {
        for (const Variant& v : variantsFor(table, own)) {
            out.push_back(makeCandidate(s, s.designation + v.std, brandText(s.designation, v),
                                        v.subtype, v.price * 1.3, s.series));
        }
    }
    return out;
}

}  // namespace

std::vector<Candidate> rollerCandidates(Kind kind, Dialect dialect, const SizeLibrary& sizes) {
    switch (kind) {
        case Kind::Cylindrical:
            return cylindrical(dialect, sizes);
        case Kind::SphericalRoller:
            return spherical(dialect, sizes);
        case Kind::Tapered: {
            auto out = taperedMetric(dialect, sizes);
            if (dialect == Dialect::Timken || dialect == Dialect::Koyo || dialect == Dialect::Ntn ||
                dialect == Dialect::Skf || dialect == Dialect::Generic) {
                auto inch = taperedInch(kind, dialect, sizes);
                for (auto& c : inch) {
                    c.weight = dialect == Dialect::Timken ? c.weight * 2 : c.weight * 0.3;
                }
                out.insert(out.end(), inch.begin(), inch.end());
            }
            return out;
        }
        case Kind::Untyped:
        case Kind::Other:
            return taperedInch(kind, dialect, sizes);
        case Kind::ThrustCylindrical:
            return thrustCylindrical(dialect, sizes);
        default:
            return thrustSpherical(dialect, sizes);
    }
}

}  // namespace catgen
