#pragma once

#include <QString>

class QCommandLineParser;

// The parser's help with the program called `program` in its usage line,
// however it was started ("./build/app/tamro", "/usr/bin/tamro"). The usage
// line is the help's first, and the only one that names the program.
QString HelpText(const QCommandLineParser& parser, const QString& program);
