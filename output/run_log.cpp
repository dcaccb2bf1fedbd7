#include "output/run_log.h"

#include "output/copy_host.h"
#include "platform/file_name_codec.h"

#include <cstring>

namespace {

std::unique_ptr<LogFile> OpenLog(const QString& name)
{
    auto log = std::make_unique<LogFile>();
    log->m_strName = name;
    auto writer = std::make_unique<Utf16TextWriter>();
    log->m_errOpen = writer->Open(EncodeFileName(name));
    if (log->m_errOpen == 0)
        log->m_pFile = std::move(writer);
    return log;
}

QString SystemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

} // namespace

void OpenRunLogs(CCopyHost& host)
{
    host.m_pInfoLog = OpenLog(QString::fromUtf16(kInfoLogName));
    host.m_pErrorLog = OpenLog(QString::fromUtf16(kErrorLogName));
}

QString OpenRunLogsForJob(CCopyHost& host)
{
    OpenRunLogs(host);
    return {};
}

void WriteLogLine(LogFile* log, const QString& line)
{
    if (log && log->m_pFile)
        log->m_pFile->WriteLine(line);
}

QString CloseRunLog(std::unique_ptr<LogFile>& log)
{
    if (!log)
        return {};
    QString problem;
    if (log->m_errOpen != 0) {
        problem = QStringLiteral("%1 could not be created: %2")
                      .arg(log->m_strName, SystemReason(log->m_errOpen));
    } else if (const int error = log->m_pFile->Close()) {
        problem = QStringLiteral("%1 could not be written completely: %2")
                      .arg(log->m_strName, SystemReason(error));
    }
    log.reset();
    return problem;
}
