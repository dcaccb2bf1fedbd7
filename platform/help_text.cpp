#include "platform/help_text.h"

#include <QCommandLineParser>
#include <QCoreApplication>

QString HelpText(const QCommandLineParser& parser, const QString& program)
{
    QString text = parser.helpText();
    // Without an application object the parser cannot know the name either.
    const QString started = QCoreApplication::instance() ? QCoreApplication::arguments().value(0)
                                                         : u"<executable_name>"_qs;
    const qsizetype at = started.isEmpty() ? -1 : text.indexOf(started);
    return at < 0 ? text : text.replace(at, started.size(), program);
}
