#include "app/CommandLine.h"

#include "tallox_version.h"

#include <QCommandLineParser>
#include <QDir>

namespace tallox {

namespace {
// The options QGuiApplication, QApplication and the X11 platform read themselves, with one or
// two leading dashes; those of the first list take a value (the next argument, or after "="),
// -qmljsdebugger only after "=".
const char* const kQtOptionsWithValue[] = {
    "platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry", "qwindowicon",
    "qwindowtitle", "session", "display", "geometry", "title", "name", "visual", "style",
    "stylesheet", "icon"};
const char* const kQtFlags[] = {"reverse", "widgetcount", "nograb", "dograb", "testability"};

// The arguments without Qt's own options (the program's name stays first).
QStringList withoutQtOptions(const QStringList& arguments)
{
    QStringList kept;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (i == 0 || argument == QLatin1String("--") || !argument.startsWith(u'-')) {
            kept << argument;
            if (argument == QLatin1String("--"))
                return kept + arguments.mid(i + 1);
            continue;
        }
        const QString bare = argument.mid(argument.startsWith(QLatin1String("--")) ? 2 : 1);
        const QString name = bare.section(u'=', 0, 0);
        bool qtOption = name == QLatin1String("qmljsdebugger");
        for (const char* option : kQtOptionsWithValue)
            if (name == QLatin1String(option)) {
                qtOption = true;
                if (!bare.contains(u'='))
                    ++i;  // the value follows
            }
        for (const char* flag : kQtFlags)
            qtOption = qtOption || bare == QLatin1String(flag);
        if (!qtOption)
            kept << argument;
    }
    return kept;
}

QString absolute(const QString& path, const QString& currentFolder)
{
    return QDir::cleanPath(QDir(currentFolder).absoluteFilePath(path));
}

// The help text: the options as the parser knows them, described in Polish.
QString helpText(const QList<QCommandLineOption>& options)
{
    QString text = QStringLiteral(
        "Użycie: tallox [opcje] [plik]\n"
        "Tallox " TALLOX_VERSION " – opracowanie wyników pomiarów w pracowni fizycznej.\n\n"
        "Opcje:\n");
    for (const QCommandLineOption& option : options) {
        QStringList names;
        for (const QString& name : option.names())
            names << (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
        QString left = names.join(QStringLiteral(", "));
        if (!option.valueName().isEmpty())
            left += QStringLiteral(" <") + option.valueName() + u'>';
        text += QStringLiteral("  ") + left.leftJustified(22) + u' ' + option.description() + u'\n';
    }
    text += QStringLiteral(
        "\nArgumenty:\n"
        "  plik                   Plik danych wczytywany po starcie jak poleceniem „Ładuj Dane”\n"
        "                         (.tlx, .dat, .xls, .xlsx, .ods, .csv, tekst;\n"
        "                         format według nazwy i treści).\n\n"
        "Folder programu (ustawienia, listy użytkowników, teksty programu): podany opcją\n"
        "--folder; dla programu zainstalowanego – folder danych użytkownika\n"
        "(~/.local/share/Tallox); w innym razie folder bieżący.\n"
        "Standardowe opcje Qt (-platform, -style, …) są przekazywane bibliotece Qt.\n");
    return text;
}
} // namespace

CommandLine parseCommandLine(const QStringList& arguments, const QString& currentFolder)
{
    const QList<QCommandLineOption> options = {
        {{QStringLiteral("h"), QStringLiteral("help")},
         QStringLiteral("Wyświetla tę pomoc i kończy działanie.")},
        {{QStringLiteral("v"), QStringLiteral("version")},
         QStringLiteral("Wyświetla wersję programu i kończy działanie.")},
        {QStringLiteral("folder"),
         QStringLiteral("Folder programu (tworzony, gdy go nie ma)."), QStringLiteral("folder")},
    };
    QCommandLineParser parser;
    parser.addOptions(options);
    parser.addPositionalArgument(QStringLiteral("plik"), QString());

    CommandLine result;
    const auto fail = [&result](const QString& text) {
        result.action = CommandLine::Action::Error;
        result.output = QStringLiteral("tallox: ") + text
                      + QStringLiteral("\nOpcje programu wyświetla: tallox --help\n");
        return result;
    };
    // The parser needs the program's name first, even when it was started without one.
    const QStringList ours =
        withoutQtOptions(arguments.isEmpty() ? QStringList{QStringLiteral("tallox")} : arguments);
    if (!parser.parse(ours)) {
        const QStringList unknown = parser.unknownOptionNames();
        if (!unknown.isEmpty())
            return fail(QStringLiteral("nieznana opcja: ")
                        + QLatin1String(unknown.first().size() == 1 ? "-" : "--") + unknown.first());
        if (ours.last() == QLatin1String("--folder"))
            return fail(QStringLiteral("opcja --folder wymaga nazwy folderu."));
        return fail(parser.errorText());
    }
    if (parser.isSet(QStringLiteral("help"))) {
        result.action = CommandLine::Action::Help;
        result.output = helpText(options);
        return result;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        result.action = CommandLine::Action::Version;
        result.output = QStringLiteral("Tallox " TALLOX_VERSION "\n");
        return result;
    }
    if (parser.isSet(QStringLiteral("folder"))) {
        const QString folder = parser.value(QStringLiteral("folder"));
        if (folder.isEmpty())
            return fail(QStringLiteral("opcja --folder wymaga nazwy folderu."));
        result.folder = absolute(folder, currentFolder);
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1)
        return fail(QStringLiteral("można podać tylko jeden plik danych."));
    if (!files.isEmpty() && !files.first().isEmpty())
        result.file = absolute(files.first(), currentFolder);
    return result;
}

} // namespace tallox
