#include "query/export/csv_text.h"

namespace lz::query::csv {
namespace {

bool needsQuotes(std::string_view text) {
    return text.find_first_of(",\"\r\n") != std::string_view::npos;
}

void appendField(std::string& out, std::string_view text) {
    if (!needsQuotes(text)) {
        out += text;
        return;
    }
    out += '"';
    for (const char c : text) {
        out += c;
        if (c == '"') {
            out += '"';
        }
    }
    out += '"';
}

template <typename Text>
void appendRecord(std::string& out, std::span<const Text> fields) {
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) {
            out += ',';
        }
        appendField(out, fields[i]);
    }
    out += "\r\n";
}

}  // namespace

std::string csvField(std::string_view text) {
    std::string out;
    appendField(out, text);
    return out;
}

void appendCsvRecord(std::string& out, std::span<const std::string_view> fields) {
    appendRecord(out, fields);
}

void appendCsvRecord(std::string& out, std::span<const std::string> fields) {
    appendRecord(out, fields);
}

std::string csvDocument(std::span<const std::string_view> headings,
                        std::span<const std::vector<std::string>> rows) {
    std::string out(kUtf8ByteOrderMark);
    appendCsvRecord(out, headings);
    for (const std::vector<std::string>& row : rows) {
        appendCsvRecord(out, row);
    }
    return out;
}

}  // namespace lz::query::csv
