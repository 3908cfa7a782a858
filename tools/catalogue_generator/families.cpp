#include "family_helpers.h"

namespace catgen {

const Variants& variantsFor(const std::map<Dialect, Variants>& table, Dialect dialect) {
    const auto found = table.find(dialect);
    return found != table.end() ? found->second : table.at(Dialect::Generic);
}

std::string brandText(const std::string& base, const Variant& variant,
                      const std::map<std::string, std::string>& tokens) {
    std::string text = variant.brand;
    if (text.find('{') == std::string::npos) {
        return base + text;
    }
    std::map<std::string, std::string> all = tokens;
    all["{b}"] = base;
    for (const auto& [token, value] : all) {
        for (auto at = text.find(token); at != std::string::npos; at = text.find(token)) {
            text.replace(at, token.size(), value);
        }
    }
    return text;
}

std::string boreCode(const std::string& designation, std::size_t prefixLength) {
    if (designation.size() != prefixLength + 2) {
        return {};
    }
    for (std::size_t i = 0; i < designation.size(); ++i) {
        if (designation[i] < '0' || designation[i] > '9') {
            return {};
        }
    }
    return designation.substr(prefixLength);
}

std::string padded(const std::string& text, std::size_t width) {
    return text.size() >= width ? text : std::string(width - text.size(), '0') + text;
}

Candidate makeCandidate(const Size& size, std::string newno, std::string ckxh, int subtype,
                        double price, const std::string& series) {
    Candidate c;
    c.size = &size;
    c.newno = std::move(newno);
    c.ckxh = std::move(ckxh);
    c.subtype = subtype;
    c.priceFactor = price;
    c.series = series;
    c.weight = size.votes;
    return c;
}

bool spacedDialect(Dialect dialect) {
    return dialect == Dialect::Skf || dialect == Dialect::Fag || dialect == Dialect::Ina;
}

std::vector<Candidate> candidatesFor(Kind kind, Dialect dialect, const SizeLibrary& sizes) {
    switch (kind) {
        case Kind::DeepGroove:
        case Kind::Miniature:
        case Kind::ThinSection:
        case Kind::AngularContact:
        case Kind::SelfAligning:
        case Kind::ThrustBall:
        case Kind::ThrustAngular:
            return ballCandidates(kind, dialect, sizes);
        case Kind::Cylindrical:
        case Kind::SphericalRoller:
        case Kind::Tapered:
        case Kind::Untyped:
        case Kind::Other:
        case Kind::ThrustCylindrical:
        case Kind::ThrustRoller:
            return rollerCandidates(kind, dialect, sizes);
        case Kind::Needle:
        case Kind::NeedleCage:
        case Kind::NeedleCombined:
        case Kind::TrackRoller:
            return needleCandidates(kind, dialect, sizes);
        default:
            return unitCandidates(kind, dialect, sizes);
    }
}

}  // namespace catgen
