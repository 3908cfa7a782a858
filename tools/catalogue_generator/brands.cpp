#include "brands.h"

namespace catgen {

KindWeights only(std::initializer_list<std::pair<Kind, double>> parts) {
    KindWeights w{};
    for (const auto& [kind, weight] : parts) {
        w[static_cast<int>(kind)] = weight;
    }
    return w;
}

KindWeights plus(KindWeights base, std::initializer_list<std::pair<Kind, double>> parts) {
    for (const auto& [kind, weight] : parts) {
        base[static_cast<int>(kind)] = weight;
    }
    return base;
}

KindWeights generalRange() {
    return only(
        {{Kind::DeepGroove, 20},    {Kind::AngularContact, 22},   {Kind::SelfAligning, 4.5},
         {Kind::Cylindrical, 21},   {Kind::SphericalRoller, 7.5}, {Kind::Tapered, 5},
         {Kind::ThrustBall, 6},     {Kind::ThrustRoller, 1.8},    {Kind::ThrustCylindrical, 0.2},
         {Kind::Needle, 1.2},       {Kind::HousedUnit, 0.6},      {Kind::Untyped, 0.15},
         {Kind::Other, 0.2},        {Kind::PlainSpherical, 0.15}, {Kind::NeedleCage, 0.1},
         {Kind::TrackRoller, 0.05}, {Kind::NeedleCombined, 0.15}, {Kind::ThrustAngular, 0.05},
         {Kind::NonStandard, 0.03}, {Kind::Insert, 0.05}});
}

const std::vector<BearingBrand>& bearingBrands() {
    using K = Kind;
    using D = Dialect;
    static const std::vector<BearingBrand> brands = [] {
        const KindWeights general = generalRange();
        const KindWeights ballsAndRollers = only({{K::DeepGroove, 30},
                                                  {K::AngularContact, 18},
                                                  {K::SelfAligning, 6},
                                                  {K::Cylindrical, 20},
                                                  {K::SphericalRoller, 8},
                                                  {K::Tapered, 8},
                                                  {K::ThrustBall, 8},
                                                  {K::ThrustRoller, 1},
                                                  {K::Untyped, 0.2},
                                                  {K::Other, 0.1}});
        const KindWeights precision =
            only({{K::AngularContact, 75}, {K::DeepGroove, 20}, {K::ThrustAngular, 5}});
        const KindWeights housed =
            only({{K::HousedUnit, 85}, {K::Insert, 9}, {K::Housing, 0.8}, {K::DeepGroove, 5}});
        const KindWeights needles = only({{K::Needle, 45},
                                          {K::NeedleCage, 14},
                                          {K::NeedleCombined, 10},
                                          {K::TrackRoller, 14},
                                          {K::PlainSpherical, 10},
                                          {K::Linear, 7}});
        const KindWeights mixed =
            plus(general, {{K::Untyped, 12}, {K::NonStandard, 2}, {K::Other, 1}});
        std::vector<BearingBrand> b = {
            {"NSK", 8453, D::Nsk,
             plus(general, {{K::Needle, 4},
                            {K::Linear, 0.15},
                            {K::NonStandard, 0.4},
                            {K::ThrustAngular, 0.6}}),
             1, 0, 2, false, 0.45, 0.35},
            {"NMB", 141, D::Nmb, only({{K::Miniature, 1}}), 1, 2, 2, false, 0.3, 0.6},
            {"NTN", 6224, D::Ntn,
             plus(general, {{K::Needle, 3.5},
                            {K::HousedUnit, 2.5},
                            {K::Insert, 0.2},
                            {K::Untyped, 0.3},
                            {K::Other, 0.5}}),
             1, 2, 4, false, 0.5, 0.3},
            {"NACHI", 5025, D::Nachi, plus(general, {{K::Needle, 3}, {K::NonStandard, 0.3}}), 1, 1,
             2, true, 0.4, 0.4},
            {"Nachi", 47, D::Nachi, ballsAndRollers, 1, 2, 2, false, 0.5, 0.5},
            {"MRC", 1786, D::Generic, ballsAndRollers, 1, 1, 1, false, 0.6, 0.2},
            {"SNFA", 102, D::Snfa, only({{K::AngularContact, 80}, {K::ThrustAngular, 20}}), 1, 5, 5,
             false, 0.7, 0.1},
            {"ASK", 212, D::Generic,
             only({{K::DeepGroove, 50},
                   {K::Tapered, 30},
                   {K::SphericalRoller, 10},
                   {K::PlainSpherical, 1}}),
             1, 2, 2, false, 0.3, 0.6},
            {"EZO", 7, D::Ezo, only({{K::ThinSection, 1}}), 1, 2, 2, false, 0.2, 0.7},
            {"EZO ", 18, D::Ezo, only({{K::ThinSection, 1}}), 1, 2, 2, false, 0.2, 0.7},
            {"SKF", 8460, D::Skf,
             plus(general, {{K::HousedUnit, 1.5}, {K::PlainSpherical, 0.6}, {K::Other, 0.4}}), 2, 1,
             0, false, 0.5, 0.3},
            {"KOYO", 4605, D::Koyo,
             plus(general, {{K::Needle, 6},
                            {K::HousedUnit, 3},
                            {K::Insert, 0.3},
                            {K::Untyped, 0.5},
                            {K::Other, 0.8},
                            {K::NonStandard, 0.4}}),
             1, 1, 3, false, 0.45, 0.35},
            {"FAG", 7273, D::Fag, plus(general, {{K::Needle, 0.5}}), 1, 3, 4, true, 0.5, 0.2},
            {"INA", 2765, D::Ina,
             only({{K::Needle, 20},
                   {K::NeedleCage, 6},
                   {K::NeedleCombined, 3},
                   {K::TrackRoller, 3},
                   {K::PlainSpherical, 3},
                   {K::ThrustCylindrical, 3},
                   {K::Linear, 1},
                   {K::DeepGroove, 14},
                   {K::AngularContact, 8},
                   {K::Cylindrical, 16},
                   {K::Other, 1},
                   {K::ThrustBall, 3}}),
             1, 3, 3, false, 0.5, 0.3},
            {"ZKL", 712, D::Generic, ballsAndRollers, 1, 1, 1, false, 0.4, 0.4},
            {"SAMICK", 110, D::Linear, only({{K::Linear, 1}}), 1, 2, 2, false, 0.9, 0.1},
            {"TIMKEN", 681, D::Timken,
             only({{K::Tapered, 42},
                   {K::Untyped, 42},
                   {K::Other, 6},
                   {K::SphericalRoller, 6},
                   {K::Cylindrical, 2},
                   {K::ThrustRoller, 1}}),
             2, 1, 1, false, 0.7, 0.1},
            {"Kingon", 278, D::Generic,
             only({{K::DeepGroove, 50},
                   {K::Tapered, 30},
                   {K::Cylindrical, 10},
                   {K::ThrustBall, 10}}),
             1, 2, 2, false, 0.3, 0.6},
            {"STEYR", 2513, D::Fag, ballsAndRollers, 1, 0, 1, false, 0.5, 0.3},
            {"SYEYR", 46, D::Fag, ballsAndRollers, 1, 0, 0, false, 0.5, 0.3},
            {"SNR", 1978, D::Generic, plus(ballsAndRollers, {{K::HousedUnit, 6}, {K::Insert, 0.3}}),
             1, 4, 4, false, 0.5, 0.3},
            {"RHP", 1487, D::Generic,
             plus(ballsAndRollers, {{K::HousedUnit, 5}, {K::AngularContact, 22}}), 1, 2, 1, false,
             0.55, 0.25},
            {"BARDEN", 667, D::Barden, precision, 1, 5, 2, false, 0.8, 0.1},
            {"GMN", 657, D::Gmn, precision, 1, 5, 3, false, 0.8, 0.1},
            {"DKF", 652, D::Generic, ballsAndRollers, 1, 2, 2, false, 0.4, 0.4},
            {"TORRINGTON", 632, D::Timken,
             only({{K::Needle, 35},
                   {K::NeedleCage, 6},
                   {K::Tapered, 18},
                   {K::Untyped, 10},
                   {K::Other, 9},
                   {K::SphericalRoller, 10},
                   {K::ThrustBall, 4},
                   {K::ThrustRoller, 3},
                   {K::Cylindrical, 5}}),
             1, 1, 1, false, 0.7, 0.1},
            {"TORRINGTON FAFNIR", 617, D::Generic,
             only({{K::DeepGroove, 40},
                   {K::AngularContact, 25},
                   {K::HousedUnit, 15},
                   {K::Insert, 4},
                   {K::ThrustBall, 5},
                   {K::SelfAligning, 8}}),
             1, 1, 1, false, 0.6, 0.2},
            {"FLT", 529, D::Generic, ballsAndRollers, 1, 4, 1, false, 0.3, 0.5},
            {"RIV", 486, D::Generic, ballsAndRollers, 1, 4, 2, false, 0.4, 0.4},
            {"IKO", 458, D::Iko, needles, 1, 2, 2, false, 0.6, 0.3},
            {"MAC", 458, D::Generic, ballsAndRollers, 1, 1, 1, false, 0.4, 0.4},
            {"FYH", 387, D::Housed, housed, 1, 1, 1, false, 0.5, 0.5},
            {"ASAHI", 301, D::Housed, housed, 1, 2, 2, false, 0.5, 0.5},
            {"", 177, D::Generic, mixed, 1, 1, 1, false, 0.4, 0.4},
            {"-", 65, D::Generic, mixed, 1, 1, 1, false, 0.4, 0.4},
            {"AET", 61, D::Generic, only({{K::Tapered, 60}, {K::DeepGroove, 40}}), 1, 2, 2, false,
             0.3, 0.6},
            {"THK", 33, D::Linear, only({{K::Linear, 70}, {K::TrackRoller, 30}}), 1, 2, 2, false,
             0.9, 0.1},
            {"EASE", 31, D::Generic, only({{K::DeepGroove, 60}, {K::HousedUnit, 40}}), 1, 2, 2,
             false, 0.3, 0.6},
            {"SNF", 26, D::Generic, only({{K::DeepGroove, 70}, {K::Cylindrical, 30}}), 1, 1, 1,
             false, 0.3, 0.6},
            {"FAFNIR", 26, D::Generic, only({{K::DeepGroove, 50}, {K::HousedUnit, 50}}), 1, 1, 1,
             false, 0.5, 0.3},
            {std::nullopt, 2, D::Generic, only({{K::Untyped, 1}, {K::DeepGroove, 1}}), 1, 1, 1,
             false, 0.5, 0.5},
        };
        return b;
    }();
    return brands;
}

}  // namespace catgen
