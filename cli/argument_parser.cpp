#include "cli/argument_parser.h"

#include <array>
#include <optional>
#include <string>
#include <utility>

#include "cli/argument_cursor.h"
#include "cli/output_formats.h"

namespace lz::query_cli {
namespace {

using query::sql::DomesticModelColumn;
using query::sql::SingleField;

constexpr std::array<std::pair<std::string_view, Subcommand>, 7> kSubcommands = {{
    {"bearing", Subcommand::Bearing},
    {"combined", Subcommand::Combined},
    {"imported", Subcommand::Imported},
    {"domestic", Subcommand::Domestic},
    {"lookup", Subcommand::Lookup},
    {"measure", Subcommand::Measure},
    {"decode", Subcommand::Decode},
}};

constexpr std::array<std::pair<std::string_view, SingleField>, 5> kFields = {{
    {"new", SingleField::NewDesignation},
    {"old", SingleField::OldDesignation},
    {"inner", SingleField::InnerDiameter},
    {"outer", SingleField::OuterDiameter},
    {"width", SingleField::Width},
}};

std::optional<SingleField> fieldNamed(std::string_view name) {
    for (const auto& [fieldName, field] : kFields) {
        if (fieldName == name) {
            return field;
        }
    }
    return std::nullopt;
}

bool takesText(Subcommand subcommand) {
    return subcommand == Subcommand::Bearing || subcommand == Subcommand::Lookup ||
           subcommand == Subcommand::Decode;
}

std::optional<sizes::LengthUnit> unitNamed(std::string_view name) {
    if (name == "mm") {
        return sizes::LengthUnit::Millimetre;
    }
    if (name == "inch" || name == "in") {
        return sizes::LengthUnit::Inch;
    }
    return std::nullopt;
}

// "-5" or "-.5": a size, to be refused as one, rather than an unknown option.
bool looksNegative(std::string_view argument) {
    return argument.size() > 1 && argument[0] == '-' &&
           ((argument[1] >= '0' && argument[1] <= '9') || argument[1] == '.');
}

// Walks the arguments once; the first problem found ends the walk.
class Parser {
public:
    explicit Parser(std::span<const std::string_view> arguments) : arguments_(arguments) {}

    ParsedArguments parse() {
        arguments_.walk([this](std::string_view argument) { positional(argument); },
                        [this](std::string_view name, std::optional<std::string_view> attached) {
                            option(name, attached);
                        });
        // The walk ends at the first problem, so the command is still the one it was under.
        if (const auto& error = arguments_.error()) {
            return UsageError{*error, subcommand_};
        }
        if (help_) {
            return HelpRequest{subcommand_};
        }
        if (version_) {
            return VersionRequest{};
        }
        if (!subcommand_) {
            return UsageError{"no command given", std::nullopt};
        }
        if (takesText(*subcommand_) && !textGiven_) {
            return UsageError{"the text to search for is missing", subcommand_};
        }
        if (*subcommand_ == Subcommand::Measure && sizesGiven_ < 2) {
            return UsageError{"the inner and outer diameters are missing", subcommand_};
        }
        invocation_.subcommand = *subcommand_;
        return invocation_;
    }

private:
    void fail(std::string message) { arguments_.fail(std::move(message)); }

    void positional(std::string_view argument) {
        if (!subcommand_) {
            subcommand_ = subcommandNamed(argument);
            if (!subcommand_) {
                fail("unknown command '" + std::string(argument) + "'");
            }
            return;
        }
        if (takesText(*subcommand_) && !textGiven_) {
            invocation_.text = std::string(argument);
            textGiven_ = true;
            return;
        }
        if (*subcommand_ == Subcommand::Measure && sizesGiven_ < 3) {
            std::string* targets[] = {&invocation_.innerDiameter, &invocation_.outerDiameter,
                                      &invocation_.width};
            *targets[sizesGiven_++] = std::string(argument);
            return;
        }
        fail("unexpected argument '" + std::string(argument) + "'");
    }

    void option(std::string_view name, std::optional<std::string_view> attached) {
        // "-5" or "-.5" after measure is a size (never split: it does not begin with "--").
        if (subcommand_ == Subcommand::Measure && looksNegative(name)) {
            positional(name);
            return;
        }
        if (name == "-h" || name == "--help") {
            help_ = arguments_.flag(name, attached) || help_;
        } else if (name == "-v" || name == "--version") {
            version_ = arguments_.flag(name, attached) || version_;
        } else if (name == "--print-sql") {
            invocation_.printSql = arguments_.flag(name, attached) || invocation_.printSql;
        } else if (name == "--format") {
            readFormatOption(arguments_, name, attached, invocation_.format);
        } else if (!subcommand_ || !subcommandOption(name, attached)) {
            fail("unknown option '" + std::string(name) + "'");
        }
    }

    // True when `name` is an option of the command (whether or not its value was good).
    bool subcommandOption(std::string_view name, std::optional<std::string_view> attached) {
        switch (*subcommand_) {
            case Subcommand::Bearing:
                return bearingOption(name, attached);
            case Subcommand::Combined:
                return combinedOption(name, attached);
            case Subcommand::Imported:
                return importedOption(name, attached);
            case Subcommand::Domestic:
                return domesticOption(name, attached);
            case Subcommand::Lookup:
                return lookupOption(name, attached);
            case Subcommand::Decode:
                return false;
            case Subcommand::Measure:
                return measureOption(name, attached);
        }
        return false;
    }

    bool lookupOption(std::string_view name, std::optional<std::string_view> attached) {
        if (name != "--stock") {
            return false;
        }
        invocation_.withStock = arguments_.flag(name, attached) || invocation_.withStock;
        return true;
    }

    bool measureOption(std::string_view name, std::optional<std::string_view> attached) {
        if (name == "--unit") {
            if (const auto text = arguments_.value(name, attached)) {
                if (const auto unit = unitNamed(*text)) {
                    invocation_.unit = *unit;
                } else {
                    fail("unknown unit '" + *text + "': use mm or inch");
                }
            }
            return true;
        }
        std::string* target = name == "--tolerance"         ? &invocation_.tolerance
                              : name == "--width-tolerance" ? &invocation_.widthTolerance
                              : name == "--type"            ? &invocation_.type
                                                            : nullptr;
        return valueOption(name, attached, target);
    }

    bool bearingOption(std::string_view name, std::optional<std::string_view> attached) {
        if (name == "--by") {
            if (const auto text = arguments_.value(name, attached)) {
                if (const auto field = fieldNamed(*text)) {
                    invocation_.field = *field;
                } else {
                    fail("unknown field '" + *text + "': use new, old, inner, outer or width");
                }
            }
            return true;
        }
        if (name == "--exact") {
            invocation_.exact = arguments_.flag(name, attached) || invocation_.exact;
            return true;
        }
        // "--new" and the like, as short forms of "--by new".
        if (name.starts_with("--")) {
            if (const auto field = fieldNamed(name.substr(2))) {
                if (arguments_.flag(name, attached)) {
                    invocation_.field = *field;
                }
                return true;
            }
        }
        return false;
    }

    bool combinedOption(std::string_view name, std::optional<std::string_view> attached) {
        std::string* target = name == "--inner"   ? &invocation_.innerDiameter
                              : name == "--outer" ? &invocation_.outerDiameter
                              : name == "--width" ? &invocation_.width
                              : name == "--brand" ? &invocation_.brand
                              : name == "--type"  ? &invocation_.type
                                                  : nullptr;
        return valueOption(name, attached, target);
    }

    bool importedOption(std::string_view name, std::optional<std::string_view> attached) {
        std::string* target = name == "--model"   ? &invocation_.model
                              : name == "--brand" ? &invocation_.brand
                                                  : nullptr;
        return valueOption(name, attached, target);
    }

    bool domesticOption(std::string_view name, std::optional<std::string_view> attached) {
        if (name == "--old") {
            if (arguments_.flag(name, attached)) {
                invocation_.modelColumn = DomesticModelColumn::Old;
            }
            return true;
        }
        std::string* target = name == "--model"   ? &invocation_.model
                              : name == "--maker" ? &invocation_.maker
                                                  : nullptr;
        return valueOption(name, attached, target);
    }

    bool valueOption(std::string_view name, std::optional<std::string_view> attached,
                     std::string* target) {
        if (target == nullptr) {
            return false;
        }
        if (auto text = arguments_.value(name, attached)) {
            *target = std::move(*text);
        }
        return true;
    }

    ArgumentCursor arguments_;
    std::optional<Subcommand> subcommand_;
    Invocation invocation_;
    bool textGiven_ = false;
    int sizesGiven_ = 0;  // measure: inner, outer, width
    bool help_ = false;
    bool version_ = false;
};

}  // namespace

std::string_view subcommandName(Subcommand subcommand) {
    for (const auto& [name, each] : kSubcommands) {
        if (each == subcommand) {
            return name;
        }
    }
    return {};
}

std::optional<Subcommand> subcommandNamed(std::string_view name) {
    for (const auto& [each, subcommand] : kSubcommands) {
        if (each == name) {
            return subcommand;
        }
    }
    return std::nullopt;
}

ParsedArguments parseArguments(std::span<const std::string_view> arguments) {
    return Parser(arguments).parse();
}

}  // namespace lz::query_cli
