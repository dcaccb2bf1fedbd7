#include "cli/cli_jobs.h"

#include "cli/cli_host.h"
#include "cli/progress_line.h"
#include "cli/stop_requests.h"
#include "modes/song_list_check.h"
#include "output/output_folder.h"
#include "output/run_log.h"
#include "passes/worker.h"
#include "platform/file_name_codec.h"
#include "platform/home_path.h"

#include <QDir>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A path as given, "~/" expanded, made absolute against the working folder
// (which --log-dir may change later).
QString AbsolutePath(const QString& given)
{
    QString path = ExpandHomePath(given);
    if (path.startsWith(u'/'))
        return path;
    return QDir::currentPath() + u'/' + path;
}

QString FolderOf(const QString& file)
{
    const qsizetype slash = file.lastIndexOf(u'/');
    return slash <= 0 ? QStringLiteral("/") : file.left(slash);
}

// Empty when `folder` is a folder whose files can be listed, else why not.
QString UnreadableFolder(const QString& folder)
{
    const QByteArray bytes = EncodeFileName(folder);
    struct stat info = {};
    if (::stat(bytes.constData(), &info) != 0)
        return QString::fromLocal8Bit(std::strerror(errno));
    if (!S_ISDIR(info.st_mode))
        return QStringLiteral("Not a folder");
    if (::access(bytes.constData(), R_OK | X_OK) != 0)
        return QString::fromLocal8Bit(std::strerror(errno));
    return {};
}

// The output folder a convert may write into; a missing one is created only
// when asked, since a typo would otherwise scatter copies into a new folder.
QString OutputProblem(const QString& folder, bool create)
{
    const OutputFolderCheck check = CheckOutputFolder(folder);
    if (check.state == OutputFolderState::Unusable)
        return check.problem;
    if (check.state == OutputFolderState::Missing) {
        if (!create) {
            return QStringLiteral("The output folder %1 does not exist. "
                                  "Give --create-output to have it created.")
                .arg(ReadableFileName(folder));
        }
        return CreateOutputFolder(folder);
    }
    return {};
}

void PrintOutcomes(const CCliHost& host, bool json)
{
    qsizetype width = 0;
    if (!json) {
        for (const FileOutcome& outcome : host.Outcomes())
            width = qMax(width, ReadableFileName(outcome.m_strName).size());
        width = qMin<qsizetype>(width, 40);
    }
    QByteArray text;
    for (const FileOutcome& outcome : host.Outcomes()) {
        text += json ? OutcomeJson(outcome) : OutcomeText(outcome, width).toLocal8Bit();
        text += '\n';
    }
    std::fwrite(text.constData(), 1, size_t(text.size()), stdout);
    std::fflush(stdout);
}

// The convert job, run by the engine as the window's worker runs it (logs
// opened, the pass over the previewed names, logs closed, the end told),
// here on the calling thread. Returns the exit status.
int RunConvertJob(CCliHost& host, CProgressLine& progress)
{
    progress.Start(host.NamedFiles(), host.NamedBytes());
    {
        // From here on Ctrl-C cancels; before, it ends tamro-cli as usual.
        const CStopRequests stopRequests(host);
        host.StartConvert();
        while (RunNextJob(host)) {
        }
    }
    progress.Finish();
    if (!host.JobRefusal().isEmpty()) {
        progress.Say(QStringLiteral("tamro-cli: ") + host.JobRefusal());
        return EXIT_UNUSABLE;
    }
    if (const int signo = CStopRequests::FirstStopSignal(); signo != 0) {
        host.MarkNotReached();
        return 128 + signo;
    }
    return host.m_nErrorCount.load() > 0 ? EXIT_SOME_FAILED : EXIT_ALL_DONE;
}

} // namespace

int RunPreviewOrConvert(const CliRequest& request)
{
    CProgressLine progress(request.m_command == CliRequest::Convert && ::isatty(STDERR_FILENO));
    const auto unusable = [&progress](const QString& problem) {
        progress.Say(QStringLiteral("tamro-cli: ") + problem);
        return EXIT_UNUSABLE;
    };

    const QString songList = request.m_bPattern ? QString() : AbsolutePath(request.m_strSongList);
    if (!songList.isEmpty()) {
        if (const QString problem = SongListProblem(songList); !problem.isEmpty())
            return unusable(problem);
    }
    // As the window's ticked box does, the song list's folder is the default.
    const QString source =
        request.m_strSource.isEmpty() ? FolderOf(songList) : AbsolutePath(request.m_strSource);
    if (const QString problem = UnreadableFolder(source); !problem.isEmpty())
        return unusable(QStringLiteral("The source folder %1 cannot be listed: %2")
                            .arg(ReadableFileName(source), problem));
    const QString output =
        request.m_strOutput.isEmpty() ? QString() : AbsolutePath(request.m_strOutput);
    if (request.m_command == CliRequest::Convert) {
        if (const QString problem = OutputProblem(output, request.m_bCreateOutput);
            !problem.isEmpty())
            return unusable(problem);
    }
    if (!request.m_strLogDir.isEmpty()) {
        const QString logDir = AbsolutePath(request.m_strLogDir);
        if (::chdir(EncodeFileName(logDir).constData()) != 0) {
            return unusable(
                QStringLiteral("The log folder %1 cannot be used: %2")
                    .arg(ReadableFileName(logDir), QString::fromLocal8Bit(std::strerror(errno))));
        }
    }

    CCliHost host(request.m_bPattern ? 1 : 0, songList, progress);
    host.m_strOutputFolder.Store(output);
    host.ListFolder(source);
    // The convert copies under the names the preview computed, as the window
    // does when its "Rename" column is on screen.
    host.ShowPreviewColumn();
    host.StartPreview();
    while (RunNextJob(host)) {
    }
    host.TakePreview();

    int status = EXIT_ALL_DONE;
    if (request.m_command == CliRequest::Convert)
        status = RunConvertJob(host, progress);
    if (request.m_command == CliRequest::Preview || request.m_bJson)
        PrintOutcomes(host, request.m_bJson);
    return status;
}
