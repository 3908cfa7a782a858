#include "query/reading_panel.h"

#include "designation/reading_explanation.h"

namespace lz::query {
namespace {

std::string headline(const designation::ReadingExplanation& explained) {
    std::string line = explained.canonical;
    if (!explained.kind.empty()) {
        line += "　" + explained.kind;
    }
    if (!explained.label.empty()) {
        line += "（" + explained.label + "）";
    }
    return line;
}

std::string boreLine(const designation::Reading& reading,
                     const std::optional<std::string>& catalogueBore) {
    if (catalogueBore) {
        const designation::BoreComparison compared =
            designation::compareBore(reading, *catalogueBore);
        return (compared.mismatch ? "【注意】内径：" : "内径：") + compared.text;
    }
    // No bearing found to compare with: the code's own bore alone.
    if (reading.basic.boreMm) {
        return "内径：内径代号推得 " + designation::formatMillimetres(*reading.basic.boreMm) +
               " mm（目录中没有这个型号）";
    }
    return {};
}

}  // namespace

std::string readingPanelText(const designation::DesignationReadings& readings,
                             const designation::CatalogueKnowledge* knowledge,
                             std::span<const std::optional<std::string>> catalogueBore) {
    if (!readings.recognized()) {
        return readings.message.empty() ? std::string(designation::kUnrecognizedDesignation)
                                        : readings.message;
    }
    const auto boreOf = [&](std::size_t reading) -> std::optional<std::string> {
        return reading < catalogueBore.size() ? catalogueBore[reading] : std::nullopt;
    };
    const designation::Reading& first = readings.readings.front();
    const designation::ReadingExplanation explained = designation::explainReading(first, knowledge);
    std::string text = headline(explained);
    for (const designation::ExplanationLine& part : explained.parts) {
        text += "\n" + part.part + " — " + part.meaning;
    }
    if (!explained.oldCode.empty()) {
        text += "\n旧型号：" + explained.oldCode;
        if (!explained.oldCodeSource.empty()) {
            text += "（" + explained.oldCodeSource + "）";
        }
    }
    if (const std::string bore = boreLine(first, boreOf(0)); !bore.empty()) {
        text += "\n" + bore;
    }
    if (readings.readings.size() > 1) {
        text += "\n其他读法：";
        for (std::size_t i = 1; i < readings.readings.size(); ++i) {
            text += "\n" + headline(designation::explainReading(readings.readings[i], knowledge));
        }
    }
    return text;
}

}  // namespace lz::query
