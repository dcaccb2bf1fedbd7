#include "app/command_line.h"

#include "platform/file_name_codec.h"
#include "platform/help_text.h"
#include "res/version.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

namespace {

// Options the Qt application object takes itself; they pass through untouched.
constexpr const char16_t* kQtValueOptions[] = {u"platform",
                                               u"platformpluginpath",
                                               u"platformtheme",
                                               u"plugin",
                                               u"qwindowgeometry",
                                               u"qwindowicon",
                                               u"qwindowtitle",
                                               u"style",
                                               u"stylesheet",
                                               u"display",
                                               u"geometry",
                                               u"session",
                                               u"name",
                                               u"title"};
constexpr const char16_t* kQtFlagOptions[] = {u"reverse", u"widgetcount", u"nograb", u"dograb",
                                              u"sync"};

void Print(std::FILE* stream, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

} // namespace

CommandLine ParseCommandLine(int argc, char** argv)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "TamroCommandLine",
        "Gives song files new names by copying them into an output folder.\n"
        "PATH may be a folder, shown as the source folder, or a song-list file.\n\n"
        "Each convert job writes its logs, InfoLog.txt and ErrorLog.txt, into the folder\n"
        "tamro was started from (started from a desktop menu, that is the home folder)."));
    const QCommandLineOption help(
        {u"h"_qs, u"help"_qs},
        QCoreApplication::translate("TamroCommandLine", "Shows this help and ends."));
    const QCommandLineOption version(
        {u"v"_qs, u"version"_qs},
        QCoreApplication::translate("TamroCommandLine", "Shows the version and ends."));
    parser.addOption(help);
    parser.addOption(version);
    for (const char16_t* name : kQtValueOptions) {
        QCommandLineOption option(QString::fromUtf16(name), QString(), u"value"_qs);
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char16_t* name : kQtFlagOptions) {
        QCommandLineOption option(QString::fromUtf16(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    parser.addPositionalArgument(
        u"PATH"_qs,
        QCoreApplication::translate("TamroCommandLine", "A folder or a song-list file to open."),
        u"[PATH]"_qs);

    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(DecodeFileName(QByteArray(argv[i]))); // names kept exact

    CommandLine result;
    if (!parser.parse(arguments) || parser.positionalArguments().size() > 1) {
        const QString error =
            parser.errorText().isEmpty()
                ? QCoreApplication::translate("TamroCommandLine", "Give at most one PATH.")
                : parser.errorText();
        Print(stderr, u"tamro: "_qs + error + u'\n' +
                          QCoreApplication::translate("TamroCommandLine", "Try 'tamro --help'.") +
                          u'\n');
        result.m_bExit = true;
        result.m_nExitCode = 2;
        return result;
    }
    if (parser.isSet(help)) {
        Print(stdout, HelpText(parser, u"tamro"_qs));
        result.m_bExit = true;
        return result;
    }
    if (parser.isSet(version)) {
        Print(stdout, u"tamro "_qs + QString::fromUtf16(kTamroVersion) + u'\n');
        result.m_bExit = true;
        return result;
    }
    if (!parser.positionalArguments().isEmpty())
        result.m_strPath = parser.positionalArguments().first();
    return result;
}
