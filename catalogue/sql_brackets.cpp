#include "catalogue/sql_brackets.h"

namespace lz::catalogue {

// Works byte by byte: the texts are UTF-8, where no byte of a multi-byte character can be
// mistaken for a bracket or a quote.
std::string replaceIdentifierBrackets(std::string_view sql, char quote) {
    std::string out;
    out.reserve(sql.size());
    bool inLiteral = false;
    for (std::size_t i = 0; i < sql.size(); ++i) {
        const char c = sql[i];
        const bool doubled = i + 1 < sql.size() && sql[i + 1] == c;
        if (c == '\'') {
            if (inLiteral && doubled) {
                out += "''";
                ++i;
            } else {
                out += c;
                inLiteral = !inLiteral;
            }
        } else if (!inLiteral && (c == '[' || c == ']')) {
            out += doubled ? c : quote;
            if (doubled) {
                ++i;
            }
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace lz::catalogue
