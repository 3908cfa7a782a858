#include "type_pictures.h"

#include "type_models.h"

namespace picture_generator {

const std::vector<TypePicture>& typePictures() {
    // Numbered in the order the program looks the type names up.
    static const std::vector<TypePicture> pictures = {
        {"01_deep_groove_ball.jpg", deepGrooveBallBearing},
        {"02_thrust_ball.jpg", thrustBallBearing},
        {"03_angular_contact_ball.jpg", angularContactBallBearing},
        {"04_tapered_roller.jpg", taperedRollerBearing},
        {"05_cylindrical_roller.jpg", cylindricalRollerBearing},
        {"06_self_aligning_ball.jpg", selfAligningBallBearing},
        {"07_spherical_roller.jpg", sphericalRollerBearing},
        {"08_thrust_roller.jpg", thrustSphericalRollerBearing},
        {"09_needle_roller.jpg", needleRollerBearing},
        {"10_spherical_plain.jpg", sphericalPlainBearing},
        {"11_housed_insert_unit.jpg", housedInsertUnit},
        {"12_insert_ball.jpg", insertBallBearing},
        {"13_linear_ball.jpg", linearBallBushing},
        {"14_non_standard.jpg", compressorClutchBearing},
        {"15_miniature.jpg", miniatureBallBearing},
        {"16_thrust_angular_contact.jpg", thrustAngularContactBearing},
        {"17_thrust_cylindrical_roller.jpg", thrustCylindricalRollerBearing},
        {"18_needle_cage.jpg", needleRollerAndCageAssembly},
        {"19_housing.jpg", pillowBlockHousing},
        {"20_track_roller.jpg", trackRoller},
        {"21_combined_needle.jpg", combinedNeedleBearing},
    };
    return pictures;
}

}  // namespace picture_generator
