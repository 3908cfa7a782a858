#include "cli/argument_parser.h"

#include <array>
#include <optional>
#include <string>
#include <utility>

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

std::optional<OutputFormat> formatNamed(std::string_view name) {
    if (name == "table") {
        return OutputFormat::Table;
    }
    if (name == "csv") {
        return OutputFormat::Csv;
    }
    if (name == "json") {
        return OutputFormat::Json;
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
        while (next_ < arguments_.size() && !error_) {
            const std::string_view argument = arguments_[next_++];
            if (optionsEnded_ || argument == "-" || !argument.starts_with('-') ||
                (subcommand_ == Subcommand::Measure && looksNegative(argument))) {
                positional(argument);
            } else if (argument == "--") {
                optionsEnded_ = true;
            } else {
                option(argument);
            }
        }
        if (error_) {
            return std::move(*error_);
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
    void fail(std::string message) {
        if (!error_) {
            error_ = UsageError{std::move(message), subcommand_};
        }
    }

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

    // The value of an option: after "=", or the next argument whatever it looks like.
    std::optional<std::string> value(std::string_view name,
                                     std::optional<std::string_view> attached) {
        if (attached) {
            return std::string(*attached);
        }
        if (next_ >= arguments_.size()) {
            fail("option '" + std::string(name) + "' needs a value");
            return std::nullopt;
        }
        return std::string(arguments_[next_++]);
    }

    // A switch: false, after reporting it, when a value was attached.
    bool flag(std::string_view name, std::optional<std::string_view> attached) {
        if (attached) {
            fail("option '" + std::string(name) + "' takes no value");
            return false;
        }
        return true;
    }

    void option(std::string_view argument) {
        std::string_view name = argument;
        std::optional<std::string_view> attached;
        const auto equals = argument.find('=');
        if (argument.starts_with("--") && equals != std::string_view::npos) {
            name = argument.substr(0, equals);
            attached = argument.substr(equals + 1);
        }
        if (name == "-h" || name == "--help") {
            help_ = flag(name, attached) || help_;
        } else if (name == "-v" || name == "--version") {
            version_ = flag(name, attached) || version_;
        } else if (name == "--print-sql") {
            invocation_.printSql = flag(name, attached) || invocation_.printSql;
        } else if (name == "--format") {
            if (const auto text = value(name, attached)) {
                if (const auto format = formatNamed(*text)) {
                    invocation_.format = *format;
                } else {
                    fail("unknown format '" + *text + "': use table, csv or json");
                }
            }
        } else if (!subcommand_ || !subcommandOption(name, attached)) {
            if (!error_) {
                fail("unknown option '" + std::string(name) + "'");
            }
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
        invocation_.withStock = flag(name, attached) || invocation_.withStock;
        return true;
    }

    bool measureOption(std::string_view name, std::optional<std::string_view> attached) {
        if (name == "--unit") {
            if (const auto text = value(name, attached)) {
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
            if (const auto text = value(name, attached)) {
                if (const auto field = fieldNamed(*text)) {
                    invocation_.field = *field;
                } else {
                    fail("unknown field '" + *text + "': use new, old, inner, outer or width");
                }
            }
            return true;
        }
        if (name == "--exact") {
            invocation_.exact = flag(name, attached) || invocation_.exact;
            return true;
        }
        // "--new" and the like, as short forms of "--by new".
        if (name.starts_with("--")) {
            if (const auto field = fieldNamed(name.substr(2))) {
                if (flag(name, attached)) {
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
            if (flag(name, attached)) {
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
        if (auto text = value(name, attached)) {
            *target = std::move(*text);
        }
        return true;
    }

    std::span<const std::string_view> arguments_;
    std::size_t next_ = 0;
    bool optionsEnded_ = false;
    std::optional<Subcommand> subcommand_;
    Invocation invocation_;
    bool textGiven_ = false;
    int sizesGiven_ = 0;  // measure: inner, outer, width
    bool help_ = false;
    bool version_ = false;
    std::optional<UsageError> error_;
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
