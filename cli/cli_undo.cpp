#include "cli/cli_undo.h"

#include "cli/cli_jobs.h"
#include "cli/cli_observer.h"
#include "cli/progress_line.h"
#include "cli/stop_requests.h"
#include "output/run_record_reader.h"
#include "passes/job.h"
#include "platform/file_name_codec.h"

#include <QCoreApplication>
#include <QDateTime>

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

QString Tr(const char* text)
{
    return QCoreApplication::translate("TamroCli", text);
}

void PrintError(const QString& text)
{
    std::fputs((QStringLiteral("tamro-cli: ") + text + u'\n').toLocal8Bit(), stderr);
}

// One line per recorded run, newest first: id, local start time, copies,
// whether an undo took any back, output folders (last: paths may hold
// blanks).
int ListRuns()
{
    CRunRecordReader records;
    bool missing = false;
    if (const QString problem = records.Open(&missing); !problem.isEmpty()) {
        if (missing) {
            std::fputs((Tr(QT_TRANSLATE_NOOP("TamroCli", "No run of tamro is recorded.")) + u'\n')
                           .toLocal8Bit(),
                       stdout);
            return EXIT_ALL_DONE;
        }
        PrintError(problem);
        return EXIT_UNUSABLE;
    }
    QByteArray text;
    for (const RecordedRunSummary& run : records.List()) {
        QString line = run.m_strId + u"  "_qs;
        if (!run.m_strProblem.isEmpty()) {
            line += Tr(QT_TRANSLATE_NOOP("TamroCli", "(its record cannot be read: %1)"))
                        .arg(run.m_strProblem);
        } else {
            const QString undone =
                !run.m_bUndone ? Tr(QT_TRANSLATE_NOOP("TamroCli", "not undone"))
                : run.m_nStanding == 0
                    ? Tr(QT_TRANSLATE_NOOP("TamroCli", "undone"))
                    : Tr(QT_TRANSLATE_NOOP("TamroCli", "partly undone (%1 standing)"))
                          .arg(run.m_nStanding);
            QStringList folders;
            for (const QString& folder : run.m_outputFolders)
                folders.append(ReadableFileName(folder));
            line +=
                QDateTime::fromMSecsSinceEpoch(run.m_nTimeMs).toString(u"yyyy-MM-dd HH:mm:ss"_qs) +
                u"  "_qs +
                (run.m_nCopies == 1 ? Tr(QT_TRANSLATE_NOOP("TamroCli", "1 copy"))
                                    : QCoreApplication::translate("TamroCli", "%n copies", nullptr,
                                                                  int(run.m_nCopies))) +
                u"  "_qs + undone + u"  "_qs + folders.join(u", "_qs);
        }
        text += line.toLocal8Bit() + '\n';
    }
    std::fwrite(text.constData(), 1, size_t(text.size()), stdout);
    return EXIT_ALL_DONE;
}

} // namespace

int RunUndo(const CliRequest& request)
{
    if (request.m_bList)
        return ListRuns();
    CProgressLine progress(false);
    CCliObserver observer(NamingMode::SongList, progress);
    CJob job(observer);
    {
        // Ctrl-C stops the undo between two copies.
        const CStopRequests stopRequests(job);
        (void)job.StartUndo(UndoRequest{LogFolderOf(request),
                                        request.m_bDryRun ? UndoMode::DryRun : UndoMode::Remove,
                                        request.m_strRunId});
        while (job.RunNextJob()) {
        }
    }
    const RunSummary& summary = observer.Summary();
    if (!summary.m_strRefusal.isEmpty()) {
        PrintError(summary.m_strRefusal);
        return EXIT_UNUSABLE;
    }
    QByteArray text;
    bool anyLeft = false;
    for (const FileEnd& file : observer.Undone()) {
        anyLeft = anyLeft || file.m_outcome == FileOutcome::Skipped;
        text += ItemLine(file).toLocal8Bit() + '\n';
    }
    std::fwrite(text.constData(), 1, size_t(text.size()), stdout);
    std::fflush(stdout);
    for (const QString& problem : summary.m_logProblems)
        PrintError(problem);
    if (const int signo = CStopRequests::FirstStopSignal(); signo != 0)
        return 128 + signo;
    // A copy left standing is something the operator may have to look at.
    return anyLeft ? EXIT_SOME_FAILED : EXIT_ALL_DONE;
}
