#include "cli/cli_jobs.h"

#include "cli/cli_observer.h"
#include "cli/progress_line.h"
#include "cli/stop_requests.h"
#include "modes/song_list_check.h"
#include "modes/tag_format.h"
#include "output/output_folder.h"
#include "passes/folder_listing.h"
#include "passes/job.h"
#include "platform/file_name_codec.h"
#include "platform/home_path.h"

#include <QCoreApplication>
#include <QDir>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

QString AbsolutePath(const QString& given)
{
    QString path = ExpandHomePath(given);
    if (path.startsWith(u'/'))
        return path;
    return QDir::currentPath() + u'/' + path;
}

namespace {

QString FolderOf(const QString& file)
{
    const qsizetype slash = file.lastIndexOf(u'/');
    return slash <= 0 ? QStringLiteral("/") : file.left(slash);
}

// Empty when `folder` is a folder that `mode` (access(2)) may use, else why
// not.
QString UnusableFolder(const QString& folder, int mode)
{
    const QByteArray bytes = EncodeFileName(folder);
    struct stat info = {};
    if (::stat(bytes.constData(), &info) != 0)
        return QString::fromLocal8Bit(std::strerror(errno));
    if (!S_ISDIR(info.st_mode))
        return QCoreApplication::translate("TamroCli", "Not a folder");
    if (::access(bytes.constData(), mode) != 0)
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
            return QCoreApplication::translate("TamroCli",
                                               "The output folder %1 does not exist. "
                                               "Give --create-output to have it created.")
                .arg(ReadableFileName(folder));
        }
        return CreateOutputFolder(folder);
    }
    return {};
}

void PrintReports(const CCliObserver& observer, bool json)
{
    qsizetype width = 0;
    if (!json) {
        for (const FileReport& report : observer.Reports())
            width = qMax(width, ReadableFileName(report.m_strName).size());
        width = qMin<qsizetype>(width, 40);
    }
    QByteArray text;
    for (const FileReport& report : observer.Reports()) {
        text += json ? ReportJson(report) : ReportText(report, width).toLocal8Bit();
        text += '\n';
    }
    std::fwrite(text.constData(), 1, size_t(text.size()), stdout);
    std::fflush(stdout);
}

// Runs what the job state's word asks for, here on the calling thread, as the
// window's worker runs it.
void RunJobs(CJob& job)
{
    while (job.RunNextJob()) {
    }
}

// The convert job. Returns the exit status.
int RunConvertJob(CJob& job, CCliObserver& observer, JobRequest request, CProgressLine& progress)
{
    progress.Start(observer.NamedFiles(), observer.NamedBytes());
    {
        // From here on Ctrl-C cancels; before, it ends tamro-cli as usual.
        const CStopRequests stopRequests(job);
        (void)job.StartConvert(std::move(request));
        RunJobs(job);
    }
    progress.Finish();
    const RunSummary& summary = observer.Summary();
    if (!summary.m_strRefusal.isEmpty()) {
        progress.Say(QStringLiteral("tamro-cli: ") + summary.m_strRefusal);
        return EXIT_UNUSABLE;
    }
    if (const int signo = CStopRequests::FirstStopSignal(); signo != 0) {
        observer.MarkNotReached();
        return 128 + signo;
    }
    return summary.m_nFailures > 0 ? EXIT_SOME_FAILED : EXIT_ALL_DONE;
}

} // namespace

QString LogFolderOf(const CliRequest& request)
{
    return request.m_strLogDir.isEmpty() ? QDir::currentPath() : AbsolutePath(request.m_strLogDir);
}

int RunPreviewOrConvert(const CliRequest& request)
{
    CProgressLine progress(request.m_command == CliRequest::Convert && ::isatty(STDERR_FILENO));
    const auto unusable = [&progress](const QString& problem) {
        progress.Say(QStringLiteral("tamro-cli: ") + problem);
        return EXIT_UNUSABLE;
    };

    const bool songListMode = !request.m_bPattern && !request.m_bTags;
    // A format that names no field is refused before anything is read.
    const CTagFormat format(request.m_strFormat);
    if (request.m_bTags && !format.IsValid())
        return unusable(format.Error());
    const QString songList = songListMode ? AbsolutePath(request.m_strSongList) : QString();
    if (!songList.isEmpty()) {
        if (const QString problem = SongListProblem(songList); !problem.isEmpty())
            return unusable(problem);
    }
    // As the window's ticked box does, the song list's folder is the default.
    const QString source =
        request.m_strSource.isEmpty() ? FolderOf(songList) : AbsolutePath(request.m_strSource);
    if (const QString problem = UnusableFolder(source, R_OK | X_OK); !problem.isEmpty())
        return unusable(
            QCoreApplication::translate("TamroCli", "The source folder %1 cannot be listed: %2")
                .arg(ReadableFileName(source), problem));
    const QString output =
        request.m_strOutput.isEmpty() ? QString() : AbsolutePath(request.m_strOutput);
    const QString logFolder = LogFolderOf(request);
    if (request.m_command == CliRequest::Convert) {
        if (const QString problem = OutputProblem(output, request.m_bCreateOutput);
            !problem.isEmpty())
            return unusable(problem);
        if (const QString problem = UnusableFolder(logFolder, X_OK); !problem.isEmpty())
            return unusable(
                QCoreApplication::translate("TamroCli", "The log folder %1 cannot be used: %2")
                    .arg(ReadableFileName(logFolder), problem));
    }

    const NamingMode mode = request.m_bTags      ? NamingMode::Tags
                            : request.m_bPattern ? NamingMode::Pattern
                                                 : NamingMode::SongList;
    CCliObserver observer(mode, progress);
    if (mode == NamingMode::Tags)
        observer.ReportTagFields(format.Fields());
    CJob job(observer);
    auto files = std::make_shared<CListedFiles>(ListFolderFiles(source));
    observer.SetRows(*files);
    JobRequest jobRequest;
    jobRequest.m_mode = mode;
    jobRequest.m_listing.m_strCurrentFolder = source;
    jobRequest.m_listing.m_pFiles = files;
    jobRequest.m_listing.m_nGeneration = 1;
    jobRequest.m_strOutputFolder = output;
    jobRequest.m_strSongListPath = songList;
    jobRequest.m_strTagFormat = request.m_bTags ? format.Format() : QString();
    jobRequest.m_strLogFolder = logFolder;

    // The preview tells every row's name; the plan taken next tells what
    // becomes of each against the output folder, so the preview is not asked
    // to mark its names against it as well (a second plan of the whole run).
    JobRequest previewRequest = jobRequest;
    previewRequest.m_strOutputFolder.clear();
    (void)job.StartPreview(std::move(previewRequest));
    RunJobs(job);
    observer.TakePlan(source, output);
    jobRequest.m_bSkipIdentical = request.m_bSkipIdentical;
    if (!output.isEmpty()) {
        const RoomCheck room = observer.CheckRoomFor(source, output, request.m_bSkipIdentical);
        if (!room.Fits()) {
            if (request.m_command == CliRequest::Preview)
                progress.Say(QStringLiteral("tamro-cli: ") + room.problem);
            else if (!request.m_bNoRoomCheck)
                return unusable(room.problem + u' ' +
                                QCoreApplication::translate(
                                    "TamroCli", "Give --no-room-check to copy anyway."));
        }
    }

    int status = EXIT_ALL_DONE;
    if (request.m_command == CliRequest::Convert) {
        // As the window's convert does with a preview on screen, or without.
        if (request.m_bFromPreview) {
            auto names = std::make_shared<CPackedTexts>();
            names->Reserve(observer.Reports().size());
            for (const FileReport& report : observer.Reports())
                names->Append(report.m_strNewName);
            jobRequest.m_listing.m_pPreviewNames = std::move(names);
        }
        status = RunConvertJob(job, observer, std::move(jobRequest), progress);
    }
    if (request.m_command == CliRequest::Preview || request.m_bJson)
        PrintReports(observer, request.m_bJson);
    return status;
}
