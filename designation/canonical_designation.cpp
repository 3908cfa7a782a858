#include "designation/canonical_designation.h"

namespace lz::designation {
namespace {

using K = BearingKind;

// Kinds whose letters after the basic designation follow without a space: "NU205EM",
// "NA4905-2RS", "GE20ES".
bool lettersAttach(K kind) {
    switch (kind) {
        case K::CylindricalRoller:
        case K::NeedleRoller:
        case K::InsertBall:
        case K::SphericalPlain:
        case K::LinearBushing:
        case K::TrackRoller:
            return true;
        default:
            return false;
    }
}

std::string_view sideCode(SideSealing side) {
    switch (side) {
        case SideSealing::Shield:
            return "Z";
        case SideSealing::NonContactSeal:
            return "RZ";
        case SideSealing::ContactSeal:
            return "RS";
        case SideSealing::Open:
            break;
    }
    return {};
}

std::string_view clearanceCode(Clearance clearance) {
    switch (clearance) {
        case Clearance::C1:
            return "C1";
        case Clearance::C2:
            return "C2";
        case Clearance::C3:
            return "C3";
        case Clearance::C4:
            return "C4";
        case Clearance::C5:
            return "C5";
        case Clearance::CM:  // the catalogue's common writing leaves it out
        case Clearance::Normal:
            break;
    }
    return {};
}

std::string_view toleranceCode(Tolerance tolerance) {
    switch (tolerance) {
        case Tolerance::P6:
            return "P6";
        case Tolerance::P6X:
            return "P6X";
        case Tolerance::P5:
            return "P5";
        case Tolerance::P4:
            return "P4";
        case Tolerance::P2:
            return "P2";
        case Tolerance::Normal:
            break;
    }
    return {};
}

}  // namespace

std::string_view writtenBrassCage(BearingKind kind) {
    switch (kind) {
        case K::CylindricalRoller:
        case K::ThrustBall:
        case K::ThrustCylindricalRoller:
        case K::ThrustSphericalRoller:
            return "M";
        case K::SphericalRoller:
            return "MB";
        default:
            return {};
    }
}

bool writesDesign(BearingKind kind) {
    switch (kind) {
        case K::TaperedRoller:
        case K::ThrustBall:
        case K::ThrustCylindricalRoller:
        case K::ThrustAngularContactBall:
        case K::NeedleRoller:
        case K::InsertBall:
        case K::LinearBushing:
        case K::TrackRoller:
            return false;
        default:
            return true;
    }
}

std::string sealingCode(const Reading& reading) {
    std::string code;
    const auto [first, second] = reading.sealing;
    if (first != SideSealing::Open) {
        if (first == second) {
            code = "2";
            code += sideCode(first);
        } else {
            code = sideCode(first);
            code += sideCode(second);
        }
    }
    if (reading.snapRing == SnapRing::Groove) {
        code += "N";
    } else if (reading.snapRing == SnapRing::GrooveAndRing) {
        code += "NR";
    }
    return code;
}

std::string canonicalDesignation(const Reading& reading) {
    const K kind = reading.basic.kind;
    // The catalogue files stainless bearings under the plain ones ("SUCP205" under
    // "UCP205"): the prefix is no part of the common writing.
    std::string text = reading.basic.text;

    std::string letters;
    if (writesDesign(kind)) {
        letters += reading.design;
    }
    const std::string_view brass = writtenBrassCage(kind);
    if (!brass.empty() && reading.cage == CageKind::MachinedBrass) {
        letters += brass;
    }
    std::string boreLetters = reading.taperedBore;
    if (reading.adapterSleeve) {
        boreLetters += "+H";
    }
    if (lettersAttach(kind)) {
        text += letters;
        if (!boreLetters.empty()) {
            text += ' ';
            text += boreLetters;
        }
    } else if (!letters.empty() || !boreLetters.empty()) {
        text += ' ';
        text += letters;
        text += boreLetters;
    }

    const std::string sealing = sealingCode(reading);
    if (kind == K::LinearBushing && sealing == "2RS") {
        text += "UU";
    } else if (reading.sealing[0] != SideSealing::Open) {
        text += '-';
        text += sealing;
    } else if (!sealing.empty()) {
        text += ' ';
        text += sealing;
    }

    // NSK's ball screw support bearings name their pair after a space: "45TAC75B DF".
    if (kind == K::ThrustAngularContactBall && !reading.arrangement.empty()) {
        text += ' ';
        text += reading.arrangement;
    }
    std::string afterSlash = reading.material;
    if (reading.arrangement.empty()) {
        afterSlash += toleranceCode(reading.tolerance);
    }
    afterSlash += clearanceCode(reading.clearance);
    if (reading.lubricationGroove) {
        afterSlash += "W33";
    }
    if (kind != K::ThrustAngularContactBall) {
        afterSlash += reading.arrangement;
    }
    if (!afterSlash.empty()) {
        text += '/';
        text += afterSlash;
    }
    for (const std::string& code : reading.otherCodes) {
        text += ' ';
        text += code;
    }
    return text;
}

std::string basicKey(const Reading& reading) {
    std::string key;
    key += static_cast<char>('a' + static_cast<int>(reading.basic.kind));
    key += reading.basic.text;
    return key;
}

std::string basicAndSealingKey(const Reading& reading) {
    std::string key = basicKey(reading);
    key += '|';
    key += sealingCode(reading);
    return key;
}

}  // namespace lz::designation
