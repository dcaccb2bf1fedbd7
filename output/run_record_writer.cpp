#include "output/run_record_writer.h"

#include "output/run_record.h"
#include "output/run_state_folder.h"
#include "platform/file_name_codec.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

constexpr int kIdAttempts = 16;

QString SystemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// Ids sort as their runs started: UTC time first, then a random tail that
// keeps two runs of one millisecond apart.
QString NewRunId()
{
    return QDateTime::currentDateTimeUtc().toString(u"yyyyMMdd-HHmmss-zzz"_s) + u'-' +
           QString::number(QRandomGenerator::system()->bounded(0x1000000), 16)
               .rightJustified(6, u'0');
}

QByteArray Absolute(const QByteArray& path)
{
    if (path.startsWith('/'))
        return path;
    return EncodeFileName(QDir::currentPath()) + '/' + path;
}

// The path an opened folder has now, every link resolved.
QByteArray ResolvedPath(int fd, const QByteArray& fallback)
{
    char buffer[PATH_MAX];
    const QByteArray link = "/proc/self/fd/" + QByteArray::number(fd);
    const ssize_t length = ::readlink(link.constData(), buffer, sizeof buffer);
    if (length > 0 && length < ssize_t(sizeof buffer) && buffer[0] == '/')
        return QByteArray(buffer, length);
    char* resolved = ::realpath(fallback.constData(), nullptr);
    if (!resolved)
        return fallback;
    QByteArray path(resolved);
    std::free(resolved);
    return path;
}

// Removes a run folder and the files in it, never following a link; one
// that is not the operator's own is left.
void RemoveRun(int runs, const QByteArray& id)
{
    UniqueFd run;
    if (!OpenPrivate(runs, id, true, QString(), run).isEmpty())
        return;
    for (const QByteArray& name : FolderEntries(run.get()))
        (void)::unlinkat(run.get(), name.constData(), 0);
    (void)::unlinkat(runs, id.constData(), AT_REMOVEDIR);
}

void PruneRuns(int runs)
{
    QList<QByteArray> ids;
    for (const QByteArray& name : FolderEntries(runs)) {
        if (IsRunId(name))
            ids.append(name);
    }
    std::sort(ids.begin(), ids.end());
    // Room for the run about to start.
    for (qsizetype i = 0; i + CRunRecordWriter::kKeptRuns <= ids.size(); ++i)
        RemoveRun(runs, ids[i]);
}

} // namespace

CRunRecordWriter::~CRunRecordWriter()
{
    (void)End();
}

QString CRunRecordWriter::Begin(const QString& logFolder, const QString& outputFolder)
{
    QString problem = StartRecord(logFolder, outputFolder);
    if (!problem.isEmpty()) {
        const std::lock_guard lock(m_mutex);
        m_strProblem = problem;
    }
    return problem;
}

QString CRunRecordWriter::StartRecord(const QString& logFolder, const QString& outputFolder)
{
    UniqueFd runs;
    if (QString problem = OpenRunRecords(true, runs); !problem.isEmpty())
        return QCoreApplication::translate("RunRecord",
                                           "The run cannot be recorded, so it cannot be undone: %1")
            .arg(problem);
    PruneRuns(runs.get());

    RunRecord header;
    for (int attempt = 0; header.m_strId.isEmpty() && attempt < kIdAttempts; ++attempt) {
        const QString id = NewRunId();
        if (::mkdirat(runs.get(), id.toLatin1().constData(), 0700) == 0)
            header.m_strId = id;
        else if (errno != EEXIST) {
            const int error = errno;
            return QCoreApplication::translate("RunRecord",
                                               "The run cannot be recorded, so it cannot be "
                                               "undone: %1/%2 cannot be created: %3.")
                .arg(RunRecordsPath(), id, SystemReason(error));
        }
    }
    if (header.m_strId.isEmpty())
        return QCoreApplication::translate("RunRecord",
                                           "The run cannot be recorded: no free run id.");
    const QString path = RunRecordsPath() + u'/' + header.m_strId;
    UniqueFd run;
    if (QString problem = OpenPrivate(runs.get(), header.m_strId.toLatin1(), true, path, run);
        !problem.isEmpty())
        return QCoreApplication::translate("RunRecord",
                                           "The run cannot be recorded, so it cannot be undone: %1")
            .arg(problem);

    header.m_nTimeMs = QDateTime::currentMSecsSinceEpoch();
    // The folder as undo will be pointed at it: by a path that may take
    // other links, so kept with links resolved, and by its identity.
    header.m_logFolder.m_path = Absolute(EncodeFileName(logFolder));
    const UniqueFd logs(
        ::open(header.m_logFolder.m_path.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    struct stat info
    {};
    if (logs.valid() && ::fstat(logs.get(), &info) == 0) {
        header.m_logFolder.m_path = ResolvedPath(logs.get(), header.m_logFolder.m_path);
        header.m_logFolder.m_nDevice = info.st_dev;
        header.m_logFolder.m_nInode = info.st_ino;
    }
    if (const int error = WritePrivateFile(run.get(), kRunHeaderName, RunHeaderText(header)))
        return QCoreApplication::translate("RunRecord", "The run cannot be recorded, so it cannot "
                                                        "be undone: %1/%2 cannot be written: %3.")
            .arg(path, QString::fromLatin1(kRunHeaderName), SystemReason(error));

    m_runFolder = std::move(run);
    m_strId = header.m_strId;
    m_strPath = path;
    m_bStop = false;
    if (!outputFolder.isEmpty()) {
        // Its identity now, before any copy: the folder the run was given.
        const std::lock_guard lock(m_mutex);
        m_lastOutputFolder = Absolute(EncodeFileName(outputFolder));
        m_nLastOutputFolder = OutputFolderIndex(m_lastOutputFolder);
    }
    m_flusher = std::thread([this] { FlusherLoop(); });
    return {};
}

std::int64_t CRunRecordWriter::OutputFolderIndex(const QByteArray& folder)
{
    if (const auto known = m_outputFolders.constFind(folder); known != m_outputFolders.cend())
        return *known;
    // Named in the record once it can be opened; a folder that cannot is
    // tried again by the next copy into it.
    UniqueFd fd(::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    struct stat info
    {};
    if (!fd.valid() || ::fstat(fd.get(), &info) != 0)
        return -1;
    const auto index = std::uint32_t(m_outputFolderFds.size());
    RecordedFolder recorded;
    recorded.m_nDevice = info.st_dev;
    recorded.m_nInode = info.st_ino;
    recorded.m_path = ResolvedPath(fd.get(), folder);
    if (m_pending.isEmpty())
        m_pending = RunCopiesStart();
    m_pending += OutputFolderLine(index, recorded);
    m_outputFolders.insert(folder, index);
    m_outputFolderFds.push_back(std::move(fd));
    return index;
}

std::uint32_t CRunRecordWriter::SourceFolderIndex(const QByteArray& folder)
{
    if (const auto known = m_sourceFolders.constFind(folder); known != m_sourceFolders.cend())
        return *known;
    const auto index = std::uint32_t(m_sourceFolders.size());
    if (m_pending.isEmpty())
        m_pending = RunCopiesStart();
    m_pending += SourceFolderLine(index, folder);
    m_sourceFolders.insert(folder, index);
    return index;
}

void CRunRecordWriter::AddCopy(const QByteArray& destination, const QByteArray& source,
                               const struct stat& info)
{
    if (!IsRecording())
        return;
    // Views into the two paths: a run of small files adds a line per copy
    // and no other string.
    const QByteArray target = Absolute(destination);
    const QByteArray from = Absolute(source);
    const qsizetype targetSlash = target.lastIndexOf('/');
    const qsizetype fromSlash = from.lastIndexOf('/');
    const QByteArrayView folder =
        targetSlash == 0 ? QByteArrayView("/") : QByteArrayView(target).first(targetSlash);
    const QByteArrayView sourceFolder =
        fromSlash == 0 ? QByteArrayView("/") : QByteArrayView(from).first(fromSlash);
    const char* name = target.constData() + targetSlash + 1;
    const QByteArrayView sourceName = QByteArrayView(from).sliced(fromSlash + 1);
    if (*name == '\0' || sourceName.isEmpty())
        return;

    std::unique_lock lock(m_mutex);
    if (m_bStop)
        return;
    if (m_nLastOutputFolder < 0 || folder != m_lastOutputFolder) {
        m_lastOutputFolder = folder.toByteArray();
        m_nLastOutputFolder = OutputFolderIndex(m_lastOutputFolder);
    }
    RecordedCopy copy;
    QString unrecorded;
    if (m_nLastOutputFolder < 0) {
        unrecorded = QCoreApplication::translate("RunRecord", "its folder cannot be opened");
    } else {
        copy.m_nFolder = std::uint32_t(m_nLastOutputFolder);
        if (info.st_ino == 0)
            unrecorded = QCoreApplication::translate("RunRecord", "it could not be examined");
        else if (!S_ISREG(info.st_mode))
            unrecorded = QCoreApplication::translate("RunRecord", "it is not a regular file");
    }
    if (!unrecorded.isEmpty()) {
        lock.unlock();
        NoteProblem(
            QCoreApplication::translate(
                "RunRecord", "The copy %1 could not be recorded, so it cannot be undone: %2.")
                .arg(DecodeFileName(destination), unrecorded));
        return;
    }
    if (m_nLastSourceFolder < 0 || sourceFolder != m_lastSourceFolder) {
        m_lastSourceFolder = sourceFolder.toByteArray();
        m_nLastSourceFolder = SourceFolderIndex(m_lastSourceFolder);
    }
    copy.m_nSourceFolder = std::uint32_t(m_nLastSourceFolder);
    copy.m_nDevice = info.st_dev;
    copy.m_nInode = info.st_ino;
    copy.m_nSize = info.st_size;
    copy.m_nMtimeSec = info.st_mtim.tv_sec;
    copy.m_nMtimeNsec = info.st_mtim.tv_nsec;
    if (m_pending.isEmpty())
        m_pending = RunCopiesStart();
    AppendCopyLine(m_pending, copy, QByteArrayView(name, target.size() - targetSlash - 1),
                   sourceName);
    if (++m_nPendingCopies >= kBatchCopies)
        m_wake.notify_one();
}

void CRunRecordWriter::WritePending()
{
    QByteArray batch;
    std::uint32_t number = 0;
    {
        const std::lock_guard lock(m_mutex);
        if (m_pending.isEmpty())
            return;
        batch.swap(m_pending);
        m_nPendingCopies = 0;
        number = m_nNextBatch++;
    }
    const QByteArray name = RunCopiesName(number);
    if (const int error = WritePrivateFile(m_runFolder.get(), name, batch)) {
        NoteProblem(QCoreApplication::translate(
                        "RunRecord",
                        "%1/%2 could not be written, so the copies it lists cannot be undone: %3.")
                        .arg(m_strPath, QString::fromLatin1(name), SystemReason(error)));
    }
}

void CRunRecordWriter::FlusherLoop()
{
    std::unique_lock lock(m_mutex);
    while (!m_bStop) {
        m_wake.wait_for(lock, kBatchDelay,
                        [this] { return m_bStop || m_nPendingCopies >= kBatchCopies; });
        if (m_pending.isEmpty())
            continue;
        lock.unlock();
        {
            const std::lock_guard writing(m_writeMutex);
            WritePending();
        }
        lock.lock();
    }
}

void CRunRecordWriter::Flush()
{
    if (!IsRecording())
        return;
    const std::lock_guard writing(m_writeMutex);
    WritePending();
}

void CRunRecordWriter::NoteProblem(const QString& problem)
{
    const std::lock_guard lock(m_mutex);
    if (m_strProblem.isEmpty())
        m_strProblem = problem;
}

QString CRunRecordWriter::End()
{
    if (!IsRecording()) {
        const std::lock_guard lock(m_mutex);
        return std::exchange(m_strProblem, QString());
    }
    {
        const std::lock_guard lock(m_mutex);
        m_bStop = true;
    }
    m_wake.notify_one();
    if (m_flusher.joinable())
        m_flusher.join();
    Flush();
    m_runFolder = UniqueFd();
    m_outputFolderFds.clear();
    const std::lock_guard lock(m_mutex);
    return std::exchange(m_strProblem, QString());
}
