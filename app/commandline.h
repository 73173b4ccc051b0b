#pragma once

#include <QStringList>

class QCommandLineParser;

// The board's command-line options, described once for the board and for the answers that need
// no display (its help, its version and a word on a mistyped option).
namespace CommandLine {

void describe(QCommandLineParser &parser);
// The board file the arguments name (with --open, or alone), as an absolute path; empty for none.
QString boardFileToOpen(const QCommandLineParser &parser);

// Whether the arguments ask only for an answer on the terminal: the help, the version, or the
// error of an option the board does not know. None of these needs a display.
bool asksOnlyForAnAnswer(const QStringList &arguments);

QString version();
// What "--version" prints: the program's name and version.
QString nameAndVersion();

} // namespace CommandLine
