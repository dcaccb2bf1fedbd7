#include "output/run_log.h"

#include "output/copy_state.h"
#include "platform/file_name_codec.h"
#include "platform/lone_surrogates.h"

#include <QCoreApplication>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace {

constexpr char16_t kReplacement = 0xFFFD;

QString LogPath(const QString& folder, const QString& name)
{
    return folder.endsWith(u'/') ? folder + name : folder + u'/' + name;
}

std::unique_ptr<LogFile> OpenLog(const QString& folder, const char16_t* name)
{
    auto log = std::make_unique<LogFile>();
    log->m_strPath = LogPath(folder, QString::fromUtf16(name));
    auto writer = std::make_unique<Utf16TextWriter>();
    log->m_errOpen = writer->Open(EncodeFileName(log->m_strPath));
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
        return QCoreApplication::translate("RunLog", "it is a link to another file");
    case ENXIO:
        return QCoreApplication::translate("RunLog", "it is not a regular file");
    case EWOULDBLOCK:
        return QCoreApplication::translate("RunLog", "it is in use by another running tamro");
    default:
        return SystemReason(error);
    }
}

// A logged path may hold any character a file name can; the log keeps one
// event per line and valid UTF-16. The copy itself used the exact bytes.
QString OneLine(const QString& line)
{
    const auto breaksLine = [](QChar c) { return c.unicode() < 0x20 || c.unicode() == 0x7F; };
    // Nearly every line is fine as it stands, and a look costs no copy.
    if (std::none_of(line.cbegin(), line.cend(), breaksLine) && !HoldsLoneSurrogate(line))
        return line;
    QString text = line;
    ReplaceLoneSurrogates(text);
    std::replace_if(text.begin(), text.end(), breaksLine, QChar(kReplacement));
    return text;
}

// Every job gets a record of its own, and the previous job's record ends here
// at the latest. A run that cannot be recorded still runs; its copies just
// cannot be undone.
void StartRunRecord(CCopyState& job, const QString& logFolder)
{
    job.m_pRunRecord = std::make_unique<CRunRecordWriter>();
    (void)job.m_pRunRecord->Begin(logFolder, QString()); // End tells what went wrong
}

} // namespace

void OpenRunLogs(CCopyState& job, const QString& folder)
{
    auto info = OpenLog(folder, kInfoLogName);
    auto errors = OpenLog(folder, kErrorLogName);
    for (LogFile* log : {info.get(), errors.get()}) {
        if (!TryLock(*log))
            MarkFailed(*log, EWOULDBLOCK);
        StartEmpty(*log);
    }
    job.m_pInfoLog = std::move(info);
    job.m_pErrorLog = std::move(errors);
    StartRunRecord(job, folder);
}

QString OpenRunLogsForJob(CCopyState& job, const QString& folder)
{
    auto info = OpenLog(folder, kInfoLogName);
    auto errors = OpenLog(folder, kErrorLogName);
    // Both locks before either truncation: a job that is turned away has
    // emptied nothing.
    if (!TryLock(*info) || !TryLock(*errors)) {
        return QCoreApplication::translate(
                   "RunLog", "The run logs in %1 are in use by another running tamro. "
                             "Wait until its job has ended, or start tamro from another folder.")
            .arg(folder);
    }
    StartEmpty(*info);
    StartEmpty(*errors);
    job.m_pInfoLog = std::move(info);
    job.m_pErrorLog = std::move(errors);
    StartRunRecord(job, folder);
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
        problem = QCoreApplication::translate("RunLog", "%1 could not be created: %2")
                      .arg(log->m_strPath, OpenReason(log->m_errOpen));
    } else if (const int error = log->m_pFile->Close()) {
        problem = QCoreApplication::translate("RunLog", "%1 could not be written completely: %2")
                      .arg(log->m_strPath, SystemReason(error));
    }
    log.reset();
    return problem;
}
