#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace lz::query_cli::test {

// Readers written for the tests from the formats' rules, to take the program's output
// apart again.

// RFC 4180: records of fields separated by commas, ended by CRLF; a quoted field may hold
// commas, CR, LF and doubled quotes. None when the text breaks the rules.
std::optional<std::vector<std::vector<std::string>>> readCsv(std::string_view text);

// A JSON array of objects whose members are all strings, the members in order. None when
// the text is not such an array or not valid JSON.
using JsonObject = std::vector<std::pair<std::string, std::string>>;
std::optional<std::vector<JsonObject>> readJsonArrayOfObjects(std::string_view text);

// The same, where a member may also be an array of such objects (one level deep): those
// members apart, by name, in order.
struct JsonNestedObject {
    JsonObject strings;
    std::vector<std::pair<std::string, std::vector<JsonObject>>> arrays;
};
std::optional<std::vector<JsonNestedObject>> readJsonArrayOfNestedObjects(std::string_view text);

}  // namespace lz::query_cli::test
