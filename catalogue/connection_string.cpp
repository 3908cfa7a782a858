#include "catalogue/connection_string.h"

namespace lz::catalogue {

namespace {

constexpr std::string_view kDriverPiece = ";Driver={Microsoft Access Driver (*.mdb)};FIL=MS Access";

char asciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool sameKey(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (asciiLower(a[i]) != asciiLower(b[i])) {
            return false;
        }
    }
    return true;
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    return text;
}

// Reads one value starting at `pos` (just after '='), leaving `pos` on the ';' that ends
// it or at the end. A value in braces may hold ';', with "}}" standing for one '}'.
std::string readValue(std::string_view connection, std::size_t& pos) {
    std::string value;
    if (pos < connection.size() && connection[pos] == '{') {
        for (++pos; pos < connection.size(); ++pos) {
            if (connection[pos] == '}') {
                if (pos + 1 < connection.size() && connection[pos + 1] == '}') {
                    value += '}';
                    ++pos;
                    continue;
                }
                ++pos;
                break;
            }
            value += connection[pos];
        }
        // Anything between the closing brace and the next ';' is not part of the value.
        while (pos < connection.size() && connection[pos] != ';') {
            ++pos;
        }
        return value;
    }
    const std::size_t end = connection.find(';', pos);
    const std::size_t stop = end == std::string_view::npos ? connection.size() : end;
    value.assign(connection.substr(pos, stop - pos));
    pos = stop;
    return value;
}

}  // namespace

std::string composeConnectionString(std::string_view path, std::string_view user,
                                    std::string_view password) {
    std::string connection = "ODBC;DBQ=";
    connection += path;
    if (const std::size_t slash = path.find_last_of("\\/"); slash != std::string_view::npos) {
        connection += ";DefaultDir=";
        connection += path.substr(0, slash);
    }
    connection += kDriverPiece;
    if (!user.empty()) {
        connection += ";UID=";
        connection += user;
    }
    if (!password.empty()) {
        connection += ";PWD=";
        connection += password;
    }
    connection += ';';
    return connection;
}

std::optional<std::string> connectionStringValue(std::string_view connection,
                                                 std::string_view key) {
    // As drivers do, the first occurrence of a key counts.
    std::size_t pos = 0;
    while (pos < connection.size()) {
        const std::size_t end = connection.find_first_of("=;", pos);
        if (end == std::string_view::npos) {
            break;
        }
        if (connection[end] == ';') {  // a piece without '=', such as the leading "ODBC"
            pos = end + 1;
            continue;
        }
        const bool wanted = sameKey(trimmed(connection.substr(pos, end - pos)), key);
        pos = end + 1;
        std::string value = readValue(connection, pos);
        if (wanted) {
            return value;
        }
        ++pos;
    }
    return std::nullopt;
}

}  // namespace lz::catalogue
