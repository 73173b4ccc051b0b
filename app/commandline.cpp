#include "commandline.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

namespace CommandLine {

void describe(QCommandLineParser &parser)
{
    parser.setApplicationDescription(
        QCoreApplication::translate("CommandLine",
                                    "Tablero para presentar una pantalla en videollamada"));
    parser.addHelpOption();
    parser.addOption({{"v", "version"},
                      QCoreApplication::translate("CommandLine", "Shows the version and ends.")});
    parser.addOption({"toggle",
                      QCoreApplication::translate("CommandLine",
                                                  "Turns pass-through on or off in the running "
                                                  "board (starts one when none is running).")});
    parser.addOption(
        {"show",
         QCoreApplication::translate("CommandLine", "Brings the running board to the front.")});
    parser.addOption(
        {"clear",
         QCoreApplication::translate("CommandLine", "Clears the running board (Limpiar).")});
    parser.addOption({"screen",
                      QCoreApplication::translate("CommandLine",
                                                  "Puts the board, running or starting, on the "
                                                  "screen of that name."),
                      QCoreApplication::translate("CommandLine", "NAME")});
    parser.addOption({"open",
                      QCoreApplication::translate("CommandLine",
                                                  "Opens the board file in the running board, or "
                                                  "in the board that starts."),
                      QCoreApplication::translate("CommandLine", "FILE.tavelo")});
    parser.addOption({"export-pdf",
                      QCoreApplication::translate("CommandLine",
                                                  "Writes every page of the board file given to "
                                                  "the PDF, without showing a window, and ends."),
                      QCoreApplication::translate("CommandLine", "OUT.pdf")});
    parser.addPositionalArgument("file",
                                 QCoreApplication::translate("CommandLine",
                                                             "A board file to open, as --open."),
                                 QCoreApplication::translate("CommandLine", "[FILE.tavelo]"));
}

QString boardFileToOpen(const QCommandLineParser &parser)
{
    const QString given = parser.isSet("open") ? parser.value("open")
                          : parser.positionalArguments().isEmpty()
                              ? QString()
                              : parser.positionalArguments().constFirst();
    return given.isEmpty() ? QString() : QFileInfo(given).absoluteFilePath();
}

bool asksOnlyForAnAnswer(const QStringList &arguments)
{
    QCommandLineParser parser;
    describe(parser);
    return !parser.parse(arguments) || parser.isSet("help") || parser.isSet("version")
           || parser.optionNames().contains("help-all");
}

QString version()
{
    return QStringLiteral(TAVELO_VERSION);
}

QString nameAndVersion()
{
    return QStringLiteral("Tablero Tavelo %1").arg(version());
}

} // namespace CommandLine
