#include "shell/commandline.h"

#include "search/searchreadiness.h"
#include "text/spacetrim.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QProcessEnvironment>

namespace shell {
namespace {

constexpr QLatin1String kCommand("vellumark");

// The options every Qt program takes, which the application object removes from the command
// line itself: those followed by a value, then those that stand alone.
constexpr QLatin1String kToolkitOptionsWithValue(
    "platform platformpluginpath platformtheme plugin qwindowgeometry geometry qwindowicon icon "
    "qwindowtitle title session style stylesheet display name visual qmljsdebugger");
constexpr QLatin1String kToolkitFlags("reverse testability widgetcount nograb dograb");

void acceptToolkitOptions(QCommandLineParser& parser) {
    const auto accept = [&](const QString& name, const QString& valueName) {
        QCommandLineOption option(name, QString(), valueName);
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    };
    for (const QString& name : QString(kToolkitOptionsWithValue).split(QLatin1Char(' ')))
        accept(name, QStringLiteral("value"));
    for (const QString& name : QString(kToolkitFlags).split(QLatin1Char(' ')))
        accept(name, QString());
}

CommandLineDecision answered(const QString& text) {
    CommandLineDecision answer;
    answer.outcome = CommandLineDecision::Answer;
    answer.text = text;
    return answer;
}

CommandLineDecision refusal(const QString& text, int exitStatus, bool shown) {
    CommandLineDecision refusal;
    refusal.outcome = CommandLineDecision::Refuse;
    refusal.text = text;
    refusal.exitStatus = exitStatus;
    refusal.showInWindow = shown;
    return refusal;
}

// Someone who started the program from a menu sees no terminal: where a window would be seen,
// the refusal is shown in one too.
CommandLineDecision refused(const QString& why, bool onAScreen) {
    return refusal(kCommand + QStringLiteral(": ") + why + QLatin1Char('\n'), kExitRefused,
                   onAScreen);
}

// Why the folder cannot be the program's folder, or nothing.
QString namedFolderProblem(const QString& named) {
    if (named.isEmpty())
        return QStringLiteral("--folder needs the name of a folder.");
    const QFileInfo info(named);
    if (!info.exists())
        return QStringLiteral("--folder %1: there is no such folder; it is not made.").arg(named);
    if (!info.isDir())
        return QStringLiteral("--folder %1: that is a file, not a folder.").arg(named);
    return {};
}

// Whether a display is named, for the toolkit to open: the platform's own, an X display or a
// Wayland one.
bool displayNamed(const Display& display, const QString& platformArgument) {
    return !platformArgument.isEmpty() || !display.platform.isEmpty() || !display.x11.isEmpty() ||
           !display.wayland.isEmpty();
}

// Whether a window would be seen: there is a display, and the platform draws on it.
bool onAScreen(const Display& display, const QString& platformArgument) {
    const QString platform = platformArgument.isEmpty() ? display.platform : platformArgument;
    const QString plugin = platform.section(QLatin1Char(':'), 0, 0);
    if (plugin == QLatin1String("offscreen") || plugin == QLatin1String("minimal"))
        return false;
    return displayNamed(display, platformArgument);
}

// The option an argument names, without its dashes and value; empty for one that is no option.
QStringView optionNamed(const QString& argument) {
    if (!argument.startsWith(QLatin1Char('-')))
        return {};
    const QStringView name =
        QStringView(argument).sliced(argument.startsWith(QLatin1String("--")) ? 2 : 1);
    const qsizetype equals = name.indexOf(QLatin1Char('='));
    return equals < 0 ? name : name.first(equals);
}

// Whether one of the options is among the arguments, however the rest of them reads.
bool namesAnyOf(const QStringList& arguments, const QList<QCommandLineOption>& options) {
    for (const QString& argument : arguments.mid(1)) {
        if (argument == QLatin1String("--"))
            break; // what follows is no option
        const QStringView name = optionNamed(argument);
        for (const QCommandLineOption& option : options) {
            if (option.names().contains(name))
                return true;
        }
    }
    return false;
}

// A query that trims to nothing is refused, as the search page searches for nothing then.
CommandLineDecision searchDecision(const QString& query, const QString& book, bool countOnly,
                                   const QString& textName, const QString& folder) {
    if (text::spaceTrimmed(search::singleLineQuery(query)).isEmpty())
        return refused(QStringLiteral("--search needs words, a phrase or a verse to look for."),
                       false);
    CommandLineDecision decision;
    decision.outcome = CommandLineDecision::Search;
    decision.query = query;
    decision.book = book;
    decision.countOnly = countOnly;
    decision.textName = textName;
    if (!folder.isEmpty())
        decision.namedFolder = QFileInfo(folder).absoluteFilePath();
    return decision;
}

} // namespace

Display Display::ofThisProcess() {
    const QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    return {environment.value(QStringLiteral("DISPLAY")),
            environment.value(QStringLiteral("WAYLAND_DISPLAY")),
            environment.value(QStringLiteral("QT_QPA_PLATFORM"))};
}

QString noDisplayText(const Display& display) {
    const QString named = !display.x11.isEmpty() ? QStringLiteral(" (DISPLAY=%1)").arg(display.x11)
                          : !display.wayland.isEmpty()
                              ? QStringLiteral(" (WAYLAND_DISPLAY=%1)").arg(display.wayland)
                              : QString();
    return kCommand + QStringLiteral(": no display") + named +
           QStringLiteral(": start one with `Xvfb :1 & export DISPLAY=:1`\n");
}

CommandLineDecision decideCommandLine(const QStringList& arguments, const Display& display) {
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
        QStringLiteral("Keep every file in <folder>, which must be there already: Bible.dat is "
                       "read from it, and the display font, the bookmark and the Verses folder "
                       "are kept in it."),
        QStringLiteral("folder"));
    parser.addOption(folder);
    const QCommandLineOption search(
        QStringLiteral("search"),
        QStringLiteral("Print the verses <query> names when it is a reference (John 3:16-18), "
                       "else the verse lines that hold it as a phrase or, when none does, all "
                       "its words in any order, as the search page lists them: one a line, "
                       "in UTF-8, without a window. Exit status 0 when lines were found, 1 when "
                       "none were, 2 on an error."),
        QStringLiteral("query"));
    const QCommandLineOption book(
        QStringLiteral("in"),
        QStringLiteral("With --search: only the lines of <book>, named in any case or by a "
                       "common abbreviation, as the search page's book box takes it. Every book "
                       "by default."),
        QStringLiteral("book"));
    const QCommandLineOption count(QStringLiteral("count"),
                                   QStringLiteral("With --search: print only how many lines "
                                                  "were found."));
    const QCommandLineOption text(
        QStringLiteral("text"),
        QStringLiteral("With --search: search <name> instead of Bible.dat: Bible.dat, or a Bible "
                       "text module of the SWORD library by its name or abbreviation, in any "
                       "case, as --texts lists them."),
        QStringLiteral("name"));
    const QCommandLineOption texts(
        QStringLiteral("texts"),
        QStringLiteral("Print the texts there are, one a line: its name, a tab and its "
                       "description; Bible.dat first, then every Bible text module of the SWORD "
                       "library."));
    const QCommandLineOption notes(
        QStringLiteral("notes"),
        QStringLiteral("Print every note on a verse, each of its lines after the verse's "
                       "reference; with --search: search the notes instead of the text."));
    parser.addOptions({search, book, count, text, texts, notes});
    acceptToolkitOptions(parser);

    const bool parsed = parser.parse(arguments);
    // A search is asked for on a terminal, where someone waits for its answer and may see no
    // window: whatever is wrong with its command line is told there only.
    const bool seen = onAScreen(display, parser.value(QStringLiteral("platform"))) &&
                      !namesAnyOf(arguments, {search, book, count, text, texts, notes});
    if (!parsed)
        return refused(parser.errorText() + QStringLiteral("\nTry '") + kCommand +
                           QStringLiteral(" --help'."),
                       seen);
    if (!parser.positionalArguments().isEmpty())
        return refused(QStringLiteral("unexpected argument '%1'.\nTry '%2 --help'.")
                           .arg(parser.positionalArguments().constFirst(), kCommand),
                       seen);
    if (parser.isSet(help))
        return answered(parser.helpText());
    if (parser.isSet(version))
        return answered(QCoreApplication::applicationName() + QLatin1Char(' ') +
                        QCoreApplication::applicationVersion() + QLatin1Char('\n'));
    if (parser.isSet(folder)) {
        if (const QString problem = namedFolderProblem(parser.value(folder)); !problem.isEmpty())
            return refused(problem, seen);
    }
    if (parser.isSet(notes) && parser.isSet(text))
        return refused(QStringLiteral("--notes and --text each name what to search: one of them."),
                       false);
    if (parser.isSet(notes) && !parser.isSet(search)) {
        if (parser.isSet(book) || parser.isSet(count) || parser.isSet(texts))
            return refused(QStringLiteral("--notes goes alone, or with --search."), false);
        CommandLineDecision listing;
        listing.outcome = CommandLineDecision::ListNotes;
        if (parser.isSet(folder))
            listing.namedFolder = QFileInfo(parser.value(folder)).absoluteFilePath();
        return listing;
    }
    if (parser.isSet(texts)) {
        if (parser.isSet(search) || parser.isSet(book) || parser.isSet(count) || parser.isSet(text))
            return refused(
                QStringLiteral("--texts goes alone, without --search, --in, --count or --text."),
                false);
        CommandLineDecision listing;
        listing.outcome = CommandLineDecision::ListTexts;
        if (parser.isSet(folder))
            listing.namedFolder = QFileInfo(parser.value(folder)).absoluteFilePath();
        return listing;
    }
    if (parser.isSet(search)) {
        CommandLineDecision decision =
            searchDecision(parser.value(search), parser.value(book), parser.isSet(count),
                           parser.value(text), parser.value(folder));
        decision.notes = parser.isSet(notes);
        return decision;
    }
    if (parser.isSet(book) || parser.isSet(count) || parser.isSet(text))
        return refused(QStringLiteral("--in, --count and --text go with --search."), seen);
    if (!displayNamed(display, parser.value(QStringLiteral("platform"))))
        return refusal(noDisplayText(display), kExitNoDisplay, false);
    CommandLineDecision run;
    if (parser.isSet(folder))
        run.namedFolder = QFileInfo(parser.value(folder)).absoluteFilePath();
    return run;
}

} // namespace shell
