#include "output/run_log.h"

#include "output/copy_state.h"
#include "platform/file_name_codec.h"

#include <QDir>

#include <cerrno>
#include <cstring>

namespace {

constexpr char16_t kReplacement = 0xFFFD;

QString LogPath(const QString& name)
{
    const QString folder = QDir::currentPath();
    return folder.endsWith(u'/') ? folder + name : folder + u'/' + name;
}

std::unique_ptr<LogFile> OpenLog(const char16_t* name)
{
    const QString fileName = QString::fromUtf16(name);
    auto log = std::make_unique<LogFile>();
    log->m_strPath = LogPath(fileName);
    auto writer = std::make_unique<Utf16TextWriter>();
    log->m_errOpen = writer->Open(EncodeFileName(fileName));
    if (log->m_errOpen == 0)
        log->m_pFile = std::move(writer);
    return log;
}

void MarkFailed(LogFile& log, int error)
{
    log.m_errOpen = error;
    log.m_pFile.reset();
}

// False when another job holds the log. A file system without locks (some
// network shares) lets the job run unlocked rather than not at all.
bool TryLock(LogFile& log)
{
    return !log.m_pFile || log.m_pFile->TryLock() != EWOULDBLOCK;
}

void StartEmpty(LogFile& log)
{
    if (!log.m_pFile)
        return;
    if (const int error = log.m_pFile->StartEmpty())
        MarkFailed(log, error);
}

QString SystemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// Why a log could not be opened; the refusals of a file that is not a plain
// file of its own read better than their error numbers.
QString OpenReason(int error)
{
    switch (error) {
    case ELOOP:
    case EMLINK:
        return QStringLiteral("it is a link to another file");
    case ENXIO:
        return QStringLiteral("it is not a regular file");
    case EWOULDBLOCK:
        return QStringLiteral("it is in use by another running tamro");
    default:
        return SystemReason(error);
    }
}

bool BreaksTheLine(char16_t unit)
{
    return unit < 0x20 || unit == 0x7F || QChar::isSurrogate(unit);
}

// A logged path may hold any character a file name can; the log keeps one
// event per line and valid UTF-16. The copy itself used the exact bytes.
QString OneLine(const QString& line)
{
    QString text = line;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t unit = text.at(i).unicode();
        if (QChar::isHighSurrogate(unit) && i + 1 < text.size() &&
            QChar::isLowSurrogate(text.at(i + 1).unicode())) {
            ++i;
        } else if (BreaksTheLine(unit)) {
            text[i] = QChar(kReplacement);
        }
    }
    return text;
}

// Every job gets a record of its own, and the previous job's record ends here
// at the latest. A run that cannot be recorded still runs; its copies just
// cannot be undone.
void StartRunRecord(CCopyState& job)
{
    job.m_pRunRecord = std::make_unique<CRunRecordWriter>();
    (void)job.m_pRunRecord->Begin(QDir::currentPath(), QString());
}

} // namespace

void OpenRunLogs(CCopyState& job)
{
    auto info = OpenLog(kInfoLogName);
    auto errors = OpenLog(kErrorLogName);
    for (LogFile* log : {info.get(), errors.get()}) {
        if (!TryLock(*log))
            MarkFailed(*log, EWOULDBLOCK);
        StartEmpty(*log);
    }
    job.m_pInfoLog = std::move(info);
    job.m_pErrorLog = std::move(errors);
    StartRunRecord(job);
}

QString OpenRunLogsForJob(CCopyState& job)
{
    auto info = OpenLog(kInfoLogName);
    auto errors = OpenLog(kErrorLogName);
    // Both locks before either truncation: a job that is turned away has
    // emptied nothing.
    if (!TryLock(*info) || !TryLock(*errors)) {
        return QStringLiteral("The run logs in %1 are in use by another running tamro. "
                              "Wait until its job has ended, or start tamro from another folder.")
            .arg(QDir::currentPath());
    }
    StartEmpty(*info);
    StartEmpty(*errors);
    job.m_pInfoLog = std::move(info);
    job.m_pErrorLog = std::move(errors);
    StartRunRecord(job);
    return {};
}

void WriteLogLine(LogFile* log, const QString& line)
{
    if (log && log->m_pFile)
        log->m_pFile->WriteLine(OneLine(line));
}

QString CloseRunLog(std::unique_ptr<LogFile>& log)
{
    if (!log)
        return {};
    QString problem;
    if (log->m_errOpen != 0) {
        problem = QStringLiteral("%1 could not be created: %2")
                      .arg(log->m_strPath, OpenReason(log->m_errOpen));
    } else if (const int error = log->m_pFile->Close()) {
        problem = QStringLiteral("%1 could not be written completely: %2")
                      .arg(log->m_strPath, SystemReason(error));
    }
    log.reset();
    return problem;
}
