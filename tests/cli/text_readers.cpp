#include "tests/cli/text_readers.h"

#include <cstdint>

namespace lz::query_cli::test {
namespace {

class JsonReader {
public:
    explicit JsonReader(std::string_view text) : text_(text) {}

    std::optional<std::vector<JsonObject>> arrayOfObjects() {
        auto nested = arrayOfNestedObjects(/*nesting=*/false);
        if (!nested) {
            return std::nullopt;
        }
        std::vector<JsonObject> objects;
        for (JsonNestedObject& object : *nested) {
            objects.push_back(std::move(object.strings));
        }
        return objects;
    }

    std::optional<std::vector<JsonNestedObject>> arrayOfNestedObjects(bool nesting) {
        auto objects = readArray(nesting);
        skipSpace();
        if (!objects || at_ != text_.size()) {
            return std::nullopt;
        }
        return objects;
    }

private:
    void skipSpace() {
        while (at_ < text_.size() && (text_[at_] == ' ' || text_[at_] == '\n' ||
                                      text_[at_] == '\r' || text_[at_] == '\t')) {
            ++at_;
        }
    }

    bool take(char c) {
        skipSpace();
        if (at_ < text_.size() && text_[at_] == c) {
            ++at_;
            return true;
        }
        return false;
    }

    std::optional<std::vector<JsonNestedObject>> readArray(bool nesting) {
        std::vector<JsonNestedObject> objects;
        if (!take('[')) {
            return std::nullopt;
        }
        if (!take(']')) {
            do {
                auto object = readObject(nesting);
                if (!object) {
                    return std::nullopt;
                }
                objects.push_back(std::move(*object));
            } while (take(','));
            if (!take(']')) {
                return std::nullopt;
            }
        }
        return objects;
    }

    std::optional<JsonNestedObject> readObject(bool nesting) {
        JsonNestedObject object;
        if (!take('{')) {
            return std::nullopt;
        }
        if (take('}')) {
            return object;
        }
        do {
            auto name = readString();
            if (!name || !take(':')) {
                return std::nullopt;
            }
            skipSpace();
            if (nesting && at_ < text_.size() && text_[at_] == '[') {
                auto inner = readArray(/*nesting=*/false);
                if (!inner) {
                    return std::nullopt;
                }
                std::vector<JsonObject> members;
                for (JsonNestedObject& each : *inner) {
                    members.push_back(std::move(each.strings));
                }
                object.arrays.emplace_back(std::move(*name), std::move(members));
                continue;
            }
            auto value = readString();
            if (!value) {
                return std::nullopt;
            }
            object.strings.emplace_back(std::move(*name), std::move(*value));
        } while (take(','));
        if (!take('}')) {
            return std::nullopt;
        }
        return object;
    }

    std::optional<unsigned> hex4() {
        if (at_ + 4 > text_.size()) {
            return std::nullopt;
        }
        unsigned value = 0;
        for (int i = 0; i < 4; ++i) {
            const char c = text_[at_++];
            value <<= 4;
            if (c >= '0' && c <= '9') {
                value |= static_cast<unsigned>(c - '0');
            } else if (c >= 'a' && c <= 'f') {
                value |= static_cast<unsigned>(c - 'a' + 10);
            } else if (c >= 'A' && c <= 'F') {
                value |= static_cast<unsigned>(c - 'A' + 10);
            } else {
                return std::nullopt;
            }
        }
        return value;
    }

    static void appendUtf8(std::string& out, std::uint32_t c) {
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }

    std::optional<std::string> readString() {
        if (!take('"')) {
            return std::nullopt;
        }
        std::string out;
        while (at_ < text_.size()) {
            const auto c = static_cast<unsigned char>(text_[at_++]);
            if (c == '"') {
                return out;
            }
            if (c < 0x20) {
                return std::nullopt;  // control characters must be escaped
            }
            if (c != '\\') {
                out += static_cast<char>(c);
                continue;
            }
            if (at_ >= text_.size()) {
                return std::nullopt;
            }
            switch (text_[at_++]) {
                case '"':
                    out += '"';
                    break;
                case '\\':
                    out += '\\';
                    break;
                case '/':
                    out += '/';
                    break;
                case 'b':
                    out += '\b';
                    break;
                case 'f':
                    out += '\f';
                    break;
                case 'n':
                    out += '\n';
                    break;
                case 'r':
                    out += '\r';
                    break;
                case 't':
                    out += '\t';
                    break;
                case 'u': {
                    auto unit = hex4();
                    if (!unit) {
                        return std::nullopt;
                    }
                    std::uint32_t point = *unit;
                    if (point >= 0xD800 && point <= 0xDBFF) {
                        if (!take('\\') || !take('u')) {
                            return std::nullopt;
                        }
                        auto low = hex4();
                        if (!low || *low < 0xDC00 || *low > 0xDFFF) {
                            return std::nullopt;
                        }
                        point = 0x10000 + ((point - 0xD800) << 10) + (*low - 0xDC00);
                    } else if (point >= 0xDC00 && point <= 0xDFFF) {
                        return std::nullopt;
                    }
                    appendUtf8(out, point);
                    break;
                }
                default:
                    return std::nullopt;
            }
        }
        return std::nullopt;
    }

    std::string_view text_;
    std::size_t at_ = 0;
};

}  // namespace

std::optional<std::vector<std::vector<std::string>>> readCsv(std::string_view text) {
    std::vector<std::vector<std::string>> records;
    std::vector<std::string> record;
    std::string field;
    std::size_t i = 0;
    while (i < text.size()) {
        if (text[i] == '"') {
            ++i;
            while (true) {
                if (i >= text.size()) {
                    return std::nullopt;  // unclosed quote
                }
                if (text[i] == '"') {
                    if (i + 1 < text.size() && text[i + 1] == '"') {
                        field += '"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                field += text[i++];
            }
        } else {
            while (i < text.size() && text[i] != ',' && text[i] != '\r' && text[i] != '\n') {
                if (text[i] == '"') {
                    return std::nullopt;  // a quote inside an unquoted field
                }
                field += text[i++];
            }
        }
        if (i < text.size() && text[i] == ',') {
            record.push_back(std::move(field));
            field.clear();
            ++i;
        } else if (text.substr(i, 2) == "\r\n") {
            record.push_back(std::move(field));
            field.clear();
            records.push_back(std::move(record));
            record.clear();
            i += 2;
        } else {
            return std::nullopt;  // a bare CR or LF, or text after a closing quote
        }
    }
    if (!record.empty() || !field.empty()) {
        return std::nullopt;  // the last record lacks its CRLF
    }
    return records;
}

std::optional<std::vector<JsonObject>> readJsonArrayOfObjects(std::string_view text) {
    return JsonReader(text).arrayOfObjects();
}

std::optional<std::vector<JsonNestedObject>> readJsonArrayOfNestedObjects(std::string_view text) {
    return JsonReader(text).arrayOfNestedObjects(/*nesting=*/true);
}

}  // namespace lz::query_cli::test
