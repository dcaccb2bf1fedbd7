#include "cli/cli_request.h"

#include "modes/tag_format.h"
#include "platform/help_text.h"
#include "res/version.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

namespace {

const char kDescription[] = QT_TRANSLATE_NOOP(
    "TamroCli",
    R"(Gives song files new names by copying them into an output folder, without a window.

Commands:
  preview --song-list LIST [--source FOLDER]   the new name of every file
  preview --pattern --source FOLDER
  preview --tags [--format FORMAT] --source FOLDER
  convert ... --output FOLDER [--from-preview] copy under the new names
  undo [--log-dir DIR] [--dry-run]             remove the last run's copies

The source folder defaults to the song list's folder. Files are taken as the
window lists them: files only, hidden ones left out, in natural name order.
--tags names each file from its own tags, by default as {title}-{artist}; the
fields are {title} {artist} {album} {albumartist} {track} {disc} {year} and
{genre}, and {track:2} pads the track's number to two digits.
A copy never replaces anything and no source file is ever changed.
Convert writes InfoLog.txt and ErrorLog.txt into the working folder (or
--log-dir). Ctrl-C cancels after the file under way; a second Ctrl-C gives
that file up too and removes its partial copy.

Undo removes each copy that the last run's InfoLog.txt lists and that still
equals its source; anything else is left and said why.

Exit status: 0 every copy succeeded (undo: every copy removed), 1 some copies
failed (undo: some were left), 2 bad usage or an unusable song list, format,
folder or log, 130 cancelled by Ctrl-C.)");

void Print(std::FILE* stream, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

QString Tr(const char* text)
{
    return QCoreApplication::translate("TamroCli", text);
}

CliRequest UsageError(const QString& error)
{
    Print(stderr,
          QStringLiteral("tamro-cli: ") + error + u'\n' + Tr("Try 'tamro-cli --help'.") + u'\n');
    CliRequest request;
    request.m_bExit = true;
    request.m_nExitCode = EXIT_UNUSABLE;
    return request;
}

CliRequest::Command CommandNamed(const QString& word)
{
    if (word == u"preview")
        return CliRequest::Preview;
    if (word == u"convert")
        return CliRequest::Convert;
    if (word == u"undo")
        return CliRequest::Undo;
    return CliRequest::None;
}

// The combinations each command takes; empty when the request is whole.
QString MissingOrExtra(const CliRequest& request)
{
    const int modesGiven =
        int(request.m_bPattern) + int(request.m_bTags) + int(!request.m_strSongList.isEmpty());
    if (request.m_command == CliRequest::Undo) {
        if (modesGiven != 0 || request.m_bFormatGiven || !request.m_strSource.isEmpty() ||
            !request.m_strOutput.isEmpty() || request.m_bJson || request.m_bCreateOutput ||
            request.m_bFromPreview)
            return Tr(QT_TRANSLATE_NOOP("TamroCli", "undo takes only --log-dir and --dry-run."));
        return {};
    }
    if (modesGiven > 1)
        return Tr(QT_TRANSLATE_NOOP("TamroCli",
                                    "Give one of --song-list, --pattern and --tags, not two."));
    if (modesGiven == 0)
        return Tr(QT_TRANSLATE_NOOP("TamroCli", "Give --song-list LIST, --pattern or --tags."));
    if (request.m_bPattern && request.m_strSource.isEmpty())
        return Tr(QT_TRANSLATE_NOOP("TamroCli", "--pattern needs --source FOLDER."));
    if (request.m_bTags && request.m_strSource.isEmpty())
        return Tr(QT_TRANSLATE_NOOP("TamroCli", "--tags needs --source FOLDER."));
    if (!request.m_bTags && request.m_bFormatGiven)
        return Tr(QT_TRANSLATE_NOOP("TamroCli", "--format belongs to --tags."));
    if (request.m_bDryRun)
        return Tr(QT_TRANSLATE_NOOP("TamroCli", "--dry-run belongs to undo."));
    if (request.m_command == CliRequest::Convert && request.m_strOutput.isEmpty())
        return Tr(QT_TRANSLATE_NOOP("TamroCli", "convert needs --output FOLDER."));
    if (request.m_command == CliRequest::Preview && request.m_bCreateOutput)
        return Tr(QT_TRANSLATE_NOOP("TamroCli", "--create-output belongs to convert."));
    if (request.m_command == CliRequest::Preview && request.m_bFromPreview)
        return Tr(QT_TRANSLATE_NOOP("TamroCli", "--from-preview belongs to convert."));
    return {};
}

} // namespace

CliRequest ParseCliRequest(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(Tr(kDescription));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  Tr(QT_TRANSLATE_NOOP("TamroCli", "Shows this help and ends.")));
    const QCommandLineOption version(
        {QStringLiteral("v"), QStringLiteral("version")},
        Tr(QT_TRANSLATE_NOOP("TamroCli", "Shows the version and ends.")));
    const QCommandLineOption songList(
        QStringLiteral("song-list"),
        Tr(QT_TRANSLATE_NOOP("TamroCli", "Song-list mode, with this song list.")),
        QStringLiteral("LIST"));
    const QCommandLineOption pattern(
        QStringLiteral("pattern"),
        Tr(QT_TRANSLATE_NOOP("TamroCli", "Pattern mode: swap title and artist.")));
    const QCommandLineOption tags(
        QStringLiteral("tags"),
        Tr(QT_TRANSLATE_NOOP("TamroCli", "Tag mode: names from the files' own tags.")));
    const QCommandLineOption format(
        QStringLiteral("format"),
        Tr(QT_TRANSLATE_NOOP("TamroCli", "The name format of --tags (default: {title}-{artist}).")),
        QStringLiteral("FORMAT"));
    const QCommandLineOption source(
        QStringLiteral("source"),
        Tr(QT_TRANSLATE_NOOP("TamroCli", "The folder whose files are renamed.")),
        QStringLiteral("FOLDER"));
    const QCommandLineOption output(
        QStringLiteral("output"),
        Tr(QT_TRANSLATE_NOOP("TamroCli",
                             "The output folder (for preview: shows the final names).")),
        QStringLiteral("FOLDER"));
    const QCommandLineOption createOutput(
        QStringLiteral("create-output"),
        Tr(QT_TRANSLATE_NOOP(
            "TamroCli", "Creates a missing output folder (else convert ends with status 2).")));
    const QCommandLineOption logDir(
        QStringLiteral("log-dir"),
        Tr(QT_TRANSLATE_NOOP("TamroCli", "Where InfoLog.txt and ErrorLog.txt are.")),
        QStringLiteral("DIR"));
    const QCommandLineOption json(
        QStringLiteral("json"),
        Tr(QT_TRANSLATE_NOOP("TamroCli", "One JSON object per line and file.")));
    const QCommandLineOption dryRun(
        QStringLiteral("dry-run"),
        Tr(QT_TRANSLATE_NOOP("TamroCli", "undo: lists what it would remove.")));
    const QCommandLineOption fromPreview(
        QStringLiteral("from-preview"),
        Tr(QT_TRANSLATE_NOOP(
            "TamroCli", "convert: copies under the names a preview shows, as the window does "
                        "after Preview (its log lines then name them with their extensions).")));
    parser.addOptions({help, version, songList, pattern, tags, format, source, output, createOutput,
                       logDir, json, dryRun, fromPreview});
    parser.addPositionalArgument(QStringLiteral("COMMAND"),
                                 Tr(QT_TRANSLATE_NOOP("TamroCli", "preview, convert or undo.")));

    if (!parser.parse(arguments))
        return UsageError(parser.errorText());
    if (parser.isSet(help)) {
        CliRequest request;
        request.m_bExit = true;
        Print(stdout, HelpText(parser, QStringLiteral("tamro-cli")));
        return request;
    }
    if (parser.isSet(version)) {
        CliRequest request;
        request.m_bExit = true;
        Print(stdout, u"tamro-cli "_qs + QString::fromUtf16(kTamroVersion) + u'\n');
        return request;
    }
    const QStringList words = parser.positionalArguments();
    if (words.size() != 1 || CommandNamed(words.first()) == CliRequest::None)
        return UsageError(
            Tr(QT_TRANSLATE_NOOP("TamroCli", "Give one command: preview, convert or undo.")));

    CliRequest request;
    request.m_command = CommandNamed(words.first());
    request.m_bPattern = parser.isSet(pattern);
    request.m_bTags = parser.isSet(tags);
    request.m_bFormatGiven = parser.isSet(format);
    request.m_strFormat =
        request.m_bFormatGiven ? parser.value(format) : CTagFormat::DefaultFormat();
    request.m_strSongList = parser.value(songList);
    request.m_strSource = parser.value(source);
    request.m_strOutput = parser.value(output);
    request.m_strLogDir = parser.value(logDir);
    request.m_bJson = parser.isSet(json);
    request.m_bDryRun = parser.isSet(dryRun);
    request.m_bCreateOutput = parser.isSet(createOutput);
    request.m_bFromPreview = parser.isSet(fromPreview);
    if (const QString problem = MissingOrExtra(request); !problem.isEmpty())
        return UsageError(problem);
    return request;
}
