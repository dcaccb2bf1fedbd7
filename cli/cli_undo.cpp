#include "cli/cli_undo.h"

#include "cli/cli_jobs.h"
#include "cli/cli_observer.h"
#include "cli/progress_line.h"
#include "cli/stop_requests.h"
#include "passes/job.h"
#include "platform/file_name_codec.h"

#include <cstdio>

namespace {

QString ItemLine(const FileEnd& file)
{
    const QString path = ReadableFileName(file.m_strDestination);
    switch (file.m_outcome) {
    case FileOutcome::Removed:
        return QStringLiteral("removed       ") + path;
    case FileOutcome::WouldRemove:
        return QStringLiteral("would remove  ") + path;
    default:
        break;
    }
    return QStringLiteral("left          ") + path + QStringLiteral("  (") + file.m_strReason +
           u')';
}

} // namespace

int RunUndo(const CliRequest& request)
{
    CProgressLine progress(false);
    CCliObserver observer(NamingMode::SongList, progress);
    CJob job(observer);
    {
        // Ctrl-C stops the undo between two copies.
        const CStopRequests stopRequests(job);
        (void)job.StartUndo(UndoRequest{LogFolderOf(request),
                                        request.m_bDryRun ? UndoMode::DryRun : UndoMode::Remove});
        while (job.RunNextJob()) {
        }
    }
    const RunSummary& summary = observer.Summary();
    if (!summary.m_strRefusal.isEmpty()) {
        std::fputs((QStringLiteral("tamro-cli: ") + summary.m_strRefusal + u'\n').toLocal8Bit(),
                   stderr);
        return EXIT_UNUSABLE;
    }
    QByteArray text;
    bool anyLeft = false;
    for (const FileEnd& file : observer.Undone()) {
        anyLeft = anyLeft || file.m_outcome == FileOutcome::Skipped;
        text += ItemLine(file).toLocal8Bit() + '\n';
    }
    std::fwrite(text.constData(), 1, size_t(text.size()), stdout);
    if (const int signo = CStopRequests::FirstStopSignal(); signo != 0)
        return 128 + signo;
    // A copy left standing is something the operator may have to look at.
    return anyLeft ? EXIT_SOME_FAILED : EXIT_ALL_DONE;
}
