#include "cli/decode_output.h"

#include <string_view>
#include <vector>

#include "cli/output_formats.h"
#include "query/table_text/delimited_text.h"

namespace lz::query_cli {
namespace {

constexpr std::string_view kPartHeadings[] = {"部分", "含义"};

std::string boreText(const designation::ReadingExplanation& reading) {
    return reading.boreMm ? designation::formatMillimetres(*reading.boreMm) : std::string();
}

std::string headline(std::size_t number, const designation::ReadingExplanation& reading) {
    std::string line = "读法 " + std::to_string(number) + "：" + reading.canonical;
    if (!reading.kind.empty()) {
        line += "　" + reading.kind;
    }
    if (!reading.label.empty()) {
        line += "（" + reading.label + "）";
    }
    return line + "\n";
}

std::string table(std::span<const designation::ReadingExplanation> readings) {
    std::string out;
    for (std::size_t i = 0; i < readings.size(); ++i) {
        const designation::ReadingExplanation& reading = readings[i];
        if (i > 0) {
            out += '\n';
        }
        out += headline(i + 1, reading);
        Rows parts;
        for (const designation::ExplanationLine& part : reading.parts) {
            parts.push_back({part.part, part.meaning});
        }
        out += tableText(kPartHeadings, parts);
        if (!reading.oldCode.empty()) {
            out += "旧型号：" + reading.oldCode;
            out += reading.oldCodeSource.empty() ? "" : "（" + reading.oldCodeSource + "）";
            out += '\n';
        }
        if (reading.boreMm) {
            out += "内径代号推得内径：" + boreText(reading) + " mm\n";
        }
    }
    return out;
}

std::string csv(std::span<const designation::ReadingExplanation> readings) {
    Rows rows;
    for (std::size_t i = 0; i < readings.size(); ++i) {
        const designation::ReadingExplanation& reading = readings[i];
        const auto row = [&](const std::string& part, const std::string& meaning) {
            rows.push_back({std::to_string(i + 1), reading.canonical, reading.kind, reading.label,
                            part, meaning, reading.oldCode, reading.oldCodeSource,
                            boreText(reading)});
        };
        for (const designation::ExplanationLine& part : reading.parts) {
            row(part.part, part.meaning);
        }
        if (reading.parts.empty()) {
            row({}, {});
        }
    }
    return query::text::csvDocument(kDecodeHeadings, rows);
}

std::string member(std::string_view name, std::string_view value) {
    return jsonString(name) + ": " + jsonString(value);
}

std::string json(std::span<const designation::ReadingExplanation> readings) {
    std::string out = "[";
    for (std::size_t i = 0; i < readings.size(); ++i) {
        const designation::ReadingExplanation& reading = readings[i];
        out += i == 0 ? "\n  {" : ",\n  {";
        out += member("读法", std::to_string(i + 1)) + ", " +
               member("通用写法", reading.canonical) + ", " + member("轴承类型", reading.kind) +
               ", " + member("读法说明", reading.label) + ", " + member("旧型号", reading.oldCode) +
               ", " + member("旧型号来源", reading.oldCodeSource) + ", " +
               member("内径（mm）", boreText(reading)) + ", " + jsonString("部分") + ": [";
        for (std::size_t p = 0; p < reading.parts.size(); ++p) {
            out += p == 0 ? "" : ", ";
            out += "{" + member("部分", reading.parts[p].part) + ", " +
                   member("含义", reading.parts[p].meaning) + "}";
        }
        out += "]}";
    }
    out += readings.empty() ? "]\n" : "\n]\n";
    return out;
}

}  // namespace

std::string decodingText(OutputFormat format,
                         std::span<const designation::ReadingExplanation> readings) {
    switch (format) {
        case OutputFormat::Csv:
            return csv(readings);
        case OutputFormat::Json:
            return json(readings);
        case OutputFormat::Table:
            break;
    }
    return table(readings);
}

}  // namespace lz::query_cli
