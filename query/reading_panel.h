#pragma once

#include <optional>
#include <span>
#include <string>

#include "designation/catalogue_knowledge.h"
#include "designation/reading.h"

namespace lz::query {

// What the 型号助手's decoding panel (型号解读) says of a typed designation, as lines:
// the first reading's designation and kind, its parts each with its meaning
// ("05 — 内径代号：05×5 = 25 mm"), the old Chinese designation and where it comes from,
// the bore the code implies beside the catalogue's bore of the bearing found (a mismatch
// flagged), then the other readings, if any, one line each. "无法识别的型号" when the text
// reads as no designation. `catalogueBore` holds, per reading, the catalogue's bore (njin)
// of the first bearing listed for it; none where no bearing was found.
std::string readingPanelText(const designation::DesignationReadings& readings,
                             const designation::CatalogueKnowledge* knowledge,
                             std::span<const std::optional<std::string>> catalogueBore);

// Shown in the panel before anything is typed.
inline constexpr std::string_view kReadingPanelHint =
    "输入轴承上印的型号，任何品牌的写法均可，例如 6205-2RS1/C3、6205LLU、NU 205 ECP、"
    "180205。下面列出同一轴承的各厂型号，以及仅游隙、保持架等代号不同和同尺寸不同密封的"
    "型号。";

}  // namespace lz::query
