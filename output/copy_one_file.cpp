#include "output/copy_one_file.h"

#include "output/copy_host.h"
#include "output/log_lines.h"
#include "output/names.h"
#include "output/run_log.h"
#include "platform/file_name_codec.h"

#include <cerrno>

namespace {

// Another process may take the chosen name between the test and the create;
// the copy then moves on to the next free number. The bound only guards
// against a name that keeps being taken forever.
constexpr int kMaxClaimAttempts = 1000;

bool NameWasTaken(const CopyResult& result)
{
    return result.stage == CopyStage::CreateDestination && result.error == EEXIST;
}

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
    if (host.CopyState().m_bAbandonCopy.load())
        return PROGRESS_CANCEL;
    return percent < 100 ? PROGRESS_CONTINUE : PROGRESS_QUIET;
}

CopiedFile CopyOneFile(CCopyHost& host, QString source, QString destination)
{
    const QByteArray sourceBytes = EncodeFileName(source);
    const QString wanted = destination;
    // The exclusive create is the first test of the wanted name: anything
    // standing there refuses it, exactly as MakeUniqueName counts a name
    // taken, so a free name costs no separate look.
    CopyResult result =
        CopyFileWithProgress(sourceBytes, EncodeFileName(wanted), &CopyProgressProc, &host);
    for (int attempt = 1; attempt < kMaxClaimAttempts && NameWasTaken(result); ++attempt) {
        destination = wanted;
        MakeUniqueName(destination);
        result = CopyFileWithProgress(sourceBytes, EncodeFileName(destination), &CopyProgressProc,
                                      &host);
    }
    // A source that failed before any create still logs the name it would
    // have got.
    if (result.stage == CopyStage::OpenSource)
        MakeUniqueName(destination);

    CCopyState& job = host.CopyState();
    WriteLogLine(job.m_pInfoLog.get(), CopyLine(source, destination));
    if (result.Succeeded() && job.m_pRunRecord)
        job.m_pRunRecord->AddCopy(destination, source);
    if (!result.Succeeded())
        WriteLogLine(job.m_pErrorLog.get(), ErrorLine(result, source, destination));
    return CopiedFile{destination, result};
}
