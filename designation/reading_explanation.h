#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "designation/catalogue_knowledge.h"
#include "designation/reading.h"

namespace lz::designation {

// One part of a written designation and what it means:
// "05" — "内径代号：05×5 = 25 mm".
struct ExplanationLine {
    std::string part;
    std::string meaning;
};

// A reading told in Chinese, for the decoding panel and the command line's decode: no Qt,
// plain texts.
struct ReadingExplanation {
    std::string canonical;  // "6205-2RS/C3"
    std::string kind;       // "深沟球轴承"
    std::string label;      // how it was read, when not simply as written ("按规则推算" ...)
    std::vector<ExplanationLine> parts;
    std::string oldCode;           // the old Chinese designation, "" when none is known
    std::string oldCodeSource;     // "目录" or "按规则推算"
    std::optional<double> boreMm;  // the bore the code implies
};

// Explains `reading`; `catalogue` (may be null) supplies the catalogue's own old code.
ReadingExplanation explainReading(const Reading& reading, const CatalogueKnowledge* catalogue);

// The bore the code implies beside the catalogue's `njin` (its bore column, as text):
// "内径代号推得 25 mm，与目录内径 25 mm 相符" or, flagged, "……不符".
struct BoreComparison {
    std::string text;
    bool mismatch = false;
};
BoreComparison compareBore(const Reading& reading, std::string_view njin);

// "25", "1.5": a size in mm as the explanations write it.
std::string formatMillimetres(double mm);

}  // namespace lz::designation
