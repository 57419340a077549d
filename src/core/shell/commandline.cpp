#include "shell/commandline.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace commandline {
namespace {

const QString kCommand = QStringLiteral("vellumark");

// The options every Qt program takes, which the application object removes from the command
// line itself: those followed by a value, then those that stand alone.
constexpr const char* kToolkitOptionsWithValue[] = {"platform",
                                                    "platformpluginpath",
                                                    "platformtheme",
                                                    "plugin",
                                                    "qwindowgeometry",
                                                    "geometry",
                                                    "qwindowicon",
                                                    "icon",
                                                    "qwindowtitle",
                                                    "title",
                                                    "session",
                                                    "style",
                                                    "stylesheet",
                                                    "display",
                                                    "name",
                                                    "visual",
                                                    "qmljsdebugger"};
constexpr const char* kToolkitFlags[] = {"reverse", "testability", "widgetcount", "nograb",
                                         "dograb"};

void acceptToolkitOptions(QCommandLineParser& parser) {
    const auto accept = [&](const char* name, const QString& valueName) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), valueName);
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    };
    for (const char* name : kToolkitOptionsWithValue)
        accept(name, QStringLiteral("value"));
    for (const char* name : kToolkitFlags)
        accept(name, QString());
}

Decision refused(const QString& why) {
    return {
        Decision::Refuse, kCommand + QStringLiteral(": ") + why + QLatin1Char('\n'), kRefused, {}};
}

} // namespace

Decision decide(const QStringList& arguments) {
    QCommandLineParser parser;
    // As Qt's own options are written: -style, like --style.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QStringLiteral("A reader for the Orrisant Version: read, search, keep favourite verses.\n"
                       "Qt's standard options, such as -style, -platform and -reverse, are "
                       "taken too."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Displays help on commandline options."));
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption folder(
        QStringLiteral("folder"),
        QStringLiteral("Keep every file in <folder>: Bible.dat is read from it, and the "
                       "display font, the bookmark and the Verses folder are kept in it."),
        QStringLiteral("folder"));
    parser.addOption(folder);
    acceptToolkitOptions(parser);

    if (!parser.parse(arguments))
        return refused(parser.errorText() + QStringLiteral("\nTry '") + kCommand +
                       QStringLiteral(" --help'."));
    if (!parser.positionalArguments().isEmpty())
        return refused(QStringLiteral("unexpected argument '%1'.\nTry '%2 --help'.")
                           .arg(parser.positionalArguments().constFirst(), kCommand));
    if (parser.isSet(help))
        return {Decision::Answer, parser.helpText(), 0, {}};
    if (parser.isSet(version))
        return {Decision::Answer,
                QCoreApplication::applicationName() + QLatin1Char(' ') +
                    QCoreApplication::applicationVersion() + QLatin1Char('\n'),
                0,
                {}};
    return {Decision::Run, {}, 0, parser.value(folder)};
}

} // namespace commandline
