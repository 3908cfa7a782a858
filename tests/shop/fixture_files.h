#pragma once

#include <QString>
#include <QStringList>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <string>
#include <vector>

#include "shop/import/cleaning.h"

namespace lz::shop::test {

inline std::string fileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void writeBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// A committed fixture under tests/shop/fixtures.
inline QString fixture(const char* name) {
    return QString::fromUtf8(LZ_SOURCE_DIR "/tests/shop/fixtures/") + QString::fromUtf8(name);
}

// The brands the fixtures use, as the catalogue would give them.
inline QStringList fixtureBrands() {
    return {QStringLiteral("NSK"), QStringLiteral("SKF"), QStringLiteral("FAG"),
            QStringLiteral("NTN"), QStringLiteral("HRB")};
}

// A line in one string for comparing tables: "line|designation|brand|quantity|price fen|
// cost fen|location|note", empty fields for missing values.
inline std::string describe(const ImportedLine& line) {
    auto number = [](const std::optional<qint64>& value) {
        return value ? std::to_string(*value) : std::string();
    };
    return std::to_string(line.sourceLine) + "|" + line.designation.toStdString() + "|" +
           line.brand.toStdString() + "|" + number(line.quantity) + "|" + number(line.priceFen) +
           "|" + number(line.costFen) + "|" + line.location.toStdString() + "|" +
           line.note.toStdString();
}

inline std::vector<std::string> describe(const std::vector<ImportedLine>& lines) {
    std::vector<std::string> described;
    for (const ImportedLine& line : lines) {
        described.push_back(describe(line));
    }
    return described;
}

}  // namespace lz::shop::test

// Test messages show texts as text.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << text.toStdString();
}
