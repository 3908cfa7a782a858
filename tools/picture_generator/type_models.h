// The bearing of each type picture, drawn to one real size of its type from the dimension
// tables of tools/catalogue_generator/data. Grouped by family, one file per family.
#pragma once

#include "bearing_model.h"

namespace picture_generator {

// Ball bearings (ball_bearing_types.cpp).
BearingModel deepGrooveBallBearing();        // 6205
BearingModel angularContactBallBearing();    // 7205 B
BearingModel selfAligningBallBearing();      // 1205
BearingModel miniatureBallBearing();         // F625-2Z
BearingModel thrustAngularContactBearing();  // 25TAC62B
BearingModel compressorClutchBearing();      // 35BD5020, the non-standard example
BearingModel insertBallBearing();            // UC205

// Roller bearings (roller_bearing_types.cpp).
BearingModel taperedRollerBearing();      // 30205
BearingModel cylindricalRollerBearing();  // NU205
BearingModel sphericalRollerBearing();    // 22205

// Thrust bearings (thrust_bearing_types.cpp).
BearingModel thrustBallBearing();               // 51205
BearingModel thrustSphericalRollerBearing();    // 29412
BearingModel thrustCylindricalRollerBearing();  // 81105

// Needle bearings (needle_bearing_types.cpp).
BearingModel needleRollerBearing();          // NA4905
BearingModel needleRollerAndCageAssembly();  // K25x29x13
BearingModel combinedNeedleBearing();        // NKX25
BearingModel trackRoller();                  // KR22

// Housings, plain and linear bearings (unit_bearing_types.cpp).
BearingModel sphericalPlainBearing();  // GE25ES
BearingModel housedInsertUnit();       // UCP205
BearingModel pillowBlockHousing();     // P205
BearingModel linearBallBushing();      // LM25UU

}  // namespace picture_generator
