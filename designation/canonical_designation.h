#pragma once

#include <string>
#include <string_view>

#include "designation/reading.h"

namespace lz::designation {

// The one writing of a reading, as the catalogue writes its common designations: the
// basic designation, then internal design, brass cage and bore letters ("NU205EM",
// "7205 C", "22215 CAK", "1205 K+H"), seals and shields after a dash or a snap ring after
// a space ("6205-2RS", "6205 NR", "6205-2ZNR"), then after one slash material, tolerance
// class, clearance, lubrication groove and pair arrangement ("6205-2RS/C3",
// "71940 C/HQ1P4", "22228/W33"), then other codes as written after a space. Two texts
// name the same bearing when their canonical designations are equal.
//
// Left out, as the catalogue leaves them out: prefixes (stainless "S"), cages other than
// brass (and brass too on ball bearings), CM clearance, makers' codes of no common
// meaning, and the tolerance of a paired set.
std::string canonicalDesignation(const Reading& reading);

// The seals and snap ring in the common writing: "2RS", "RS", "2Z", "ZNR", "NR", "" when
// open.
std::string sealingCode(const Reading& reading);

// Keys for grouping: the same basic designation (same type and size; a prefix such as
// stainless "S" is no part of it), and the same basic designation with the same seals and
// snap ring.
std::string basicKey(const Reading& reading);
std::string basicAndSealingKey(const Reading& reading);

// Whether the common writing of `kind` names a brass cage, and with which letters ("M",
// "MB"); empty when it names none.
std::string_view writtenBrassCage(BearingKind kind);
// Whether the common writing of `kind` names the internal design or contact angle.
bool writesDesign(BearingKind kind);

}  // namespace lz::designation
