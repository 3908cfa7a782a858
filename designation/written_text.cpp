#include "designation/written_text.h"

#include "designation/maker_spellings.h"

namespace lz::designation {
namespace {

// A line pasted from an order or a list; more is no designation, and is not looked at.
constexpr std::size_t kMaxInputBytes = 4096;

// The code point at `at` and its length in bytes; length 0 for invalid UTF-8.
struct CodePoint {
    char32_t point;
    std::size_t length;
};

CodePoint decodeAt(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    if (lead < 0x80) {
        return {lead, 1};
    }
    std::size_t length = 0;
    char32_t point = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        point = lead & 0x1Fu;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        point = lead & 0x0Fu;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        point = lead & 0x07u;
    } else {
        return {0, 0};
    }
    if (at + length > text.size()) {
        return {0, 0};
    }
    for (std::size_t i = 1; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(text[at + i]);
        if ((byte & 0xC0) != 0x80) {
            return {0, 0};
        }
        point = (point << 6) | (byte & 0x3Fu);
    }
    // Overlong forms and surrogates are not text either.
    static constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (point < kSmallest[length] || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF)) {
        return {0, 0};
    }
    return {point, length};
}

// What one character becomes: an ASCII character to keep, a separator, nothing, or a
// reason to give up.
enum class Class : std::uint8_t { Keep, Separator, Drop, Refuse };

struct Mapped {
    Class kind;
    char c;
};

Mapped mapCharacter(char32_t point) {
    if (point >= 0xFF01 && point <= 0xFF5E) {
        point -= 0xFEE0;  // full-width ASCII
    } else if (point == 0x3000 || point == U'·' || point == 0x30FB) {
        return {Class::Separator, ' '};
    }
    if (point >= 0x80) {
        return {Class::Refuse, 0};
    }
    const char c = static_cast<char>(point);
    if (c >= 'a' && c <= 'z') {
        return {Class::Keep, static_cast<char>(c - 'a' + 'A')};
    }
    if (isLetter(c) || isDigit(c) || c == '+' || c == '.') {
        return {Class::Keep, c};
    }
    if (c == '-' || c == '/') {
        return {Class::Separator, c};
    }
    if (c < 0x20 && c != '\t' && c != '\n' && c != '\r' && c != '\v' && c != '\f') {
        return {Class::Refuse, 0};
    }
    return {Class::Separator, ' '};
}

int strength(char separator) {
    return separator == '/' ? 3 : separator == '-' ? 2 : 1;
}

// Drops a maker's name that stands apart at the start or the end.
void dropMakerNames(WrittenText& text) {
    std::string_view view = text.view();
    const std::size_t firstBreak = view.find(' ');
    if (firstBreak != std::string_view::npos && isMakerName(view.substr(0, firstBreak))) {
        view.remove_prefix(firstBreak + 1);
    }
    const std::size_t lastBreak = view.rfind(' ');
    if (lastBreak != std::string_view::npos && isMakerName(view.substr(lastBreak + 1))) {
        view.remove_suffix(view.size() - lastBreak);
    }
    if (view.size() != text.size()) {
        WrittenText kept;
        kept.assign(view);
        text = kept;
    }
}

}  // namespace

bool WrittenText::push(char c) {
    if (size_ >= kCapacity) {
        return false;
    }
    chars_[size_++] = c;
    return true;
}

void WrittenText::assign(std::string_view text) {
    size_ = 0;
    for (const char c : text.substr(0, kCapacity)) {
        chars_[size_++] = c;
    }
}

WrittenTextOutcome reduceWrittenText(std::string_view input, WrittenText& out) {
    out = WrittenText();
    if (input.size() > kMaxInputBytes) {
        return WrittenTextOutcome::TooLong;
    }
    char pending = 0;  // the separator owed before the next character kept
    for (std::size_t at = 0; at < input.size();) {
        const CodePoint cp = decodeAt(input, at);
        if (cp.length == 0) {
            return WrittenTextOutcome::NotText;
        }
        at += cp.length;
        // "轴承" (bearing) is often copied along with the designation.
        if (cp.point == U'轴' && at < input.size()) {
            const CodePoint next = decodeAt(input, at);
            if (next.length != 0 && next.point == U'承') {
                at += next.length;
                pending = pending == 0 ? ' ' : pending;
                continue;
            }
        }
        Mapped mapped = mapCharacter(cp.point);
        if (mapped.kind == Class::Refuse) {
            return WrittenTextOutcome::NotText;
        }
        // A point counts only inside a number ("13.5"); elsewhere it separates.
        if (mapped.kind == Class::Keep && mapped.c == '.') {
            const bool digitBefore = out.size() > 0 && pending == 0 && isDigit(out[out.size() - 1]);
            const bool digitAfter = at < input.size() && isDigit(input[at]);
            if (!digitBefore || !digitAfter) {
                mapped = {Class::Separator, ' '};
            }
        }
        if (mapped.kind == Class::Separator) {
            if (pending == 0 || strength(mapped.c) > strength(pending)) {
                pending = mapped.c;
            }
            continue;
        }
        if (pending != 0 && out.size() > 0 && !out.push(pending)) {
            return WrittenTextOutcome::TooLong;
        }
        pending = 0;
        if (!out.push(mapped.c)) {
            return WrittenTextOutcome::TooLong;
        }
    }
    dropMakerNames(out);
    return out.size() == 0 ? WrittenTextOutcome::Empty : WrittenTextOutcome::Readable;
}

}  // namespace lz::designation
