#include "app/startup/command_line.h"

#include <QCommandLineParser>
#include <QTextStream>
#include <cstdio>

#include "app/startup/program_identity.h"

namespace lz::startup {

namespace {

// The parser names the program from the running application, and there is none yet.
QString usageText(const QCommandLineParser& parser) {
    QString text = parser.helpText();
    text.replace(QStringLiteral("<executable_name>"), programName());
    return text;
}

}  // namespace

std::optional<int> answerCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("翎轴: looks up rolling bearings by designation, dimensions, brand and "
                       "type, and the prices of imported and domestic bearings."));
    // Our own options rather than addHelpOption(), which would also offer --help-all and
    // the Qt options this program does not take.
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Displays this help and exits."));
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Displays the version and exits."));
    parser.addOption(help);
    parser.addOption(version);

    QTextStream out(stdout);
    QTextStream err(stderr);
    if (!parser.parse(arguments)) {
        err << parser.errorText() << "\n\n" << usageText(parser);
        return kUsageExitCode;
    }
    if (!parser.positionalArguments().isEmpty()) {
        err << "Unexpected argument '" << parser.positionalArguments().constFirst() << "'.\n\n"
            << usageText(parser);
        return kUsageExitCode;
    }
    if (parser.isSet(help)) {
        out << usageText(parser);
        return 0;
    }
    if (parser.isSet(version)) {
        out << programName() << ' ' << programVersion() << '\n';
        return 0;
    }
    return std::nullopt;
}

}  // namespace lz::startup
