#include "output/copy_one_file.h"

#include "output/copy_host.h"
#include "output/copy_to_free_name.h"
#include "output/log_lines.h"
#include "output/run_log.h"

#include <cerrno>

namespace {

bool IsAccessDenied(int error)
{
    return error == EACCES || error == EPERM || error == EROFS;
}

QString ErrorLine(const CopyResult& result, const QString& source, const QString& destination)
{
    if (result.stage == CopyStage::OpenSource && result.error == ENOENT)
        return SourceMissingLine(source);
    if (result.stage == CopyStage::OpenSource && IsAccessDenied(result.error))
        return AccessDeniedLine(source);
    if (result.stage == CopyStage::CreateDestination && IsAccessDenied(result.error))
        return AccessDeniedLine(destination);
    return CopyFailedLine(destination, result.Reason());
}

} // namespace

int CopyPercent(std::int64_t totalFileSize, std::int64_t totalBytesTransferred)
{
    if (totalFileSize <= 0)
        return 100;
    const double percent =
        static_cast<double>(totalBytesTransferred * 100) / static_cast<double>(totalFileSize);
    return static_cast<int>(percent);
}

CopyProgressAnswer CopyProgressProc(std::int64_t totalFileSize, std::int64_t totalBytesTransferred,
                                    void* data)
{
    CCopyHost& host = *static_cast<CCopyHost*>(data);
    const int percent = CopyPercent(totalFileSize, totalBytesTransferred);
    host.SetFileProgress(percent);
    const CCopyState& job = host.CopyState();
    if (job.m_bAbandonCopy.load() || job.m_bCancelCopy.load())
        return PROGRESS_CANCEL;
    return percent < 100 ? PROGRESS_CONTINUE : PROGRESS_QUIET;
}

CopiedFile CopyOneFile(CCopyHost& host, QString source, QString destination)
{
    CCopyState& job = host.CopyState();
    const NamedCopy copied =
        CopyToFreeName(job.m_copySession, source, destination, &CopyProgressProc, &host);
    destination = copied.destination;

    WriteLogLine(job.m_pInfoLog.get(), CopyLine(source, destination));
    if (copied.result.Succeeded() && job.m_pRunRecord)
        job.m_pRunRecord->AddCopy(copied.destinationBytes, copied.sourceBytes, copied.made);
    if (!copied.result.Succeeded())
        WriteLogLine(job.m_pErrorLog.get(), ErrorLine(copied.result, source, destination));
    return CopiedFile{destination, copied.result};
}
