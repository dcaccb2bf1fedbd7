#include "output/run_record_reader.h"

#include "output/run_state_folder.h"
#include "platform/file_name_codec.h"

#include <QCoreApplication>
#include <QDir>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// Far beyond what the writer puts in one file; a bigger one is no record.
constexpr qsizetype kLargestHeader = qsizetype{64} * 1024;
constexpr qsizetype kLargestBatch = qsizetype{256} * 1024 * 1024;

// The system's words for `error`; callers take errno before translating
// their own text, which may change it.
QString SystemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// Reads the checked file `name` of a run; `error` gets ENOENT when there is
// none.
QString ReadRunFile(int run, const QByteArray& name, const QString& path, qsizetype largest,
                    QByteArray& bytes, int* error = nullptr)
{
    UniqueFd file;
    if (QString problem = OpenPrivate(run, name, false, path, file, error); !problem.isEmpty())
        return problem;
    struct stat info
    {};
    if (::fstat(file.get(), &info) != 0) {
        const int error = errno;
        return QCoreApplication::translate("RunRecord", "%1 cannot be looked at: %2.")
            .arg(path, SystemReason(error));
    }
    if (info.st_size > largest)
        return QCoreApplication::translate("RunRecord", "%1 is too large for a run record.")
            .arg(path);
    bytes.resize(qsizetype(info.st_size));
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t got =
            ::read(file.get(), bytes.data() + done, static_cast<size_t>(bytes.size() - done));
        if (got == 0)
            break;
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            const int error = errno;
            return QCoreApplication::translate("RunRecord", "%1 cannot be read: %2.")
                .arg(path, SystemReason(error));
        }
        done += got;
    }
    bytes.truncate(done);
    return {};
}

QList<std::uint32_t> BatchNumbers(int run)
{
    QList<std::uint32_t> numbers;
    for (const QByteArray& name : FolderEntries(run)) {
        if (const std::uint32_t number = RunCopiesNumber(name))
            numbers.append(number);
    }
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

QByteArray ResolvedFolder(const QString& folder)
{
    QByteArray path = EncodeFileName(QDir::cleanPath(folder));
    char* resolved = ::realpath(path.constData(), nullptr);
    if (!resolved)
        return path;
    QByteArray real(resolved);
    std::free(resolved);
    return real;
}

} // namespace

QString CRunRecordReader::Open(bool* missing)
{
    return OpenRunRecords(false, m_runs, missing);
}

QList<QByteArray> CRunRecordReader::RunIds() const
{
    QList<QByteArray> ids;
    if (!m_runs.valid())
        return ids;
    for (const QByteArray& name : FolderEntries(m_runs.get())) {
        if (IsRunId(name))
            ids.append(name);
    }
    std::sort(ids.begin(), ids.end());
    return ids;
}

QString CRunRecordReader::OpenRun(const QString& id, UniqueFd& run) const
{
    if (!m_runs.valid() || !IsRunId(id.toUtf8()))
        return QCoreApplication::translate("RunRecord", "No run %1 is recorded.").arg(id);
    int error = 0;
    QString problem =
        OpenPrivate(m_runs.get(), id.toLatin1(), true, RunRecordsPath() + u'/' + id, run, &error);
    if (error == ENOENT)
        return QCoreApplication::translate("RunRecord", "No run %1 is recorded.").arg(id);
    return problem;
}

QString CRunRecordReader::Load(const QString& id, RunRecord& run) const
{
    run = RunRecord();
    UniqueFd folder;
    if (QString problem = OpenRun(id, folder); !problem.isEmpty())
        return problem;
    const QString path = RunRecordsPath() + u'/' + id;
    const auto file = [&path](const QByteArray& name) {
        return path + u'/' + QString::fromLatin1(name);
    };
    const auto damaged = [&](const QByteArray& name, const QString& problem) {
        return QCoreApplication::translate("RunRecord", "%1 is damaged: %2.")
            .arg(file(name), problem);
    };

    QByteArray bytes;
    if (QString problem =
            ReadRunFile(folder.get(), kRunHeaderName, file(kRunHeaderName), kLargestHeader, bytes);
        !problem.isEmpty())
        return problem;
    if (QString problem = ParseRunHeader(bytes, run); !problem.isEmpty())
        return damaged(kRunHeaderName, problem);
    if (run.m_strId != id)
        return damaged(kRunHeaderName,
                       QCoreApplication::translate("RunRecord", "it names another run"));

    // A batch names the folders of the copies after it, so none may be
    // missing; a kill can only cut the record after its last batch.
    const QList<std::uint32_t> numbers = BatchNumbers(folder.get());
    for (qsizetype i = 0; i < numbers.size(); ++i) {
        const QByteArray name = RunCopiesName(numbers[i]);
        if (numbers[i] != std::uint32_t(i + 1))
            return damaged(RunCopiesName(std::uint32_t(i + 1)),
                           QCoreApplication::translate("RunRecord", "it is missing"));
        if (QString problem = ReadRunFile(folder.get(), name, file(name), kLargestBatch, bytes);
            !problem.isEmpty())
            return problem;
        if (QString problem = ParseRunCopies(bytes, run); !problem.isEmpty())
            return damaged(name, problem);
    }

    int error = 0;
    QString problem = ReadRunFile(folder.get(), kRunUndoneName, file(kRunUndoneName), kLargestBatch,
                                  bytes, &error);
    if (error == ENOENT)
        return {};
    if (!problem.isEmpty())
        return problem;
    if (problem = ParseRunUndone(bytes, run); !problem.isEmpty())
        return damaged(kRunUndoneName, problem);
    return {};
}

RecordedRunSummary SummaryOf(const RunRecord& run)
{
    RecordedRunSummary summary;
    summary.m_strId = run.m_strId;
    summary.m_nTimeMs = run.m_nTimeMs;
    summary.m_strLogFolder = DecodeFileName(run.m_logFolder.m_path);
    for (const RecordedFolder& folder : run.m_outputFolders)
        summary.m_outputFolders.append(DecodeFileName(folder.m_path));
    summary.m_nCopies = qsizetype(run.m_copies.size());
    summary.m_nStanding = run.StandingCopies();
    summary.m_bUndone = run.m_nUndoneMs != 0;
    return summary;
}

QList<RecordedRunSummary> CRunRecordReader::List() const
{
    QList<RecordedRunSummary> runs;
    QList<QByteArray> ids = RunIds();
    std::reverse(ids.begin(), ids.end());
    for (const QByteArray& id : ids) {
        RunRecord run;
        const QString problem = Load(QString::fromLatin1(id), run);
        RecordedRunSummary summary = SummaryOf(run);
        summary.m_strId = QString::fromLatin1(id);
        summary.m_strProblem = problem;
        runs.append(summary);
    }
    return runs;
}

QString CRunRecordReader::FindLastForLogFolder(const QString& logFolder, QString& id) const
{
    id.clear();
    const QByteArray path = ResolvedFolder(logFolder);
    struct stat info
    {};
    if (::stat(path.constData(), &info) != 0)
        return {};
    QList<QByteArray> ids = RunIds();
    std::reverse(ids.begin(), ids.end());
    for (const QByteArray& candidate : ids) {
        UniqueFd folder;
        int error = 0;
        const QString runPath = RunRecordsPath() + u'/' + QString::fromLatin1(candidate);
        if (QString problem = OpenPrivate(m_runs.get(), candidate, true, runPath, folder, &error);
            !problem.isEmpty()) {
            if (error == ENOENT)
                continue; // removed meanwhile
            return problem;
        }
        // A run that is just starting has no header yet, and a damaged one
        // says nothing about this folder; anything refused is the answer.
        QByteArray bytes;
        const QString headerPath = runPath + u'/' + QString::fromLatin1(kRunHeaderName);
        if (QString problem = ReadRunFile(folder.get(), kRunHeaderName, headerPath, kLargestHeader,
                                          bytes, &error);
            !problem.isEmpty()) {
            if (error == ENOENT)
                continue;
            return problem;
        }
        RunRecord run;
        if (!ParseRunHeader(bytes, run).isEmpty())
            continue;
        const RecordedFolder& logs = run.m_logFolder;
        const bool sameFolder =
            logs.m_nDevice == 0 || (logs.m_nDevice == info.st_dev && logs.m_nInode == info.st_ino);
        if (logs.m_path == path && sameFolder) {
            id = run.m_strId;
            return {};
        }
    }
    return {};
}

QString CRunRecordReader::LockRun(const QString& id, UniqueFd& lock) const
{
    if (QString problem = OpenRun(id, lock); !problem.isEmpty())
        return problem;
    while (::flock(lock.get(), LOCK_EX | LOCK_NB) != 0) {
        if (errno == EWOULDBLOCK)
            return QCoreApplication::translate(
                       "RunRecord", "Another undo of run %1 is under way; wait until it has ended.")
                .arg(id);
        if (errno != EINTR) {
            const int error = errno;
            return QCoreApplication::translate("RunRecord", "Run %1 cannot be taken for undo: %2.")
                .arg(id, SystemReason(error));
        }
    }
    return {};
}

QString CRunRecordReader::WriteUndone(const RunRecord& run) const
{
    UniqueFd folder;
    if (QString problem = OpenRun(run.m_strId, folder); !problem.isEmpty())
        return problem;
    const int error = WritePrivateFile(folder.get(), kRunUndoneName, RunUndoneText(run));
    if (error == 0)
        return {};
    return QCoreApplication::translate(
               "RunRecord",
               "%1/%2/%3 could not be written, so the record does not say what went: %4.")
        .arg(RunRecordsPath(), run.m_strId, QString::fromLatin1(kRunUndoneName),
             SystemReason(error));
}
